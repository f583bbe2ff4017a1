// Item reader of the program file.
#include "files/ItemReader.h"

#include <cstdlib>

#include "model/Cp1252.h"

namespace files {

bool ItemReader::AtLineEnd() const {
    return pos_ < text_.size() && (text_[pos_] == '\r' || text_[pos_] == '\n');
}

void ItemReader::ConsumeLineEnd() {
    if (text_[pos_] == '\r' && pos_ + 1 < text_.size() && text_[pos_ + 1] == '\n')
        ++pos_;
    ++pos_;
    ++line_;
}

void ItemReader::SkipSeparator() {
    while (pos_ < text_.size() && text_[pos_] != ',' && !AtLineEnd())
        ++pos_;
    if (pos_ >= text_.size())
        return;
    if (text_[pos_] == ',') {
        ++pos_;
    } else {
        ConsumeLineEnd();
    }
}

bool ItemReader::NextItem(std::string& out, bool& quoted) {
    while (pos_ < text_.size() && (text_[pos_] == ' ' || text_[pos_] == '\t'))
        ++pos_;
    itemLine_ = line_;
    if (pos_ >= text_.size()) {
        failure_ = "the file ends here";
        return false;
    }
    std::size_t end;
    quoted = text_[pos_] == '"';
    if (quoted) {
        const std::size_t start = ++pos_;
        while (pos_ < text_.size() && text_[pos_] != '"' && !AtLineEnd())
            ++pos_;
        end = pos_;
        out.assign(text_.substr(start, end - start));
    } else {
        const std::size_t start = pos_;
        while (pos_ < text_.size() && text_[pos_] != ',' && !AtLineEnd())
            ++pos_;
        end = pos_;
        while (end > start && (text_[end - 1] == ' ' || text_[end - 1] == '\t'))
            --end;
        out.assign(text_.substr(start, end - start));
    }
    SkipSeparator();
    if (out.size() > kMaxItemLength) {
        failure_ = "an item is longer than " + std::to_string(kMaxItemLength) + " characters";
        return false;
    }
    return true;
}

bool ItemReader::ReadString(std::string& out) {
    bool quoted = false;
    if (!NextItem(out, quoted))
        return false;
    if (!quoted)
        out = model::StorableText(out);
    return true;
}

bool ItemReader::ReadInteger(int16_t& out) {
    std::string item;
    bool quoted = false;
    if (!NextItem(item, quoted))
        return false;
    if (quoted) {
        failure_ = "a text stands where a number belongs";
        return false;
    }
    std::size_t i = item.size() > 0 && item[0] == '-' ? 1 : 0;
    if (item.size() == i && i == 1) {
        failure_ = "'-' is not a number";
        return false;
    }
    for (std::size_t k = i; k < item.size(); ++k) {
        if (item[k] < '0' || item[k] > '9') {
            failure_ = "'" + item.substr(0, 20) + "' is not a whole number";
            return false;
        }
    }
    const bool tooLong = item.size() - i > 9;
    const long value = item.empty() || tooLong ? 0 : std::strtol(item.c_str(), nullptr, 10);
    if (tooLong || value < -32768 || value > 32767) {
        failure_ = item.substr(0, 20) + " is out of range";
        return false;
    }
    out = static_cast<int16_t>(value);
    return true;
}

}  // namespace files
