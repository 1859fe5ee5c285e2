#pragma once
// Sizing sites without a window: each site's load through the run state's
// own suggestion, and the results as text, CSV or JSON.
#include <cstdint>
#include <string>
#include <vector>

#include "core/own_va.h"
#include "core/suggestion.h"

namespace vellimar {

struct SiteSizing {
    std::string site; // as named in messages
    bool volts120 = true;
    std::string runtimeText;
    std::string totalText; // as the results screen shows it, with its leading space
    std::int64_t total = 0;
    std::string message; // why the site was not sized; empty when it was
    ClassTexts models;
};

// Sizes the items for a voltage and a runtime (its text and its item, -1
// when typed), as "Suggest a UPS" on the load list does, on the data files
// of `dataFolder` ("" for the working directory).
SiteSizing size_site(const std::string& site, const std::vector<LoadItem>& items, bool volts120,
                     const std::string& runtimeText, int runtimeIndex, const std::string& dataFolder);
// A site that could not be read: only its message.
SiteSizing unreadable_site(const std::string& site, const std::string& message);

enum class SizingFormat { Text, Csv, Json };

// The output for the sites in order: a block per site in text; in CSV and
// JSON one record per site and class, or one record with the message for a
// site that was not sized.
std::string sizing_output(const std::vector<SiteSizing>& sites, SizingFormat format);

} // namespace vellimar
