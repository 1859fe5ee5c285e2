#pragma once
// The load list: the items one UPS is to protect, each a description and a
// load held as text, and their total.
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
    // Appends one item last; identical items are separate items.
    void append(const std::string& description, const std::string& va_text);
    void clear();

    std::int64_t total() const { return running_total(va_texts_); }

  private:
    // Always of equal length: entry i of one belongs to entry i of the other.
    std::vector<std::string> descriptions_;
    std::vector<std::string> va_texts_;
};

} // namespace vellimar
