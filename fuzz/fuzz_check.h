#pragma once
// What every fuzz target holds its readers to, beyond not crashing.
#include <cstdio>
#include <cstdlib>
#include <string_view>

namespace vellimar::fuzz {

[[noreturn]] inline void fail(const char* what) {
    std::fprintf(stderr, "broken rule: %s\n", what);
    std::abort();
}

inline void require(bool holds, const char* what) {
    if (!holds)
        fail(what);
}

// Texts the readers hand on are shown by Qt, which expects UTF-8.
inline bool valid_utf8(std::string_view text) {
    std::size_t i = 0;
    while (i < text.size()) {
        const auto lead = static_cast<unsigned char>(text[i]);
        std::size_t length = lead < 0x80           ? 1
                             : (lead >> 5) == 0x6  ? 2
                             : (lead >> 4) == 0xE  ? 3
                             : (lead >> 3) == 0x1E ? 4
                                                   : 0;
        if (length == 0 || i + length > text.size())
            return false;
        for (std::size_t k = 1; k < length; ++k)
            if ((static_cast<unsigned char>(text[i + k]) & 0xC0) != 0x80)
                return false;
        i += length;
    }
    return true;
}

} // namespace vellimar::fuzz
