// The function editor's field handlers, over EditCode and the field view.
#include "editor/FunctionEditorCore.h"

#include <algorithm>
#include <cmath>

#include "editor/FieldCodes.h"
#include "editor/FieldLayout.h"
#include "editor/LineMiscRules.h"
#include "editor/TimeCountRules.h"
#include "editor/Toolbar.h"
#include "model/HardwareConfig.h"
#include "model/Program.h"
#include "model/TextFormat.h"

namespace editor {

namespace {

using model::FunctionGroup;
using F = FieldId;

constexpr int kTimerBase = 160;  // P1 of timer t is 160 + t
constexpr int kTimerCount = 8;
constexpr int kCounterCount = 8;
constexpr int kMessageCount = 15;

FieldId InputList(int i) {
    return static_cast<FieldId>(static_cast<int>(F::InputList0) + i);
}

bool IsJumpCheck(int f) {
    return f == 1 || f == 8 || f == 13 || f == 14 || f == 36 || f == 37;
}

// Output options fall into kinds that read P2 and P3 differently: none, a time, a percentage.
int OutputOptionKind(int j) {
    return j < kOutputTimed ? 0 : (j == kOutputTimed ? 1 : 2);
}

int OutputOptionOfCode(int f) {
    switch (f) {
        case 255:
            return kOutputOn;
        case 254:
            return kOutputOff;
        case 253:
        case 252:
        case 251:
            return 256 - f;
        default:
            return kOutputTimed;
    }
}

// Timer operations by what P3 holds: a jump line, nothing, the display flag, a message.
int TimerOptionKind(int j) {
    static constexpr int kinds[] = {0, 0, 1, 1, 2, 2, 1, 3};
    return j >= 0 && j <= kTimerDisplayMessage ? kinds[j] : -1;
}

// Counter options by what P1 to P3 hold: display flag, compare value and jump, nothing,
// message.
constexpr int kCompareKind = 1;
int CounterOptionKind(int j) {
    static constexpr int kinds[] = {0, 0, kCompareKind, kCompareKind, 2, 2, 3};
    return j >= 0 && j <= kCounterDisplayMessage ? kinds[j] : -1;
}

OptionItems Numbers(int count) {
    OptionItems items;
    for (int n = 1; n <= count; ++n)
        items.push_back(model::Dec(n));
    return items;
}

std::vector<ListItem> Items(const OptionItems& texts) {
    std::vector<ListItem> items;
    for (const std::string& text : texts)
        items.push_back({text, 0});
    return items;
}

int FirstValue(const FieldState& list) {
    return list.Items.empty() ? 0 : list.Items.front().Value;
}

}  // namespace

FunctionEditorCore::FunctionEditorCore(model::Program& program, EditorState& state)
    : program_(program), state_(state) {}

// ----- filling the fields

void FunctionEditorCore::ShowList(FieldId id, const OptionItems& items, int k) {
    view_[id].Items = Items(items);
    ShowItem(id, k);
}

void FunctionEditorCore::ShowItem(FieldId id, int k) {
    Select(id, k);
    view_[id].Visible = true;
}

void FunctionEditorCore::ShowText(FieldId id, std::string text) {
    FieldState& field = view_[id];
    field.Text = std::move(text);
    field.Visible = true;
    if (id == F::TimeCount)
        field.MaxLength = TimeBoxMaxLength(Code(0));
    else if (id == F::LineMisc)
        field.MaxLength = kLineMiscMaxLength;
}

void FunctionEditorCore::Select(FieldId id, int index) {
    FieldState& field = view_[id];
    field.Selected = index >= 0 && index < static_cast<int>(field.Items.size()) ? index : -1;
}

int FunctionEditorCore::IndexOfBcd(FieldId list, int byte) const {
    const int number = model::BcdNumber(byte);
    const std::vector<ListItem>& items = view_[list].Items;
    for (std::size_t i = 0; number >= 0 && i < items.size(); ++i) {
        if (items[i].Value == number)
            return static_cast<int>(i);
    }
    return -1;
}

int FunctionEditorCore::SelectedValue(FieldId list) const {
    const FieldState& field = view_[list];
    return field.Selected >= 0 ? field.Items[field.Selected].Value : -1;
}

// An input that is no longer fitted keeps the kind its line was written for, so that its
// level or status and its jump line stay in view.
bool FunctionEditorCore::CheckedInputAnalog() const {
    const int n = SelectedValue(F::InputList0);
    const int kind = n >= 0 ? program_.IOType[n][model::kInput] : int{model::kNotInstalled};
    if (kind == model::kNotInstalled)
        return state_.EditCode[0] == 13 || state_.EditCode[0] == 14;
    return kind == model::kAnalog;
}

bool FunctionEditorCore::ChosenOutputAnalog() const {
    const int n = SelectedValue(F::OutputList);
    return n >= 0 && program_.IOType[n][model::kOutput] == model::kAnalog;
}

void FunctionEditorCore::RefreshIOLists() {
    model::RebuildIOType(program_);
    for (FieldId id : {F::InputList0, F::InputList1, F::InputList2, F::OutputList}) {
        view_[id].Items.clear();
        view_[id].Selected = -1;
    }
    view_[F::InputList2].Items.push_back({"none", 0});
    for (const model::BlockPosition& pos : model::BlockPositions()) {
        const model::PgmRecord& reg = program_.Register(pos.ConfigRegister);
        for (int n = 1; n <= std::min<int>(reg.Code[model::kInput], 8); ++n) {
            const ListItem item{model::DisplayName(program_, pos.Base + n, model::kInput),
                                pos.Base + n};
            for (int i = 0; i < 3; ++i)
                view_[InputList(i)].Items.push_back(item);
        }
        for (int n = 1; n <= std::min<int>(reg.Code[model::kOutput], 8); ++n) {
            view_[F::OutputList].Items.push_back(
                {model::DisplayName(program_, pos.Base + n, model::kOutput), pos.Base + n});
        }
    }
    view_[F::TmrCtrMsg].Items = Items(Numbers(kMessageCount));
    view_[F::TmrCtrNum].Items = Items(Numbers(kTimerCount));
    view_.ButtonEnabled = ToolbarEnabled(program_, state_.CurLine);
    LoadLine();
}

void FunctionEditorCore::LoadLine() {
    for (FieldState& field : view_.Fields) {
        field.Visible = false;
        field.Text.clear();
    }
    view_.Group = EditorGroup(Code(0));
    const GroupLayout& layout = LayoutOf(view_.Group);
    view_.PressedButton = layout.Button;
    view_.Caption = layout.Caption;
    view_.ButtonEnabled[kRepeatLinesButton - 1] = RepeatLinesAllowed(state_.CurLine);
    ShowLineFields();
}

void FunctionEditorCore::ShowLineFields() {
    const int f = Code(0);
    switch (view_.Group) {
        case FunctionGroup::CheckInput:
            ShowItem(F::InputList0, IndexOfBcd(F::InputList0, Code(1)));
            ShowCheckInputFields();
            break;
        case FunctionGroup::CompareInputs:
            for (int i = 0; i < 3; ++i)
                ShowItem(InputList(i), IndexOfBcd(InputList(i), Code(i + 1)));
            ShowList(F::FnOpts, CompareOptions(), f - 2);
            break;
        case FunctionGroup::Output:
            ShowItem(F::OutputList, IndexOfBcd(F::OutputList, Code(1)));
            ShowOutputFields();
            break;
        case FunctionGroup::CheckOutput:
            ShowItem(F::OutputList, IndexOfBcd(F::OutputList, Code(1)));
            ShowList(F::FnOpts, OutputStatusOptions(), Sign(Code(2)));
            ShowList(F::FnMisc, JumpOptions(), Sign(Code(3)));
            ShowMiscFields();
            break;
        case FunctionGroup::Wait:
            ShowText(F::TimeCount, model::Fix2(Code(1) * 256 + Code(2) + Code(3) / 100.0));
            break;
        case FunctionGroup::RepeatLines:
            ShowText(F::LineMisc, model::Dec(Code(1) + 1));
            ShowText(F::LineMiscLabel, "Number of Times");
            ShowText(F::TimeCount, model::Dec(Code(2) * 256 + Code(3)));
            break;
        case FunctionGroup::ControlPage:
            ShowList(F::FnMisc, PageLetters(), Code(1) - 1);
            ShowList(F::FnOpts, PageActionOptions(), Code(2) - 1);
            ShowOptionFields(view_[F::FnOpts].Selected);
            break;
        case FunctionGroup::Timer:
            ShowList(F::FnOpts, TimerOptions(), Code(2));
            ShowOptionFields(view_[F::FnOpts].Selected);
            break;
        case FunctionGroup::Counter:
            ShowList(F::FnOpts, CounterOptions(), f - 34);
            ShowOptionFields(view_[F::FnOpts].Selected);
            break;
        default:
            break;
    }
}

void FunctionEditorCore::ShowCheckInputFields() {
    if (CheckedInputAnalog()) {
        ShowList(F::FnOpts, VoltageOptions(), Code(0) == 13 ? 0 : 1);
        ShowText(F::TimeCount, model::Fix2(Code(2) * 0.04));
    } else {
        // A level box left over from an analog input would show a value the line no longer has.
        Hide(F::TimeCount);
        ShowList(F::FnOpts, InputStatusOptions(), Sign(Code(2)));
    }
    ShowList(F::FnMisc, JumpOptions(), Sign(Code(3)));
    ShowMiscFields();
}

void FunctionEditorCore::ShowOutputFields() {
    const bool analog = ChosenOutputAnalog();
    if (!analog && Code(0) >= 251 && Code(0) <= 253)
        Code(0) = 255;
    ShowList(F::FnOpts, OutputOptions(analog), OutputOptionOfCode(Code(0)));
    ShowOptionFields(view_[F::FnOpts].Selected);
}

void FunctionEditorCore::ShowOptionFields(int j) {
    switch (view_.Group) {
        case FunctionGroup::ControlPage:
            if (j == 3)
                ShowText(F::LineMisc, model::Dec(Code(3) + 1));
            else
                Hide(F::LineMisc);
            break;
        case FunctionGroup::Output:
            Hide(F::TimeCount);
            Hide(F::LineMisc);
            Hide(F::LineMiscLabel);
            if (j == kOutputTimed) {
                ShowText(F::TimeCount,
                         model::Fix2((Code(2) * 256 + Code(3)) + (Code(0) - 128) / 100.0));
            } else if (j >= kOutputSetPercent) {
                ShowText(F::LineMisc, model::PercentText(Code(3)));
                ShowText(F::LineMiscLabel, "%");
            }
            break;
        case FunctionGroup::Timer:
        case FunctionGroup::Counter:
            for (FieldId id : {F::TmrCtrMsg, F::TmrCtrNum, F::FnMisc, F::TimeCount, F::LineMisc,
                               F::LineMiscLabel})
                Hide(id);
            if (view_.Group == FunctionGroup::Timer)
                ShowTimerFields(j);
            else
                ShowCounterFields(j);
            break;
        default:
            break;
    }
}

void FunctionEditorCore::ShowTimerFields(int j) {
    if (j < 0)
        return;
    if (j == kTimerDisplayMessage) {
        ShowMessageList();
        return;
    }
    if (Code(1) < kTimerBase + 1)
        Code(1) = kTimerBase + 1;
    ShowItem(F::TmrCtrNum, Code(1) - kTimerBase - 1);
    if (j == 0 || j == 1) {
        ShowList(F::FnMisc, JumpOptions(), Sign(Code(3)));
        ShowMiscFields();
    } else if (j == 4 || j == 5) {
        ShowList(F::FnMisc, DisplayOptions(), Sign(Code(3)));
    }
}

void FunctionEditorCore::ShowCounterFields(int j) {
    if (j < 0)
        return;
    if (j == kCounterDisplayMessage) {
        ShowMessageList();
        return;
    }
    if ((Code(1) & 0x0F) == 0)
        Code(1) += 1;
    const int counter = Code(1) & 0x0F;
    ShowItem(F::TmrCtrNum, counter <= kCounterCount ? counter - 1 : -1);
    if (j == 0 || j == 1) {
        ShowList(F::FnMisc, DisplayOptions(), Sign(Code(3)));
    } else if (CounterOptionKind(j) == kCompareKind) {
        ShowText(F::TimeCount, model::Dec((Code(1) / 16) * 256 + Code(2)));
        ShowList(F::FnMisc, JumpOptions(), Sign(Code(3)));
        ShowMiscFields();
    }
}

void FunctionEditorCore::ShowMessageList() {
    if (Code(3) == 0)
        Code(3) = 1;
    const int m = model::BcdNumber(Code(3));
    ShowItem(F::TmrCtrMsg, m >= 1 && m <= kMessageCount ? m - 1 : -1);
}

void FunctionEditorCore::ShowMiscFields() {
    const int f = Code(0);
    if (IsJumpCheck(f) || (f == 32 && (Code(2) == 0 || Code(2) == 1)))
        ShowJumpLine();
}

void FunctionEditorCore::ShowJumpLine() {
    if (Code(3) >= 1)
        ShowText(F::LineMisc, model::Dec(Code(3)));
    else
        Hide(F::LineMisc);
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
    state_.Mode = Code(0) == 12 ? EditMode::NewEnd : EditMode::Line;
    return true;
}

// ----- the lists

void FunctionEditorCore::SelectInput(int list, int index) {
    list = std::clamp(list, 0, 2);
    const FieldId id = InputList(list);
    Select(id, index);
    Edited();
    const int n = SelectedValue(id);
    if (view_.Group == FunctionGroup::CompareInputs) {
        if (n >= 0)
            Code(list + 1) = BcdByte(n);
    } else if (view_.Group == FunctionGroup::CheckInput && id == F::InputList0) {
        if (!CheckedInputAnalog()) {
            Code(0) = 1;
        } else if (Code(0) == 1) {
            Code(0) = 13;
            Code(2) = 0;
        }
        if (n >= 0)
            Code(1) = BcdByte(n);
        ShowCheckInputFields();
    }
}

void FunctionEditorCore::SelectOutput(int index) {
    Select(F::OutputList, index);
    Edited();
    const int n = SelectedValue(F::OutputList);
    if (n >= 0)
        Code(1) = BcdByte(n);
    if (view_.Group == FunctionGroup::Output)
        ShowOutputFields();
}

void FunctionEditorCore::SelectFnOpts(int index) {
    Select(F::FnOpts, index);
    const int j = view_[F::FnOpts].Selected;
    if (j < 0)
        return;
    Edited();
    WriteOption(j);
    ShowOptionFields(j);
}

void FunctionEditorCore::WriteOption(int j) {
    switch (view_.Group) {
        case FunctionGroup::CheckInput:
            if (CheckedInputAnalog()) {
                Code(0) = 13 + j;
            } else {
                Code(0) = 1;
                Code(2) = j;
            }
            break;
        case FunctionGroup::CompareInputs:
            Code(0) = 2 + j;
            break;
        case FunctionGroup::CheckOutput:
            Code(2) = j;
            break;
        case FunctionGroup::ControlPage:
            Code(2) = j + 1;
            break;
        case FunctionGroup::Output:
            WriteOutputOption(j);
            break;
        case FunctionGroup::Timer:
            WriteTimerOption(j);
            break;
        case FunctionGroup::Counter:
            WriteCounterOption(j);
            break;
        default:
            break;
    }
}

// A time and a percentage share P2 and P3; moving from one kind of Output line to another
// starts the new kind from zero rather than reading the old bytes as the new quantity.
void FunctionEditorCore::WriteOutputOption(int j) {
    if (OutputOptionKind(j) != OutputOptionKind(OutputOptionOfCode(Code(0)))) {
        Code(2) = 0;
        Code(3) = 0;
        if (j == kOutputTimed)
            Code(0) = 128;
    }
    if (j == kOutputOn)
        Code(0) = 255;
    else if (j == kOutputOff)
        Code(0) = 254;
    else if (j >= kOutputSetPercent)
        Code(0) = 256 - j;
}

// P3 holds a jump line, a display flag or a message by operation; a new kind starts it at 0.
void FunctionEditorCore::WriteTimerOption(int j) {
    if (TimerOptionKind(j) != TimerOptionKind(Code(2)))
        Code(3) = 0;
    Code(2) = j;
}

// Only a compare packs a value beside the counter number; the other options keep the number
// alone, so that "Increment Counter 3" never carries a stale compare value.
void FunctionEditorCore::WriteCounterOption(int j) {
    const int kind = CounterOptionKind(j);
    if (kind != CounterOptionKind(Code(0) - 34)) {
        Code(3) = 0;
        if (kind != kCompareKind) {
            Code(1) &= 0x0F;
            Code(2) = 0;
        }
    }
    Code(0) = 34 + j;
}

void FunctionEditorCore::SelectFnMisc(int index) {
    Select(F::FnMisc, index);
    const int j = view_[F::FnMisc].Selected;
    if (j < 0)
        return;
    Edited();
    WriteMisc(j);
    ShowMiscFields();
}

void FunctionEditorCore::WriteMisc(int j) {
    const int f = Code(0);
    if (IsJumpCheck(f)) {
        const int typed = LineBoxValue(view_[F::LineMisc].Text);
        Code(3) = j >= 1 ? (typed > 0 ? typed : 1) : 0;
    } else if (f == 11) {
        Code(1) = j + 1;
    } else if (f == 32) {
        Code(3) = j;
        view_[F::LineMisc].Text = model::Dec(Code(3));
    } else if (f == 34 || f == 35) {
        Code(3) = j >= 1 ? 1 : 0;
    }
}

void FunctionEditorCore::SelectTmrCtrNum(int index) {
    Select(F::TmrCtrNum, index);
    const int selected = view_[F::TmrCtrNum].Selected;
    if (selected < 0)
        return;
    Edited();
    const int c = selected + 1;
    const int f = Code(0);
    if (f == 32) {
        Code(1) = kTimerBase + c;
    } else if (f == 36 || f == 37) {
        const int value = static_cast<int>(TimeBoxValue(view_[F::TimeCount].Text));
        Code(1) = (value / 256) * 16 + c;
    } else if (f >= 34 && f <= 40) {
        Code(1) = c;
    }
}

void FunctionEditorCore::SelectTmrCtrMsg(int index) {
    Select(F::TmrCtrMsg, index);
    const int selected = view_[F::TmrCtrMsg].Selected;
    if (selected < 0)
        return;
    Edited();
    Code(3) = BcdByte(selected + 1);
}

// ----- the two boxes

bool FunctionEditorCore::TimeKeyAccepted(std::string_view text, int selStart, int selLength,
                                         char key) const {
    return editor::TimeKeyAccepted(state_.EditCode[0], text, selStart, selLength, key);
}

std::string FunctionEditorCore::ChangeTimeCount(std::string_view text) {
    std::string kept = CutTimeText(Code(0), text);
    Edited();
    // The value is read from the text the box keeps, so the line holds what the user sees.
    const int counterShown =
        static_cast<int>(model::LeadingNumber(view_[F::TmrCtrNum].ShownText()));
    WriteTimeValue(Code(0), TimeBoxValue(kept), counterShown, state_.EditCode);
    view_[F::TimeCount].Text = kept;
    return kept;
}

std::optional<std::string> FunctionEditorCore::LeaveTimeCount() {
    auto message = TimeLimitMessage(Code(0), TimeBoxValue(view_[F::TimeCount].Text));
    timeValid_ = !message;
    return message;
}

bool FunctionEditorCore::LineKeyAccepted(std::string_view text, int selLength, char key) const {
    return editor::LineKeyAccepted(text, selLength, key);
}

void FunctionEditorCore::ChangeLineMisc(std::string_view text) {
    Edited();
    WriteLineValue(Code(0), LineBoxValue(text), state_.EditCode);
    view_[F::LineMisc].Text = std::string(text);
}

std::optional<std::string> FunctionEditorCore::LeaveLineMisc() {
    auto message =
        LineLimitMessage(Code(0), Code(1), state_.CurPage, LineBoxValue(view_[F::LineMisc].Text));
    lineValid_ = !message;
    return message;
}

std::optional<std::string> FunctionEditorCore::CheckBeforeAccept(FieldId focused) {
    if (focused == F::TimeCount)
        return LeaveTimeCount();
    if (focused == F::LineMisc)
        return LeaveLineMisc();
    return std::nullopt;
}

}  // namespace editor
