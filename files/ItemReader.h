// Reads the comma- and line-separated items of a program file, one at a time.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace files {

// Items are separated by a comma or a line end (CR LF, LF or CR). A quoted item runs to its
// closing double quote (or the line end) and comes back without the quotes; anything between
// the closing quote and the next separator is skipped. An unquoted item is trimmed of blanks,
// and a double quote inside it becomes an apostrophe, as any text the program stores.
class ItemReader {
  public:
    static constexpr std::size_t kMaxItemLength = 65536;

    explicit ItemReader(std::string_view text) : text_(text) {}

    // Each returns false, with Failure() saying why, when no item of that kind is there.
    bool ReadString(std::string& out);
    // A whole number in -32768..32767, unquoted; an empty item reads as 0.
    bool ReadInteger(int16_t& out);

    const std::string& Failure() const { return failure_; }
    // 1-based line of the item read last, or of the failing one.
    int Line() const { return itemLine_; }

  private:
    bool NextItem(std::string& out, bool& quoted);
    void SkipSeparator();
    bool AtLineEnd() const;
    void ConsumeLineEnd();

    std::string_view text_;
    std::size_t pos_ = 0;
    int line_ = 1;
    int itemLine_ = 1;
    std::string failure_;
};

}  // namespace files
