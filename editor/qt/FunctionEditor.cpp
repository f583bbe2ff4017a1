// The function editor's widgets over FunctionEditorCore.
#include "editor/qt/FunctionEditor.h"

#include <QAction>
#include <QActionGroup>
#include <QApplication>
#include <QComboBox>
#include <QFocusEvent>
#include <QIcon>
#include <QImageReader>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QTimer>
#include <QToolButton>
#include <QVBoxLayout>

#include "editor/FieldLayout.h"
#include "editor/FunctionEditorCore.h"
#include "editor/Toolbar.h"
#include "editor/qt/FlowLayout.h"
#include "model/qt/ModelText.h"

namespace editor {

namespace {

constexpr int kListCount = 8;  // the fields from InputList0 through FnMisc are lists
constexpr int kNoLimit = 32767;
constexpr int kFieldSpacing = 6;

bool IsList(FieldId id) {
    return static_cast<int>(id) < kListCount;
}

void WarnError(QWidget* box, const QString& message) {
    QMessageBox::warning(box, QStringLiteral("Error"), message);
}

}  // namespace

FunctionEditor::FunctionEditor(FunctionEditorCore& core, QWidget* parent)
    : QWidget(parent), core_(core), reporter_(WarnError) {
    setObjectName(QStringLiteral("FunctionEditor"));
    // The toolbar and the field row each wrap onto more rows when the window is narrow.
    auto* column = new QVBoxLayout(this);
    column->setContentsMargins(0, 0, 0, 0);
    BuildToolbar();
    column->addWidget(toolbar_);
    auto* fieldRow = new QWidget(this);
    row_ = new FlowLayout(fieldRow, kFieldSpacing);
    column->addWidget(fieldRow);
    caption_ = new QLabel(fieldRow);
    caption_->setObjectName(QStringLiteral("lblFunction"));
    caption_->setMinimumWidth(110);
    row_->addWidget(caption_);
    BuildFields(fieldRow);
    ShowView();
}

void FunctionEditor::BuildToolbar() {
    // Buttons in the Tab order: Space on one picks its group from the keyboard.
    toolbar_ = new QWidget(this);
    toolbar_->setObjectName(QStringLiteral("tlbFunction"));
    auto* flow = new FlowLayout(toolbar_, 2);
    // Without the SVG image plugin the icons draw nothing; the group names then stand in.
    const bool icons = QImageReader::supportedImageFormats().contains("svg");
    auto* group = new QActionGroup(toolbar_);
    for (int b = 1; b <= kToolbarButtonCount; ++b) {
        const ToolbarButton& button = ToolbarButtons()[b - 1];
        auto* action = new QAction(QIcon(QString::fromLatin1(button.Icon)),
                                   QString::fromLatin1(button.ToolTip), toolbar_);
        action->setObjectName(QString::fromLatin1(button.Key));
        action->setToolTip(QString::fromLatin1(button.ToolTip));
        action->setCheckable(true);
        group->addAction(action);
        toolbar_->addAction(action);
        auto* tool = new QToolButton(toolbar_);
        tool->setDefaultAction(action);
        tool->setAutoRaise(true);
        tool->setFocusPolicy(Qt::TabFocus);
        tool->setIconSize(QSize(24, 24));
        tool->setToolButtonStyle(icons ? Qt::ToolButtonIconOnly : Qt::ToolButtonTextOnly);
        flow->addWidget(tool);
        connect(action, &QAction::triggered, this, [this, b] { ClickButton(b); });
        buttons_[b - 1] = action;
        tools_[b - 1] = tool;
    }
}

void FunctionEditor::BuildFields(QWidget* row) {
    for (int i = 0; i < kListCount; ++i)
        AddList(row, static_cast<FieldId>(i));
    AddBox(row, FieldId::TimeCount);
    AddBox(row, FieldId::LineMisc);
    auto* label = new QLabel(row);
    label->setObjectName(QString::fromLatin1(FieldName(FieldId::LineMiscLabel)));
    fields_[static_cast<int>(FieldId::LineMiscLabel)] = label;
    for (int i = 0; i < 3; ++i)
        fields_[i]->setProperty("index", i);
}

QComboBox* FunctionEditor::AddList(QWidget* row, FieldId id) {
    auto* list = new QComboBox(row);
    list->setObjectName(QString::fromLatin1(FieldName(id)));
    // A list that cannot show the stored value shows "0".
    list->setPlaceholderText(QStringLiteral("0"));
    list->setSizeAdjustPolicy(QComboBox::AdjustToContents);
    connect(list, &QComboBox::activated, this, [this, id](int index) { Pick(id, index); });
    fields_[static_cast<int>(id)] = list;
    return list;
}

QLineEdit* FunctionEditor::AddBox(QWidget* row, FieldId id) {
    auto* box = new QLineEdit(row);
    box->setObjectName(QString::fromLatin1(FieldName(id)));
    box->setFixedWidth(id == FieldId::TimeCount ? 80 : 48);
    box->installEventFilter(this);
    if (id == FieldId::TimeCount)
        connect(box, &QLineEdit::textEdited, this, &FunctionEditor::TimeTextEdited);
    else
        connect(box, &QLineEdit::textEdited, this, &FunctionEditor::LineTextEdited);
    fields_[static_cast<int>(id)] = box;
    return box;
}

void FunctionEditor::RefreshIOLists() {
    core_.RefreshIOLists();
    ShowView();
}

void FunctionEditor::LoadLine() {
    core_.LoadLine();
    ShowView();
}

// ----- user actions

void FunctionEditor::ClickButton(int button) {
    const bool started = core_.ClickToolbar(button);
    if (started)
        emit lineEdited();
    ShowView();
    // The group's first field takes the keys that follow.
    const std::vector<FieldId> shown = VisibleFields(core_.View());
    if (started && !shown.empty())
        fields_[static_cast<int>(shown.front())]->setFocus(Qt::OtherFocusReason);
}

void FunctionEditor::Pick(FieldId id, int index) {
    switch (id) {
        case FieldId::InputList0:
        case FieldId::InputList1:
        case FieldId::InputList2:
            core_.SelectInput(static_cast<int>(id), index);
            break;
        case FieldId::OutputList:
            core_.SelectOutput(index);
            break;
        case FieldId::TmrCtrNum:
            core_.SelectTmrCtrNum(index);
            break;
        case FieldId::TmrCtrMsg:
            core_.SelectTmrCtrMsg(index);
            break;
        case FieldId::FnOpts:
            core_.SelectFnOpts(index);
            break;
        case FieldId::FnMisc:
            core_.SelectFnMisc(index);
            break;
        default:
            return;
    }
    emit lineEdited();
    ShowView();
}

void FunctionEditor::TimeTextEdited(const QString& text) {
    const QString kept = model::ToQString(core_.ChangeTimeCount(model::FromQString(text)));
    auto* box = static_cast<QLineEdit*>(fields_[static_cast<int>(FieldId::TimeCount)]);
    if (kept != text)
        box->setText(kept);  // leaves the caret at the end
    emit lineEdited();
}

void FunctionEditor::LineTextEdited(const QString& text) {
    core_.ChangeLineMisc(model::FromQString(text));
    emit lineEdited();
}

bool FunctionEditor::eventFilter(QObject* watched, QEvent* event) {
    auto* box = qobject_cast<QLineEdit*>(watched);
    if (box == nullptr)
        return QWidget::eventFilter(watched, event);
    const FieldId id = box == fields_[static_cast<int>(FieldId::TimeCount)] ? FieldId::TimeCount
                                                                            : FieldId::LineMisc;
    switch (event->type()) {
        case QEvent::KeyPress: {
            const auto& key = static_cast<const QKeyEvent&>(*event);
            if (key.key() == Qt::Key_Return || key.key() == Qt::Key_Enter) {
                if (PassesCheck(box, id))
                    emit acceptRequested();
                return true;
            }
            return KeyRefused(box, id, key);
        }
        case QEvent::FocusIn:
            // The whole number is selected so that typing replaces it.
            QTimer::singleShot(0, box, &QLineEdit::selectAll);
            break;
        case QEvent::FocusOut: {
            const auto reason = static_cast<const QFocusEvent&>(*event).reason();
            const bool userMove =
                reason != Qt::ActiveWindowFocusReason && reason != Qt::PopupFocusReason;
            const bool toCancel =
                cancelWidget_ != nullptr && QApplication::focusWidget() == cancelWidget_;
            if (!applying_ && !reporting_ && userMove && !toCancel && box->isVisible() &&
                !PassesCheck(box, id)) {
                box->setFocus();
            }
            break;
        }
        default:
            break;
    }
    return QWidget::eventFilter(watched, event);
}

bool FunctionEditor::KeyRefused(QLineEdit* box, FieldId id, const QKeyEvent& key) const {
    const QString text = key.text();
    if (text.size() != 1)
        return false;  // arrows, Delete and the like are the box's own business
    const QChar c = text.front();
    const bool backspace = c == QChar('\b');
    if (!backspace && (c.unicode() < 0x20 || c.unicode() == 0x7F))
        return false;  // shortcuts such as paste; the change handler checks what arrives
    const char typed = c.unicode() < 0x80 ? static_cast<char>(c.unicode()) : '?';
    const std::string current = model::FromQString(box->text());
    const int selLength = static_cast<int>(box->selectedText().size());
    const int selStart = box->hasSelectedText() ? box->selectionStart() : box->cursorPosition();
    const bool accepted = id == FieldId::TimeCount
                              ? core_.TimeKeyAccepted(current, selStart, selLength, typed)
                              : core_.LineKeyAccepted(current, selLength, typed);
    return !accepted;
}

bool FunctionEditor::PassesCheck(QLineEdit* box, FieldId id) {
    const auto message = core_.CheckBeforeAccept(id);
    if (!message)
        return true;
    reporting_ = true;
    reporter_(box, model::ToQString(*message));
    reporting_ = false;
    box->selectAll();
    return false;
}

// ----- drawing the view

void FunctionEditor::ShowView() {
    applying_ = true;
    const EditorView& view = core_.View();
    for (int b = 0; b < kToolbarButtonCount; ++b) {
        buttons_[b]->setEnabled(view.ButtonEnabled[b]);
        buttons_[b]->setChecked(b + 1 == view.PressedButton);
    }
    caption_->setText(QString::fromLatin1(view.Caption.c_str()));
    for (int i = 0; i < kFieldCount; ++i) {
        const FieldId id = static_cast<FieldId>(i);
        if (IsList(id))
            ShowList(id);
        else
            ShowBox(id);
    }
    PlaceFields();
    applying_ = false;
}

void FunctionEditor::ShowList(FieldId id) {
    auto* list = static_cast<QComboBox*>(fields_[static_cast<int>(id)]);
    const FieldState& state = core_.View()[id];
    bool same = list->count() == static_cast<int>(state.Items.size());
    for (int i = 0; same && i < list->count(); ++i) {
        same = list->itemText(i) == model::ToQString(state.Items[i].Text) &&
               list->itemData(i).toInt() == state.Items[i].Value;
    }
    if (!same) {
        list->clear();
        for (const ListItem& item : state.Items)
            list->addItem(model::ToQString(item.Text), item.Value);
    }
    list->setCurrentIndex(state.Selected);
}

void FunctionEditor::ShowBox(FieldId id) {
    const FieldState& state = core_.View()[id];
    const QString text = model::ToQString(state.Text);
    if (auto* box = qobject_cast<QLineEdit*>(fields_[static_cast<int>(id)])) {
        box->setMaxLength(state.MaxLength > 0 ? state.MaxLength : kNoLimit);
        if (box->text() != text)
            box->setText(text);
    } else {
        static_cast<QLabel*>(fields_[static_cast<int>(id)])->setText(text);
    }
}

// The shown fields stand just right of lblFunction, in the order the function uses them, and
// Tab walks them in that order after the toolbar.
void FunctionEditor::PlaceFields() {
    for (QWidget* field : fields_) {
        row_->removeWidget(field);
        field->hide();
    }
    int position = row_->indexOf(caption_) + 1;
    QWidget* previous = tools_.back();
    for (FieldId id : VisibleFields(core_.View())) {
        QWidget* field = fields_[static_cast<int>(id)];
        row_->insertWidget(position++, field);
        field->show();
        if (field->focusPolicy() != Qt::NoFocus) {
            setTabOrder(previous, field);
            previous = field;
        }
    }
    // Other fields may need another number of rows: the window gives the editor its height.
    updateGeometry();
}

}  // namespace editor
