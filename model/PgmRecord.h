// One record of the memory image: a function code with three parameter bytes and a comment.
#pragma once

#include <array>
#include <cstdint>
#include <string>

namespace model {

struct PgmRecord {
    // F, P1, P2, P3. Bytes of the controller's memory held in 16-bit integers; the editors keep
    // them in 0..255, but a file may carry any 16-bit value and the checks report it.
    std::array<int16_t, 4> Code{};
    // Windows-1252 text; never holds a double quote or a line break (see StorableText).
    std::string Comment;

    int F() const { return Code[0]; }
    int P1() const { return Code[1]; }
    int P2() const { return Code[2]; }
    int P3() const { return Code[3]; }
    bool IsBlank() const { return Code == std::array<int16_t, 4>{}; }

    bool operator==(const PgmRecord& other) const {
        return Code == other.Code && Comment == other.Comment;
    }
    bool operator!=(const PgmRecord& other) const { return !(*this == other); }
};

}  // namespace model
