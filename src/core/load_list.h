#pragma once
// The load list: the loads of the items one UPS is to protect, each held as
// the text it was given in, and their total. (The screen lists the items'
// descriptions.)
#include <cstdint>
#include <string>
#include <vector>

namespace vellimar {

// The total of the VA texts in order: each is read leniently and added to
// the running total, and every sum is rounded to an integer, ties to even,
// so fractional loads are rounded one by one (1.5 and 1.5 give 4). The
// total saturates instead of wrapping.
std::int64_t running_total(const std::vector<std::string>& va_texts);

class LoadList {
  public:
    // Appends one item's load last; identical items are separate items.
    void append(const std::string& va_text);
    void clear();

    std::int64_t total() const { return running_total(va_texts_); }

  private:
    std::vector<std::string> va_texts_;
};

} // namespace vellimar
