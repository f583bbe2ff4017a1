// The typing rules of the hardware dialogs' fields.
#include "hardware/TypedText.h"

#include <cctype>

namespace hardware {

namespace {

template <typename Keep>
std::string Filtered(const std::string& text, size_t most, Keep keep) {
    std::string kept;
    for (char c : text) {
        if (kept.size() < most && keep(static_cast<unsigned char>(c)))
            kept += c;
    }
    return kept;
}

std::string Digits(const std::string& text, int most) {
    return Filtered(text, most, [](unsigned char c) { return std::isdigit(c) != 0; });
}

}  // namespace

std::string TypedName(const std::string& text) {
    return Filtered(text, kNameLength, [](unsigned char c) { return c != '"'; });
}

std::string TypedSpeed(const std::string& text) {
    return Digits(text, kSpeedDigits);
}

std::string TypedRegisterByte(const std::string& text) {
    return Digits(text, kRegisterByteDigits);
}

}  // namespace hardware
