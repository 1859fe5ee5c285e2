#pragma once
// Counts as words in running text ("seven classes"), so that messages follow
// the tables they count.
#include <cstddef>
#include <string>

namespace vellimar {

inline std::string count_in_words(std::size_t count) {
    static const char* const words[] = {"no",    "one",   "two",  "three", "four",   "five",  "six",
                                        "seven", "eight", "nine", "ten",   "eleven", "twelve"};
    return count < std::size(words) ? words[count] : std::to_string(count);
}

} // namespace vellimar
