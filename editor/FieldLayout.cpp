// The per-group layout table of the function editor.
#include "editor/FieldLayout.h"

#include <algorithm>
#include <map>

namespace editor {

namespace {

using model::FunctionGroup;
using F = FieldId;

const std::map<FunctionGroup, GroupLayout>& Layouts() {
    static const std::map<FunctionGroup, GroupLayout> layouts{
        {FunctionGroup::Blank, {1, "Blank", {}}},
        {FunctionGroup::CheckInput,
         {2, "Check Input", {F::InputList0, F::FnOpts, F::TimeCount, F::FnMisc, F::LineMisc}}},
        {FunctionGroup::CompareInputs,
         {3, "Compare Inputs", {F::InputList0, F::InputList1, F::InputList2, F::FnOpts}}},
        {FunctionGroup::Output,
         {4,
          "Output",
          {F::OutputList, F::FnOpts, F::TimeCount, F::LineMisc, F::LineMiscLabel},
          NewOption::StartsFromZero}},
        {FunctionGroup::CheckOutput,
         {5, "Check Output", {F::OutputList, F::FnOpts, F::FnMisc, F::LineMisc}}},
        {FunctionGroup::Wait, {6, "Wait", {F::TimeCount}}},
        {FunctionGroup::RepeatLines,
         {7, "Repeat from Line", {F::LineMisc, F::LineMiscLabel, F::TimeCount}}},
        {FunctionGroup::ControlPage, {8, "Control Page", {F::FnMisc, F::FnOpts, F::LineMisc}}},
        {FunctionGroup::Timer,
         {9,
          "Timer",
          {F::FnOpts, F::TmrCtrNum, F::TmrCtrMsg, F::FnMisc, F::LineMisc},
          NewOption::StartsFromZero,
          true}},
        {FunctionGroup::Counter,
         {10,
          "Counter",
          {F::FnOpts, F::TmrCtrNum, F::TmrCtrMsg, F::TimeCount, F::FnMisc, F::LineMisc},
          NewOption::KeepsCompareValue}},
        {FunctionGroup::EndPage, {11, "End Page", {}}},
    };
    return layouts;
}

const model::FunctionInfo& Blank() {
    static const model::FunctionInfo& blank = *model::FunctionsOf(FunctionGroup::Blank).front();
    return blank;
}

const model::FunctionInfo& TimedOutput() {
    const auto outputs = model::FunctionsOf(FunctionGroup::Output);
    const auto timed = std::find_if(outputs.begin(), outputs.end(), [](const auto* function) {
        return function->Fields.Packs == model::Quantity::OutputTime;
    });
    return timed != outputs.end() ? **timed : Blank();
}

}  // namespace

const model::FunctionInfo& EditedFunction(int f, int p2) {
    const model::FunctionInfo& function = model::LookupFunction(f, p2);
    if (function.Group != FunctionGroup::Unknown)
        return function;
    static const model::FunctionInfo& timed = TimedOutput();
    return f >= timed.FirstCode && f <= 255 ? timed : Blank();
}

const GroupLayout& LayoutOf(model::FunctionGroup group) {
    const auto found = Layouts().find(group);
    return found != Layouts().end() ? found->second : Layouts().at(FunctionGroup::Blank);
}

std::vector<FieldId> VisibleFields(const EditorView& view) {
    std::vector<FieldId> visible;
    for (FieldId id : LayoutOf(view.Group).Order) {
        if (view[id].Visible)
            visible.push_back(id);
    }
    return visible;
}

}  // namespace editor
