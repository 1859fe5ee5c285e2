#include "core/own_va.h"

#include <cstdint>

#include "core/numbers.h"

namespace vellimar {

std::optional<LoadItem> own_va_item(std::string_view typed) {
    const double rounded = round_half_even(lenient_parse(typed));
    if (!(rounded >= 1 && rounded <= LargestLoadVa))
        return std::nullopt;
    const std::string value = number_to_text(static_cast<std::int64_t>(rounded));
    return LoadItem{"Specific VA: " + value, value};
}

} // namespace vellimar
