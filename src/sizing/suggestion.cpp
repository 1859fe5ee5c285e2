#include "sizing/suggestion.h"

#include "sizing/runtime_table.h"

namespace vellimar {

std::string suggestion_refusal(const std::string& runtime_text, double total) {
    if (runtime_text == RuntimePrompt || runtime_text.empty())
        return "You need to select a runtime";
    if (total == 0)
        return "You need to select items before a UPS can be suggested";
    if (total > 5000)
        return "Sorry, Vellimar does not offer UPSs that can accomodate loads over 5000 VA";
    return {};
}

std::string runtime_table_name(bool volts_120) {
    return volts_120 ? "120.txt" : "230.txt";
}

std::array<std::string, UpsClassCount> class_models(const std::vector<std::string>& records,
                                                    int runtime_index) {
    std::array<std::string, UpsClassCount> models;
    const int field = runtime_index + 2;
    if (field < 1 || field >= static_cast<int>(RecordFieldCount))
        return models;
    for (std::size_t k = 0; k < models.size() && k < records.size(); ++k)
        models[k] = split_record(records[k])[static_cast<std::size_t>(field)];
    return models;
}

} // namespace vellimar
