// Lookup of a function code in the families' tables.
#include "model/FunctionTable.h"

#include "model/functions/Families.h"

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
                            {{Param::Unused, Param::Unused, Param::Unused}}};

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

}  // namespace model
