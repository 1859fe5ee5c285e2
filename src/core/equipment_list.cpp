#include "core/equipment_list.h"

#include "core/textfile.h"

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

struct Fields {
    std::string_view manufacturer;
    std::string_view model;
    std::string_view va;
};

bool split_fields(std::string_view line, Fields& out) {
    std::size_t first = line.find(',');
    if (first == std::string_view::npos)
        return false;
    std::size_t second = line.find(',', first + 1);
    if (second == std::string_view::npos)
        return false;
    out.manufacturer = line.substr(0, first);
    out.model = trim_spaces(line.substr(first + 1, second - first - 1));
    out.va = trim_spaces(line.substr(second + 1));
    return true;
}

EquipmentLine to_line(const Fields& fields) {
    return {std::string(fields.manufacturer), std::string(fields.model), std::string(fields.va)};
}

// Calls `visit` with the fields of every line that names a model, in file
// order. The file is read a block at a time and a line is only copied when
// `visit` keeps it: a picker fill reads the whole list to show part of it.
template <typename Visit> bool for_each_model_line(LineReader& reader, std::string& error, Visit visit) {
    std::string_view raw;
    std::string scratch;
    Fields fields;
    while (reader.next(raw)) {
        // A line without two commas (a blank line, say) names no model.
        if (split_fields(decoded_view(raw, scratch), fields))
            visit(fields);
    }
    error = reader.error();
    return error.empty();
}

} // namespace

bool split_equipment_line(std::string_view line, EquipmentLine& out) {
    Fields fields;
    if (!split_fields(line, fields))
        return false;
    out = to_line(fields);
    return true;
}

bool read_manufacturer_runs(const std::string& path, std::vector<std::string>& runs, std::string& error) {
    runs.clear();
    std::string previous;
    LineReader reader;
    const bool ok = reader.open(path, error) && for_each_model_line(reader, error, [&](const Fields& fields) {
                        if (fields.manufacturer != previous) {
                            previous.assign(fields.manufacturer);
                            runs.push_back(previous);
                        }
                    });
    if (!ok)
        runs.clear();
    return ok;
}

bool read_models_of(const std::string& path, const std::string& manufacturer,
                    std::vector<EquipmentLine>& lines, std::string& error) {
    lines.clear();
    LineReader reader;
    const bool ok = reader.open(path, error) && for_each_model_line(reader, error, [&](const Fields& fields) {
                        if (fields.manufacturer == manufacturer)
                            lines.push_back(to_line(fields));
                    });
    if (!ok)
        lines.clear();
    return ok;
}

} // namespace vellimar
