// Timer and counter panel settings to and from the CIM's memory, four bytes a request.
#pragma once

#include <array>
#include <cstdint>
#include <string>

#include "link/Frames.h"
#include "link/LinkObserver.h"
#include "link/LinkResult.h"
#include "model/PanelTables.h"

namespace model {
class Program;
}

namespace comm {

class LinkSession;

// Where a panel's settings sit in the CIM's memory.
constexpr int kEntryAddress = 0x0000;    // entry e at + 32 e: name, then its sixteen words
constexpr int kMessageAddress = 0x0100;  // message m at + 32 m: top line, bottom line
constexpr int kPanelAddress = 0x0400;    // the four panel words
constexpr std::size_t kTextField = 16;

// A text as the CIM holds it: left-aligned, padded with blanks or cut to 16 bytes.
std::array<uint8_t, kTextField> TextField(const std::string& text);
// The text of a field: its 16 bytes without the trailing blanks.
std::string FieldText(const std::array<uint8_t, kTextField>& field);

class CimTransfer {
  public:
    explicit CimTransfer(LinkSession& link) : link_(link) {}

    // Writes every entry, message and the panel words, then shows the panel's "transferred to
    // CIM" message.
    LinkResult Send(const model::PanelTables& tables, PanelKind kind);
    // Reads them into fresh tables that replace the program's only when all blocks are in;
    // then marks the module installed (register 120 or 122 byte A = 8).
    LinkResult Read(model::Program& program, PanelKind kind);

    // One block of four bytes at MemAddrHi/MemAddrLo, which then advance by 4. False when the
    // CIM does not answer rightly (the failure has been reported).
    bool WriteMemBlock(bool showProgress, const LineBytes& data);
    bool ReadMemBlock(bool showProgress, LineBytes& data);

    void SetAddress(int address);

  private:
    void ShowProgress(bool show);
    void Advance();
    bool WriteText(const std::string& text);
    bool ReadText(std::string& text);

    LinkSession& link_;
    uint8_t MemAddrHi = 0;
    uint8_t MemAddrLo = 0;
    LinkResult failure_;
};

}  // namespace comm
