// Comparing two programs.
#include "files/ProgramDiff.h"

#include "files/ProgramListing.h"
#include "model/HardwareConfig.h"
#include "model/PageGeometry.h"
#include "model/Program.h"

namespace files {

namespace {

constexpr int kRegisterCount = 151;

// The rows with text; the empty ones only space the listing.
std::vector<std::string> Texts(const std::vector<ListingRow>& rows) {
    std::vector<std::string> texts;
    for (const ListingRow& row : rows) {
        if (!row.Runs.empty())
            texts.push_back(RowText(row));
    }
    return texts;
}

void Differ(std::vector<std::string>& out, const std::string& heading,
            const std::vector<std::string>& before, const std::vector<std::string>& after) {
    if (before == after)
        return;
    out.push_back(heading);
    for (const std::string& row : before)
        out.push_back("- " + row);
    for (const std::string& row : after)
        out.push_back("+ " + row);
}

// "Page A, line 5", "Block 20", "Timer 3", "Counter message 15".
std::string ItemName(const ListingPart& part, std::size_t item) {
    const std::string number = std::to_string(item + 1);
    switch (part.Kind) {
        case PartKind::Page:
            return std::string("Page ") + model::PageLetter(part.Page) + ", line " + number;
        case PartKind::Setup:
            return item == 0 ? "MCU"
                             : "Block " + std::to_string(model::BlockPositions()[item].Base);
        case PartKind::TimerEntries:
            return "Timer " + number;
        case PartKind::TimerMessages:
            return "Timer message " + number;
        case PartKind::CounterEntries:
            return "Counter " + number;
        case PartKind::CounterMessages:
            return "Counter message " + number;
    }
    return number;
}

void ComparePart(std::vector<std::string>& out, const ListingPart& before,
                 const ListingPart& after) {
    if (before.Kind == PartKind::Page)
        Differ(out, std::string("Page ") + model::PageLetter(before.Page) + ", name",
               {RowText(before.Heading.front())}, {RowText(after.Heading.front())});
    const std::size_t items = std::max(before.Items.size(), after.Items.size());
    for (std::size_t i = 0; i < items; ++i) {
        const auto rowsOf = [i](const ListingPart& part) {
            return i < part.Items.size() ? Texts(part.Items[i]) : std::vector<std::string>();
        };
        Differ(out, ItemName(before, i), rowsOf(before), rowsOf(after));
    }
    Differ(out, "Modules", Texts(before.Tail), Texts(after.Tail));
}

std::string Bytes(const model::PgmRecord& reg) {
    return std::to_string(reg.Code[0]) + ", " + std::to_string(reg.Code[1]) + ", " +
           std::to_string(reg.Code[2]) + ", " + std::to_string(reg.Code[3]);
}

}  // namespace

std::string RegisterMeaning(int reg) {
    if (reg >= 1 && reg <= model::kPageCount)
        return std::string("End Page line of page ") + model::PageLetter(reg - 1);
    if (reg == model::kVersionRegister)
        return "firmware version and program checksum";
    if (reg == model::kTimerModuleRegister)
        return "timer module";
    if (reg == model::kCounterModuleRegister)
        return "counter module";
    for (const model::BlockPosition& pos : model::BlockPositions()) {
        const std::string where = pos.Base == 0 ? "MCU" : "block " + std::to_string(pos.Base);
        if (reg == pos.ConfigRegister)
            return where + " inputs, outputs, analog";
        if (reg > pos.ConfigRegister && reg <= pos.ConfigRegister + model::kMostPerBlock)
            return "input speed of input " + std::to_string(pos.Base + reg - pos.ConfigRegister);
    }
    return "MCU setting";
}

std::vector<std::string> ProgramDifferences(const model::Program& before,
                                            const model::Program& after, DiffScope scope) {
    std::vector<std::string> out;
    const std::vector<ListingPart> old = ProgramListing(before);
    const std::vector<ListingPart> now = ProgramListing(after);
    for (std::size_t p = 0; p < old.size(); ++p) {
        if (scope == DiffScope::Everything || old[p].Kind == PartKind::Page)
            ComparePart(out, old[p], now[p]);
    }
    for (int reg = 1; reg <= kRegisterCount; ++reg) {
        Differ(out, "BIOS register " + std::to_string(reg) + ", " + RegisterMeaning(reg),
               {Bytes(before.Register(reg))}, {Bytes(after.Register(reg))});
    }
    return out;
}

}  // namespace files
