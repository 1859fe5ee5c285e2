#pragma once
// Runtime tables: for bands of total load, one record per UPS class naming
// the model to propose for each runtime. A table is read afresh for every
// suggestion and never written.
#include <array>
#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace vellimar {

// Load band, a free text shown for a typed runtime, then the models for the
// six runtimes.
constexpr std::size_t RecordFieldCount = 8;
// Overlapping bands can match more records than there are classes; no more
// than this are held.
constexpr std::size_t MaxMatchingRecords = 8;

using RecordFields = std::array<std::string, RecordFieldCount>;

// Reads the runtime table at `path` and puts into `records`, in file order
// and decoded to UTF-8, the records whose load band contains `total` (both
// bounds inclusive). The whole file is checked: on a missing or unreadable
// file, a malformed record or a table without a single record returns false
// and sets `error` to a sentence naming the file (and the line), fit to show
// the user.
bool matching_records(const std::string& path, double total, std::vector<std::string>& records,
                      std::string& error);

// Reads the load band in field 0 of a record: "lower-upper", each bound a
// plain decimal number. On a malformed band returns false and sets `reason`
// to the end of a sentence saying what is wrong ("its load band ...").
bool read_load_band(std::string_view record, double& lower, double& upper, std::string& reason);

// True for a line of blanks and tabs only, which a table may hold anywhere.
bool is_blank_record(std::string_view record);

// Fields 0 to 7 of a record, split at its tabs and kept exactly as they
// stand. Missing fields are empty; text after an eighth tab is not used.
RecordFields split_record(std::string_view record);

} // namespace vellimar
