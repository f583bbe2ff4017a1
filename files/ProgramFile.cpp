// Reader and writer of the program file.
#include "files/ProgramFile.h"

#include <cstdio>
#include <utility>

#include "files/AtomicFile.h"
#include "files/ItemReader.h"
#include "model/Cp1252.h"
#include "model/HardwareConfig.h"
#include "model/Program.h"

namespace files {

namespace {

constexpr const char* kBetaVersion = "beta";
constexpr const char* kFirstNamedVersion = "1.1.3";  // I/O names follow the records
constexpr const char* kFirstPanelVersion = "2.2.0";  // panel tables follow the names
constexpr std::size_t kMaxFileBytes = 64u << 20;

// Names an item for the report: a printf pattern with up to two numbers, formatted only when
// the item cannot be read.
struct Where {
    const char* pattern;
    int a = 0;
    int b = 0;
};

// Reads items in file order, stopping for good at the first one that fails and remembering
// which it was.
class Items {
  public:
    Items(std::string_view text, LoadReport& report) : reader_(text), report_(report) {}

    bool Text(const Where& where, std::string& out) {
        if (!ok_)
            return false;
        ok_ = reader_.ReadString(out);
        if (!ok_)
            Fail(where);
        return ok_;
    }

    bool Number(const Where& where, int16_t& out) {
        if (!ok_)
            return false;
        ok_ = reader_.ReadInteger(out);
        if (!ok_)
            Fail(where);
        return ok_;
    }

  private:
    void Fail(const Where& where) {
        char text[96];
        std::snprintf(text, sizeof text, where.pattern, where.a, where.b);
        report_.StoppedAt = text;
        report_.Reason = reader_.Failure();
        report_.Line = reader_.Line();
    }

    ItemReader reader_;
    LoadReport& report_;
    bool ok_ = true;
};

// The patterns of one panel's items: "timer %d name" and so on.
struct PanelWhere {
    const char* name;
    const char* word;
    const char* top;
    const char* bottom;
    const char* panel;
};

constexpr PanelWhere kTimerWhere{"timer %d name", "timer %d word %d", "timer message %d top line",
                                 "timer message %d bottom line", "timer panel word %d"};
constexpr PanelWhere kCounterWhere{"counter %d name", "counter %d word %d",
                                   "counter message %d top line", "counter message %d bottom line",
                                   "counter panel word %d"};

bool ReadPanelTables(Items& items, const PanelWhere& where, model::PanelTables& tables) {
    for (int e = 0; e < model::kEntryCount; ++e) {
        if (!items.Text({where.name, e + 1}, tables.Data[e].Name))
            return false;
        for (int w = 0; w < model::kEntryWordCount; ++w) {
            if (!items.Number({where.word, e + 1, w}, tables.Data[e].Words[w]))
                return false;
        }
    }
    for (int m = 0; m < model::kMessageCount; ++m) {
        if (!items.Text({where.top, m + 1}, tables.Msg[m].Top) ||
            !items.Text({where.bottom, m + 1}, tables.Msg[m].Bottom)) {
            return false;
        }
    }
    for (int w = 0; w < model::kPanelWordCount; ++w) {
        if (!items.Number({where.panel, w}, tables.Panel[w]))
            return false;
    }
    return true;
}

bool ReadBody(Items& items, model::Program& program) {
    std::string first;
    if (!items.Text({"the first line"}, first))
        return false;
    int nextPage = 0;
    if (first == kFileHeader) {
        if (!items.Text({"the version"}, program.FileVersion))
            return false;
    } else {
        program.PageName[0] = first;
        program.FileVersion = kBetaVersion;
        nextPage = 1;
    }
    for (int p = nextPage; p < model::kPageCount; ++p) {
        if (!items.Text({"the name of page %c", model::PageLetter(p)}, program.PageName[p])) {
            return false;
        }
    }
    for (int r = 0; r < model::kRecordCount; ++r) {
        model::PgmRecord& record = program.PgmData[r];
        if (!items.Text({"record %d, comment", r}, record.Comment))
            return false;
        for (int b = 0; b < 4; ++b) {
            if (!items.Number({"record %d, code byte %d", r, b}, record.Code[b]))
                return false;
        }
    }
    const std::string& version = program.FileVersion;
    if (version == kBetaVersion || version < kFirstNamedVersion)
        return true;
    for (int k = 0; k < model::kIONumberCount; ++k) {
        if (!items.Text({"the name of input %d", k}, program.IOName[k][model::kInput]) ||
            !items.Text({"the name of output %d", k}, program.IOName[k][model::kOutput])) {
            return false;
        }
    }
    if (version < kFirstPanelVersion)
        return true;
    return ReadPanelTables(items, kTimerWhere, program.Tmr) &&
           ReadPanelTables(items, kCounterWhere, program.Ctr);
}

void ClearForLoad(model::Program& program) {
    for (std::string& name : program.PageName)
        name.clear();
    for (model::PgmRecord& record : program.PgmData)
        record = model::PgmRecord();
    program.IOName = model::DefaultIONames();
    program.PgmChanged = false;
    program.LoadOK = false;
}

class FileWriter {
  public:
    FileWriter() { out_.reserve(kTypicalSize); }

    void Texts(const std::string& a, const std::string& b) {
        Quoted(a);
        out_ += ',';
        Quoted(b);
        End();
    }
    void Line(const std::string& value) {
        Quoted(value);
        End();
    }
    template <typename Words>
    void Numbers(const Words& words, std::size_t first) {
        for (std::size_t i = first; i < first + 4; ++i) {
            if (i != first)
                out_ += ',';
            out_ += std::to_string(words[i]);
        }
        End();
    }
    std::string Take() { return std::move(out_); }

  private:
    // A full program with long comments is a few hundred kilobytes.
    static constexpr std::size_t kTypicalSize = 256 * 1024;

    void Quoted(const std::string& value) {
        out_ += '"';
        model::AppendStorableText(out_, value);
        out_ += '"';
    }
    void End() { out_ += "\r\n"; }

    std::string out_;
};

void WritePanelTables(FileWriter& out, const model::PanelTables& tables) {
    for (const model::PanelEntry& entry : tables.Data) {
        out.Line(entry.Name);
        for (std::size_t group = 0; group < model::kEntryWordCount; group += 4) {
            out.Numbers(entry.Words, group);
        }
    }
    for (const model::PanelMessage& message : tables.Msg)
        out.Texts(message.Top, message.Bottom);
    out.Numbers(tables.Panel, 0);
}

}  // namespace

std::string LoadReport::Message(const std::string& path) const {
    if (!Opened)
        return path + ": " + Reason;
    if (Complete)
        return {};
    return path + ": reading stopped at line " + std::to_string(Line) + ", " + StoppedAt + ": " +
           Reason;
}

LoadReport ReadProgramText(model::Program& program, std::string_view text) {
    LoadReport report;
    report.Opened = true;
    ClearForLoad(program);
    Items items(text, report);
    report.Complete = ReadBody(items, program);
    program.LoadOK = report.Complete;
    model::RebuildIOType(program);
    return report;
}

LoadReport LoadProgram(model::Program& program, const std::string& path) {
    std::string bytes;
    LoadReport report;
    if (!ReadFilePrefix(path, kMaxFileBytes, bytes, report.Reason))
        return report;
    report = ReadProgramText(program, bytes);
    program.PgmFile = path;
    return report;
}

std::string ProgramFileText(const model::Program& program) {
    FileWriter out;
    out.Line(kFileHeader);
    out.Line(model::kAppVersion);
    for (const std::string& name : program.PageName)
        out.Line(name);
    for (const model::PgmRecord& record : program.PgmData) {
        out.Line(record.Comment);
        out.Numbers(record.Code, 0);
    }
    for (const auto& names : program.IOName)
        out.Texts(names[0], names[1]);
    WritePanelTables(out, program.Tmr);
    WritePanelTables(out, program.Ctr);
    return out.Take();
}

std::string SaveProgram(model::Program& program, const std::string& path) {
    std::string error = WriteFileAtomically(path, ProgramFileText(program));
    if (error.empty()) {
        program.PgmFile = path;
        program.PgmChanged = false;
    }
    return error;
}

}  // namespace files
