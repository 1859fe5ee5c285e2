#pragma once
// The general computer estimate: a computer's load from its type, processor,
// monitor and peripherals, and the checks that refuse an incomplete choice.
#include <array>
#include <string>

#include "core/own_va.h"

namespace vellimar {

// A choice of a list, or a peripheral, with the VA it adds.
struct Part {
    const char* name;
    int va;
};

// A list of parts with the prompt it shows until a part is chosen.
struct PartList {
    const char* prompt;
    const Part* parts;
    int count;
};

extern const PartList ComputerTypes;
extern const PartList Processors;
extern const PartList Monitors;
extern const std::array<Part, 5> Peripherals;

inline const std::string OtherDeviceLabel = "Other Device VA:";

struct ComputerChoice {
    // Index into ComputerTypes, Processors and Monitors; -1 while the list
    // shows its prompt.
    int type = -1;
    int processor = -1;
    int monitor = -1;
    std::array<bool, Peripherals.size()> peripherals{};
    bool other_device = false;
    std::string other_device_va; // counted only when other_device is ticked
};

struct ComputerEstimate {
    // The first check that failed, as the message to show; empty when the
    // estimate stands.
    std::string refusal;
    // The "General PC" item, its VA with any fraction of the other device.
    LoadItem item;
};

// Runs the checks in order (type, processor, monitor, a negative other
// device) and adds up the VA of the chosen parts.
ComputerEstimate estimate_computer(const ComputerChoice& choice);

} // namespace vellimar
