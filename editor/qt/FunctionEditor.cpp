// The function editor's widgets over FunctionEditorCore.
#include "editor/qt/FunctionEditor.h"

#include <QAction>
#include <QActionGroup>
#include <QApplication>
#include <QComboBox>
#include <QFocusEvent>
#include <QHBoxLayout>
#include <QIcon>
#include <QImageReader>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QTimer>
#include <QToolBar>
#include <QVBoxLayout>

#include "editor/FieldLayout.h"
#include "editor/FunctionEditorCore.h"
#include "editor/Toolbar.h"
#include "model/Cp1252.h"

namespace editor {

namespace {

constexpr int kListCount = 8;  // the fields from InputList0 through FnMisc are lists
constexpr int kNoLimit = 32767;

bool IsList(FieldId id) {
    return static_cast<int>(id) < kListCount;
}

QString FromModel(const std::string& text) {
    return QString::fromStdString(model::Cp1252ToUtf8(text));
}

std::string ToModel(const QString& text) {
    return model::Utf8ToCp1252(text.toStdString());
}

void WarnError(QWidget* box, const QString& message) {
    QMessageBox::warning(box, QStringLiteral("Error"), message);
}

}  // namespace

FunctionEditor::FunctionEditor(FunctionEditorCore& core, QWidget* parent)
    : QWidget(parent), core_(core), reporter_(WarnError) {
    setObjectName(QStringLiteral("FunctionEditor"));
    auto* column = new QVBoxLayout(this);
    column->setContentsMargins(0, 0, 0, 0);
    BuildToolbar();
    column->addWidget(toolbar_);
    row_ = new QHBoxLayout;
    column->addLayout(row_);
    caption_ = new QLabel(this);
    caption_->setObjectName(QStringLiteral("lblFunction"));
    caption_->setMinimumWidth(110);
    row_->addWidget(caption_);
    BuildFields();
    row_->addStretch(1);
    ShowView();
}

void FunctionEditor::BuildToolbar() {
    toolbar_ = new QToolBar(this);
    toolbar_->setObjectName(QStringLiteral("tlbFunction"));
    toolbar_->setIconSize(QSize(24, 24));
    // Without the SVG image plugin the icons draw nothing; the group names then stand in.
    if (!QImageReader::supportedImageFormats().contains("svg"))
        toolbar_->setToolButtonStyle(Qt::ToolButtonTextOnly);
    auto* group = new QActionGroup(toolbar_);
    for (int b = 1; b <= kToolbarButtonCount; ++b) {
        const ToolbarButton& button = ToolbarButtons()[b - 1];
        QAction* action = toolbar_->addAction(QIcon(QString::fromLatin1(button.Icon)),
                                              QString::fromLatin1(button.ToolTip));
        action->setObjectName(QString::fromLatin1(button.Key));
        action->setToolTip(QString::fromLatin1(button.ToolTip));
        action->setCheckable(true);
        group->addAction(action);
        connect(action, &QAction::triggered, this, [this, b] { ClickButton(b); });
        buttons_[b - 1] = action;
    }
}

void FunctionEditor::BuildFields() {
    for (int i = 0; i < kListCount; ++i)
        AddList(static_cast<FieldId>(i));
    AddBox(FieldId::TimeCount);
    AddBox(FieldId::LineMisc);
    auto* label = new QLabel(this);
    label->setObjectName(QString::fromLatin1(FieldName(FieldId::LineMiscLabel)));
    fields_[static_cast<int>(FieldId::LineMiscLabel)] = label;
    for (int i = 0; i < 3; ++i)
        fields_[i]->setProperty("index", i);
}

QComboBox* FunctionEditor::AddList(FieldId id) {
    auto* list = new QComboBox(this);
    list->setObjectName(QString::fromLatin1(FieldName(id)));
    // A list that cannot show the stored value shows "0".
    list->setPlaceholderText(QStringLiteral("0"));
    list->setSizeAdjustPolicy(QComboBox::AdjustToContents);
    connect(list, &QComboBox::activated, this, [this, id](int index) { Pick(id, index); });
    fields_[static_cast<int>(id)] = list;
    return list;
}

QLineEdit* FunctionEditor::AddBox(FieldId id) {
    auto* box = new QLineEdit(this);
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
    if (core_.ClickToolbar(button))
        emit lineEdited();
    ShowView();
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
    const QString kept = FromModel(core_.ChangeTimeCount(ToModel(text)));
    auto* box = static_cast<QLineEdit*>(fields_[static_cast<int>(FieldId::TimeCount)]);
    if (kept != text)
        box->setText(kept);  // leaves the caret at the end
    emit lineEdited();
}

void FunctionEditor::LineTextEdited(const QString& text) {
    core_.ChangeLineMisc(ToModel(text));
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
    const std::string current = ToModel(box->text());
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
    reporter_(box, FromModel(*message));
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
        same = list->itemText(i) == FromModel(state.Items[i].Text) &&
               list->itemData(i).toInt() == state.Items[i].Value;
    }
    if (!same) {
        list->clear();
        for (const ListItem& item : state.Items)
            list->addItem(FromModel(item.Text), item.Value);
    }
    list->setCurrentIndex(state.Selected);
}

void FunctionEditor::ShowBox(FieldId id) {
    const FieldState& state = core_.View()[id];
    const QString text = FromModel(state.Text);
    if (auto* box = qobject_cast<QLineEdit*>(fields_[static_cast<int>(id)])) {
        box->setMaxLength(state.MaxLength > 0 ? state.MaxLength : kNoLimit);
        if (box->text() != text)
            box->setText(text);
    } else {
        static_cast<QLabel*>(fields_[static_cast<int>(id)])->setText(text);
    }
}

// The shown fields stand just right of lblFunction, in the order the function uses them.
void FunctionEditor::PlaceFields() {
    for (QWidget* field : fields_) {
        row_->removeWidget(field);
        field->hide();
    }
    int position = row_->indexOf(caption_) + 1;
    for (FieldId id : VisibleFields(core_.View())) {
        QWidget* field = fields_[static_cast<int>(id)];
        row_->insertWidget(position++, field);
        field->show();
    }
}

}  // namespace editor
