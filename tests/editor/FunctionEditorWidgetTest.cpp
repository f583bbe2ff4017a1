// The function editor's widgets, driven as the user drives them: toolbar clicks, list picks,
// typed keys and Enter, on an offscreen display.
#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <QVBoxLayout>
#include <memory>

#include "EditorFixture.h"
#include "editor/FieldLayout.h"
#include "editor/StoreLine.h"
#include "editor/qt/FunctionEditor.h"
#include "model/LineText.h"
#include "tests/support/QtTestApp.h"

namespace {

using editor::FieldId;

class EditorWidget : public testeditor::EditorTest {
  protected:
    EditorWidget() {
        window = std::make_unique<QWidget>();
        widget = new editor::FunctionEditor(core, window.get());
        cancel = new QPushButton(QStringLiteral("Cancel"), window.get());
        auto* layout = new QVBoxLayout(window.get());
        layout->addWidget(widget);
        layout->addWidget(cancel);
        comment = new QLineEdit(window.get());
        layout->addWidget(comment);
        widget->SetCancelWidget(cancel);
        widget->SetErrorReporter([this](QWidget*, const QString& m) { errors << m; });
        QObject::connect(widget, &editor::FunctionEditor::acceptRequested, widget, [this] {
            accepted = editor::StoreLine(program, state) == editor::StoreResult::Stored;
        });
        window->resize(900, 160);
        window->show();
        window->activateWindow();
        EXPECT_TRUE(QTest::qWaitForWindowActive(window.get()));
        widget->RefreshIOLists();
        QApplication::processEvents();
    }

    void ClickButton(const char* key) {
        auto* action = widget->findChild<QAction*>(QString::fromLatin1(key));
        ASSERT_NE(action, nullptr) << key;
        action->trigger();
    }

    QComboBox* List(FieldId id) {
        const auto lists =
            widget->findChildren<QComboBox*>(QString::fromLatin1(editor::FieldName(id)));
        const int wanted = id <= FieldId::InputList2 ? static_cast<int>(id) : 0;
        for (QComboBox* list : lists) {
            if (lists.size() == 1 || list->property("index").toInt() == wanted)
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
        ASSERT_NE(list, nullptr);
        ASSERT_TRUE(list->isVisible()) << editor::FieldName(id);
        const int index = list->findText(QString::fromLatin1(text));
        ASSERT_GE(index, 0) << text;
        list->setCurrentIndex(index);
        emit list->activated(index);
    }

    // Enters the box (its text selected) and types the keys.
    void TypeKeys(FieldId id, const char* keys) {
        QLineEdit* box = Box(id);
        ASSERT_TRUE(box->isVisible()) << editor::FieldName(id);
        box->setFocus();
        box->selectAll();
        QTest::keyClicks(box, QString::fromLatin1(keys));
    }

    void PressEnter(FieldId id) { QTest::keyClick(Box(id), Qt::Key_Return); }

    std::unique_ptr<QWidget> window;
    editor::FunctionEditor* widget = nullptr;
    QPushButton* cancel = nullptr;
    QLineEdit* comment = nullptr;  // stands for any other control of the window
    QStringList errors;
    bool accepted = false;
};

TEST_F(EditorWidget, ToolbarCarriesItsKeysTipsAndPressedGroup) {
    auto* toolbar = widget->findChild<QWidget*>(QStringLiteral("tlbFunction"));
    ASSERT_NE(toolbar, nullptr);
    ASSERT_EQ(toolbar->actions().size(), 11);
    EXPECT_EQ(toolbar->actions()[6]->objectName(), "7a");
    EXPECT_EQ(toolbar->actions()[6]->toolTip(), "Repeat Lines");
    ClickButton("6a");
    EXPECT_TRUE(toolbar->actions()[5]->isChecked());
    EXPECT_FALSE(toolbar->actions()[0]->isChecked());
    EXPECT_EQ(widget->findChild<QLabel*>(QStringLiteral("lblFunction"))->text(), "Wait");

    program.SetRegisterByte(model::kCounterModuleRegister, 0, 0);
    widget->RefreshIOLists();
    EXPECT_FALSE(toolbar->actions()[9]->isEnabled());
}

TEST_F(EditorWidget, TimerLineBuiltAndAcceptedWithEnter) {
    ClickButton("9a");
    PickItem(FieldId::TmrCtrNum, "2");
    PickItem(FieldId::FnOpts, "Check if On");
    PickItem(FieldId::FnMisc, "If Not, Move to Line");
    TypeKeys(FieldId::LineMisc, "15");
    PressEnter(FieldId::LineMisc);
    ASSERT_TRUE(accepted);
    EXPECT_EQ(program.PgmData[2].Code, (std::array<int16_t, 4>{32, 162, 1, 15}));
    EXPECT_EQ(model::DescribeLine(program, 2),
              "Check Timer 2 For Status ON  If NOT, Move to Line 15");
}

TEST_F(EditorWidget, CounterCompareTypedKeyByKey) {
    ClickButton("10a");
    PickItem(FieldId::FnOpts, "check AT or BELOW");
    TypeKeys(FieldId::TimeCount, "1000");
    PickItem(FieldId::TmrCtrNum, "3");
    PressEnter(FieldId::TimeCount);
    ASSERT_TRUE(accepted);
    EXPECT_EQ(model::DescribeLine(program, 2), "Check if Counter 3 is AT or BELOW 1000");
}

TEST_F(EditorWidget, AnalogOutputPercentage) {
    ClickButton("4a");
    PickItem(FieldId::OutputList, "92");
    PickItem(FieldId::FnOpts, "Increase  %");
    EXPECT_EQ(widget->findChild<QLabel*>(QStringLiteral("lblLineMisc"))->text(), "%");
    TypeKeys(FieldId::LineMisc, "1x5");
    EXPECT_EQ(Box(FieldId::LineMisc)->text(), "15");
    PressEnter(FieldId::LineMisc);
    ASSERT_TRUE(accepted);
    EXPECT_EQ(model::DescribeLine(program, 2), "Increase Output 92 by 15%");
}

TEST_F(EditorWidget, WaitKeepsTwoDecimalsAndRefusesTooLongATime) {
    ClickButton("6a");
    TypeKeys(FieldId::TimeCount, "12.3.45");
    EXPECT_EQ(Box(FieldId::TimeCount)->text(), "12.34");
    TypeKeys(FieldId::TimeCount, "60000");
    PressEnter(FieldId::TimeCount);
    EXPECT_FALSE(accepted);
    EXPECT_EQ(errors, QStringList{"Time cannot exceed 59999.99"});
    TypeKeys(FieldId::TimeCount, "59999.99");
    PressEnter(FieldId::TimeCount);
    ASSERT_TRUE(accepted);
    EXPECT_EQ(model::DescribeLine(program, 2), "Wait 59999.99 Seconds");
}

TEST_F(EditorWidget, OverLimitBoxKeepsFocusButCancelIsReachable) {
    ClickButton("6a");
    TypeKeys(FieldId::TimeCount, "70000");
    comment->setFocus(Qt::TabFocusReason);
    EXPECT_EQ(errors.size(), 1);
    EXPECT_TRUE(Box(FieldId::TimeCount)->hasFocus());
    cancel->setFocus(Qt::MouseFocusReason);
    EXPECT_EQ(errors.size(), 1);
    EXPECT_TRUE(cancel->hasFocus());
}

TEST_F(EditorWidget, FieldsStandLeftToRightInTheOrderTheFunctionUsesThem) {
    LoadStored({36, 0x33, 232, 4});
    widget->LoadLine();
    window->layout()->activate();
    widget->layout()->activate();
    const auto order = editor::VisibleFields(core.View());
    ASSERT_EQ(order.size(), 5u);
    int x = widget->findChild<QLabel*>(QStringLiteral("lblFunction"))->geometry().right();
    for (FieldId id : order) {
        QWidget* field = id == FieldId::TimeCount || id == FieldId::LineMisc
                             ? static_cast<QWidget*>(Box(id))
                             : static_cast<QWidget*>(List(id));
        EXPECT_TRUE(field->isVisible()) << editor::FieldName(id);
        EXPECT_GT(field->geometry().left(), x) << editor::FieldName(id);
        x = field->geometry().left();
    }
    EXPECT_FALSE(List(FieldId::OutputList)->isVisible());
}

TEST_F(EditorWidget, ListThatCannotShowTheStoredOutputShows0) {
    LoadStored({8, 0x07, 1, 0});
    widget->LoadLine();
    EXPECT_EQ(List(FieldId::OutputList)->currentIndex(), -1);
    EXPECT_EQ(List(FieldId::OutputList)->placeholderText(), "0");
}

}  // namespace
