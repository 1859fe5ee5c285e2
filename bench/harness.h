#pragma once
// What every benchmark program shares: the screens on Qt's offscreen
// platform with the platform seams swapped for fakes, a temporary working
// directory with generated data, checks that stop a broken measurement, and
// the ratios printed at the end.
#include <filesystem>
#include <functional>
#include <string>
#include <vector>

namespace vellimar {
class FakePlatform;
}

namespace vellimar::bench {

// A case measured against a baseline of the same program; `at_most` 0 for
// a ratio shown without a target.
struct Ratio {
    std::string measured;
    std::string baseline;
    double at_most;
};

// A case with an absolute limit; 0 for a figure without one.
struct Limit {
    std::string measured;
    double at_most_ms;
};

// Prints what went wrong, removes the temporary directory and ends the
// program with a failure, so a broken case never reports a speed.
[[noreturn]] void fail(const std::string& what);
inline void check(bool ok, const std::string& what) {
    if (!ok)
        fail(what);
}

// The fakes in the platform seams; a case checks that nothing was shown.
FakePlatform& fakes();
void check_no_message(const std::string& where);

// The temporary working directory of this run.
const std::filesystem::path& data_dir();

// Starts Qt offscreen, swaps in the fakes, makes the working directory,
// lets `prepare` write the data files, runs the registered benchmarks and
// prints each ratio and limit from the medians (or means without
// repetitions). Removes the directory at the end.
int run_benchmarks(int argc, char** argv, const std::function<void()>& prepare,
                   const std::vector<Ratio>& ratios, const std::vector<Limit>& limits);

} // namespace vellimar::bench
