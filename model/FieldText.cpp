// The typing rules shared by the dialogs' text fields.
#include "model/FieldText.h"

#include <cctype>

namespace model {

namespace {

template <typename Keep>
std::string Kept(const std::string& text, std::size_t most, Keep keep) {
    std::string kept;
    for (char c : text) {
        if (kept.size() < most && keep(static_cast<unsigned char>(c)))
            kept += c;
    }
    return kept;
}

}  // namespace

std::string WithoutQuotes(const std::string& text, std::size_t most) {
    return Kept(text, most, [](unsigned char c) { return c != '"'; });
}

std::string DigitsOf(const std::string& text, std::size_t most) {
    return Kept(text, most, [](unsigned char c) { return std::isdigit(c) != 0; });
}

}  // namespace model
