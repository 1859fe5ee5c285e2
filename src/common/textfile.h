#pragma once
// Reading the plain-text data files: the whole file at once, then line by
// line, each line decoded to UTF-8.
#include <cstddef>
#include <string>
#include <string_view>

namespace vellimar {

// No line of a data file is anywhere near this long. A longer one means the
// file is not a data file at all, and a screen showing it would stall.
constexpr std::size_t MaxLineLength = 64 * 1024;

// Reads the ordinary file at `path` into `content`. On failure, for a
// folder, device or pipe, or when a line is longer than MaxLineLength bytes,
// returns false and sets `error` to a sentence naming the file (and the
// line), fit to show the user.
bool read_data_file(const std::string& path, std::string& content, std::string& error);

// Walks the lines of a file's content. CR LF, a lone CR and a lone LF each
// end a line; the last line may lack its end. A UTF-8 byte-order mark at the
// start is not part of the first line.
class LineCursor {
  public:
    explicit LineCursor(std::string_view content);

    // Gives the next raw line (without its end); false when none is left.
    bool next(std::string_view& line);
    // One-based number of the line last given by next().
    std::size_t line_number() const { return line_number_; }
    bool at_end() const { return pos_ >= data_.size(); }

  private:
    std::string_view data_;
    std::size_t pos_ = 0;
    std::size_t line_number_ = 0;
    std::size_t next_cr_ = std::string_view::npos; // next line-end bytes found, npos before a search
    std::size_t next_lf_ = std::string_view::npos;
};

// A line as UTF-8: kept as it is where it is valid UTF-8, otherwise read as
// Windows-1252.
std::string decode_line(std::string_view raw);

} // namespace vellimar
