// Programs made for tests and benchmarks.
#include "tests/support/ProgramFactory.h"

#include "model/HardwareConfig.h"
#include "model/NewProgram.h"

namespace testsupport {

namespace {

std::string RandomText(std::mt19937& rng, std::size_t maxLength) {
    std::uniform_int_distribution<std::size_t> length(0, maxLength);
    std::uniform_int_distribution<int> byte(1, 255);
    std::string text(length(rng), ' ');
    for (char& c : text) {
        int b;
        do {
            b = byte(rng);
        } while (b == '"' || b == '\r' || b == '\n');
        c = static_cast<char>(b);
    }
    // A read trims blanks only around unquoted items, so texts keep their own blanks.
    return text;
}

void RandomPanel(std::mt19937& rng, model::PanelTables& tables) {
    std::uniform_int_distribution<int> word(0, 255);
    for (model::PanelEntry& entry : tables.Data) {
        entry.Name = RandomText(rng, 16);
        for (int16_t& w : entry.Words)
            w = static_cast<int16_t>(word(rng));
    }
    for (model::PanelMessage& message : tables.Msg) {
        message.Top = RandomText(rng, 16);
        message.Bottom = RandomText(rng, 16);
    }
    for (int16_t& w : tables.Panel)
        w = static_cast<int16_t>(word(rng));
}

// A cycle of lines covering the families, valid for the new program's hardware.
const std::array<std::array<int16_t, 4>, 12> kSampleLines{{
    {1, 0x03, 1, 5},
    {2, 0x01, 0x02, 0x03},
    {255, 0x02, 0, 0},
    {254, 0x02, 0, 0},
    {178, 0x04, 0, 1},
    {9, 0, 12, 34},
    {8, 0x01, 0, 0},
    {10, 0, 0, 3},
    {11, 2, 4, 9},
    {32, 163, 4, 1},
    {36, 0x33, 232, 4},
    {40, 0, 0, 0x12},
}};

}  // namespace

model::Program RandomProgram(std::mt19937& rng) {
    model::Program program;
    std::uniform_int_distribution<int> byte(0, 255);
    for (model::PgmRecord& record : program.PgmData) {
        for (int16_t& code : record.Code)
            code = static_cast<int16_t>(byte(rng));
        record.Comment = RandomText(rng, 240);
    }
    for (std::string& name : program.PageName)
        name = RandomText(rng, 30);
    for (auto& names : program.IOName) {
        names[0] = RandomText(rng, 8);
        names[1] = RandomText(rng, 8);
    }
    RandomPanel(rng, program.Tmr);
    RandomPanel(rng, program.Ctr);
    model::RebuildIOType(program);
    return program;
}

model::Program FullProgram() {
    model::Program program;
    model::MakeNewProgram(program);
    const std::string comment(240, 'c');
    for (int page = 0; page < model::kPageCount; ++page) {
        const int base = model::PageBase(page);
        for (int offset = 0; offset <= model::PageLast(page); ++offset) {
            model::PgmRecord& record = program.PgmData[base + offset];
            record.Code = kSampleLines[offset % kSampleLines.size()];
            record.Comment = comment;
        }
        program.PgmData[base + model::PageLast(page)].Code = {12, 0, 0, 0};
    }
    return program;
}

}  // namespace testsupport
