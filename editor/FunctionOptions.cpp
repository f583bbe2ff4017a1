// The option list of a function group, built from the function table.
#include "editor/FunctionOptions.h"

#include <algorithm>

#include "editor/FieldCodes.h"
#include "editor/OptionLists.h"
#include "model/IOTables.h"
#include "model/Program.h"

namespace editor {

using model::FunctionInfo;
using model::IONeed;
using model::Param;

IONeed KindOfChosenIO(const model::Program& program, const FunctionInfo& function, int n) {
    const Param subject = function.Fields.P[0];
    if (subject != Param::Input && subject != Param::Output)
        return IONeed::Any;
    const model::Direction d = subject == Param::Input ? model::kInput : model::kOutput;
    const int kind = n >= 0 ? program.IOType[n][d] : int{model::kNotInstalled};
    if (kind == model::kAnalog)
        return IONeed::Analog;
    // An input that is no longer fitted keeps the kind its line was written for, so that its
    // level or status and its jump line stay in view; an output counts as digital.
    if (kind == model::kNotInstalled && subject == Param::Input)
        return function.Fields.Needs;
    return IONeed::Digital;
}

bool Fits(const FunctionInfo& function, IONeed io) {
    const IONeed need = function.Fields.Needs;
    return io == IONeed::Any || need == IONeed::Any || need == io;
}

std::vector<LineOption> OptionsOf(model::FunctionGroup group, IONeed io) {
    const OptionItems& texts = OptionTexts(group);
    std::vector<LineOption> options;
    std::size_t text = 0;
    for (const FunctionInfo* function : model::FunctionsOf(group)) {
        const bool byStatus = function->Fields.P[1] == Param::Status;
        for (int status : byStatus ? std::vector<int>{0, 1} : std::vector<int>{-1}) {
            if (Fits(*function, io))
                options.push_back({function, status, text < texts.size() ? texts[text] : ""});
            ++text;
        }
    }
    return options;
}

bool OptionsFollowIO(model::FunctionGroup group) {
    const auto functions = model::FunctionsOf(group);
    return std::any_of(functions.begin(), functions.end(), [](const FunctionInfo* function) {
        return function->Fields.Needs != IONeed::Any;
    });
}

bool SameKind(const FunctionInfo& a, const FunctionInfo& b) {
    const auto& x = a.Fields;
    const auto& y = b.Fields;
    return a.Operation != model::kOtherOperation && b.Operation != model::kOtherOperation &&
           x.P[1] == y.P[1] && x.P[2] == y.P[2] && x.Packs == y.Packs;
}

bool ReadAlike(const std::vector<LineOption>& options) {
    return std::all_of(options.begin(), options.end(), [&](const LineOption& option) {
        return SameKind(*option.Function, *options.front().Function);
    });
}

int OptionIndex(const std::vector<LineOption>& options, const FunctionInfo& function, int p2,
                IONeed io) {
    const int count = static_cast<int>(options.size());
    for (int i = 0; i < count; ++i) {
        const LineOption& option = options[i];
        if (option.Function == &function && (option.Status < 0 || option.Status == Sign(p2)))
            return i;
    }
    if (Fits(function, io) || count == 0)
        return -1;
    for (int i = 0; i < count; ++i) {
        if (options[i].Status >= 0 && options[i].Status == Sign(p2))
            return i;
    }
    return count - 1;
}

void WriteOption(const LineOption& option, const FunctionInfo& from, NewOption onNewKind,
                 LineCode& code) {
    const FunctionInfo& to = *option.Function;
    if (!SameKind(from, to)) {
        switch (onNewKind) {
            case NewOption::KeepsBytes:
                break;
            case NewOption::StartsFromZero:
                for (int i = 2; i <= 3; ++i) {
                    if (to.Fields.P[i - 1] != Param::Operation)
                        code[i] = 0;
                }
                break;
            case NewOption::KeepsCompareValue:
                code[3] = 0;
                if (to.Fields.Packs == model::Quantity::None) {
                    code[1] = CounterNumber(code[1]);
                    code[2] = 0;
                }
                break;
        }
    }
    if (&from != &to)
        code[0] = to.FirstCode;
    if (to.Operation >= 0)
        code[2] = to.Operation;
    if (option.Status >= 0)
        code[2] = option.Status;
}

void FitToIO(const FunctionInfo& from, IONeed io, LineCode& code) {
    if (Fits(from, io))
        return;
    const FunctionInfo& to = *OptionsOf(from.Group, io).front().Function;
    for (int i = 1; i <= 3 && to.Fields.Packs != from.Fields.Packs; ++i) {
        if (to.Fields.P[i - 1] == Param::Quantity)
            code[i] = 0;
    }
    code[0] = to.FirstCode;
}

}  // namespace editor
