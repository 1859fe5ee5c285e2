#pragma once
// The total of a load list, whose items' loads are held as the texts they
// were given in.
#include <cstdint>
#include <string>
#include <vector>

#include "core/own_va.h"

namespace vellimar {

// `total` with one more item's load: the VA text read leniently, the sum
// rounded to an integer, ties to even, and saturated instead of wrapping.
std::int64_t add_to_total(std::int64_t total, const std::string& va_text);

// The total of the VA texts in order, each added with add_to_total, so
// fractional loads are rounded one by one (1.5 and 1.5 give 4).
std::int64_t running_total(const std::vector<std::string>& va_texts);

// `total` with one more item, counted as many times as its quantity says,
// each time as add_to_total adds it.
std::int64_t add_item_to_total(std::int64_t total, const LoadItem& item);

// The item as the list shows it: "8 x " before the description of an item
// of quantity 8, the description alone for one.
std::string shown_item(const LoadItem& item);

} // namespace vellimar
