#pragma once
// "Suggest a UPS": when a suggestion is refused, which runtime table is
// read, and which model each UPS class proposes.
#include <array>
#include <string>
#include <vector>

#include "core/ups_classes.h"

namespace vellimar {

// The prompt the runtime box shows until a runtime is chosen, and its items.
inline const std::string RuntimePrompt = "Select Runtime...";
extern const std::array<std::string, 6> RuntimeItems;

// The message that refuses a suggestion, or the empty text when it may go
// ahead. The checks run in order: runtime, items, limit.
std::string suggestion_refusal(const std::string& runtime_text, double total);

// The file name of the runtime table of a voltage.
std::string runtime_table_name(bool volts_120);

// The model text of each class: field `runtime_index` + 2 of the class's
// record (records[k] for class k), so field 1 when the runtime was typed
// (index -1). A class without a record gets the empty text.
ClassTexts class_models(const std::vector<std::string>& records, int runtime_index);

struct Suggestion {
    // A refusal, or why the runtime table could not be used; empty when the
    // models stand.
    std::string message;
    ClassTexts models;
};

// The whole suggestion for a runtime (its text and its item index, -1 when
// typed), a total and a voltage: the checks, then the table of the voltage
// read from `data_folder` ("" for the working directory).
Suggestion suggest(const std::string& runtime_text, int runtime_index, double total, bool volts_120,
                   const std::string& data_folder);

} // namespace vellimar
