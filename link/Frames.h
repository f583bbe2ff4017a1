// The bytes the PC and the units exchange: request frames, identification messages, Pocket
// Programmer messages and their 8-bit sums.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <optional>

namespace comm {

using Frame = std::array<uint8_t, 8>;
using Request = std::array<uint8_t, 7>;
using LineBytes = std::array<uint8_t, 4>;

enum Command : uint8_t {
    kWriteLine = 1,
    kReadLine = 2,
    kRun = 4,
    kWriteMemory = 5,
    kReadMemory = 6,
    kSpeed = 240,
};

// Pocket Programmer message commands.
enum PpCommand : uint8_t { kPpHereIsLine = 1, kPpSendMeLine = 2 };

enum class Unit { Mcu, Cim, Pp };

// (bytes[0] + ... + bytes[count - 1]) mod 256.
uint8_t Sum8(const uint8_t* bytes, std::size_t count);

// The seven bytes followed by their sum.
Frame MakeFrame(const Request& request);

// A Pocket Programmer message: command, page, offset, the line's four bytes and the sum.
Frame MakePpMessage(uint8_t command, uint8_t page, uint8_t offset, const LineBytes& line);

// The unit an identification's kind and type bytes name, if they are one of the three pairs.
std::optional<Unit> UnitOfIdentification(uint8_t kind, uint8_t type);

// True for the first byte an identification message may start with.
bool IsIdentificationKind(uint8_t byte);

// The kind and type bytes of a unit, and its full four-byte identification message.
std::array<uint8_t, 4> IdentificationOf(Unit unit, uint8_t interfaceVersion);

// A six-byte read reply (echo, four data bytes, their sum): true when the data bytes add up.
bool ReplyDataIntact(const uint8_t* reply);

}  // namespace comm
