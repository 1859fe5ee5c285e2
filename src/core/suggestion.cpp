#include "core/suggestion.h"

#include "core/data_folder.h"
#include "core/own_va.h"
#include "core/runtime_table.h"

namespace vellimar {

const std::array<std::string, 6> RuntimeItems = {
    "15 min.", "30 min.", "60 min./ 1 hour", "120 min./ 2 hours", "240 min./ 4 hours", "480 min./ 8 hours"};

std::string suggestion_refusal(const std::string& runtime_text, double total) {
    if (runtime_text == RuntimePrompt || runtime_text.empty())
        return "You need to select a runtime";
    if (total == 0)
        return "You need to select items before a UPS can be suggested";
    if (total > LargestLoadVa)
        return "Sorry, Vellimar does not offer UPSs that can accomodate loads over 5000 VA";
    return {};
}

std::string runtime_table_name(bool volts_120) {
    return volts_120 ? "120.txt" : "230.txt";
}

static_assert(MaxMatchingRecords >= static_cast<std::size_t>(UpsClassCount),
              "a look-up holds a record for every UPS class");

ClassTexts class_models(const std::vector<std::string>& records, int runtime_index) {
    ClassTexts models;
    const int field = runtime_index + 2;
    if (field < 1 || field >= static_cast<int>(RecordFieldCount))
        return models;
    for (std::size_t k = 0; k < models.size() && k < records.size(); ++k)
        models[k] = split_record(records[k])[static_cast<std::size_t>(field)];
    return models;
}

Suggestion suggest(const std::string& runtime_text, int runtime_index, double total, bool volts_120,
                   const std::string& data_folder) {
    Suggestion suggestion;
    suggestion.message = suggestion_refusal(runtime_text, total);
    if (!suggestion.message.empty())
        return suggestion;
    std::vector<std::string> records;
    if (matching_records(data_file(data_folder, runtime_table_name(volts_120)), total, records,
                         suggestion.message))
        suggestion.models = class_models(records, runtime_index);
    return suggestion;
}

} // namespace vellimar
