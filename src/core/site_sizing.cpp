#include "core/site_sizing.h"

#include <cstdio>

#include "core/load_file.h"
#include "core/run_state.h"

namespace vellimar {

namespace {

std::string json_string(const std::string& text) {
    std::string quoted = "\"";
    for (const char c : text) {
        if (c == '"' || c == '\\') {
            quoted += '\\', quoted += c;
        } else if (static_cast<unsigned char>(c) < 0x20) {
            char escaped[8];
            std::snprintf(escaped, sizeof escaped, "\\u%04x", static_cast<unsigned>(c));
            quoted += escaped;
        } else {
            quoted += c;
        }
    }
    return quoted + "\"";
}

std::string volts(const SiteSizing& site) {
    return site.volts120 ? "120" : "230";
}

std::string text_block(const SiteSizing& site) {
    std::string block = site.site + "\n";
    if (!site.message.empty())
        return block + "  " + site.message + "\n\n";
    block += "  Total VA: " + site.totalText + "     Desired Runtime: " + site.runtimeText + "     " +
             volts(site) + " Volt\n";
    for (std::size_t k = 0; k < site.models.size(); ++k)
        block += "  " + std::string(UpsClasses[k].caption) + ": " + site.models[k] + "\n";
    return block + "\n";
}

// Site, voltage, runtime, total, class, model, message.
using Record = std::array<std::string, 7>;
const Record RecordNames = {"site", "volts", "runtime", "total_va", "class", "model", "message"};

std::vector<Record> records(const SiteSizing& site) {
    const std::string total = site.message.empty() ? std::to_string(site.total) : std::string();
    if (!site.message.empty())
        return {{site.site, volts(site), site.runtimeText, total, "", "", site.message}};
    std::vector<Record> records;
    for (std::size_t k = 0; k < site.models.size(); ++k)
        records.push_back(
            {site.site, volts(site), site.runtimeText, total, UpsClasses[k].caption, site.models[k], ""});
    return records;
}

} // namespace

SiteSizing size_site(const std::string& site, const std::vector<LoadItem>& items, bool volts120,
                     const std::string& runtimeText, int runtimeIndex, const std::string& dataFolder) {
    RunState state;
    state.setDataFolder(dataFolder);
    state.setItems(items);
    state.setVolts120(volts120);
    state.setRuntime(runtimeText, runtimeIndex);
    const Suggestion suggestion = state.suggest();
    return {site,          volts120,           runtimeText,      state.totalText(),
            state.total(), suggestion.message, suggestion.models};
}

SiteSizing unreadable_site(const std::string& site, const std::string& message) {
    SiteSizing sizing;
    sizing.site = site;
    sizing.message = message;
    return sizing;
}

std::string sizing_output(const std::vector<SiteSizing>& sites, SizingFormat format) {
    std::string output;
    if (format == SizingFormat::Text) {
        for (const SiteSizing& site : sites)
            output += text_block(site);
        return output;
    }
    if (format == SizingFormat::Csv) {
        for (const std::string& name : RecordNames)
            output += (output.empty() ? "" : ",") + name;
        output += "\r\n";
        for (const SiteSizing& site : sites)
            for (const Record& record : records(site)) {
                std::string line;
                for (const std::string& field : record)
                    line += (line.empty() ? "" : ",") + (field.empty() ? std::string() : csv_field(field));
                output += line + "\r\n";
            }
        return output;
    }
    output = "[";
    for (const SiteSizing& site : sites)
        for (const Record& record : records(site)) {
            output += output.size() > 1 ? ",\n {" : "\n {";
            for (std::size_t i = 0; i < record.size(); ++i)
                output += (i ? ", " : "") + json_string(RecordNames[i]) + ": " +
                          (i != 3              ? json_string(record[i])
                           : record[i].empty() ? "null"
                                               : record[i]);
            output += "}";
        }
    return output + "\n]\n";
}

} // namespace vellimar
