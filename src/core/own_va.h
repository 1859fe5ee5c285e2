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
    int quantity = 1; // a line of a load list file may stand for several identical items
};

// What a typed text gives: the item, or the message that refuses it.
struct OwnVaEntry {
    std::optional<LoadItem> item;
    std::string refusal; // empty when there is an item
};

// A plain number (blanks around it, a decimal point, a trailing "VA" in any
// letter case) is rounded to an integer, ties to even, and becomes an item
// when that lies from 1 to LargestLoadVa ("Specific VA:  250" with " 250").
// A number written any other way ("1,200", "1.5 kVA", "1200 W") is refused
// with a message saying how to type it, since reading only its leading
// digits would size the UPS for a fraction of the load. Anything else, the
// empty text included, gets the range message.
OwnVaEntry own_va_entry(std::string_view typed);

} // namespace vellimar
