// A validator that hands every change of a field to a rule of the core.
#include "model/qt/FilteredField.h"

#include <QEvent>
#include <QLineEdit>
#include <QTimer>
#include <QValidator>

#include "model/qt/ModelText.h"

namespace model {

namespace {

class RuleValidator : public QValidator {
  public:
    RuleValidator(EditRule rule, QLineEdit* field)
        : QValidator(field), rule_(std::move(rule)), last_(FromQString(field->text())) {}

    // The field already holds `input` when it asks: what it held before is the last text let
    // through here.
    State validate(QString& input, int& pos) const override {
        last_ = rule_(last_, FromQString(input));
        const QString kept = ToQString(last_);
        if (kept != input) {
            // What was refused stood just before the cursor: it steps back by as much.
            pos = std::clamp(pos - static_cast<int>(input.size() - kept.size()), 0,
                             static_cast<int>(kept.size()));
            input = kept;
        }
        return Acceptable;
    }

  private:
    EditRule rule_;
    mutable std::string last_;
};

class SelectOnFocus : public QObject {
  public:
    using QObject::QObject;
    bool eventFilter(QObject* watched, QEvent* event) override {
        // After the click that gave the focus has placed the cursor.
        if (event->type() == QEvent::FocusIn)
            QTimer::singleShot(0, watched,
                               [field = static_cast<QLineEdit*>(watched)] { field->selectAll(); });
        return false;
    }
};

}  // namespace

void FilterEdits(QLineEdit* field, EditRule rule) {
    field->setValidator(new RuleValidator(std::move(rule), field));
    field->installEventFilter(new SelectOnFocus(field));
}

void FilterTyping(QLineEdit* field, TextRule rule) {
    FilterEdits(field, [rule = std::move(rule)](const std::string&, const std::string& after) {
        return rule(after);
    });
}

}  // namespace model
