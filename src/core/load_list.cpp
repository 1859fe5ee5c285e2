#include "core/load_list.h"

#include "core/numbers.h"

namespace vellimar {

std::int64_t running_total(const std::vector<std::string>& va_texts) {
    std::int64_t total = 0;
    for (const std::string& va : va_texts)
        total = saturate_to_int64(round_half_even(static_cast<double>(total) + lenient_parse(va)));
    return total;
}

void LoadList::append(const std::string& va_text) {
    va_texts_.push_back(va_text);
}

void LoadList::clear() {
    va_texts_.clear();
}

} // namespace vellimar
