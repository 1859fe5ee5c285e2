// The picker's equipment list readers on any list: the streaming readers the
// picker fills its lists with, against the whole list read in memory, and the
// data checker's view of the same list.
#include <unistd.h>

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <string>
#include <string_view>
#include <vector>

#include "core/equipment_list.h"
#include "core/textfile.h"
#include "datacheck/datacheck.h"
#include "fuzz_check.h"

using namespace vellimar;

namespace {

// In the working directory, which the runner removes afterwards.
const std::string& scratch_path() {
    static const std::string path = "equipment_list_fuzz_" + std::to_string(::getpid()) + ".txt";
    return path;
}

bool same_lines(const std::vector<EquipmentLine>& a, const std::vector<EquipmentLine>& b) {
    if (a.size() != b.size())
        return false;
    for (std::size_t i = 0; i < a.size(); ++i)
        if (a[i].manufacturer != b[i].manufacturer || a[i].model != b[i].model || a[i].va != b[i].va)
            return false;
    return true;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view list(reinterpret_cast<const char*>(data), size);
    // The plainest reading: every line that splits into three fields.
    std::vector<EquipmentLine> lines;
    LineReader reader;
    reader.open_text(list, "server.txt");
    std::string_view raw;
    EquipmentLine split;
    while (reader.next(raw))
        if (split_equipment_line(decode_line(raw), split))
            lines.push_back(split);
    for (const EquipmentLine& line : lines) {
        fuzz::require(valid_utf8(line.manufacturer) && valid_utf8(line.model) && valid_utf8(line.va),
                      "fields are UTF-8");
        fuzz::require(line.manufacturer.find(',') == std::string::npos &&
                          line.model.find(',') == std::string::npos,
                      "manufacturer and model hold no comma");
        for (const std::string* field : {&line.manufacturer, &line.model, &line.va})
            fuzz::require(field->find_first_of("\r\n") == std::string::npos, "fields hold no line end");
    }
    // One manufacturer per run of lines, counted from an empty one.
    std::vector<std::string> runs;
    for (const EquipmentLine& each : lines)
        if (each.manufacturer != (runs.empty() ? std::string() : runs.back()))
            runs.push_back(each.manufacturer);
    fuzz::require(runs.size() <= lines.size(), "no more manufacturers than lines");

    // What the picker reads from the file is what the list holds.
    {
        std::FILE* file = std::fopen(scratch_path().c_str(), "wb");
        fuzz::require(file != nullptr, "the scratch file opens");
        fuzz::require(std::fwrite(list.data(), 1, list.size(), file) == list.size(), "the file is written");
        std::fclose(file);
    }
    std::string error;
    std::vector<std::string> read_runs;
    fuzz::require(read_manufacturer_runs(scratch_path(), read_runs, error), "the manufacturers read");
    fuzz::require(read_runs == runs, "the picker's manufacturers are the list's runs");
    // Each fill reads the whole file: three makers keep a run short.
    std::vector<std::string> makers;
    if (!runs.empty())
        makers = {runs.front(), runs[size % runs.size()], runs.back()};
    for (const std::string& maker : makers) {
        std::vector<EquipmentLine> models;
        fuzz::require(read_models_of(scratch_path(), maker, models, error), "the models read");
        std::vector<EquipmentLine> expected;
        for (const EquipmentLine& line : lines)
            if (line.manufacturer == maker)
                expected.push_back(line);
        fuzz::require(same_lines(models, expected), "the picker's models are the maker's lines");
    }

    for (const auto& finding : datacheck::check_equipment_list(list, "server.txt"))
        fuzz::require(valid_utf8(datacheck::format_finding(finding)), "findings are UTF-8");
    return 0;
}
