#include "core/load_list.h"

#include "core/numbers.h"

namespace vellimar {

std::int64_t add_to_total(std::int64_t total, const std::string& va_text) {
    return saturate_to_int64(round_half_even(static_cast<double>(total) + lenient_parse(va_text)));
}

std::int64_t running_total(const std::vector<std::string>& va_texts) {
    std::int64_t total = 0;
    for (const std::string& va : va_texts)
        total = add_to_total(total, va);
    return total;
}

std::int64_t add_item_to_total(std::int64_t total, const LoadItem& item) {
    for (int i = 0; i < item.quantity; ++i)
        total = add_to_total(total, item.va_text);
    return total;
}

std::string shown_item(const LoadItem& item) {
    return item.quantity > 1 ? std::to_string(item.quantity) + " x " + item.description : item.description;
}

} // namespace vellimar
