#pragma once
// Reading the plain-text data files line by line, a block at a time, each
// line decoded to UTF-8; and quoting their texts in messages.
#include <cstddef>
#include <cstdint>
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

// Reads a data file line by line, a block at a time, so that a file of any
// size is read in little memory. CR LF, a lone CR and a lone LF each end a
// line; the last line may lack its end. A file that starts with a UTF-16
// byte-order mark (little or big endian) is decoded to UTF-8 as it is read;
// a byte-order mark at the start of the file, or of any line (files joined
// one after another), is not part of the line. A line longer than
// MaxLineLength bytes stops the reading with an error.
class LineReader {
  public:
    // Large enough that a block read costs little next to its lines.
    static constexpr std::size_t DefaultBlock = 1 << 18;
    // `block` is the size of the first read; tests and fuzzing make it small
    // so that lines straddle blocks.
    explicit LineReader(std::size_t block = DefaultBlock) : block_(block < 1 ? 1 : block) {}

    // Opens the file at `path`; a file of more than `largest` bytes (0: no
    // limit) is refused, before reading or when it grows while being read.
    // On failure, for a folder, device or pipe, returns false and sets
    // `error` to a sentence naming the file, fit to show the user.
    bool open(const std::string& path, std::string& error, std::uint64_t largest = 0);
    // Reads the lines of `content` instead, named `name` in messages.
    void open_text(std::string_view content, const std::string& name);

    // Gives the next raw line (without its end), valid until the next call;
    // false at the end of the file or when reading failed (see error()).
    bool next(std::string_view& line);
    // Passes over the lines before the next one that contains `needle` (a
    // text without line ends) in one search, so that next() gives that line;
    // false when no line does.
    bool skip_to_line_containing(std::string_view needle);
    // One-based number of the line last given by next().
    std::size_t line_number() const { return line_number_; }
    // Why reading stopped short, naming the file; empty when it did not.
    const std::string& error() const { return error_; }
    // The file's path, or the name given with the content.
    const std::string& name() const { return path_; }

  private:
    enum class Encoding { Utf8, Utf16Le, Utf16Be };
    void start(); // tells the encoding from the first bytes
    // Keeps the unread bytes and reads more after them; false when nothing
    // more came.
    bool fill();
    // Up to `size` bytes of the file into `to`; 0 at its end or on failure.
    std::size_t read_source(char* to, std::size_t size);
    // Decodes the next UTF-16 bytes to UTF-8 after end_; false at the end.
    bool fill_utf16();
    // First CR or LF at or after `from`, or end_ when there is none yet.
    std::size_t line_end_from(std::size_t from);
    // The lines ended in [from, to), both line starts.
    std::size_t lines_between(std::size_t from, std::size_t to) const;

    std::size_t block_;
    std::unique_ptr<std::FILE, FileCloser> file_;
    std::string_view text_; // the content read instead of a file
    bool open_ = false;
    std::string path_;
    std::uint64_t largest_ = 0;
    std::uint64_t consumed_ = 0; // bytes taken from the file
    Encoding encoding_ = Encoding::Utf8;
    std::string undecoded_; // UTF-16 bytes read but not yet decoded
    bool source_done_ = false;
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

// The end of a file message, in English whatever the user's locale: the
// reason for the system error `number` ("No such file or directory").
std::string system_error_reason(int number);

// A file's path as a message names it: the bytes that are not UTF-8 (a
// folder named in another encoding) written as \xHH, and the invisible
// characters spelt out as visible_text() does.
std::string path_in_message(std::string_view path);

// A text in double quotes, as messages name files and quote file texts.
std::string in_quotes(std::string_view text);
// Whether `part` stands anywhere in `text`.
bool contains(std::string_view text, std::string_view part);

// Whether `text` is well-formed UTF-8 (no overlong forms, surrogates or
// code points beyond U+10FFFF).
bool valid_utf8(std::string_view text);

// A line as UTF-8: kept as it is where it is valid UTF-8, otherwise read as
// Windows-1252.
std::string decode_line(std::string_view raw);

// The same without a copy when `raw` is already valid UTF-8 (the usual
// case); otherwise the decoded text is put in `scratch` and viewed there.
std::string_view decoded_view(std::string_view raw, std::string& scratch);

// A UTF-8 text with its control and invisible characters spelt out, so that
// a message quoting it shows what stands there: NUL as \0, the others as
// <U+FEFF>, <U+00A0> and so on.
std::string visible_text(std::string_view utf8);

// The start of a raw text, fit to quote in a message: decoded as a line is,
// cut at a character boundary after at most `longest` bytes, with "..."
// where it was cut, and its invisible characters spelt out.
std::string excerpt(std::string_view raw, std::size_t longest);

// Characters as the screens count them (UTF-16 code units): a character
// beyond U+FFFF counts two.
std::size_t screen_length(std::string_view utf8);

} // namespace vellimar
