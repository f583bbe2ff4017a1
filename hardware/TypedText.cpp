// The typing rules of the hardware dialogs' fields.
#include "hardware/TypedText.h"

#include "model/FieldText.h"

namespace hardware {

std::string TypedName(const std::string& text) {
    return model::WithoutQuotes(text, kNameLength);
}

std::string TypedSpeed(const std::string& text) {
    return model::DigitsOf(text, kSpeedDigits);
}

std::string TypedRegisterByte(const std::string& text) {
    return model::DigitsOf(text, kRegisterByteDigits);
}

}  // namespace hardware
