// The function editor's field handlers, over EditCode and the field view. What each field
// shows and writes follows what the function table says the line's bytes hold.
#include "editor/FunctionEditorCore.h"

#include <algorithm>

#include "editor/FieldCodes.h"
#include "editor/FieldLayout.h"
#include "editor/IOLists.h"
#include "editor/LineMiscRules.h"
#include "editor/TimeCountRules.h"
#include "editor/Toolbar.h"
#include "model/HardwareConfig.h"
#include "model/Program.h"
#include "model/TextFormat.h"

namespace editor {

namespace {

using model::IONeed;
using model::Param;
using F = FieldId;

FieldId InputList(int i) {
    return static_cast<FieldId>(static_cast<int>(F::InputList0) + i);
}

int FirstValue(const FieldState& list) {
    return list.Items.empty() ? 0 : list.Items.front().Value;
}

}  // namespace

FunctionEditorCore::FunctionEditorCore(model::Program& program, EditorState& state)
    : program_(program), state_(state) {}

const model::FunctionInfo& FunctionEditorCore::Function() const {
    return EditedFunction(state_.EditCode[0], state_.EditCode[2]);
}

model::IONeed FunctionEditorCore::ChosenIO() const {
    const bool output = Function().Fields.P[0] == Param::Output;
    const int n = view_[output ? F::OutputList : F::InputList0].SelectedValue();
    return KindOfChosenIO(program_, Function(), n);
}

std::vector<LineOption> FunctionEditorCore::Options() const {
    return OptionsOf(view_.Group, ChosenIO());
}

// ----- filling the fields

void FunctionEditorCore::ShowList(FieldId id, const OptionItems& items, int k) {
    view_[id].Items.clear();
    for (const std::string& text : items)
        view_[id].Items.push_back({text, 0});
    ShowItem(id, k);
}

void FunctionEditorCore::ShowItem(FieldId id, int k) {
    view_[id].Select(k);
    view_[id].Visible = true;
}

void FunctionEditorCore::ShowText(FieldId id, std::string text) {
    FieldState& field = view_[id];
    field.Text = std::move(text);
    field.Visible = true;
    if (id == F::TimeCount)
        field.MaxLength = TimeBoxMaxLength(Function().Fields.Packs);
    else if (id == F::LineMisc)
        field.MaxLength = kLineMiscMaxLength;
}

// The item of an input or output list that shows the I/O a BCD byte holds.
void FunctionEditorCore::ShowIO(FieldId list, int byte) {
    const int number = model::BcdNumber(byte);
    ShowItem(list, number >= 0 ? view_[list].IndexOfValue(number) : -1);
}

void FunctionEditorCore::RefreshIOLists() {
    model::RebuildIOType(program_);
    FillIOLists(program_, view_);
    view_.ButtonEnabled = ToolbarEnabled(program_, state_.CurLine);
    LoadLine();
}

void FunctionEditorCore::LoadLine() {
    for (FieldState& field : view_.Fields) {
        field.Visible = false;
        field.Text.clear();
    }
    view_.Group = Function().Group;
    const GroupLayout& layout = LayoutOf(view_.Group);
    view_.PressedButton = layout.Button;
    view_.Caption = layout.Caption;
    view_.ButtonEnabled[kRepeatLinesButton - 1] = RepeatLinesAllowed(state_.CurLine);
    // What the line acts on (inputs, an output, a page), then its option and what that brings.
    const model::LineFields& fields = Function().Fields;
    for (int i = 0; i < 3; ++i) {
        if (fields.P[i] == Param::Input)
            ShowIO(InputList(i), Code(i + 1));
    }
    if (fields.P[0] == Param::Output)
        ShowIO(F::OutputList, Code(1));
    if (fields.P[0] == Param::Page)
        ShowList(F::FnMisc, PageLetters(), Code(1) - 1);
    ShowOptions();
}

void FunctionEditorCore::ShowOptions() {
    for (FieldId id : {F::TmrCtrNum, F::TmrCtrMsg, F::TimeCount, F::LineMisc, F::LineMiscLabel})
        view_[id].Visible = false;
    if (Function().Fields.P[0] != Param::Page)
        view_[F::FnMisc].Visible = false;
    // An output that is not analog cannot hold a percentage line: showing it is enough to make
    // it the first option.
    if (Function().Fields.P[0] == Param::Output)
        FitToIO(Function(), ChosenIO(), state_.EditCode);
    const std::vector<LineOption> options = Options();
    const int shown = OptionIndex(options, Function(), Code(2), ChosenIO());
    if (!OptionTexts(view_.Group).empty()) {
        OptionItems texts;
        for (const LineOption& option : options)
            texts.push_back(option.Text);
        ShowList(F::FnOpts, texts, shown);
    }
    ShowFields(shown >= 0 ? *options[shown].Function : Function());
}

// The fields of the bytes after what the line acts on. Showing a timer, counter or message
// that cannot be 0 turns a 0 into 1 in the line code.
void FunctionEditorCore::ShowFields(const model::FunctionInfo& function) {
    for (int i = 1; i <= 3; ++i) {
        int& byte = Code(i);
        switch (function.Fields.P[i - 1]) {
            case Param::Timer:
                byte = std::max(byte, model::kTimerBase + 1);
                ShowItem(F::TmrCtrNum, byte - model::kTimerBase - 1);
                break;
            case Param::Counter:
                if (CounterNumber(byte) == 0)
                    byte += 1;
                ShowItem(F::TmrCtrNum, CounterNumber(byte) - 1);
                break;
            case Param::Message:
                if (byte == 0)
                    byte = 1;
                ShowItem(F::TmrCtrMsg, model::BcdNumber(byte) - 1);
                break;
            case Param::JumpLine:
                ShowList(F::FnMisc, JumpOptions(), Sign(byte));
                ShowJumpLine();
                break;
            case Param::DisplayFlag:
                ShowList(F::FnMisc, DisplayOptions(), Sign(byte));
                break;
            case Param::Percentage:
                ShowText(F::LineMisc, model::PercentText(byte));
                ShowText(F::LineMiscLabel, "%");
                break;
            case Param::LineOffset:
                ShowText(F::LineMisc, model::Dec(byte + 1));
                break;
            default:
                break;
        }
    }
    if (function.Fields.Packs != model::Quantity::None) {
        ShowText(F::TimeCount, QuantityText(function, state_.EditCode));
        if (const char* caption = QuantityCaption(function.Fields.Packs))
            ShowText(F::LineMiscLabel, caption);
    }
}

void FunctionEditorCore::ShowJumpLine() {
    if (Code(3) >= 1)
        ShowText(F::LineMisc, model::Dec(Code(3)));
    else
        view_[F::LineMisc].Visible = false;
}

// ----- the toolbar

bool FunctionEditorCore::ClickToolbar(int button) {
    if (button < 1 || button > kToolbarButtonCount || !view_.ButtonEnabled[button - 1])
        return false;
    Edited();
    const FirstIO first{FirstValue(view_[F::InputList0]), FirstValue(view_[F::InputList1]),
                        FirstValue(view_[F::OutputList])};
    state_.EditCode = ToolbarDefault(button, first);
    LoadLine();
    state_.Mode = view_.Group == model::FunctionGroup::EndPage ? EditMode::NewEnd : EditMode::Line;
    return true;
}

// ----- the lists

// A user's pick in a list: returns the item it selects, -1 for none, which changes nothing.
int FunctionEditorCore::Pick(FieldId list, int index) {
    view_[list].Select(index);
    if (view_[list].Selected >= 0)
        Edited();
    return view_[list].Selected;
}

void FunctionEditorCore::SelectInput(int list, int index) {
    list = std::clamp(list, 0, 2);
    const FieldId id = InputList(list);
    view_[id].Select(index);
    Edited();
    if (Function().Fields.P[list] != Param::Input)
        return;
    const int n = view_[id].SelectedValue();
    if (n >= 0)
        Code(list + 1) = BcdByte(n);
    if (list == 0 && OptionsFollowIO(view_.Group)) {
        FitToIO(Function(), ChosenIO(), state_.EditCode);
        ShowOptions();
    }
}

void FunctionEditorCore::SelectOutput(int index) {
    view_[F::OutputList].Select(index);
    Edited();
    const int n = view_[F::OutputList].SelectedValue();
    if (n >= 0)
        Code(1) = BcdByte(n);
    if (OptionsFollowIO(view_.Group))
        ShowOptions();
}

void FunctionEditorCore::SelectFnOpts(int index) {
    const int j = Pick(F::FnOpts, index);
    if (j < 0)
        return;
    const std::vector<LineOption> options = Options();
    if (j >= static_cast<int>(options.size()))
        return;
    WriteOption(options[j], Function(), LayoutOf(view_.Group).OnNewOption, state_.EditCode);
    if (!ReadAlike(options))
        ShowOptions();
}

void FunctionEditorCore::SelectFnMisc(int index) {
    const int j = Pick(F::FnMisc, index);
    if (j < 0)
        return;
    const model::LineFields& fields = Function().Fields;
    const Param p3 = fields.P[2];
    if (fields.P[0] == Param::Page) {
        Code(1) = j + 1;
    } else if (LayoutOf(view_.Group).MiscWritesIndex &&
               (p3 == Param::JumpLine || p3 == Param::DisplayFlag)) {
        Code(3) = j;
        view_[F::LineMisc].Text = model::Dec(Code(3));
    } else if (p3 == Param::JumpLine) {
        const int typed = LineBoxValue(view_[F::LineMisc].Text);
        Code(3) = j >= 1 ? std::max(typed, 1) : 0;
    } else if (p3 == Param::DisplayFlag) {
        Code(3) = Sign(j);
    }
    if (p3 == Param::JumpLine)
        ShowJumpLine();
}

void FunctionEditorCore::SelectTmrCtrNum(int index) {
    const int selected = Pick(F::TmrCtrNum, index);
    if (selected < 0)
        return;
    const int c = selected + 1;
    const model::LineFields& fields = Function().Fields;
    if (fields.P[0] == Param::Timer) {
        Code(1) = model::kTimerBase + c;
    } else if (fields.P[0] == Param::Counter) {
        const bool withValue = fields.Packs == model::Quantity::CompareValue;
        Code(1) = withValue ? CompareCounterByte(c, TimeBoxValue(view_[F::TimeCount].Text)) : c;
    }
}

void FunctionEditorCore::SelectTmrCtrMsg(int index) {
    const int selected = Pick(F::TmrCtrMsg, index);
    if (selected < 0)
        return;
    Code(3) = BcdByte(selected + 1);
}

// ----- the two boxes

bool FunctionEditorCore::TimeKeyAccepted(std::string_view text, int selStart, int selLength,
                                         char key) const {
    return editor::TimeKeyAccepted(Function().Fields.Packs, text, selStart, selLength, key);
}

std::string FunctionEditorCore::ChangeTimeCount(std::string_view text) {
    const model::FunctionInfo& function = Function();
    std::string kept = CutTimeText(function.Fields.Packs, text);
    Edited();
    // The value is read from the text the box keeps, so the line holds what the user sees.
    const int counterShown =
        static_cast<int>(model::LeadingNumber(view_[F::TmrCtrNum].ShownText()));
    WriteTimeValue(function, TimeBoxValue(kept), counterShown, state_.EditCode);
    view_[F::TimeCount].Text = kept;
    return kept;
}

std::optional<std::string> FunctionEditorCore::LeaveTimeCount() {
    return TimeLimitMessage(Function().Fields.Packs, TimeBoxValue(view_[F::TimeCount].Text));
}

bool FunctionEditorCore::LineKeyAccepted(std::string_view text, int selLength, char key) const {
    return editor::LineKeyAccepted(text, selLength, key);
}

void FunctionEditorCore::ChangeLineMisc(std::string_view text) {
    Edited();
    WriteLineValue(Function(), LineBoxValue(text), state_.EditCode);
    view_[F::LineMisc].Text = std::string(text);
}

std::optional<std::string> FunctionEditorCore::LeaveLineMisc() {
    return LineLimitMessage(Function(), Code(1), state_.CurPage,
                            LineBoxValue(view_[F::LineMisc].Text));
}

std::optional<std::string> FunctionEditorCore::CheckBeforeAccept(FieldId focused) {
    if (focused == F::TimeCount)
        return LeaveTimeCount();
    if (focused == F::LineMisc)
        return LeaveLineMisc();
    return std::nullopt;
}

}  // namespace editor
