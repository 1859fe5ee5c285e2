#include "datacheck/datacheck.h"

#include <algorithm>
#include <cmath>
#include <filesystem>
#include <iterator>
#include <map>
#include <optional>
#include <utility>

#include "core/equipment_list.h"
#include "core/numbers.h"
#include "core/own_va.h"
#include "core/product_info.h"
#include "core/runtime_table.h"
#include "core/suggestion.h"
#include "core/textfile.h"

namespace vellimar::datacheck {

namespace {

constexpr double LowestTotal = 1;
constexpr double HighestTotal = LargestLoadVa;
constexpr std::size_t RecordsPerBand = UpsClassCount;
constexpr std::size_t FirstModelField = 2;
// The viewer opens nothing for a shorter model text.
constexpr std::size_t ShortestModel = 3;

// Texts from the file, cut short and made valid UTF-8 for the report.
std::string shown(std::string_view raw) {
    return in_quotes(excerpt(raw, 60));
}

std::string band_text(double lower, double upper) {
    // number_to_text leads a non-negative number with a space.
    return number_to_text(lower).substr(1) + "-" + number_to_text(upper).substr(1);
}

std::size_t characters(std::string_view utf8) {
    return static_cast<std::size_t>(std::count_if(
        utf8.begin(), utf8.end(), [](char c) { return (static_cast<unsigned char>(c) & 0xC0) != 0x80; }));
}

class Report {
  public:
    explicit Report(std::string file) : file_(std::move(file)) {}
    void error(std::size_t line, std::string message) {
        findings_.push_back({file_, line, false, std::move(message)});
    }
    void warning(std::size_t line, std::string message) {
        findings_.push_back({file_, line, true, std::move(message)});
    }
    bool empty() const { return findings_.empty(); }
    std::vector<Finding> take() { return std::move(findings_); }

  private:
    std::string file_;
    std::vector<Finding> findings_;
};

struct Band {
    double lower = 0;
    double upper = 0;
    std::size_t first_line = 0;
    std::size_t records = 0;
};

// The whole totals from 1 to 5000 that no band holds, each gap reported on
// the line of the band after it (or, at the top, of the highest band).
void check_coverage(std::vector<Band> bands, Report& report) {
    std::sort(bands.begin(), bands.end(), [](const Band& a, const Band& b) {
        return a.lower < b.lower || (a.lower == b.lower && a.upper < b.upper);
    });
    auto gap = [&](double from, double to, std::size_t line, const char* where) {
        report.error(line, "the totals " + number_to_text(from).substr(1) + " to " +
                               number_to_text(to).substr(1) + " are in no load band" + where +
                               "; a total there gets seven empty results.");
    };
    double covered = LowestTotal - 1;
    const Band* highest = nullptr;
    for (const Band& band : bands) {
        const double first = std::max(std::ceil(band.lower), LowestTotal);
        const double last = std::min(std::floor(band.upper), HighestTotal);
        if (first > covered + 1 && covered < HighestTotal)
            gap(covered + 1, std::min(first - 1, HighestTotal), band.first_line, " (below this band)");
        if (last > covered) {
            covered = last;
            highest = &band;
        }
    }
    if (covered < HighestTotal && highest)
        gap(covered + 1, HighestTotal, highest->first_line, " (above this band)");
}

void check_overlaps(std::vector<Band> bands, Report& report) {
    std::sort(bands.begin(), bands.end(), [](const Band& a, const Band& b) {
        return a.lower < b.lower || (a.lower == b.lower && a.first_line < b.first_line);
    });
    const Band* reaching = nullptr; // the band reaching highest so far
    for (const Band& band : bands) {
        if (reaching && band.lower <= reaching->upper)
            report.error(band.first_line, "the load band " + band_text(band.lower, band.upper) +
                                              " overlaps the band " +
                                              band_text(reaching->lower, reaching->upper) + " of line " +
                                              std::to_string(reaching->first_line) +
                                              "; a total in both gets the records of both.");
        if (!reaching || band.upper > reaching->upper)
            reaching = &band;
    }
}

// Looks up model texts the way the viewer does, once per family.
class ModelLookup {
  public:
    ModelLookup(std::string_view products, std::string products_file)
        : products_(products), products_file_(std::move(products_file)) {}

    void check(std::string_view raw_model, std::size_t line, Report& report) {
        const std::string model = decode_line(raw_model);
        if (characters(model) < ShortestModel) {
            report.warning(line, "the model text " + in_quotes(model) +
                                     " is shorter than three characters, so its information button "
                                     "opens nothing.");
            return;
        }
        const std::string key = family_key(model);
        if (key.empty()) {
            report.warning(line, "the model text " + in_quotes(model) +
                                     " names no product family, so its information button shows the "
                                     "first section of " +
                                     products_file_ + ".");
            return;
        }
        auto known = found_.find(key);
        if (known == found_.end()) {
            const ProductSection section = find_product_section(products_, key, products_file_);
            known = found_.emplace(key, section.ok && !section.text.empty()).first;
        }
        if (!known->second)
            report.error(line, "the model text " + in_quotes(model) + " belongs to the family " +
                                   in_quotes(key) + ", but no section header of " + products_file_ +
                                   " contains it.");
    }

  private:
    std::string_view products_;
    std::string products_file_;
    std::map<std::string, bool> found_;
};

} // namespace

std::string format_finding(const Finding& finding) {
    std::string text = finding.file + ":";
    if (finding.line > 0)
        text += std::to_string(finding.line) + ":";
    text += finding.warning ? " warning: " : " ";
    return text + finding.message;
}

std::vector<Finding> check_runtime_table(std::string_view content, const std::string& file,
                                         std::string_view products, const std::string& products_file) {
    Report report(file);
    std::vector<Band> bands;
    std::map<std::pair<double, double>, std::size_t> band_index;
    std::optional<ModelLookup> lookup;
    if (!products_file.empty())
        lookup.emplace(products, products_file);

    LineCursor cursor(content);
    std::string_view line;
    std::string reason;
    while (cursor.next(line)) {
        const std::size_t number = cursor.line_number();
        if (is_blank_record(line))
            continue;
        const std::size_t fields = static_cast<std::size_t>(std::count(line.begin(), line.end(), '\t')) + 1;
        if (fields != RecordFieldCount)
            report.error(number, "the record has " + std::to_string(fields) +
                                     " tab-separated fields; a record has eight: load band, hint and six "
                                     "models.");
        double lower = 0;
        double upper = 0;
        if (!read_load_band(line, lower, upper, reason)) {
            report.error(number, "malformed record: " + reason);
            continue;
        }
        if (lower > upper) {
            report.error(number, "the load band " + shown(line.substr(0, line.find('\t'))) +
                                     " has its lower bound above its upper bound, so no total is in it.");
            continue;
        }
        auto [same, fresh] = band_index.emplace(std::make_pair(lower, upper), bands.size());
        if (fresh)
            bands.push_back({lower, upper, number, 1});
        else
            ++bands[same->second].records;

        if (lookup) {
            const RecordFields record = split_record(line);
            for (std::size_t field = FirstModelField; field < RecordFieldCount; ++field)
                if (!record[field].empty())
                    lookup->check(record[field], number, report);
        }
    }

    if (bands.empty() && report.empty())
        report.error(0, "the table has no records.");
    for (const Band& band : bands)
        if (band.records != RecordsPerBand)
            report.error(band.first_line, "the load band " + band_text(band.lower, band.upper) + " has " +
                                              std::to_string(band.records) +
                                              " records; it needs seven, one per UPS class in order.");
    check_overlaps(bands, report);
    check_coverage(bands, report);
    return report.take();
}

std::vector<Finding> check_product_file(std::string_view content, const std::string& file) {
    Report report(file);
    constexpr std::string_view Separator = "----------";
    constexpr std::string_view BodyEnd = "-------";

    struct Header {
        std::size_t line;
        std::string text;
    };
    std::vector<Header> headers;

    LineCursor cursor(content);
    std::string_view line;
    bool next_is_separator = false;
    while (next_is_separator || cursor.next(line)) {
        next_is_separator = false;
        if (!contains(line, Separator))
            continue;
        const std::size_t separator_line = cursor.line_number();
        std::string_view skipped;
        std::string_view header;
        if (!cursor.next(skipped))
            break; // a closing separator
        if (contains(skipped, Separator)) {
            report.error(cursor.line_number(), "a separator follows the separator of line " +
                                                   std::to_string(separator_line) +
                                                   "; the line after a separator is skipped, so this "
                                                   "section is lost.");
            line = skipped;
            next_is_separator = true;
            continue;
        }
        if (!cursor.next(header)) {
            if (!is_blank_record(skipped))
                report.error(separator_line, "the file ends after this separator, where a section "
                                             "header line should follow.");
            break;
        }
        const std::size_t header_line = cursor.line_number();
        if (contains(header, BodyEnd)) {
            report.error(header_line, "the section header line is a row of hyphens; the header names "
                                      "the product family.");
            if (contains(header, Separator)) {
                line = header;
                next_is_separator = true;
            }
            continue;
        }
        if (is_blank_record(header)) {
            report.error(header_line, "the section header line is empty, so no family finds this "
                                      "section.");
            continue;
        }
        headers.push_back({header_line, decode_line(header)});
        std::string_view body;
        std::size_t body_lines = 0;
        while (cursor.next(body)) {
            if (contains(body, BodyEnd)) {
                if (contains(body, Separator)) {
                    line = body;
                    next_is_separator = true;
                }
                break;
            }
            ++body_lines;
        }
        if (body_lines == 0)
            report.warning(header_line, "the section " + shown(header) + " has no body text.");
    }

    for (std::string_view key : FamilyKeys) {
        const ProductSection section = find_product_section(content, key, file);
        if (!section.ok)
            continue; // reported above
        if (section.text.empty()) {
            report.error(0, "no section header line contains the family " + in_quotes(key) +
                                ", so its models show an empty description.");
            continue;
        }
        // The first header holding the key may belong to a longer family name.
        for (const Header& header : headers) {
            if (!contains(header.text, key))
                continue;
            for (std::string_view other : FamilyKeys)
                if (other != key && contains(other, key) && contains(header.text, other))
                    report.error(header.line, "the family " + in_quotes(key) +
                                                  " finds this section, which belongs to " +
                                                  in_quotes(other) + "; put the " + in_quotes(key) +
                                                  " section before it.");
            break;
        }
    }
    return report.take();
}

std::vector<Finding> check_equipment_list(std::string_view content, const std::string& file) {
    Report report(file);
    std::map<std::string, std::size_t> first_line_of; // manufacturer -> line of its first run
    std::string previous;
    bool any = false;

    LineCursor cursor(content);
    std::string_view raw;
    while (cursor.next(raw)) {
        const std::size_t number = cursor.line_number();
        if (is_blank_record(raw)) {
            report.warning(number, "blank line.");
            continue;
        }
        EquipmentLine line;
        if (!split_equipment_line(decode_line(raw), line)) {
            report.error(number, "the line " + shown(raw) +
                                     " has fewer than two commas (manufacturer,model,VA), so it is "
                                     "skipped.");
            continue;
        }
        any = true;
        const double va = lenient_parse(line.va);
        if (!(va >= LowestTotal && va <= HighestTotal))
            report.error(number, "the VA " + shown(line.va) + " does not read as a number from 1 to 5000.");
        if (line.model.empty())
            report.error(number, "the model is empty.");
        if (line.manufacturer.find_first_not_of(" \t") == std::string::npos) {
            report.error(number, "the manufacturer is empty.");
            continue;
        }
        if (line.manufacturer != previous) {
            auto [seen, fresh] = first_line_of.emplace(line.manufacturer, number);
            if (!fresh)
                report.error(number, "the manufacturer " + shown(line.manufacturer) +
                                         " already has lines from line " + std::to_string(seen->second) +
                                         "; keep a manufacturer's lines together, or it is listed twice.");
            previous = line.manufacturer;
        }
    }
    if (!any)
        report.error(0, "the list names no model.");
    return report.take();
}

std::vector<Finding> check_data_folder(const std::string& folder) {
    auto name_in_folder = [&](const char* name) {
        return folder == "." ? std::string(name) : (std::filesystem::path(folder) / name).string();
    };
    std::vector<Finding> findings;
    auto add = [&](std::vector<Finding> more) {
        findings.insert(findings.end(), std::make_move_iterator(more.begin()),
                        std::make_move_iterator(more.end()));
    };
    // A file that cannot be read is one finding; what depends on it is not checked.
    auto read = [&](const std::string& path, std::string& content) {
        std::string error;
        if (read_data_file(path, content, error))
            return true;
        findings.push_back({path, 0, false, error});
        return false;
    };

    for (const char* voltage : {"120", "230"}) {
        const std::string table = name_in_folder((std::string(voltage) + ".txt").c_str());
        const std::string products = name_in_folder(("prod" + std::string(voltage) + ".txt").c_str());
        std::string table_content;
        std::string products_content;
        const bool products_read = read(products, products_content);
        if (products_read)
            add(check_product_file(products_content, products));
        if (read(table, table_content))
            add(check_runtime_table(table_content, table, products_content,
                                    products_read ? products : std::string()));
    }
    for (const char* list : {"server.txt", "network.txt", "telecom.txt", "other.txt"}) {
        const std::string path = name_in_folder(list);
        std::string content;
        if (read(path, content))
            add(check_equipment_list(content, path));
    }
    std::stable_sort(findings.begin(), findings.end(), [](const Finding& a, const Finding& b) {
        return a.file < b.file || (a.file == b.file && a.line < b.line);
    });
    return findings;
}

} // namespace vellimar::datacheck
