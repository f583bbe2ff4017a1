// Lookup of a function code in the families' tables.
#include "model/FunctionTable.h"

#include <algorithm>

#include "model/functions/Families.h"
#include "model/functions/LineRules.h"

namespace model {

namespace {

std::string DescribeUnknown(const Program&, const PgmRecord&) {
    return "Unknown Function Code";
}

void CheckUnknown(const LineContext&, const PgmRecord&, std::vector<LineError>& e) {
    e.push_back({0, ""});
}

const FunctionInfo kUnknown{-1,
                            -1,
                            FunctionGroup::Unknown,
                            DescribeUnknown,
                            CheckUnknown,
                            rules::RunUnreadable,
                            {{Param::Unused, Param::Unused, Param::Unused}}};

// Not installed (20, 30), the wrong kind of input or output (21, 22, 24, 31), no module (50,
// 60), a timer or counter beyond 8 (51, 61).
constexpr int kFaultsThatStopTheRun[] = {20, 21, 22, 24, 30, 31, 50, 51, 60, 61};

const std::vector<const std::vector<FunctionInfo>*>& AllFamilies() {
    static const std::vector<const std::vector<FunctionInfo>*> families{
        &families::Flow(), &families::Inputs(), &families::Outputs(), &families::Timer(),
        &families::Counter()};
    return families;
}

// The entries of each code in table order.
using CodeIndex = std::array<std::vector<const FunctionInfo*>, 256>;

CodeIndex BuildIndex() {
    CodeIndex index;
    for (const auto* family : AllFamilies()) {
        for (const FunctionInfo& info : *family) {
            for (int f = info.FirstCode; f <= info.LastCode; ++f)
                index[f].push_back(&info);
        }
    }
    return index;
}

}  // namespace

const FunctionInfo& LookupFunction(int f, int p2) {
    static const CodeIndex index = BuildIndex();
    if (f < 0 || f > 255)
        return kUnknown;
    const FunctionInfo* found = &kUnknown;
    for (const FunctionInfo* info : index[f]) {
        if (info->Operation >= 0 && info->Operation == p2)
            return *info;
        if (info->Operation < 0)
            found = info;
    }
    return *found;
}

std::vector<const FunctionInfo*> FunctionsOf(FunctionGroup group) {
    std::vector<const FunctionInfo*> functions;
    for (const auto* family : AllFamilies()) {
        for (const FunctionInfo& info : *family) {
            if (info.Group == group && info.Operation != kOtherOperation)
                functions.push_back(&info);
        }
    }
    return functions;
}

bool StopsTheRun(const LineError& error) {
    return std::find(std::begin(kFaultsThatStopTheRun), std::end(kFaultsThatStopTheRun),
                     error.Number) != std::end(kFaultsThatStopTheRun);
}

}  // namespace model
