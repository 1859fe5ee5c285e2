#pragma once
// The rules of "Suggest a UPS": when a suggestion is refused, which runtime
// table is read, and which field of each class's record is proposed.
#include <array>
#include <string>
#include <vector>

namespace vellimar {

// The UPS classes, in the order of the results screen.
constexpr int UpsClassCount = 7;

// The prompt the runtime box shows until a runtime is chosen.
inline const std::string RuntimePrompt = "Select Runtime...";

// The message that refuses a suggestion, or the empty text when it may go
// ahead. The checks run in order: runtime, items, limit.
std::string suggestion_refusal(const std::string& runtime_text, double total);

// The file name of the runtime table of a voltage.
std::string runtime_table_name(bool volts_120);

// The model text of each class: field `runtime_index` + 2 of the class's
// record (records[k] for class k), so field 1 when the runtime was typed
// (index -1). A class without a record gets the empty text.
std::array<std::string, UpsClassCount> class_models(const std::vector<std::string>& records,
                                                    int runtime_index);

} // namespace vellimar
