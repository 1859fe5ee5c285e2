#pragma once
// Equipment list files: one line per model, "manufacturer,model,VA".
#include <string>
#include <string_view>
#include <vector>

namespace vellimar {

struct EquipmentLine {
    std::string manufacturer; // as written, spaces included
    std::string model;        // surrounding spaces removed
    std::string va;           // surrounding spaces removed; kept as text, further commas included
};

// Splits one line into its three fields; false when it has fewer than two
// commas, so it names no model.
bool split_equipment_line(std::string_view line, EquipmentLine& out);

// Every line of a list's content that names a model, in file order.
std::vector<EquipmentLine> parse_equipment_list(std::string_view content);

// Reads every line that names a model, in file order. On failure returns
// false, leaves `lines` empty and sets `error` to a sentence naming the file.
bool read_equipment_list(const std::string& path, std::vector<EquipmentLine>& lines, std::string& error);

// What manufacturer_runs gives for the file at `path`, and the lines of one
// manufacturer (exact comparison), without holding every line of the file.
// On failure return false, leave the result empty and set `error`.
bool read_manufacturer_runs(const std::string& path, std::vector<std::string>& runs, std::string& error);
bool read_models_of(const std::string& path, const std::string& manufacturer,
                    std::vector<EquipmentLine>& lines, std::string& error);

// One manufacturer per run of lines with the same manufacturer text, in file
// order. Runs are counted from an empty "previous manufacturer", so lines with
// an empty manufacturer at the top of the file make no entry.
std::vector<std::string> manufacturer_runs(const std::vector<EquipmentLine>& lines);

} // namespace vellimar
