#pragma once
// The equipment categories whose models are picked from a list file: the
// menu button that opens each, the picker's prompts and the file read.
// Packaging and the fuzz seeds take the file names from this table's text,
// so each row keeps its file name as a quoted literal ending in .txt.
#include <cstddef>
#include <initializer_list>
#include <string_view>

namespace vellimar {

struct EquipmentCategory {
    const char* key;           // the picker's name for the category
    const char* file;          // its equipment list in the data folder
    const char* caption;       // on its menu button and the label over it
    const char* button;        // layout name of its menu button
    const char* first_prompt;  // above the manufacturer list
    const char* second_prompt; // above the model list
};

inline constexpr EquipmentCategory EquipmentCategories[] = {
    {"server", "server.txt", "Network Server", "Image2", "1. Select Manufacturer:", "2. Select Model:"},
    {"network", "network.txt", "Networking Equipment", "Image3",
     "1. Select Manufacturer:", "2. Select Model:"},
    {"telecom", "telecom.txt", "Telecommunications Equipment", "Image4",
     "1. Select Manufacturer:", "2. Select Model:"},
    {"other", "other.txt", "Other Electronic Equipment", "Image5", "1. Select device:", "2. Select type:"},
};

constexpr std::size_t EquipmentCategoryCount = std::size(EquipmentCategories);

static_assert(
    [] {
        for (const EquipmentCategory& row : EquipmentCategories)
            for (const char* field :
                 {row.key, row.file, row.caption, row.button, row.first_prompt, row.second_prompt})
                if (!field || !*field)
                    return false;
        return true;
    }(),
    "every equipment category has its key, file, caption, button and prompts");

// The category named `key`, or nullptr when there is none.
constexpr const EquipmentCategory* category_named(std::string_view key) {
    for (const EquipmentCategory& row : EquipmentCategories)
        if (std::string_view(row.key) == key)
            return &row;
    return nullptr;
}

} // namespace vellimar
