#include "entry/equipment.h"

#include "common/textfile.h"

namespace vellimar {

namespace {

// Only spaces are trimmed: a tab is part of the field.
std::string_view trim_spaces(std::string_view text) {
    std::size_t first = text.find_first_not_of(' ');
    if (first == std::string_view::npos)
        return {};
    std::size_t last = text.find_last_not_of(' ');
    return text.substr(first, last - first + 1);
}

} // namespace

bool split_equipment_line(std::string_view line, EquipmentLine& out) {
    std::size_t first = line.find(',');
    if (first == std::string_view::npos)
        return false;
    std::size_t second = line.find(',', first + 1);
    if (second == std::string_view::npos)
        return false;
    out.manufacturer.assign(line.substr(0, first));
    out.model.assign(trim_spaces(line.substr(first + 1, second - first - 1)));
    out.va.assign(trim_spaces(line.substr(second + 1)));
    return true;
}

std::vector<EquipmentLine> parse_equipment_list(std::string_view content) {
    std::vector<EquipmentLine> lines;
    LineCursor cursor(content);
    std::string_view raw;
    EquipmentLine parsed;
    while (cursor.next(raw)) {
        // A line without two commas (a blank line, say) names no model.
        if (split_equipment_line(decode_line(raw), parsed))
            lines.push_back(std::move(parsed));
    }
    return lines;
}

bool read_equipment_list(const std::string& path, std::vector<EquipmentLine>& lines, std::string& error) {
    lines.clear();
    std::string content;
    if (!read_data_file(path, content, error))
        return false;
    lines = parse_equipment_list(content);
    return true;
}

std::vector<std::string> manufacturer_runs(const std::vector<EquipmentLine>& lines) {
    std::vector<std::string> runs;
    std::string previous;
    for (const EquipmentLine& line : lines) {
        if (line.manufacturer != previous) {
            runs.push_back(line.manufacturer);
            previous = line.manufacturer;
        }
    }
    return runs;
}

} // namespace vellimar
