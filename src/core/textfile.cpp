#include "core/textfile.h"

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <memory>
#include <sys/stat.h>

namespace vellimar {

namespace {

// Opens a data file for reading, or says why it cannot be.
std::FILE* open_data_file(const std::string& path, std::string& error) {
    struct stat info {};
    if (::stat(path.c_str(), &info) == 0 && !S_ISREG(info.st_mode)) {
        // A device may never end and opening a pipe waits for a writer.
        error = "The data file " + in_quotes(path) + " could not be read: " +
                (S_ISDIR(info.st_mode) ? "it is a folder, not a file." : "it is not an ordinary file.");
        return nullptr;
    }
    std::FILE* file = std::fopen(path.c_str(), "rb");
    if (!file)
        error = "The data file " + in_quotes(path) + " could not be opened: " + std::strerror(errno) + ".";
    return file;
}

std::string line_too_long(const std::string& path, std::size_t line_number) {
    return "The data file " + in_quotes(path) + " cannot be used: line " + std::to_string(line_number) +
           " is longer than " + std::to_string(MaxLineLength) + " bytes.";
}

std::string read_failure(const std::string& path) {
    return "The data file " + in_quotes(path) + " could not be read: " + std::strerror(errno) + ".";
}

constexpr std::string_view ByteOrderMark = "\xEF\xBB\xBF";

// Whether a line is longer than MaxLineLength, without walking every line:
// from a line's start, the last line end within MaxLineLength + 1 bytes starts
// the next window, so a file of short lines costs a few steps per 64 KiB.
bool has_overlong_line(std::string_view content) {
    std::size_t start = content.substr(0, ByteOrderMark.size()) == ByteOrderMark ? ByteOrderMark.size() : 0;
    while (content.size() - start > MaxLineLength) {
        const char* window = content.data() + start;
        const auto* cr = static_cast<const char*>(::memrchr(window, '\r', MaxLineLength + 1));
        const auto* lf = static_cast<const char*>(::memrchr(window, '\n', MaxLineLength + 1));
        if (!cr && !lf)
            return true;
        start = static_cast<std::size_t>(std::max(cr, lf) - content.data()) + 1;
    }
    return false;
}

} // namespace

bool read_data_file(const std::string& path, std::string& content, std::string& error) {
    content.clear();
    std::unique_ptr<std::FILE, FileCloser> file(open_data_file(path, error));
    if (!file)
        return false;
    // One allocation for the usual case of a regular file.
    struct stat info {};
    if (::fstat(::fileno(file.get()), &info) == 0 && info.st_size > 0)
        content.reserve(static_cast<std::size_t>(info.st_size));
    char buffer[1 << 16];
    std::size_t got = 0;
    while ((got = std::fread(buffer, 1, sizeof buffer, file.get())) > 0)
        content.append(buffer, got);
    if (std::ferror(file.get())) {
        error = read_failure(path);
        content.clear();
        return false;
    }
    if (!has_overlong_line(content))
        return true;
    LineCursor cursor(content);
    std::string_view line;
    while (cursor.next(line) && line.size() <= MaxLineLength) {
    }
    error = line_too_long(path, cursor.line_number());
    content.clear();
    return false;
}

LineCursor::LineCursor(std::string_view content) : data_(content) {
    if (data_.substr(0, ByteOrderMark.size()) == ByteOrderMark)
        pos_ = ByteOrderMark.size();
    counted_to_ = pos_;
}

namespace {

// Position of the first `c` at or after `from`, or the size when there is none.
std::size_t find_byte(std::string_view data, std::size_t from, char c) {
    const void* hit = std::memchr(data.data() + from, c, data.size() - from);
    return hit ? static_cast<std::size_t>(static_cast<const char*>(hit) - data.data()) : data.size();
}

} // namespace

bool LineCursor::next(std::string_view& line) {
    if (pos_ >= data_.size())
        return false;
    // memchr is many times faster than find_first_of on large tables. Each
    // hit is kept until passed, so a file with only one kind of line end is
    // not searched to its end again for the other kind on every line.
    if (next_cr_ == std::string_view::npos || next_cr_ < pos_)
        next_cr_ = find_byte(data_, pos_, '\r');
    if (next_lf_ == std::string_view::npos || next_lf_ < pos_)
        next_lf_ = find_byte(data_, pos_, '\n');
    std::size_t end = std::min(next_cr_, next_lf_);
    line_start_ = pos_;
    if (end == data_.size()) {
        line = data_.substr(pos_);
        pos_ = data_.size();
    } else {
        line = data_.substr(pos_, end - pos_);
        pos_ = end + 1;
        if (data_[end] == '\r' && pos_ < data_.size() && data_[pos_] == '\n')
            ++pos_;
    }
    if (counted_to_ == line_start_) {
        ++counted_;
        counted_to_ = pos_;
    }
    return true;
}

bool LineCursor::skip_to_line_containing(std::string_view needle) {
    const std::size_t hit = data_.find(needle, pos_);
    if (hit == std::string_view::npos) {
        pos_ = data_.size();
        return false;
    }
    std::size_t start = hit;
    while (start > pos_ && data_[start - 1] != '\r' && data_[start - 1] != '\n')
        --start;
    pos_ = start;
    return true;
}

std::size_t LineCursor::line_number() const {
    if (counted_to_ <= line_start_ && line_start_ < pos_) {
        // Count the line ends passed since: CR LF, a lone CR and a lone LF
        // each end one line. Both ends of the stretch are line starts.
        for (std::size_t i = counted_to_; i < line_start_; ++i) {
            if (data_[i] == '\n' || (data_[i] == '\r' && data_[i + 1] != '\n'))
                ++counted_;
        }
        ++counted_; // the line last given
        counted_to_ = pos_;
    }
    return counted_;
}

namespace {} // namespace

bool LineReader::open(const std::string& path, std::string& error) {
    const std::size_t block = block_;
    *this = LineReader(block);
    file_.reset(open_data_file(path, error));
    if (!file_)
        return false;
    path_ = path;
    buffer_.resize(block_);
    // Enough bytes to tell a byte-order mark, however small the block.
    while (end_ < ByteOrderMark.size() && fill()) {
    }
    if (!error_.empty()) {
        error = error_;
        file_.reset();
        return false;
    }
    if (std::string_view(buffer_.data(), end_).substr(0, ByteOrderMark.size()) == ByteOrderMark)
        pos_ = ByteOrderMark.size();
    return true;
}

bool LineReader::fill() {
    if (at_eof_ || !file_)
        return false;
    // The unread bytes move to the front; a line longer than the buffer grows it.
    const std::size_t shift = pos_;
    if (shift > 0) {
        std::memmove(buffer_.data(), buffer_.data() + shift, end_ - shift);
        pos_ = 0;
        end_ -= shift;
    }
    if (end_ == buffer_.size())
        buffer_.resize(buffer_.size() * 2);
    // A line end found before stays found; "none before end_" must be looked for again.
    for (std::size_t* found : {&next_cr_, &next_lf_})
        *found = (*found == std::string_view::npos || *found >= end_ + shift) ? std::string_view::npos
                                                                              : *found - shift;
    const std::size_t got = std::fread(buffer_.data() + end_, 1, buffer_.size() - end_, file_.get());
    end_ += got;
    if (got > 0)
        return true;
    at_eof_ = true;
    if (std::ferror(file_.get()))
        error_ = read_failure(path_);
    return false;
}

std::size_t LineReader::line_end_from(std::size_t from) {
    // As in LineCursor: each hit is kept until passed, so a file with only one
    // kind of line end is not searched to the end of the block on every line.
    std::string_view data(buffer_.data(), end_);
    if (next_cr_ == std::string_view::npos || next_cr_ < from)
        next_cr_ = find_byte(data, from, '\r');
    if (next_lf_ == std::string_view::npos || next_lf_ < from)
        next_lf_ = find_byte(data, from, '\n');
    return std::min(next_cr_, next_lf_);
}

bool LineReader::next(std::string_view& line) {
    if (!file_ || !error_.empty())
        return false;
    for (;;) {
        const std::size_t stop = line_end_from(pos_);
        // A CR as the last byte read may have its LF in the next block.
        if (std::min(stop, end_) - pos_ > MaxLineLength) {
            error_ = line_too_long(path_, line_number_ + 1);
            return false;
        }
        if (stop < end_ && (buffer_[stop] == '\n' || stop + 1 < end_ || at_eof_)) {
            line = std::string_view(buffer_.data() + pos_, stop - pos_);
            pos_ = stop + 1;
            if (buffer_[stop] == '\r' && pos_ < end_ && buffer_[pos_] == '\n')
                ++pos_;
            ++line_number_;
            return true;
        }
        if (fill())
            continue;
        if (!error_.empty())
            return false;
        // Filling moves the unread bytes to the front: look again.
        if (line_end_from(pos_) < end_)
            continue; // the CR ends the file's last line
        if (pos_ == end_)
            return false;
        line = std::string_view(buffer_.data() + pos_, end_ - pos_);
        pos_ = end_;
        ++line_number_;
        return true;
    }
}

namespace {

// Length of the valid UTF-8 sequence starting at s[i], or 0 when invalid.
std::size_t utf8_sequence(std::string_view s, std::size_t i) {
    auto byte = [&](std::size_t k) { return static_cast<unsigned char>(s[k]); };
    unsigned char lead = byte(i);
    std::size_t length = 0;
    unsigned char low = 0x80, high = 0xBF;
    if (lead < 0x80)
        return 1;
    if (lead >= 0xC2 && lead <= 0xDF)
        length = 2;
    else if (lead >= 0xE0 && lead <= 0xEF) {
        length = 3;
        if (lead == 0xE0)
            low = 0xA0;
        if (lead == 0xED)
            high = 0x9F; // no surrogates
    } else if (lead >= 0xF0 && lead <= 0xF4) {
        length = 4;
        if (lead == 0xF0)
            low = 0x90;
        if (lead == 0xF4)
            high = 0x8F;
    } else
        return 0;
    if (i + length > s.size())
        return 0;
    for (std::size_t k = 1; k < length; ++k) {
        unsigned char c = byte(i + k);
        if (c < (k == 1 ? low : 0x80) || c > (k == 1 ? high : 0xBF))
            return 0;
    }
    return length;
}

bool valid_utf8(std::string_view s) {
    for (std::size_t i = 0; i < s.size();) {
        std::size_t n = utf8_sequence(s, i);
        if (n == 0)
            return false;
        i += n;
    }
    return true;
}

// Windows-1252 code points of the bytes 0x80..0x9F; the five bytes the code
// page leaves undefined map to the C1 control of the same value.
constexpr char16_t cp1252_high[32] = {0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021,
                                      0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0x008D, 0x017D, 0x008F,
                                      0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,
                                      0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178};

void append_utf8(std::string& out, char32_t cp) {
    if (cp < 0x80) {
        out += static_cast<char>(cp);
    } else if (cp < 0x800) {
        out += static_cast<char>(0xC0 | (cp >> 6));
        out += static_cast<char>(0x80 | (cp & 0x3F));
    } else {
        out += static_cast<char>(0xE0 | (cp >> 12));
        out += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (cp & 0x3F));
    }
}

} // namespace

std::string_view decoded_view(std::string_view raw, std::string& scratch) {
    if (valid_utf8(raw))
        return raw;
    scratch = decode_line(raw);
    return scratch;
}

std::string decode_line(std::string_view raw) {
    if (valid_utf8(raw))
        return std::string(raw);
    std::string out;
    out.reserve(raw.size() * 2);
    for (char c : raw) {
        auto byte = static_cast<unsigned char>(c);
        if (byte >= 0x80 && byte <= 0x9F)
            append_utf8(out, cp1252_high[byte - 0x80]);
        else
            append_utf8(out, byte);
    }
    return out;
}

std::string excerpt(std::string_view raw, std::size_t longest) {
    if (raw.size() <= longest)
        return decode_line(raw);
    std::size_t cut = longest;
    while (cut > 0 && (static_cast<unsigned char>(raw[cut]) & 0xC0) == 0x80)
        --cut;
    return decode_line(raw.substr(0, cut)) + "...";
}

std::string in_quotes(std::string_view text) {
    return "\"" + std::string(text) + "\"";
}

bool contains(std::string_view text, std::string_view part) {
    return text.find(part) != std::string_view::npos;
}

} // namespace vellimar
