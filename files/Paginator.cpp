// Sheet breaks of the printed listing.
#include "files/Paginator.h"

#include <algorithm>

#include "model/HardwareConfig.h"

namespace files {

namespace {

// How a part breaks: a program page before a line when its count + 5 would pass the lines per
// sheet (room for the line and four comment rows), the setup before a position at + 11; both
// print their heading again on the new sheet. The panels do not count lines.
struct BreakRule {
    bool Counted;
    int Room;
};

BreakRule RuleOf(PartKind kind) {
    switch (kind) {
        case PartKind::Page:
            return {true, 5};
        case PartKind::Setup:
            return {true, 11};
        default:
            return {false, 0};
    }
}

int SectionOf(const ListingPart& part) {
    switch (part.Kind) {
        case PartKind::Page:
            return part.Page;
        case PartKind::Setup:
            return kSetupSection;
        case PartKind::TimerEntries:
        case PartKind::TimerMessages:
            return kTimerSection;
        default:
            return kCounterSection;
    }
}

class SheetWriter {
  public:
    explicit SheetWriter(const PrintChoice& choice) : choice_(choice) {}

    void Print(const ListingPart& part) {
        part_ = &part;
        const BreakRule rule = RuleOf(part.Kind);
        NewSheet();
        for (const ListingItem& item : part.Items) {
            const bool overCount = rule.Counted && counted_ + rule.Room > choice_.LinesPerSheet;
            if ((overCount || !Fits(item.size())) && BeyondHeading())
                NewSheet();
            for (const ListingRow& row : item)
                Put(row);
        }
        for (const ListingRow& row : part.Tail)
            Put(row);
    }

    std::vector<Sheet> Take() { return std::move(sheets_); }

  private:
    Sheet& Current() { return sheets_.back(); }
    bool Fits(std::size_t rows) {
        return Current().Rows.size() + rows <= static_cast<std::size_t>(choice_.RowsThatFit);
    }
    // A sheet that holds nothing but the heading is never left for another: it would come out
    // with the heading alone.
    bool BeyondHeading() { return Current().Rows.size() > part_->Heading.size(); }

    // Every part and every break starts at the top of a fresh sheet with the part's heading, so
    // no sheet is left without text.
    void NewSheet() {
        sheets_.emplace_back();
        counted_ = 0;
        for (const ListingRow& row : part_->Heading)
            Put(row);
    }

    // A row that would run off the paper goes on to the next sheet, even within an item larger
    // than a sheet.
    void Put(const ListingRow& row) {
        if (!Fits(1) && BeyondHeading())
            NewSheet();
        Current().Rows.push_back(row);
        if (row.Counts)
            ++counted_;
    }

    const PrintChoice& choice_;
    const ListingPart* part_ = nullptr;
    std::vector<Sheet> sheets_;
    int counted_ = 0;
};

}  // namespace

int RowsThatFit(double height, double topInches, double rowHeight, double unitsPerInch) {
    constexpr double kBottomInches = 0.5;
    const double room = height - (topInches + kBottomInches) * unitsPerInch;
    return std::max(1, static_cast<int>(room / rowHeight));
}

std::array<bool, kPrintSectionCount> DefaultSections(const model::Program& program) {
    std::array<bool, kPrintSectionCount> sections{};
    for (int s = 0; s <= kSetupSection; ++s)
        sections[s] = true;
    sections[kTimerSection] = model::TimerModuleInstalled(program);
    sections[kCounterSection] = model::CounterModuleInstalled(program);
    return sections;
}

std::vector<Sheet> Paginate(const model::Program& program, const PrintChoice& choice) {
    SheetWriter writer(choice);
    for (const ListingPart& part : ProgramListing(program)) {
        if (choice.Sections[SectionOf(part)])
            writer.Print(part);
    }
    return writer.Take();
}

}  // namespace files
