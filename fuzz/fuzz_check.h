#pragma once
// What every fuzz target holds its readers to, beyond not crashing.
#include <cstdio>
#include <cstdlib>

namespace vellimar::fuzz {

[[noreturn]] inline void fail(const char* what) {
    std::fprintf(stderr, "broken rule: %s\n", what);
    std::abort();
}

inline void require(bool holds, const char* what) {
    if (!holds)
        fail(what);
}

} // namespace vellimar::fuzz
