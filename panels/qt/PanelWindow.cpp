// The panel window's widgets over the panel editor.
#include "panels/qt/PanelWindow.h"

#include <QApplication>
#include <QButtonGroup>
#include <QCheckBox>
#include <QEvent>
#include <QFocusEvent>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTimer>
#include <QVBoxLayout>

#include "model/FieldText.h"
#include "model/qt/FilteredField.h"
#include "model/qt/Indexed.h"
#include "model/qt/ModelText.h"
#include "model/qt/OkCancelRow.h"
#include "panels/PanelValue.h"

namespace panels {

namespace {

QString Named(const char* start, const char* prefix, const char* end) {
    return QString::fromLatin1(start) + QString::fromLatin1(prefix) + QString::fromLatin1(end);
}

QLabel* Heading(const QString& name, const QString& text, QWidget* parent) {
    auto* label = new QLabel(text, parent);
    label->setObjectName(name);
    return label;
}

// A row of numbered radio buttons "1".."count", each with its index in the property "index".
QButtonGroup* NumberRow(const QString& name, int count, QWidget* parent, QHBoxLayout* row) {
    auto* group = new QButtonGroup(parent);
    for (int i = 0; i < count; ++i) {
        auto* button = model::Indexed(new QRadioButton(QString::number(i + 1), parent), name, i);
        group->addButton(button, i);
        row->addWidget(button);
    }
    row->addStretch(1);
    return group;
}

}  // namespace

PanelWindow::PanelWindow(const PanelWindowLayout& layout, PanelEditor& editor, ErrorReporter report,
                         QWidget* parent)
    : QDialog(parent), editor_(editor), report_(std::move(report)) {
    setObjectName(QString::fromLatin1(layout.WindowName));
    setWindowTitle(QString::fromLatin1(layout.Title));
    auto* column = new QVBoxLayout(this);
    column->addWidget(BuildEntries(layout));
    column->addWidget(BuildMessages(layout));

    const model::OkCancel buttons = model::MakeOkCancel(this, Named("cmd", layout.Prefix, "OK"),
                                                        Named("cmd", layout.Prefix, "Cancel"));
    buttons.Ok->setAutoDefault(false);
    cancel_ = buttons.Cancel;
    cancel_->setAutoDefault(false);
    connect(buttons.Ok, &QPushButton::clicked, this, &PanelWindow::Confirm);
    column->addLayout(buttons.Row);

    ShowEntry();
    ShowMessage();
    cancel_->setFocus();
}

QWidget* PanelWindow::BuildEntries(const PanelWindowLayout& layout) {
    const QString word = QString::fromLatin1(layout.Kind.EntryWord);
    auto* frame = new QGroupBox(word + QStringLiteral("s"), this);
    frame->setObjectName(QStringLiteral("fra") + word);
    auto* grid = new QGridLayout(frame);

    auto* numbers = new QHBoxLayout;
    numbers->addWidget(Heading(Named("lbl", layout.Prefix, "Num"), word + " Number", frame));
    entries_ = NumberRow(Named("opt", layout.Prefix, "Num"), model::kEntryCount, frame, numbers);
    connect(entries_, &QButtonGroup::idClicked, this, [this](int i) {
        editor_.ShowEntry(i);
        ShowEntry();
    });
    grid->addLayout(numbers, 0, 0, 1, 4);

    const QString valueWord = QString::fromLatin1(layout.ValueWord);
    const std::array<std::pair<const char*, QString>, 4> fields{{
        {"Name", word + " Name"},
        {"Set", "Set " + valueWord},
        {"Hi", QStringLiteral("High Limit")},
        {"Lo", QStringLiteral("Low Limit")},
    }};
    for (int f = 0; f < 4; ++f) {
        const char* part = fields[f].first;
        grid->addWidget(Heading(Named("lbl", layout.Prefix, part), fields[f].second, frame), 1, f);
        QLineEdit* field = AddTextField(frame, Named("txt", layout.Prefix, part),
                                        f == 0 ? kTextLength : layout.ValueLength);
        grid->addWidget(field, 2, f);
        if (f == 0) {
            name_ = field;
            continue;
        }
        values_[f - 1] = field;
        field->setAlignment(Qt::AlignRight);
        field->installEventFilter(this);
        const ValueKind kind = layout.Kind.Value;
        model::FilterEdits(field, [kind](const std::string& before, const std::string& after) {
            return TypedValue(kind, before, after);
        });
        connect(field, &QLineEdit::textEdited, this, [this] { editor_.ValueTyped(); });
    }
    connect(name_, &QLineEdit::textEdited, this,
            [this](const QString& text) { editor_.TypeName(model::FromQString(text)); });

    auto* options = new QHBoxLayout;
    for (const OptionFrame& option : layout.Options) {
        auto* box = new QGroupBox(QString::fromLatin1(option.Caption), frame);
        box->setObjectName(QString::fromLatin1(option.Name));
        auto* inside = new QVBoxLayout(box);
        auto* exclusive = new QButtonGroup(box);
        for (const OptionControl& control : option.Controls) {
            QAbstractButton* button =
                control.CheckBox
                    ? static_cast<QAbstractButton*>(new QCheckBox(control.Caption, box))
                    : static_cast<QAbstractButton*>(new QRadioButton(control.Caption, box));
            button->setObjectName(QString::fromLatin1(control.Name));
            if (!control.CheckBox) {
                button->setProperty("index", control.Index);
                exclusive->addButton(button);
            }
            inside->addWidget(button);
            options_.push_back({button, control});
            connect(button, &QAbstractButton::clicked, this, [this, control](bool checked) {
                editor_.SetOption(control.Option, control.CheckBox ? checked : control.Index == 1);
            });
        }
        options->addWidget(box);
    }
    options->addStretch(1);
    auto* clear = new QPushButton(QStringLiteral("Clear ") + word, frame);
    clear->setObjectName(Named("cmd", layout.Prefix, "Clr"));
    clear->setAutoDefault(false);
    connect(clear, &QPushButton::clicked, this, [this] {
        editor_.ClearEntry();
        ShowEntry();
    });
    options->addWidget(clear, 0, Qt::AlignBottom);
    grid->addLayout(options, 3, 0, 1, 4);
    return frame;
}

QWidget* PanelWindow::BuildMessages(const PanelWindowLayout& layout) {
    auto* frame = new QGroupBox(QStringLiteral("Messages"), this);
    frame->setObjectName(Named("fra", layout.Prefix, "Msg"));
    auto* grid = new QGridLayout(frame);
    auto* numbers = new QHBoxLayout;
    numbers->addWidget(
        Heading(Named("lbl", layout.Prefix, "MsgNum"), QStringLiteral("Message Number"), frame));
    messages_ =
        NumberRow(Named("opt", layout.Prefix, "MsgNum"), model::kMessageCount, frame, numbers);
    connect(messages_, &QButtonGroup::idClicked, this, [this](int i) {
        editor_.ShowMessage(i);
        ShowMessage();
    });
    grid->addLayout(numbers, 0, 0, 1, 2);
    grid->addWidget(
        Heading(Named("lbl", layout.Prefix, "MsgTop"), QStringLiteral("Top Line"), frame), 1, 0);
    grid->addWidget(
        Heading(Named("lbl", layout.Prefix, "MsgBot"), QStringLiteral("Bottom Line"), frame), 1, 1);
    top_ = AddTextField(frame, Named("txt", layout.Prefix, "MsgTop"), kTextLength);
    bottom_ = AddTextField(frame, Named("txt", layout.Prefix, "MsgBot"), kTextLength);
    grid->addWidget(top_, 2, 0);
    grid->addWidget(bottom_, 2, 1);
    connect(top_, &QLineEdit::textEdited, this,
            [this](const QString& text) { editor_.TypeMessage(true, model::FromQString(text)); });
    connect(bottom_, &QLineEdit::textEdited, this,
            [this](const QString& text) { editor_.TypeMessage(false, model::FromQString(text)); });
    return frame;
}

// Names and message lines drop double quotes as they are typed; value fields replace the rule.
QLineEdit* PanelWindow::AddTextField(QWidget* parent, const QString& name, int length) {
    auto* field = new QLineEdit(parent);
    field->setObjectName(name);
    field->setMaxLength(length);
    model::FilterTyping(field, [length](const std::string& text) {
        return model::WithoutQuotes(text, static_cast<std::size_t>(length));
    });
    return field;
}

void PanelWindow::ShowEntry() {
    entries_->button(editor_.Entry())->setChecked(true);
    name_->setText(model::ToQString(editor_.Name()));
    for (int f = 0; f < kValueFieldCount; ++f)
        values_[f]->setText(model::ToQString(editor_.ValueText(static_cast<ValueField>(f))));
    for (const OptionButton& option : options_) {
        const bool on = editor_.Option(option.Control.Option);
        option.Button->setChecked(option.Control.CheckBox || option.Control.Index == 1 ? on : !on);
    }
}

void PanelWindow::ShowMessage() {
    messages_->button(editor_.MessageIndex())->setChecked(true);
    top_->setText(model::ToQString(editor_.Message().Top));
    bottom_->setText(model::ToQString(editor_.Message().Bottom));
}

int PanelWindow::ValueFieldOf(const QObject* widget) const {
    for (int f = 0; f < kValueFieldCount; ++f) {
        if (values_[f] == widget)
            return f;
    }
    return -1;
}

FocusTarget PanelWindow::TargetOf(const QWidget* widget) const {
    if (widget == cancel_)
        return FocusTarget::Cancel;
    const int f = ValueFieldOf(widget);
    return f < 0 ? FocusTarget::Other : static_cast<FocusTarget>(f);
}

bool PanelWindow::PassesLeaveCheck(int field, FocusTarget to) {
    QLineEdit* box = values_[field];
    const LeaveResult result =
        editor_.Leave(static_cast<ValueField>(field), model::FromQString(box->text()), to);
    if (result.Error.empty()) {
        box->setText(model::ToQString(result.Shown));
        return true;
    }
    reporting_ = true;
    report_(box, model::ToQString(result.Error));
    reporting_ = false;
    box->setFocus();
    // Once the field has let go of the focus that is leaving, which clears its selection.
    QTimer::singleShot(0, box, &QLineEdit::selectAll);
    return false;
}

bool PanelWindow::eventFilter(QObject* watched, QEvent* event) {
    // Leaving a value field checks it; a message shown meanwhile takes the focus for a moment,
    // and that is no leaving.
    if (event->type() == QEvent::FocusOut && !reporting_) {
        const auto reason = static_cast<const QFocusEvent&>(*event).reason();
        if (reason != Qt::ActiveWindowFocusReason && reason != Qt::PopupFocusReason)
            PassesLeaveCheck(ValueFieldOf(watched), TargetOf(QApplication::focusWidget()));
    }
    return QDialog::eventFilter(watched, event);
}

// Enter or a click on OK while a value field has the focus checks it first, as leaving would.
void PanelWindow::Confirm() {
    const int field = ValueFieldOf(QApplication::focusWidget());
    if (field >= 0 && !PassesLeaveCheck(field, FocusTarget::Other))
        return;
    accept();
}

}  // namespace panels
