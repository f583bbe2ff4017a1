// The function editor's widgets: tlbFunction, lblFunction and the fields of the current line,
// showing what the core says and forwarding every user action to it.
#pragma once

#include <QWidget>
#include <array>
#include <functional>

#include "editor/FieldView.h"

class QAction;
class QComboBox;
class QKeyEvent;
class QLabel;
class QLineEdit;
class QToolButton;

namespace editor {

class FlowLayout;
class FunctionEditorCore;

class FunctionEditor : public QWidget {
    Q_OBJECT

  public:
    // Shows an input error of a box; by default a warning box titled "Error" with OK.
    using ErrorReporter = std::function<void(QWidget* box, const QString& message)>;

    explicit FunctionEditor(FunctionEditorCore& core, QWidget* parent = nullptr);

    // The core's operations of the same names, then the fields redrawn.
    void RefreshIOLists();
    void LoadLine();

    // Copies the core's view onto the widgets.
    void ShowView();

    // A control the focus may always move to, even from a box whose value is over its limit:
    // the line's Cancel button, so that the user can always get out.
    void SetCancelWidget(QWidget* widget) { cancelWidget_ = widget; }

    void SetErrorReporter(ErrorReporter reporter) { reporter_ = std::move(reporter); }

  signals:
    // Enter in a box whose value passed its check: the line is to be accepted.
    void acceptRequested();
    // The user changed the line through the toolbar or a field.
    void lineEdited();

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    void BuildToolbar();
    void BuildFields(QWidget* row);
    QComboBox* AddList(QWidget* row, FieldId id);
    QLineEdit* AddBox(QWidget* row, FieldId id);

    void ClickButton(int button);
    void Pick(FieldId id, int index);
    void TimeTextEdited(const QString& text);
    void LineTextEdited(const QString& text);

    bool KeyRefused(QLineEdit* box, FieldId id, const QKeyEvent& key) const;
    // The box's leaving check; reports the error and returns false when the value is over its
    // limit.
    bool PassesCheck(QLineEdit* box, FieldId id);

    void ShowList(FieldId id);
    void ShowBox(FieldId id);
    void PlaceFields();

    FunctionEditorCore& core_;
    QWidget* toolbar_ = nullptr;  // tlbFunction: its actions, one tool button each
    std::array<QAction*, kToolbarButtonCount> buttons_{};
    std::array<QToolButton*, kToolbarButtonCount> tools_{};
    QLabel* caption_ = nullptr;
    std::array<QWidget*, kFieldCount> fields_{};
    FlowLayout* row_ = nullptr;
    QWidget* cancelWidget_ = nullptr;
    ErrorReporter reporter_;
    bool applying_ = false;  // the view is being copied: focus changes are not the user's
    bool reporting_ = false;
};

}  // namespace editor
