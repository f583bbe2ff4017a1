// The text export.
#include "files/TextExport.h"

#include "files/AtomicFile.h"
#include "model/HardwareConfig.h"
#include "model/LineText.h"
#include "model/PageListing.h"
#include "model/Program.h"
#include "model/TextFormat.h"

namespace files {

namespace {

using model::Dec;
using model::Fix2;
using model::PadToColumn;
using model::SpacedNumber;

constexpr int kEndPage = 12;
constexpr int kRemember = 128;   // option word bit: adjustments saved / changes remembered
constexpr int kSetOrReset = 64;  // option word bit: display set time / allow panel reset

class Listing {
  public:
    // A full program exports to about 200 KB; growing by doubling would copy it several times.
    Listing() { out_.reserve(256 * 1024); }

    void Line(const std::string& text = std::string()) {
        out_ += text;
        out_ += "\r\n";
    }
    std::string Take() { return std::move(out_); }

  private:
    std::string out_;
};

// `text` placed at 1-based column `column` of `line`.
std::string& At(std::string& line, int column, const std::string& text) {
    PadToColumn(line, column);
    line += text;
    return line;
}

void ExportPage(Listing& out, const model::Program& program, int page) {
    out.Line(std::string("Page ") + model::PageLetter(page) + "     " + program.PageName[page]);
    out.Line();
    out.Line("Line #       Function Data / Comment");
    const int base = model::PageBase(page);
    for (int r = base; r <= base + model::PageLast(page); ++r) {
        const std::string number = SpacedNumber(r - base + 1);
        out.Line(std::string(5 - number.size(), ' ') + number + std::string(10, ' ') +
                 model::DescribeLine(program, r));
        for (std::string_view piece : model::CommentPieces(program.PgmData[r].Comment)) {
            out.Line(model::CommentRowText(piece));
        }
        if (program.PgmData[r].F() == kEndPage)
            break;
    }
    out.Line();
    out.Line();
}

// Lines "Input k is named X" for every name of the position that is not its own number.
void ExportNames(Listing& out, const model::Program& program, int base, model::Direction d) {
    const char* word = d == model::kInput ? "Input " : "Output ";
    for (int k = base; k <= base + 9; ++k) {
        const std::string& name = program.IOName[k][d];
        if (model::LeadingNumber(name) == k)
            continue;
        std::string line;
        out.Line(At(line, 22, word + Dec(k) + " is named " + name));
    }
}

void ExportSetup(Listing& out, const model::Program& program) {
    out.Line("Setup Data");
    out.Line();
    for (const model::BlockPosition& pos : model::BlockPositions()) {
        const model::PgmRecord& reg = program.Register(pos.ConfigRegister);
        std::string line =
            pos.Base == 0 ? "MCU ..........." : "Block" + SpacedNumber(pos.Base) + " .....";
        if (reg.Code[0] + reg.Code[1] != 0) {
            At(line, 16,
               "Installed with " + SpacedNumber(reg.Code[0]) + " inputs  &  " +
                   SpacedNumber(reg.Code[1]) + " outputs");
            if (reg.Code[2] == 1)
                line += "  as Analog I/O";
        } else {
            At(line, 16, "Not Installed");
        }
        out.Line(line);
        ExportNames(out, program, pos.Base, model::kInput);
        ExportNames(out, program, pos.Base, model::kOutput);
        out.Line();
    }
    out.Line();
    out.Line(std::string("Timer ") + (model::TimerModuleInstalled(program)
                                          ? "Panel is Installed"
                                          : "Panel is Not Installed"));
    out.Line(std::string("Counter ") + (model::CounterModuleInstalled(program)
                                            ? "Panel is Installed"
                                            : "Panel is Not Installed"));
}

// "Message m ......" with the top line after it, then the bottom line on a line of its own.
void ExportMessages(Listing& out, const model::PanelTables& tables) {
    for (int m = 0; m < model::kMessageCount; ++m) {
        std::string line = "Message " + Dec(m + 1) + " ......";
        const std::pair<const char*, const std::string*> texts[] = {
            {"Top Line =", &tables.Msg[m].Top}, {"Bottom Line =", &tables.Msg[m].Bottom}};
        for (const auto& [label, text] : texts) {
            At(line, 18, label);
            if (!text->empty())
                At(line, 32, "'" + *text + "'");
            out.Line(line);
            line.clear();
        }
        out.Line();
    }
}

std::string Seconds(const model::PanelEntry& e, int group) {
    const auto& w = e.Words;
    return Fix2(w[group] * 256 + w[group + 1] + w[group + 2] / 100.0);
}

void ExportTimers(Listing& out, const model::Program& program) {
    out.Line();
    out.Line();
    out.Line("Timer Panel Setup Data");
    out.Line();
    for (int t = 0; t < model::kEntryCount; ++t) {
        const model::PanelEntry& e = program.Tmr.Data[t];
        std::string line = "Timer " + Dec(t + 1) + " ......";
        out.Line(At(line, 16, "Named  '" + e.Name + "'"));
        line.clear();
        At(line, 16, "Set Time = " + Seconds(e, 0));
        At(line, 38, "High Limit = " + Seconds(e, 4));
        out.Line(At(line, 60, "Low Limit = " + Seconds(e, 8)));
        line.clear();
        At(line, 16, e.Words[12] & kSetOrReset ? "Display set time" : "Display time left");
        out.Line(At(line, 38,
                    e.Words[12] & kRemember ? "Allow adjustments to be saved"
                                            : "Do not allow adjustments to be saved"));
        out.Line();
    }
    out.Line();
    out.Line("Timer Panel Messages");
    out.Line();
    ExportMessages(out, program.Tmr);
}

std::string Count(const model::PanelEntry& e, int group) {
    return Dec(e.Words[group] * 256L + e.Words[group + 1]);
}

void ExportCounters(Listing& out, const model::Program& program) {
    out.Line();
    out.Line("Counter Panel Setup Data");
    out.Line();
    for (int c = 0; c < model::kEntryCount; ++c) {
        const model::PanelEntry& e = program.Ctr.Data[c];
        std::string line = "Counter " + Dec(c + 1) + " ...";
        out.Line(At(line, 16, "Named  '" + e.Name + "'"));
        line.clear();
        At(line, 16, "Set Count = " + Count(e, 0));
        At(line, 38, "High Limit = " + Count(e, 4));
        out.Line(At(line, 60, "Low Limit = " + Count(e, 8)));
        line.clear();
        At(line, 16, e.Words[12] & kRemember ? "Remember changes" : "Do not remember changes");
        const bool rememberCount = program.Ctr.Panel[2] & model::BitOfNumber(c + 1);
        out.Line(At(line, 46, rememberCount ? "Remember count" : "Do not remember count"));
        line.clear();
        out.Line(At(line, 16,
                    e.Words[12] & kSetOrReset ? "Allow panel reset" : "Do not allow panel reset"));
        out.Line();
    }
    out.Line();
    out.Line("Counter Panel Messages");
    out.Line();
    ExportMessages(out, program.Ctr);
}

}  // namespace

std::string ExportText(const model::Program& program) {
    Listing out;
    for (int page = 0; page < model::kPageCount; ++page)
        ExportPage(out, program, page);
    ExportSetup(out, program);
    ExportTimers(out, program);
    ExportCounters(out, program);
    return out.Take();
}

std::string ExportProgram(const model::Program& program, const std::string& path) {
    return WriteFileAtomically(path, ExportText(program));
}

}  // namespace files
