#pragma once
// "Enter Your Own VA": a typed figure becomes one load list item.
#include <optional>
#include <string>
#include <string_view>

namespace vellimar {

// No UPS the selector proposes carries more than this.
constexpr int LargestLoadVa = 5000;

inline const std::string OwnVaPrompt = "Enter VA Rating:";
inline const std::string OwnVaTitle = "Specify VA";
inline const std::string OwnVaRangeMessage = "Enter a VA value between 1 and 5000 VA.\r\n"
                                             "5000 VA is the largest rating Vellimar UPSs handle.";

struct LoadItem {
    std::string description;
    std::string va_text;
};

// The item for a typed text: its leading number rounded to an integer, ties
// to even, when that lies from 1 to LargestLoadVa ("Specific VA:  250" with
// " 250"); nothing otherwise, whatever the size of the number.
std::optional<LoadItem> own_va_item(std::string_view typed);

} // namespace vellimar
