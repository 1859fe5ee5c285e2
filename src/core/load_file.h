#pragma once
// Load list files: a run's items with their quantities, its voltage and its
// runtime, kept as CSV so that a spreadsheet or a text editor can write one.
//
//   #volts,230
//   #runtime,60
//   description,VA,quantity
//   Rack server,450,8
//
// Lines starting with "#" before the header hold the settings ("#volts" 120
// or 230; "#runtime" the minutes of one of the six runtimes, or
// "#typed runtime" and a text as typed in the runtime box); other "#" lines
// are remarks. The header names the columns in any order: description and
// VA are needed, quantity may be left out (an empty quantity is 1), other
// columns are not read. Fields follow RFC 4180 quoting; blank lines are
// passed over.
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "core/own_va.h"

namespace vellimar {

// The extension the selector saves load lists with; it reads any name.
inline const std::string LoadFileExtension = ".upsload";
// The largest quantity a line may carry.
constexpr int LargestQuantity = 9999;

struct LoadFile {
    std::vector<LoadItem> items;
    std::optional<bool> volts120;           // when the file says
    std::optional<std::string> runtimeText; // the runtime box's text, when the file says
    int runtimeIndex = -1;                  // the item of runtimeText, -1 when typed
};

// The item of RuntimeItems that `text` names, by its minutes ("60") or as it
// stands ("60 min./ 1 hour"); -1 for any other text.
int runtime_item(std::string_view text);

// A CSV field as written: in double quotes, with its quotes doubled, when it
// holds a comma, a quote, a line end or a "#", starts or ends with a blank,
// or is empty.
std::string csv_field(const std::string& text);

// Reads the load list file at `path`. On failure returns nothing and sets
// `error` to one sentence naming the file (and the line), fit to show.
std::optional<LoadFile> read_load_file(const std::string& path, std::string& error);
// The same from a text, named `name` in messages.
std::optional<LoadFile> read_load_text(std::string_view text, const std::string& name, std::string& error);

// The file's text for a list and its settings, lines ended by CR LF; a
// runtime of RuntimePrompt or the empty text is not written.
std::string load_file_text(const std::vector<LoadItem>& items, bool volts120, const std::string& runtimeText,
                           int runtimeIndex);

} // namespace vellimar
