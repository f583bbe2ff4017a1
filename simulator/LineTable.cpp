// The page lines of a simulated run, read once from the program.
#include "simulator/LineTable.h"

#include "model/LineText.h"
#include "model/Program.h"

namespace simulator {

namespace {

// The first problem the line's checks report that the controller cannot run the line with, as
// the error log words it; empty when there is none.
std::string FaultOf(const model::Program& program, const model::FunctionInfo& function, int page,
                    int record) {
    const model::LineContext context{program, page, record == model::PageBase(page)};
    std::vector<model::LineError> errors;
    function.Check(context, program.PgmData[record], errors);
    for (const model::LineError& error : errors) {
        if (!model::StopsTheRun(error))
            continue;
        const std::string prefix = *error.Prefix ? std::string(error.Prefix) + " " : "";
        return prefix + model::ErrorMessageText(error.Number);
    }
    return "";
}

}  // namespace

LineTable::LineTable(const model::Program& program) {
    for (int page = 0; page < model::kPageCount; ++page) {
        first_[page] = static_cast<int>(lines_.size());
        for (int offset = 0; offset < model::PageCapacity(page); ++offset) {
            const int record = model::PageBase(page) + offset;
            const model::PgmRecord& r = program.PgmData[record];
            const model::FunctionInfo& function = model::LookupFunction(r.F(), r.P2());
            lines_.push_back({&r, &function, FaultOf(program, function, page, record),
                              model::DescribeLine(program, record)});
        }
    }
}

}  // namespace simulator
