#include "core/computer_estimate.h"

#include "core/numbers.h"

namespace vellimar {

namespace {

constexpr Part TypeParts[] = {{"Desktop", 0}, {"Minitower", 0}, {"Full tower", 30}};
constexpr Part ProcessorParts[] = {{"Dual Pentium Pro", 160},
                                   {"Dual Pentium", 100},
                                   {"Pentium Pro", 100},
                                   {"Pentium II", 100},
                                   {"Pentium", 70},
                                   {"486", 65},
                                   {"386", 60},
                                   {"68000 (MAC)", 65},
                                   {"Alpha", 115},
                                   {"K6", 85},
                                   {"MIPS", 115},
                                   {"Power PC", 70}};
constexpr Part MonitorParts[] = {
    {"14-15 in.", 85}, {"16-17 in.", 115}, {"18-21 in.", 170}, {"LCD", 30}, {"None", 0}};

template <int N> constexpr PartList list_of(const char* prompt, const Part (&parts)[N]) {
    return PartList{prompt, parts, N};
}

// The VA of the chosen part; nothing when the list still shows its prompt.
bool chosen_va(const PartList& list, int index, double& va) {
    if (index < 0 || index >= list.count)
        return false;
    va += list.parts[index].va;
    return true;
}

} // namespace

const PartList ComputerTypes = list_of("Select Computer Type:", TypeParts);
const PartList Processors = list_of("Select Processor:", ProcessorParts);
const PartList Monitors = list_of("Select Monitor:", MonitorParts);
const std::array<Part, 5> Peripherals = {{{"CD-ROM", 15},
                                          {"Modem", 15},
                                          {"Speakers", 15},
                                          {"Scanner", 30},
                                          {"External Drive (Zip, Jaz, etc)", 20}}};

ComputerEstimate estimate_computer(const ComputerChoice& choice) {
    double va = 0;
    if (!chosen_va(ComputerTypes, choice.type, va))
        return {"You need to select a computer type or click 'Cancel'\r\n"
                "and select category 'Enter Your Own VA Rating'",
                {}};
    if (!chosen_va(Processors, choice.processor, va))
        return {"You need to select a processor type", {}};
    if (!chosen_va(Monitors, choice.monitor, va))
        return {"You need to select a monitor", {}};
    for (std::size_t i = 0; i < Peripherals.size(); ++i)
        if (choice.peripherals[i])
            va += Peripherals[i].va;
    if (choice.other_device) {
        const double other = lenient_parse(choice.other_device_va);
        if (other < 0)
            return {"You need to specify a VA value if you check Other VA", {}};
        va += other;
    }
    return {{}, {"General PC", number_to_text(va)}};
}

} // namespace vellimar
