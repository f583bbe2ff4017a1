// The program listing's parts and rows: the texts of the export and the printout.
#include "files/ProgramListing.h"

#include "model/HardwareConfig.h"
#include "model/LineText.h"
#include "model/PageListing.h"
#include "model/Program.h"
#include "model/TextFormat.h"

namespace files {

namespace {

using model::Dec;
using model::Fix2;
using model::SpacedNumber;

constexpr int kEndPage = 12;
constexpr int kRemember = 128;   // option word bit: adjustments saved / changes remembered
constexpr int kSetOrReset = 64;  // option word bit: display set time / allow panel reset
constexpr int kCommentColumn = 21;

ListingRow Row(std::vector<ListingRun> runs) {
    return ListingRow{std::move(runs)};
}

ListingPart Part(PartKind kind, int page = -1) {
    ListingPart part;
    part.Kind = kind;
    part.Page = page;
    return part;
}

ListingRow Bold(const std::string& text) {
    return Row({{1, text, RunStyle::Bold}});
}

ListingPart PagePart(const model::Program& program, int page) {
    ListingPart part = Part(PartKind::Page, page);
    part.Heading = {
        Bold(std::string("Page ") + model::PageLetter(page) + "     " + program.PageName[page]),
        Row({}),
        Row({{1, "Line #       Function Data / "}, {0, "Comment", RunStyle::Italic}}),
    };
    const int base = model::PageBase(page);
    for (int r = base; r <= base + model::PageLast(page); ++r) {
        const std::string number = SpacedNumber(r - base + 1);
        ListingItem line{Row({{1, std::string(5 - number.size(), ' ') + number},
                              {16, model::DescribeLine(program, r)}})};
        for (std::string_view piece : model::CommentPieces(program.PgmData[r].Comment))
            line.push_back({{{kCommentColumn, std::string(piece), RunStyle::Italic}}, false});
        part.Items.push_back(std::move(line));
        if (program.PgmData[r].F() == kEndPage)
            break;
    }
    part.EmptyAfter = 2;
    return part;
}

// Rows "Input k is named X" for every name of the position that is not its own number.
void AddNames(ListingItem& item, const model::Program& program, int base, model::Direction d) {
    const char* word = d == model::kInput ? "Input " : "Output ";
    for (int k = base; k <= base + 9; ++k) {
        const std::string& name = program.IOName[k][d];
        if (model::LeadingNumber(name) != k)
            item.push_back(Row({{22, word + Dec(k) + " is named " + name}}));
    }
}

ListingPart SetupPart(const model::Program& program) {
    ListingPart part = Part(PartKind::Setup);
    part.Heading = {Bold("Setup Data"), Row({})};
    for (const model::BlockPosition& pos : model::BlockPositions()) {
        const model::PgmRecord& reg = program.Register(pos.ConfigRegister);
        std::string fitted = "Not Installed";
        if (reg.Code[0] + reg.Code[1] != 0) {
            fitted = "Installed with " + SpacedNumber(reg.Code[0]) + " inputs  &  " +
                     SpacedNumber(reg.Code[1]) + " outputs";
            if (reg.Code[2] == 1)
                fitted += "  as Analog I/O";
        }
        ListingItem item{Row({{1, pos.Base == 0 ? std::string("MCU ...........")
                                                : "Block" + SpacedNumber(pos.Base) + " ....."},
                              {16, fitted}})};
        AddNames(item, program, pos.Base, model::kInput);
        AddNames(item, program, pos.Base, model::kOutput);
        item.push_back(Row({}));
        part.Items.push_back(std::move(item));
    }
    const auto status = [](const char* word, bool installed) {
        return Row({{1, std::string(word) +
                            (installed ? "Panel is Installed" : "Panel is Not Installed")}});
    };
    part.Tail = {Row({}), status("Timer ", model::TimerModuleInstalled(program)),
                 status("Counter ", model::CounterModuleInstalled(program))};
    return part;
}

// "Message m ......" with the top line after it, then the bottom line on a row of its own.
ListingPart MessagesPart(PartKind kind, const char* title, const model::PanelTables& tables) {
    ListingPart part = Part(kind);
    part.EmptyBefore = 1;
    part.Heading = {Bold(title), Row({})};
    for (int m = 0; m < model::kMessageCount; ++m) {
        const auto line = [](std::vector<ListingRun> runs, const char* label,
                             const std::string& text) {
            runs.push_back({18, label});
            if (!text.empty())
                runs.push_back({32, "'" + text + "'"});
            return Row(std::move(runs));
        };
        part.Items.push_back(
            {line({{1, "Message " + Dec(m + 1) + " ......"}}, "Top Line =", tables.Msg[m].Top),
             line({}, "Bottom Line =", tables.Msg[m].Bottom), Row({})});
    }
    return part;
}

std::string Seconds(const model::PanelEntry& e, int group) {
    const auto& w = e.Words;
    return Fix2(w[group] * 256 + w[group + 1] + w[group + 2] / 100.0);
}

std::string Count(const model::PanelEntry& e, int group) {
    return Dec(e.Words[group] * 256L + e.Words[group + 1]);
}

ListingPart TimersPart(const model::Program& program) {
    ListingPart part = Part(PartKind::TimerEntries);
    part.EmptyBefore = 2;
    part.Heading = {Bold("Timer Panel Setup Data"), Row({})};
    for (int t = 0; t < model::kEntryCount; ++t) {
        const model::PanelEntry& e = program.Tmr.Data[t];
        const int flags = e.Words[12];
        part.Items.push_back({
            Row({{1, "Timer " + Dec(t + 1) + " ......"}, {16, "Named  '" + e.Name + "'"}}),
            Row({{16, "Set Time = " + Seconds(e, 0)},
                 {38, "High Limit = " + Seconds(e, 4)},
                 {60, "Low Limit = " + Seconds(e, 8)}}),
            Row({{16, flags & kSetOrReset ? "Display set time" : "Display time left"},
                 {38, flags & kRemember ? "Allow adjustments to be saved"
                                        : "Do not allow adjustments to be saved"}}),
            Row({}),
        });
    }
    return part;
}

ListingPart CountersPart(const model::Program& program) {
    ListingPart part = Part(PartKind::CounterEntries);
    part.EmptyBefore = 1;
    part.Heading = {Bold("Counter Panel Setup Data"), Row({})};
    for (int c = 0; c < model::kEntryCount; ++c) {
        const model::PanelEntry& e = program.Ctr.Data[c];
        const int flags = e.Words[12];
        const bool rememberCount = program.Ctr.Panel[2] & model::BitOfNumber(c + 1);
        part.Items.push_back({
            Row({{1, "Counter " + Dec(c + 1) + " ..."}, {16, "Named  '" + e.Name + "'"}}),
            Row({{16, "Set Count = " + Count(e, 0)},
                 {38, "High Limit = " + Count(e, 4)},
                 {60, "Low Limit = " + Count(e, 8)}}),
            Row({{16, flags & kRemember ? "Remember changes" : "Do not remember changes"},
                 {46, rememberCount ? "Remember count" : "Do not remember count"}}),
            Row({{16, flags & kSetOrReset ? "Allow panel reset" : "Do not allow panel reset"}}),
            Row({}),
        });
    }
    return part;
}

}  // namespace

std::vector<ListingPart> ProgramListing(const model::Program& program) {
    std::vector<ListingPart> parts;
    parts.reserve(model::kPageCount + 5);
    for (int page = 0; page < model::kPageCount; ++page)
        parts.push_back(PagePart(program, page));
    parts.push_back(SetupPart(program));
    parts.push_back(TimersPart(program));
    parts.push_back(MessagesPart(PartKind::TimerMessages, "Timer Panel Messages", program.Tmr));
    parts.push_back(CountersPart(program));
    parts.push_back(MessagesPart(PartKind::CounterMessages, "Counter Panel Messages", program.Ctr));
    return parts;
}

std::string RowText(const ListingRow& row) {
    std::string line;
    for (const ListingRun& run : row.Runs) {
        if (run.Column > 0)
            model::PadToColumn(line, run.Column);
        line += run.Text;
    }
    return line;
}

}  // namespace files
