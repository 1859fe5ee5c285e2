// The equipment list reader and the manufacturer runs on any list, and the
// data checker's view of the same list.
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "datacheck/datacheck.h"
#include "entry/equipment.h"
#include "fuzz_check.h"

using namespace vellimar;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view list(reinterpret_cast<const char*>(data), size);
    const auto lines = parse_equipment_list(list);
    for (const EquipmentLine& line : lines) {
        fuzz::require(fuzz::valid_utf8(line.manufacturer) && fuzz::valid_utf8(line.model) &&
                          fuzz::valid_utf8(line.va),
                      "fields are UTF-8");
        fuzz::require(line.manufacturer.find(',') == std::string::npos &&
                          line.model.find(',') == std::string::npos,
                      "manufacturer and model hold no comma");
        for (const std::string* field : {&line.manufacturer, &line.model, &line.va})
            fuzz::require(field->find_first_of("\r\n") == std::string::npos, "fields hold no line end");
    }
    const auto runs = manufacturer_runs(lines);
    fuzz::require(runs.size() <= lines.size(), "no more manufacturers than lines");

    for (const auto& finding : datacheck::check_equipment_list(list, "server.txt"))
        fuzz::require(fuzz::valid_utf8(datacheck::format_finding(finding)), "findings are UTF-8");
    return 0;
}
