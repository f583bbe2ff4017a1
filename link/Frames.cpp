// Building and checking the link's frames.
#include "link/Frames.h"

namespace comm {

uint8_t Sum8(const uint8_t* bytes, std::size_t count) {
    unsigned sum = 0;
    for (std::size_t i = 0; i < count; ++i)
        sum += bytes[i];
    return static_cast<uint8_t>(sum & 0xFF);
}

Frame MakeFrame(const Request& request) {
    Frame frame{};
    for (std::size_t i = 0; i < request.size(); ++i)
        frame[i] = request[i];
    frame[7] = Sum8(request.data(), request.size());
    return frame;
}

Frame MakePpMessage(uint8_t command, uint8_t page, uint8_t offset, const LineBytes& line) {
    return MakeFrame({command, page, offset, line[0], line[1], line[2], line[3]});
}

namespace {

struct UnitMark {
    Unit Which;
    uint8_t Kind;
    uint8_t Type;
};

constexpr std::array<UnitMark, 3> kMarks{{
    {Unit::Mcu, 0x55, 0xF0},
    {Unit::Cim, 0x5A, 0xFA},
    {Unit::Pp, 0xAA, 0x0F},
}};

}  // namespace

std::optional<Unit> UnitOfIdentification(uint8_t kind, uint8_t type) {
    for (const UnitMark& mark : kMarks) {
        if (mark.Kind == kind && mark.Type == type)
            return mark.Which;
    }
    return std::nullopt;
}

bool IsIdentificationKind(uint8_t byte) {
    for (const UnitMark& mark : kMarks) {
        if (mark.Kind == byte)
            return true;
    }
    return false;
}

std::array<uint8_t, 4> IdentificationOf(Unit unit, uint8_t interfaceVersion) {
    for (const UnitMark& mark : kMarks) {
        if (mark.Which == unit) {
            std::array<uint8_t, 4> message{mark.Kind, mark.Type, interfaceVersion, 0};
            message[3] = Sum8(message.data(), 3);
            return message;
        }
    }
    return {};
}

bool ReplyDataIntact(const uint8_t* reply) {
    return Sum8(reply + 1, 4) == reply[5];
}

}  // namespace comm
