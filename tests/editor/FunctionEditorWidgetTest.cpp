// The function editor's widgets, driven as the user drives them on an offscreen display: what
// a click, a pick, a key and Enter reach, and where the fields stand.
#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <QToolButton>
#include <QVBoxLayout>
#include <memory>

#include "EditorFixture.h"
#include "editor/FieldLayout.h"
#include "editor/qt/FunctionEditor.h"
#include "tests/support/QtTestApp.h"

namespace {

using editor::FieldId;
using editor::LineCode;

class EditorWidget : public testeditor::EditorTest {
  protected:
    EditorWidget() {
        window = std::make_unique<QWidget>();
        widget = new editor::FunctionEditor(core, window.get());
        cancel = new QPushButton(QStringLiteral("Cancel"), window.get());
        other = new QLineEdit(window.get());
        auto* layout = new QVBoxLayout(window.get());
        layout->addWidget(widget);
        layout->addWidget(cancel);
        layout->addWidget(other);
        widget->SetCancelWidget(cancel);
        widget->SetErrorReporter([this](QWidget*, const QString& m) { errors << m; });
        QObject::connect(widget, &editor::FunctionEditor::acceptRequested, widget,
                         [this] { ++accepted; });
        window->resize(900, 160);
        window->show();
        window->activateWindow();
        EXPECT_TRUE(QTest::qWaitForWindowActive(window.get()));
        widget->RefreshIOLists();
    }

    void ClickButton(const char* key) {
        auto* action = widget->findChild<QAction*>(QString::fromLatin1(key));
        ASSERT_NE(action, nullptr) << key;
        action->trigger();
    }

    QComboBox* List(FieldId id) {
        for (QComboBox* list :
             widget->findChildren<QComboBox*>(QString::fromLatin1(editor::FieldName(id)))) {
            if (id > FieldId::InputList2 || list->property("index").toInt() == int(id))
                return list;
        }
        return nullptr;
    }

    QLineEdit* Box(FieldId id) {
        return widget->findChild<QLineEdit*>(QString::fromLatin1(editor::FieldName(id)));
    }

    // A pick arrives as the list's activated signal, as a mouse or key choice sends it.
    void PickItem(FieldId id, const char* text) {
        QComboBox* list = List(id);
        ASSERT_TRUE(list != nullptr && list->isVisible()) << editor::FieldName(id);
        const int index = list->findText(QString::fromLatin1(text));
        ASSERT_GE(index, 0) << text;
        list->setCurrentIndex(index);
        emit list->activated(index);
    }

    // Enters the box (its text selected), types the keys and presses Enter.
    void TypeAndEnter(FieldId id, const char* keys) {
        QLineEdit* box = Box(id);
        ASSERT_TRUE(box->isVisible()) << editor::FieldName(id);
        box->setFocus();
        box->selectAll();
        QTest::keyClicks(box, QString::fromLatin1(keys));
        QTest::keyClick(box, Qt::Key_Return);
    }

    std::unique_ptr<QWidget> window;
    editor::FunctionEditor* widget = nullptr;
    QPushButton* cancel = nullptr;
    QLineEdit* other = nullptr;  // stands for any other control of the window
    QStringList errors;
    int accepted = 0;
};

TEST_F(EditorWidget, ToolbarButtonsCarryTheirKeysAndFollowTheCore) {
    auto* toolbar = widget->findChild<QWidget*>(QStringLiteral("tlbFunction"));
    ASSERT_NE(toolbar, nullptr);
    ASSERT_EQ(toolbar->actions().size(), 11);
    EXPECT_EQ(toolbar->actions()[6]->objectName(), "7a");
    EXPECT_EQ(toolbar->actions()[6]->toolTip(), "Repeat Lines");
    ClickButton("6a");
    EXPECT_EQ(state.EditCode, (LineCode{9, 0, 0, 0}));
    EXPECT_EQ(widget->findChild<QLabel*>(QStringLiteral("lblFunction"))->text(), "Wait");
    LoadStored({32, 161, 0, 0});
    widget->LoadLine();
    EXPECT_TRUE(toolbar->actions()[8]->isChecked());
    program.SetRegisterByte(model::kCounterModuleRegister, 0, 0);
    widget->RefreshIOLists();
    EXPECT_FALSE(toolbar->actions()[9]->isEnabled());
}

TEST_F(EditorWidget, PicksAndKeysReachTheLineAndEnterAcceptsIt) {
    ClickButton("9a");
    PickItem(FieldId::TmrCtrNum, "2");
    PickItem(FieldId::FnOpts, "Check if On");
    PickItem(FieldId::FnMisc, "If Not, Move to Line");
    TypeAndEnter(FieldId::LineMisc, "1x5");
    EXPECT_EQ(Box(FieldId::LineMisc)->text(), "15");
    EXPECT_EQ(state.EditCode, (LineCode{32, 162, 1, 15}));
    EXPECT_EQ(accepted, 1);
    ClickButton("4a");
    PickItem(FieldId::OutputList, "92");
    PickItem(FieldId::FnOpts, "Limit on Time");
    TypeAndEnter(FieldId::TimeCount, "123456");
    EXPECT_EQ(Box(FieldId::TimeCount)->text(), "12345");
    EXPECT_EQ(state.EditCode, (LineCode{128, 0x92, 48, 57}));
    EXPECT_EQ(accepted, 2);
    ClickButton("3a");
    PickItem(FieldId::InputList1, "3");
    PickItem(FieldId::InputList2, "92");
    EXPECT_EQ(state.EditCode, (LineCode{2, 0x01, 0x03, 0x92}));
}

TEST_F(EditorWidget, ValueOverItsLimitIsReportedNotAcceptedAndKeepsTheFocus) {
    ClickButton("6a");
    TypeAndEnter(FieldId::TimeCount, "60000");
    EXPECT_EQ(accepted, 0);
    EXPECT_EQ(errors, QStringList{"Time cannot exceed 59999.99"});
    other->setFocus(Qt::TabFocusReason);
    EXPECT_EQ(errors.size(), 2);
    EXPECT_TRUE(Box(FieldId::TimeCount)->hasFocus());
    cancel->setFocus(Qt::MouseFocusReason);
    EXPECT_EQ(errors.size(), 2);
    EXPECT_TRUE(cancel->hasFocus());
}

// A list that cannot show the stored value shows "0".
TEST_F(EditorWidget, ListThatCannotShowTheStoredOutputShowsZero) {
    LoadStored({8, 0x07, 1, 0});
    widget->LoadLine();
    EXPECT_EQ(List(FieldId::OutputList)->currentIndex(), -1);
    EXPECT_EQ(List(FieldId::OutputList)->placeholderText(), "0");
}

// A group picked from the keyboard hands the keys to its first field; the fields stand left to
// right in the order the function uses them, and Tab walks them so (Repeat Lines: the line box,
// then the number of times).
TEST_F(EditorWidget, KeyboardPicksAGroupAndTabWalksItsFieldsAsTheyStand) {
    const QList<QToolButton*> tools =
        widget->findChild<QWidget*>(QStringLiteral("tlbFunction"))->findChildren<QToolButton*>();
    ASSERT_EQ(tools.size(), 11);
    tools[6]->setFocus();
    QTest::keyClick(tools[6], Qt::Key_Space);
    EXPECT_EQ(state.EditCode[0], 10);
    std::vector<QWidget*> expected;
    for (FieldId id : editor::VisibleFields(core.View())) {
        if (QLineEdit* box = Box(id))
            expected.push_back(box);
        else if (QComboBox* list = List(id))
            expected.push_back(list);
    }
    std::vector<QWidget*> reached;
    int x = widget->findChild<QLabel*>(QStringLiteral("lblFunction"))->geometry().right();
    for (QWidget* field : expected) {
        EXPECT_GT(field->geometry().left(), x) << field->objectName().toStdString();
        x = field->geometry().left();
        reached.push_back(QApplication::focusWidget());
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    }
    EXPECT_EQ(reached, expected);
}

}  // namespace
