// Lookup of a function code in the families' tables.
#include "model/FunctionTable.h"

#include <array>

#include "model/functions/Families.h"

namespace model {

namespace {

std::string DescribeUnknown(const Program&, const PgmRecord&) {
    return "Unknown Function Code";
}

void CheckUnknown(const LineContext&, const PgmRecord&, std::vector<LineError>& e) {
    e.push_back({0, ""});
}

const FunctionInfo kUnknown{-1, -1, FunctionGroup::Unknown, DescribeUnknown, CheckUnknown};

using CodeIndex = std::array<const FunctionInfo*, 256>;

CodeIndex BuildIndex() {
    CodeIndex index;
    index.fill(&kUnknown);
    for (const auto* family : {&families::Flow(), &families::Inputs(), &families::Outputs(),
                               &families::Timer(), &families::Counter()}) {
        for (const FunctionInfo& info : *family) {
            for (int f = info.FirstCode; f <= info.LastCode; ++f)
                index[f] = &info;
        }
    }
    return index;
}

}  // namespace

const FunctionInfo& LookupFunction(int f) {
    static const CodeIndex index = BuildIndex();
    if (f < 0 || f > 255)
        return kUnknown;
    return *index[f];
}

}  // namespace model
