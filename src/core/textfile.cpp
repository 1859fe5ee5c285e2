#include "core/textfile.h"

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <memory>
#include <sys/stat.h>
#include <utility>

namespace vellimar {

std::string system_error_reason(int number) {
    // strerror follows the user's locale; the rest of every message is English.
    static constexpr std::pair<int, const char*> reasons[] = {
        {ENOENT, "No such file or directory"},
        {EACCES, "Permission denied"},
        {EPERM, "Operation not permitted"},
        {EISDIR, "Is a directory"},
        {ENOTDIR, "Not a directory"},
        {ELOOP, "Too many levels of symbolic links"},
        {ENAMETOOLONG, "File name too long"},
        {EIO, "Input/output error"},
        {ENOMEM, "Cannot allocate memory"},
        {EMFILE, "Too many open files"},
        {ENFILE, "Too many open files in system"},
        {EFBIG, "File too large"},
        {EOVERFLOW, "Value too large for defined data type"},
        {ENXIO, "No such device or address"},
        {ENODEV, "No such device"},
        {EINTR, "Interrupted system call"},
        {EAGAIN, "Resource temporarily unavailable"},
        {EBADF, "Bad file descriptor"},
        {EINVAL, "Invalid argument"},
        {ESTALE, "Stale file handle"},
        {ETXTBSY, "Text file busy"},
    };
    for (const auto& [code, reason] : reasons)
        if (code == number)
            return reason;
    return "System error " + std::to_string(number);
}

namespace {

// Opens a data file for reading, or says why it cannot be.
std::FILE* open_data_file(const std::string& path, std::string& error) {
    struct stat info {};
    if (::stat(path.c_str(), &info) == 0 && !S_ISREG(info.st_mode)) {
        // A device may never end and opening a pipe waits for a writer.
        error = "The data file " + in_quotes(path_in_message(path)) + " could not be read: " +
                (S_ISDIR(info.st_mode) ? "it is a folder, not a file." : "it is not an ordinary file.");
        return nullptr;
    }
    std::FILE* file = std::fopen(path.c_str(), "rb");
    if (!file)
        error = "The data file " + in_quotes(path_in_message(path)) +
                " could not be opened: " + system_error_reason(errno) + ".";
    return file;
}

std::string line_too_long(const std::string& path, std::size_t line_number) {
    return "The data file " + in_quotes(path_in_message(path)) + " cannot be used: line " +
           std::to_string(line_number) + " is longer than " + std::to_string(MaxLineLength) + " bytes.";
}

std::string too_large(const std::string& path, std::uint64_t largest) {
    return "The data file " + in_quotes(path_in_message(path)) + " cannot be used: it is larger than " +
           std::to_string(largest) + " bytes.";
}

std::string read_failure(const std::string& path, int number) {
    return "The data file " + in_quotes(path_in_message(path)) +
           " could not be read: " + system_error_reason(number) + ".";
}

constexpr std::string_view ByteOrderMark = "\xEF\xBB\xBF";

// Files joined one after another keep each one's mark at the start of a
// line; the screens would not show it, so no reader sees it either.
std::string_view without_byte_order_mark(std::string_view line) {
    if (line.substr(0, ByteOrderMark.size()) == ByteOrderMark)
        line.remove_prefix(ByteOrderMark.size());
    return line;
}

// Position of the first `c` at or after `from`, or the size when there is none.
std::size_t find_byte(std::string_view data, std::size_t from, char c) {
    const void* hit = std::memchr(data.data() + from, c, data.size() - from);
    return hit ? static_cast<std::size_t>(static_cast<const char*>(hit) - data.data()) : data.size();
}

void append_utf8(char*& out, char32_t cp) {
    auto put = [&](unsigned value) { *out++ = static_cast<char>(value); };
    if (cp < 0x80) {
        put(cp);
    } else if (cp < 0x800) {
        put(0xC0 | (cp >> 6));
        put(0x80 | (cp & 0x3F));
    } else if (cp < 0x10000) {
        put(0xE0 | (cp >> 12));
        put(0x80 | ((cp >> 6) & 0x3F));
        put(0x80 | (cp & 0x3F));
    } else {
        put(0xF0 | (cp >> 18));
        put(0x80 | ((cp >> 12) & 0x3F));
        put(0x80 | ((cp >> 6) & 0x3F));
        put(0x80 | (cp & 0x3F));
    }
}

void append_utf8(std::string& out, char32_t cp) {
    char bytes[4];
    char* end = bytes;
    append_utf8(end, cp);
    out.append(bytes, end);
}

constexpr char32_t Replacement = 0xFFFD;

} // namespace

bool LineReader::open(const std::string& path, std::string& error, std::uint64_t largest) {
    const std::size_t block = block_;
    *this = LineReader(block);
    file_.reset(open_data_file(path, error));
    if (!file_)
        return false;
    path_ = path;
    largest_ = largest;
    struct stat info {};
    if (largest > 0 && ::fstat(::fileno(file_.get()), &info) == 0 &&
        static_cast<std::uint64_t>(info.st_size) > largest) {
        error = too_large(path, largest);
        file_.reset();
        return false;
    }
    open_ = true;
    start();
    if (!error_.empty()) { // and next() gives nothing
        error = error_;
        file_.reset();
        return false;
    }
    return true;
}

void LineReader::open_text(std::string_view content, const std::string& name) {
    const std::size_t block = block_;
    *this = LineReader(block);
    text_ = content;
    path_ = name;
    open_ = true;
    start();
}

void LineReader::start() {
    buffer_.resize(block_ < 4 ? 4 : block_);
    // Enough bytes to tell a byte-order mark, however small the block.
    while (end_ < ByteOrderMark.size()) {
        const std::size_t got = read_source(buffer_.data() + end_, ByteOrderMark.size() - end_);
        if (got == 0)
            break;
        end_ += got;
    }
    const std::string_view head(buffer_.data(), end_);
    if (head.substr(0, 2) == "\xFF\xFE" || head.substr(0, 2) == "\xFE\xFF") {
        encoding_ = head[0] == '\xFF' ? Encoding::Utf16Le : Encoding::Utf16Be;
        undecoded_.assign(head.substr(2));
        end_ = 0;
    } else if (head == ByteOrderMark) {
        pos_ = ByteOrderMark.size();
    }
}

std::size_t LineReader::read_source(char* to, std::size_t size) {
    std::size_t got = 0;
    if (file_) {
        got = std::fread(to, 1, size, file_.get());
        if (got == 0 && std::ferror(file_.get()))
            error_ = read_failure(path_, errno);
    } else {
        got = std::min(size, text_.size());
        if (got > 0) // an empty text may have no data at all
            std::memcpy(to, text_.data(), got);
        text_.remove_prefix(got);
    }
    consumed_ += got;
    if (largest_ > 0 && consumed_ > largest_) {
        error_ = too_large(path_, largest_);
        return 0;
    }
    return got;
}

bool LineReader::fill_utf16() {
    const bool little = encoding_ == Encoding::Utf16Le;
    while (!source_done_) {
        const std::size_t kept = undecoded_.size();
        undecoded_.resize(kept + block_);
        const std::size_t got = read_source(undecoded_.data() + kept, block_);
        undecoded_.resize(kept + got);
        source_done_ = got == 0;
        const std::size_t size = undecoded_.size();
        // At most three UTF-8 bytes for two UTF-16 bytes.
        if (buffer_.size() < end_ + size * 3 / 2 + 4)
            buffer_.resize(std::max(buffer_.size() * 2, end_ + size * 3 / 2 + 4));
        auto unit = [&](std::size_t at) {
            const auto first = static_cast<unsigned char>(undecoded_[at]);
            const auto second = static_cast<unsigned char>(undecoded_[at + 1]);
            return static_cast<char32_t>(little ? first | second << 8 : first << 8 | second);
        };
        char* out = buffer_.data() + end_;
        std::size_t at = 0;
        for (; at + 2 <= size; at += 2) {
            char32_t cp = unit(at);
            if (cp >= 0xD800 && cp <= 0xDBFF) {
                if (at + 4 > size && !source_done_)
                    break; // its low half comes with the next block
                const char32_t low = at + 4 <= size ? unit(at + 2) : 0;
                if (low >= 0xDC00 && low <= 0xDFFF) {
                    cp = 0x10000 + ((cp - 0xD800) << 10) + (low - 0xDC00);
                    at += 2;
                } else {
                    cp = Replacement;
                }
            } else if (cp >= 0xDC00 && cp <= 0xDFFF) {
                cp = Replacement;
            }
            append_utf8(out, cp);
        }
        if (source_done_ && at < size) { // an odd byte at the end
            append_utf8(out, Replacement);
            at = size;
        }
        undecoded_.erase(0, at);
        const std::size_t made = static_cast<std::size_t>(out - (buffer_.data() + end_));
        end_ += made;
        if (made > 0)
            return true;
    }
    return false;
}

bool LineReader::fill() {
    if (at_eof_ || !open_ || !error_.empty())
        return false;
    // The unread bytes move to the front; a line longer than the buffer grows it.
    const std::size_t shift = pos_;
    if (shift > 0) {
        std::memmove(buffer_.data(), buffer_.data() + shift, end_ - shift);
        pos_ = 0;
        end_ -= shift;
    }
    // A line end found before stays found; one passed (by a skip) or "none
    // before end_" must be looked for again.
    for (std::size_t* found : {&next_cr_, &next_lf_})
        *found = (*found == std::string_view::npos || *found < shift || *found >= end_ + shift)
                     ? std::string_view::npos
                     : *found - shift;
    bool more = false;
    if (encoding_ == Encoding::Utf8) {
        if (end_ == buffer_.size())
            buffer_.resize(buffer_.size() * 2);
        const std::size_t got = source_done_ ? 0 : read_source(buffer_.data() + end_, buffer_.size() - end_);
        end_ += got;
        more = got > 0;
    } else {
        more = fill_utf16();
    }
    if (!more)
        at_eof_ = true;
    return more;
}

std::size_t LineReader::line_end_from(std::size_t from) {
    // Each hit is kept until passed, so a file with only one kind of line
    // end is not searched to the end of the block on every line.
    std::string_view data(buffer_.data(), end_);
    if (next_cr_ == std::string_view::npos || next_cr_ < from)
        next_cr_ = find_byte(data, from, '\r');
    if (next_lf_ == std::string_view::npos || next_lf_ < from)
        next_lf_ = find_byte(data, from, '\n');
    return std::min(next_cr_, next_lf_);
}

bool LineReader::next(std::string_view& line) {
    if (!open_ || !error_.empty())
        return false;
    for (;;) {
        const std::size_t stop = line_end_from(pos_);
        // A CR as the last byte read may have its LF in the next block.
        if (std::min(stop, end_) - pos_ > MaxLineLength) {
            error_ = line_too_long(path_, line_number_ + 1);
            return false;
        }
        if (stop < end_ && (buffer_[stop] == '\n' || stop + 1 < end_ || at_eof_)) {
            line = without_byte_order_mark(std::string_view(buffer_.data() + pos_, stop - pos_));
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
        line = without_byte_order_mark(std::string_view(buffer_.data() + pos_, end_ - pos_));
        pos_ = end_;
        ++line_number_;
        return true;
    }
}

std::size_t LineReader::lines_between(std::size_t from, std::size_t to) const {
    // CR LF, a lone CR and a lone LF each end one line: every CR and every
    // LF, less the LFs right after a CR. `from` never falls between the two
    // of a pair. memchr jumps from line end to line end many times faster
    // than a loop over the bytes.
    const char* data = buffer_.data();
    std::size_t ends = 0;
    for (const char* p = data + from; (p = static_cast<const char*>(std::memchr(p, '\r', to - (p - data))));
         ++p)
        ++ends;
    for (const char* p = data + from; (p = static_cast<const char*>(std::memchr(p, '\n', to - (p - data))));
         ++p)
        ends += p == data + from || p[-1] != '\r';
    return ends;
}

bool LineReader::skip_to_line_containing(std::string_view needle) {
    if (!open_ || !error_.empty())
        return false;
    for (;;) {
        const char* data = buffer_.data();
        const std::size_t hit = std::string_view(data, end_).find(needle, pos_);
        if (hit != std::string_view::npos) {
            std::size_t start = hit;
            while (start > pos_ && data[start - 1] != '\r' && data[start - 1] != '\n')
                --start;
            line_number_ += lines_between(pos_, start);
            pos_ = start;
            return true;
        }
        // The whole lines read are passed over; the last one, perhaps cut
        // short by the block, is kept for the needle to straddle. A CR that
        // ends the block stays too, as its LF may follow.
        std::string_view unread(data + pos_, end_ - pos_);
        const std::size_t cr = unread.rfind('\r');
        const std::size_t lf = unread.rfind('\n');
        std::size_t kept = 0; // offset of the first byte kept, in unread
        if (lf != std::string_view::npos)
            kept = lf + 1;
        if (cr != std::string_view::npos && (lf == std::string_view::npos || cr > lf))
            kept = (cr + 1 == unread.size() && !at_eof_) ? cr : cr + 1;
        line_number_ += lines_between(pos_, pos_ + kept);
        pos_ += kept;
        if (end_ - pos_ > MaxLineLength) {
            error_ = line_too_long(path_, line_number_ + 1);
            return false;
        }
        if (!fill()) {
            if (error_.empty())
                pos_ = end_;
            return false;
        }
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

// Windows-1252 code points of the bytes 0x80..0x9F; the five bytes the code
// page leaves undefined map to the C1 control of the same value.
constexpr char16_t cp1252_high[32] = {0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021,
                                      0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0x008D, 0x017D, 0x008F,
                                      0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,
                                      0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178};

} // namespace

bool valid_utf8(std::string_view s) {
    for (std::size_t i = 0; i < s.size();) {
        std::size_t n = utf8_sequence(s, i);
        if (n == 0)
            return false;
        i += n;
    }
    return true;
}

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
        return visible_text(decode_line(raw));
    std::size_t cut = longest;
    while (cut > 0 && (static_cast<unsigned char>(raw[cut]) & 0xC0) == 0x80)
        --cut;
    return visible_text(decode_line(raw.substr(0, cut))) + "...";
}

namespace {

// Characters that show as nothing, or as a mere space: controls, spaces
// other than the plain one, joiners, marks of direction, variation selectors
// and the byte-order mark.
bool is_invisible(char32_t cp) {
    constexpr std::pair<char32_t, char32_t> ranges[] = {
        {0x00, 0x1F},      {0x7F, 0xA0},     {0xAD, 0xAD},     {0x34F, 0x34F},     {0x61C, 0x61C},
        {0x115F, 0x1160},  {0x1680, 0x1680}, {0x17B4, 0x17B5}, {0x180B, 0x180F},   {0x2000, 0x200F},
        {0x2028, 0x202F},  {0x205F, 0x206F}, {0x3000, 0x3000}, {0x3164, 0x3164},   {0xFE00, 0xFE0F},
        {0xFEFF, 0xFEFF},  {0xFFA0, 0xFFA0}, {0xFFF0, 0xFFFB}, {0x1BCA0, 0x1BCA3}, {0x1D173, 0x1D17A},
        {0xE0000, 0xE0FFF}};
    for (const auto& [first, last] : ranges)
        if (cp >= first && cp <= last)
            return true;
    return false;
}

} // namespace

std::string visible_text(std::string_view utf8) {
    std::string shown;
    shown.reserve(utf8.size());
    for (std::size_t i = 0; i < utf8.size();) {
        std::size_t length = utf8_sequence(utf8, i);
        if (length == 0) { // not UTF-8: passed on as it stands
            shown += utf8[i++];
            continue;
        }
        const auto lead = static_cast<unsigned char>(utf8[i]);
        char32_t cp = length == 1 ? lead : lead & (0x7F >> length);
        for (std::size_t k = 1; k < length; ++k)
            cp = cp << 6 | (static_cast<unsigned char>(utf8[i + k]) & 0x3F);
        if (cp == 0) {
            shown += "\\0";
        } else if (is_invisible(cp)) {
            char code[16];
            std::snprintf(code, sizeof code, "<U+%04X>", static_cast<unsigned>(cp));
            shown += code;
        } else {
            shown.append(utf8.substr(i, length));
        }
        i += length;
    }
    return shown;
}

std::size_t screen_length(std::string_view utf8) {
    std::size_t units = 0;
    for (char c : utf8) {
        const auto byte = static_cast<unsigned char>(c);
        if ((byte & 0xC0) != 0x80)
            units += byte >= 0xF0 ? 2 : 1;
    }
    return units;
}

std::string path_in_message(std::string_view path) {
    std::string escaped;
    escaped.reserve(path.size());
    for (std::size_t i = 0; i < path.size();) {
        const std::size_t length = utf8_sequence(path, i);
        if (length > 0) {
            escaped.append(path.substr(i, length));
            i += length;
            continue;
        }
        char code[8];
        std::snprintf(code, sizeof code, "\\x%02X",
                      static_cast<unsigned>(static_cast<unsigned char>(path[i++])));
        escaped += code;
    }
    return visible_text(escaped);
}

std::string in_quotes(std::string_view text) {
    return "\"" + std::string(text) + "\"";
}

bool contains(std::string_view text, std::string_view part) {
    return text.find(part) != std::string_view::npos;
}

} // namespace vellimar
