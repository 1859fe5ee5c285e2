#pragma once
// Reading the plain-text data files: the whole file at once, then line by
// line, each line decoded to UTF-8.
#include <cstddef>
#include <cstdio>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

namespace vellimar {

// No line of a data file is anywhere near this long. A longer one means the
// file is not a data file at all, and a screen showing it would stall.
constexpr std::size_t MaxLineLength = 64 * 1024;

// Closes a C file when its owner goes.
struct FileCloser {
    void operator()(std::FILE* file) const { std::fclose(file); }
};

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
    // Passes over the lines before the next one that contains `needle` (a
    // text without line ends) in one search, so that next() gives that line;
    // false, with nothing left, when no line does.
    bool skip_to_line_containing(std::string_view needle);
    // One-based number of the line last given by next().
    std::size_t line_number() const;
    bool at_end() const { return pos_ >= data_.size(); }

  private:
    std::string_view data_;
    std::size_t pos_ = 0;
    std::size_t line_start_ = 0; // of the line last given
    // Lines passed by a skip are counted only when a number is asked for:
    // `counted_` lines start before `counted_to_`.
    mutable std::size_t counted_ = 0;
    mutable std::size_t counted_to_ = 0;
    std::size_t next_cr_ = std::string_view::npos; // next line-end bytes found, npos before a search
    std::size_t next_lf_ = std::string_view::npos;
};

// Reads a data file line by line, a block at a time, so that a file of any
// size is read in little memory. Lines end as for LineCursor, and a UTF-8
// byte-order mark at the start is not part of the first line.
class LineReader {
  public:
    // Large enough that a block read costs little next to its lines.
    static constexpr std::size_t DefaultBlock = 1 << 18;
    // `block` is the size of the first read; tests and fuzzing make it small
    // so that lines straddle blocks.
    explicit LineReader(std::size_t block = DefaultBlock) : block_(block < 1 ? 1 : block) {}

    // Opens the file at `path`. On failure returns false and sets `error` as
    // read_data_file does.
    bool open(const std::string& path, std::string& error);

    // Gives the next raw line (without its end), valid until the next call;
    // false at the end of the file or when reading failed (see error()).
    bool next(std::string_view& line);
    // One-based number of the line last given by next().
    std::size_t line_number() const { return line_number_; }
    // Why reading stopped short, naming the file; empty when it did not.
    const std::string& error() const { return error_; }

  private:
    // Keeps the unread bytes and reads more after them; false when nothing
    // more came.
    bool fill();
    // First CR or LF at or after `from`, or end_ when there is none yet.
    std::size_t line_end_from(std::size_t from);

    std::size_t block_;
    std::unique_ptr<std::FILE, FileCloser> file_;
    std::string path_;
    std::vector<char> buffer_;
    std::size_t pos_ = 0; // unread bytes are [pos_, end_)
    std::size_t end_ = 0;
    bool at_eof_ = false;
    std::size_t line_number_ = 0;
    std::string error_;
    // Line-end bytes found ahead, npos when not searched or gone.
    std::size_t next_cr_ = std::string_view::npos;
    std::size_t next_lf_ = std::string_view::npos;
};

// A text in double quotes, as messages name files and quote file texts.
std::string in_quotes(std::string_view text);
// Whether `part` stands anywhere in `text`.
bool contains(std::string_view text, std::string_view part);

// A line as UTF-8: kept as it is where it is valid UTF-8, otherwise read as
// Windows-1252.
std::string decode_line(std::string_view raw);

// The start of a raw text, fit to quote in a message: decoded as a line is,
// and cut at a character boundary after at most `longest` bytes, with "..."
// where it was cut.
std::string excerpt(std::string_view raw, std::size_t longest);

// The same without a copy when `raw` is already valid UTF-8 (the usual
// case); otherwise the decoded text is put in `scratch` and viewed there.
std::string_view decoded_view(std::string_view raw, std::string& scratch);

} // namespace vellimar
