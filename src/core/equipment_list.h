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

// The manufacturers of the file at `path`, one per run of lines with the
// same manufacturer text, in file order; and the lines of one manufacturer
// (exact comparison). Runs are counted from an empty "previous
// manufacturer", so lines with an empty manufacturer at the top of the file
// make no entry. Neither holds every line of the file. On failure return
// false, leave the result empty and set `error`.
bool read_manufacturer_runs(const std::string& path, std::vector<std::string>& runs, std::string& error);
bool read_models_of(const std::string& path, const std::string& manufacturer,
                    std::vector<EquipmentLine>& lines, std::string& error);

} // namespace vellimar
