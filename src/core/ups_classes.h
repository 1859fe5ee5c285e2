#pragma once
// The UPS classes, in the order of the results screen and the runtime table
// records of a band: what each is called and where it stands on the screen.
#include <array>
#include <cstddef>
#include <initializer_list>
#include <string>

namespace vellimar {

struct UpsClass {
    const char* caption;       // on the results screen
    const char* printed_name;  // on the printed page, which has names of its own
    const char* info_button;   // layout name of its information picture
    const char* caption_label; // layout name of its caption
    const char* model_label;   // layout name of its proposed model
};

inline constexpr UpsClass UpsClasses[] = {
    {"Basic battery backup only", "-Basic battery backup only", "Image4", "Label4", "res(0)"},
    {"Basic battery backup with standard interface port",
     "-Basic battery backup width standard interface port", "Image5", "Label5", "res(1)"},
    {"Line interactive with standard interface port", "-Line interactive with standard interface port",
     "Image6", "Label6", "res(2)"},
    {"Line interactive with smart interface port", "-Line interactive with smart interface port", "Image7",
     "Label7", "res(3)"},
    {"Line interactive with smart interface port; rackmountable",
     "-Line interactive with smart interface port; rackmountable", "Image8", "Label8", "res(4)"},
    {"On-line UPS with smart interface port", "-Online UPS with smart interface port", "Image9", "Label10",
     "res(5)"},
    {"Corehall UPS with smart interface port", "-Corehall UPS with smart interface port", "Image10",
     "Label11", "res(6)"},
};

// Everything kept per class is an array of this size, so it grows with the
// table, and an array written out with more entries than classes does not
// compile; a row with a field left out does not either.
constexpr int UpsClassCount = static_cast<int>(std::size(UpsClasses));
using ClassTexts = std::array<std::string, UpsClassCount>;

static_assert(
    [] {
        for (const UpsClass& row : UpsClasses)
            for (const char* field :
                 {row.caption, row.printed_name, row.info_button, row.caption_label, row.model_label})
                if (!field || !*field)
                    return false;
        return true;
    }(),
    "every UPS class has its caption, printed name and layout names");

} // namespace vellimar
