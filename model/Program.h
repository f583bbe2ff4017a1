// The one program the tool edits: memory image, names, panel settings and file state.
#pragma once

#include <array>
#include <string>

#include "model/IOTables.h"
#include "model/PageGeometry.h"
#include "model/PanelTables.h"
#include "model/PgmRecord.h"

namespace model {

constexpr const char* kAppVersion = "2.2.1";

class Program {
  public:
    std::array<PgmRecord, kRecordCount> PgmData;
    std::array<std::string, kPageCount> PageName;
    model::IONameTable IOName = model::DefaultIONames();
    // Derived from the configuration registers by model::RebuildIOType; not saved.
    model::IOTypeTable IOType{};
    model::PanelTables Tmr;
    model::PanelTables Ctr;

    std::string PgmFile;      // full path of the program file, empty for a new program
    std::string FileVersion;  // version text of the file last opened, "beta" without header
    bool PgmChanged = false;
    bool LoadOK = false;

    PgmRecord& Register(int reg) { return PgmData[BiosRecord(reg)]; }
    const PgmRecord& Register(int reg) const { return PgmData[BiosRecord(reg)]; }

    // Byte b (0 = A .. 3 = D) of BIOS register reg.
    int RegisterByte(int reg, int b) const { return Register(reg).Code[b]; }
    void SetRegisterByte(int reg, int b, int value) {
        Register(reg).Code[b] = static_cast<int16_t>(value);
    }

    // Everything that a file or a transfer carries (not the file state, not IOType).
    bool SameContent(const Program& other) const;
};

}  // namespace model
