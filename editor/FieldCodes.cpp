// Parameter byte encodings of the field editors.
#include "editor/FieldCodes.h"

#include "model/TextFormat.h"

namespace editor {

namespace {

int HexDigit(char c) {
    if (c >= '0' && c <= '9')
        return c - '0';
    if (c >= 'A' && c <= 'F')
        return c - 'A' + 10;
    if (c >= 'a' && c <= 'f')
        return c - 'a' + 10;
    return 0;
}

}  // namespace

int HexPairValue(std::string_view text) {
    if (text.empty())
        return 0;
    const int last = HexDigit(text.back());
    if (text.size() == 1)
        return last;
    return HexDigit(text[text.size() - 2]) * 16 + last;
}

int BcdByte(int number) {
    return HexPairValue(model::Dec(number));
}

int PercentByte(int percent) {
    return (percent / 10) * 16 + percent % 10;
}

}  // namespace editor
