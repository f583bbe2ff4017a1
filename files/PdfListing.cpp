// A minimal PDF 1.4 writer for the listing: the three standard Courier faces need no embedding,
// and a fixed pitch puts every column exactly where the export has it.
#include "files/PdfListing.h"

#include <algorithm>
#include <cstdio>

namespace files {

namespace {

constexpr double kCharWidth = 0.6;   // Courier's advance, in font sizes
constexpr double kLineHeight = 1.2;  // rows apart, in font sizes
constexpr int kFirstFontObject = 3;  // after the catalogue and the page tree

std::string Number(double value) {
    char text[32];
    std::snprintf(text, sizeof text, "%.2f", value);
    return text;
}

// A PDF literal string: the bytes as they are, with its three special characters escaped.
std::string Literal(const std::string& text) {
    std::string out = "(";
    for (char c : text) {
        if (c == '(' || c == ')' || c == '\\')
            out += '\\';
        out += c;
    }
    return out + ")";
}

int FontOf(RunStyle style) {
    switch (style) {
        case RunStyle::Bold:
            return 2;
        case RunStyle::Italic:
            return 3;
        default:
            return 1;
    }
}

std::string PageContent(const Sheet& sheet, const PdfSheetSetup& setup) {
    const double size = setup.FontPoints;
    const double left = setup.LeftInches * kPointsPerInch;
    std::string content;
    for (std::size_t r = 0; r < sheet.Rows.size(); ++r) {
        const double baseline = setup.HeightPoints - setup.TopInches * kPointsPerInch -
                                (static_cast<double>(r) + 0.8) * size * kLineHeight;
        double x = left;
        for (const ListingRun& run : sheet.Rows[r].Runs) {
            if (run.Column > 0)
                x = std::max(x, left + (run.Column - 1) * size * kCharWidth);
            content += "BT /F" + std::to_string(FontOf(run.Style)) + " " + Number(size) + " Tf " +
                       Number(x) + " " + Number(baseline) + " Td " + Literal(run.Text) + " Tj ET\n";
            x += static_cast<double>(run.Text.size()) * size * kCharWidth;
        }
    }
    return content;
}

class PdfObjects {
  public:
    PdfObjects() { out_ = "%PDF-1.4\n%\xE2\xE3\xCF\xD3\n"; }

    void Add(int number, const std::string& body) {
        offsets_.resize(std::max<std::size_t>(offsets_.size(), number));
        offsets_[number - 1] = out_.size();
        out_ += std::to_string(number) + " 0 obj\n" + body + "\nendobj\n";
    }

    std::string Finish() {
        const std::size_t xref = out_.size();
        out_ += "xref\n0 " + std::to_string(offsets_.size() + 1) + "\n0000000000 65535 f \n";
        for (std::size_t offset : offsets_) {
            char entry[24];
            std::snprintf(entry, sizeof entry, "%010zu 00000 n \n", offset);
            out_ += entry;
        }
        out_ += "trailer\n<< /Size " + std::to_string(offsets_.size() + 1) +
                " /Root 1 0 R >>\nstartxref\n" + std::to_string(xref) + "\n%%EOF\n";
        return std::move(out_);
    }

  private:
    std::string out_;
    std::vector<std::size_t> offsets_;
};

}  // namespace

int PdfRowsThatFit(const PdfSheetSetup& setup) {
    return RowsThatFit(setup.HeightPoints, setup.TopInches, setup.FontPoints * kLineHeight,
                       kPointsPerInch);
}

std::string PdfDocument(const std::vector<Sheet>& sheets, const PdfSheetSetup& setup) {
    PdfObjects pdf;
    pdf.Add(1, "<< /Type /Catalog /Pages 2 0 R >>");
    const char* faces[] = {"Courier", "Courier-Bold", "Courier-Oblique"};
    for (int f = 0; f < 3; ++f) {
        pdf.Add(kFirstFontObject + f, std::string("<< /Type /Font /Subtype /Type1 /BaseFont /") +
                                          faces[f] + " /Encoding /WinAnsiEncoding >>");
    }
    const int firstPage = kFirstFontObject + 3;
    std::string kids;
    for (std::size_t s = 0; s < sheets.size(); ++s) {
        const int page = firstPage + 2 * static_cast<int>(s);
        kids += std::to_string(page) + " 0 R ";
        const std::string content = PageContent(sheets[s], setup);
        pdf.Add(page, "<< /Type /Page /Parent 2 0 R /MediaBox [0 0 " + Number(setup.WidthPoints) +
                          " " + Number(setup.HeightPoints) +
                          "] /Resources << /Font << /F1 3 0 R /F2 4 0 R /F3 5 0 R >> >>"
                          " /Contents " +
                          std::to_string(page + 1) + " 0 R >>");
        pdf.Add(page + 1, "<< /Length " + std::to_string(content.size()) + " >>\nstream\n" +
                              content + "endstream");
    }
    pdf.Add(2,
            "<< /Type /Pages /Kids [" + kids + "] /Count " + std::to_string(sheets.size()) + " >>");
    return pdf.Finish();
}

}  // namespace files
