// The print dialog's box rules.
#include "files/PrintBoxes.h"

#include <cctype>

#include "model/TextFormat.h"

namespace files {

std::string TypedPrintBox(PrintBox box, const std::string& text) {
    std::string kept;
    for (char c : text) {
        if (std::isdigit(static_cast<unsigned char>(c)) || (c == '.' && box != PrintBox::Lines))
            kept += c;
    }
    return kept;
}

double PrintBoxValue(const std::string& text) {
    return model::LeadingNumber(text);
}

std::string PrintBoxProblem(PrintBox box, double value) {
    switch (box) {
        case PrintBox::LeftMargin:
            return value < kLeastMargin ? "Left margin must be at least 0.1 inches" : "";
        case PrintBox::TopMargin:
            return value < kLeastMargin ? "Top margin must be at least 0.1 inches" : "";
        case PrintBox::Lines:
            return value < 1 ? "Must have at least one line on a page" : "";
    }
    return "";
}

}  // namespace files
