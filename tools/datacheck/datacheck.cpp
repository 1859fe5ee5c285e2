#include "datacheck/datacheck.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <filesystem>
#include <functional>
#include <iterator>
#include <map>
#include <optional>
#include <utility>

#include "core/count_words.h"
#include "core/equipment_categories.h"
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
// Texts from the file, cut short and made valid UTF-8 for the report.
std::string shown(std::string_view raw) {
    return in_quotes(excerpt(raw, 60));
}

std::string band_text(double lower, double upper) {
    // number_to_text leads a non-negative number with a space.
    return number_to_text(lower).substr(1) + "-" + number_to_text(upper).substr(1);
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
                               "; a total there gets " + count_in_words(UpsClassCount) + " empty results.");
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

// The first section the viewer finds for each family key, the empty key
// included, by the header line it starts at.
struct FoundHeader {
    std::size_t line = 0;
    std::string text;
};
using FamilySections = std::map<std::string, FoundHeader, std::less<>>;

// The product file through the viewer's own section walk: its faults, and
// which section each family finds. Returns false when the file could not
// be read to its end.
bool walk_product_file(LineReader& lines, Report& report, FamilySections& found) {
    SectionWalk walk(lines);
    std::vector<std::string_view> keys(FamilyKeys.begin(), FamilyKeys.end());
    keys.push_back({});
    while (walk.next_section()) {
        const std::size_t header_line = walk.header_line();
        if (walk.skipped_a_separator())
            report.warning(walk.separator_line() + 1,
                           "a separator follows the separator of line " +
                               std::to_string(walk.separator_line()) +
                               "; it is skipped as the line after a separator, so line " +
                               std::to_string(header_line) + " is the section header.");
        const std::string header = decode_line(walk.header());
        for (std::string_view key : keys)
            if (header_holds_key(walk.header(), key) && found.find(key) == found.end())
                found.emplace(std::string(key), FoundHeader{header_line, header});
        if (contains(header, "-------")) {
            report.error(header_line, "the section header line is a row of hyphens; the header names "
                                      "the product family.");
            continue;
        }
        if (is_blank_record(header)) {
            report.error(header_line, "the section header line is empty, so no family finds this "
                                      "section.");
            continue;
        }
        std::string_view body;
        std::size_t body_lines = 0;
        while (walk.next_body_line(body))
            ++body_lines;
        if (body_lines == 0)
            report.warning(header_line, "the section " + shown(header) + " has no body text.");
    }
    if (!lines.error().empty()) {
        report.error(0, lines.error());
        return false;
    }
    if (walk.cut_off()) {
        report.error(walk.separator_line(), "the file ends after this separator, where a section "
                                            "header line should follow.");
        return false;
    }
    return true;
}

// Looks up model texts the way the viewer does. A family without a section
// is reported once, on the line of its first model text, with a count.
class ModelLookup {
  public:
    ModelLookup(const FamilySections& found, std::string products_file)
        : found_(found), products_file_(std::move(products_file)) {}

    void check(const std::string& model, std::size_t line, Report& report) {
        if (!opens_product_information(model)) {
            report.warning(line, "the model text " + quoted(model) +
                                     " is shorter than three characters, so its information button "
                                     "opens nothing.");
            return;
        }
        const std::string key = family_key(model);
        const bool has_section = found_.find(key) != found_.end();
        if (key.empty() && has_section) {
            report.warning(line, "the model text " + quoted(model) +
                                     " names no product family, so its information button shows the "
                                     "first section of " +
                                     products_file_ + ".");
            return;
        }
        if (has_section)
            return;
        auto [missing, fresh] = missing_.emplace(key, Missing{line, line, model, 0});
        ++missing->second.count;
        missing->second.last_line = line;
    }

    void report_missing(Report& report) const {
        for (const auto& [key, missing] : missing_) {
            std::string message =
                key.empty()
                    ? "the model text " + quoted(missing.model) + " names no product family, and no " +
                          "section header of " + products_file_ + " is there to show instead"
                    : "the model text " + quoted(missing.model) + " belongs to the family " + in_quotes(key) +
                          ", but no section header of " + products_file_ + " contains it";
            if (missing.count > 1)
                message += "; so do " + std::to_string(missing.count - 1) + " more model texts up to line " +
                           std::to_string(missing.last_line);
            report.error(missing.first_line, message + ".");
        }
    }

  private:
    static std::string quoted(const std::string& model) { return in_quotes(visible_text(model)); }

    struct Missing {
        std::size_t first_line;
        std::size_t last_line;
        std::string model;
        std::size_t count;
    };
    const FamilySections& found_;
    std::string products_file_;
    std::map<std::string, Missing> missing_;
};

void check_table(LineReader& lines, Report& report, const FamilySections* families,
                 const std::string& products_file) {
    std::vector<Band> bands;
    std::map<std::pair<double, double>, std::size_t> band_index;
    std::optional<ModelLookup> lookup;
    if (families)
        lookup.emplace(*families, products_file);

    std::string_view line;
    std::string reason;
    while (lines.next(line)) {
        const std::size_t number = lines.line_number();
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
            // Decoded whole, as the selector reads a record, then split.
            const RecordFields record = split_record(decode_line(line));
            for (std::size_t field = FirstModelField; field < RecordFieldCount; ++field)
                if (!record[field].empty())
                    lookup->check(record[field], number, report);
        }
    }
    if (!lines.error().empty()) {
        report.error(0, lines.error());
        return;
    }
    if (lookup)
        lookup->report_missing(report);
    if (bands.empty() && report.empty())
        report.error(0, "the table has no records.");
    for (const Band& band : bands)
        if (band.records != RecordsPerBand)
            report.error(band.first_line, "the load band " + band_text(band.lower, band.upper) + " has " +
                                              std::to_string(band.records) + " records; it needs " +
                                              count_in_words(UpsClassCount) +
                                              ", one per UPS class in order.");
    check_overlaps(bands, report);
    check_coverage(bands, report);
}

void check_product_families(const FamilySections& found, Report& report) {
    for (std::string_view key : FamilyKeys) {
        const auto first = found.find(key);
        if (first == found.end()) {
            report.error(0, "no section header line contains the family " + in_quotes(key) +
                                ", so its models show an empty description.");
            continue;
        }
        // The first header holding the key may belong to a longer family name.
        for (std::string_view other : FamilyKeys)
            if (other != key && contains(other, key) && contains(first->second.text, other))
                report.error(first->second.line,
                             "the family " + in_quotes(key) + " finds this section, which belongs to " +
                                 in_quotes(other) + "; put the " + in_quotes(key) + " section before it.");
    }
}

// A whole number of VA, with nothing after it but blanks and "VA", reads as
// written; anything else is read only up to where the number stops.
bool is_plain_va(std::string_view va) {
    std::size_t i = va.find_first_not_of(" \t");
    const std::size_t digits = i == std::string_view::npos ? 0 : va.find_first_not_of("0123456789", i);
    if (i == std::string_view::npos || digits == i)
        return false;
    i = std::min(va.find_first_not_of(" \t", digits), va.size());
    if (va.substr(i, 2) == "VA")
        i += 2;
    return va.find_first_not_of(" \t", i) == std::string_view::npos;
}

void check_list(LineReader& lines, Report& report) {
    std::map<std::string, std::size_t> first_line_of; // manufacturer -> line of its first run
    std::string previous;
    bool any = false;

    std::string_view raw;
    while (lines.next(raw)) {
        const std::size_t number = lines.line_number();
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
        else if (!is_plain_va(line.va))
            report.warning(number,
                           "the VA " + shown(line.va) + " reads as " + number_to_text(va).substr(1) +
                               "; write a whole number, with nothing after it but blanks and \"VA\".");
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
    if (!lines.error().empty())
        report.error(0, lines.error());
    else if (!any)
        report.error(0, "the list names no model.");
}

LineReader text_lines(std::string_view content, const std::string& file) {
    LineReader lines;
    lines.open_text(content, file);
    return lines;
}

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
    FamilySections families;
    bool products_read = false;
    if (!products_file.empty()) {
        LineReader product_lines = text_lines(products, products_file);
        Report ignored(products_file);
        products_read = walk_product_file(product_lines, ignored, families) || product_lines.error().empty();
    }
    LineReader lines = text_lines(content, file);
    check_table(lines, report, products_read ? &families : nullptr, products_file);
    return report.take();
}

std::vector<Finding> check_product_file(std::string_view content, const std::string& file) {
    Report report(file);
    FamilySections families;
    LineReader lines = text_lines(content, file);
    if (walk_product_file(lines, report, families))
        check_product_families(families, report);
    return report.take();
}

std::vector<Finding> check_equipment_list(std::string_view content, const std::string& file) {
    Report report(file);
    LineReader lines = text_lines(content, file);
    check_list(lines, report);
    return report.take();
}

std::vector<DataFile> data_files() {
    std::vector<DataFile> files;
    for (const char* voltage : {"120", "230"}) {
        files.push_back({"prod" + std::string(voltage) + ".txt", "product-information"});
        files.push_back({std::string(voltage) + ".txt", "runtime-table"});
    }
    for (const EquipmentCategory& category : EquipmentCategories)
        files.push_back({category.file, "equipment-list"});
    return files;
}

std::vector<Finding> check_data_folder(const std::string& folder) {
    auto name_in_folder = [&](const std::string& name) {
        return folder == "." ? name : (std::filesystem::path(folder) / name).string();
    };
    std::vector<Finding> findings;
    // Each file is read as the selector reads it, a block at a time. A file
    // that cannot be read is one finding; what depends on it is not checked.
    auto check = [&](const std::string& path, std::uint64_t largest, auto check_lines) {
        Report report(path);
        LineReader lines;
        std::string error;
        if (lines.open(path, error, largest))
            check_lines(lines, report);
        else
            report.error(0, error);
        std::vector<Finding> more = report.take();
        findings.insert(findings.end(), std::make_move_iterator(more.begin()),
                        std::make_move_iterator(more.end()));
    };

    for (const char* voltage : {"120", "230"}) {
        const std::string products = name_in_folder("prod" + std::string(voltage) + ".txt");
        FamilySections families;
        bool products_read = false;
        check(products, LargestProductFile, [&](LineReader& lines, Report& report) {
            products_read = walk_product_file(lines, report, families);
            if (products_read)
                check_product_families(families, report);
            products_read = products_read || lines.error().empty();
        });
        check(name_in_folder(std::string(voltage) + ".txt"), 0, [&](LineReader& lines, Report& report) {
            check_table(lines, report, products_read ? &families : nullptr, products);
        });
    }
    for (const EquipmentCategory& category : EquipmentCategories)
        check(name_in_folder(category.file), 0, check_list);
    std::stable_sort(findings.begin(), findings.end(), [](const Finding& a, const Finding& b) {
        return a.file < b.file || (a.file == b.file && a.line < b.line);
    });
    return findings;
}

} // namespace vellimar::datacheck
