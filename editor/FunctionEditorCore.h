// The function editor without its widgets: spreads the current line over the fields, turns
// every pick and keystroke into the line code, and knows every limit.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "editor/EditorState.h"
#include "editor/FieldView.h"
#include "editor/FunctionOptions.h"
#include "editor/OptionLists.h"

namespace model {
class Program;
}

namespace editor {

// The widgets forward each user action to one call below and then show View(). Fields filled
// by the core itself raise nothing: the display work a selection brings with it is done inside
// the call, and only the field the user touched writes into EditCode.
class FunctionEditorCore {
  public:
    FunctionEditorCore(model::Program& program, EditorState& state);

    const EditorView& View() const { return view_; }

    // Rebuilds IOType and the input, output, timer and counter lists from the configuration,
    // enables Timer and Counter as their modules are fitted, then loads the line.
    void RefreshIOLists();

    // Spreads EditCode over the fields; leaves EditMode as it was. Makes the four display
    // corrections in EditCode (digital output percentages to Turn ON, timer 0 to timer 1,
    // counter 0 to counter 1, message 0 to message 1) without marking the line edited.
    void LoadLine();

    // Starts function group button b (1..11) on the current line. Returns false, changing
    // nothing, for a disabled button or a number that names none.
    bool ClickToolbar(int button);

    // A user's pick in a list; an index outside the list leaves it without a selection.
    void SelectInput(int list, int index);  // list 0..2
    void SelectOutput(int index);
    void SelectFnOpts(int index);
    void SelectFnMisc(int index);
    void SelectTmrCtrNum(int index);
    void SelectTmrCtrMsg(int index);

    // txtTimeCount: whether a typed key is taken (text and selection before the key); a change
    // of its text, returning the text the box is to keep; the check made when the focus is about
    // to leave, returning the error message when the value is over its limit.
    bool TimeKeyAccepted(std::string_view text, int selStart, int selLength, char key) const;
    std::string ChangeTimeCount(std::string_view text);
    std::optional<std::string> LeaveTimeCount();

    // txtLineMisc, the same way.
    bool LineKeyAccepted(std::string_view text, int selLength, char key) const;
    void ChangeLineMisc(std::string_view text);
    std::optional<std::string> LeaveLineMisc();

    // The Enter key in box `focused` (TimeCount or LineMisc): its leaving check. No message
    // means the line may be accepted; any other field has no check.
    std::optional<std::string> CheckBeforeAccept(FieldId focused);

  private:
    int& Code(int i) { return state_.EditCode[i]; }
    void Edited() { state_.LineEdited = LineEdit::Yes; }

    // The function the line is edited as, the kind of input or output it stands on and the
    // options that kind offers.
    const model::FunctionInfo& Function() const;
    model::IONeed ChosenIO() const;
    std::vector<LineOption> Options() const;

    void ShowList(FieldId id, const OptionItems& items, int k);
    void ShowItem(FieldId id, int k);
    void ShowText(FieldId id, std::string text);
    void ShowIO(FieldId list, int byte);
    void ShowOptions();
    void ShowFields(const model::FunctionInfo& function);
    void ShowJumpLine();
    int Pick(FieldId list, int index);

    model::Program& program_;
    EditorState& state_;
    EditorView view_;
};

}  // namespace editor
