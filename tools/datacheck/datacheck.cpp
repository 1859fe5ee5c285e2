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
#include "core/ratings.h"
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
    Report(std::string file, const FindingSink& sink) : file_(std::move(file)), sink_(sink) {}
    void error(std::size_t line, std::string message) { add(line, false, std::move(message)); }
    void warning(std::size_t line, std::string message) { add(line, true, std::move(message)); }
    bool empty() const { return count_ == 0; }

  private:
    void add(std::size_t line, bool warning, std::string message) {
        ++count_;
        sink_({file_, line, warning, std::move(message)});
    }
    std::string file_;
    const FindingSink& sink_;
    std::size_t count_ = 0;
};

// No real table has more than a few dozen load bands, nor a list more than
// a few thousand makers; past these bounds the checks that look back over
// the whole file stop, so that memory stays bounded whatever the file.
constexpr std::size_t MostBandsChecked = 10000;
constexpr std::size_t MostMakerBytesChecked = 4 << 20;

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

// The first section the viewer finds for each family key, by the header
// line it starts at.
struct FoundHeader {
    std::size_t line = 0;
    std::string text;
};
using FamilySections = std::map<std::string, FoundHeader, std::less<>>;

// The rating lines and pack lines of a product file, each with its line and
// the header line of its section.
struct RatedModel {
    ModelRating rating;
    std::size_t line = 0;
    std::size_t section = 0;
};
struct ListedPack {
    BatteryPack pack;
    std::size_t line = 0;
    std::size_t section = 0;
};
struct ProductRatings {
    std::map<std::string, RatedModel, std::less<>> models;
    std::vector<ListedPack> packs;
};

const char* const RatingForm = "\"Model: 400 VA / 240 W; 19 min at half load, 8 min at full load\"";
const char* const PackForm = "\"Battery pack Name: 336 Wh, up to 2 per unit\" (then perhaps \", for Model, "
                             "Model\")";

void read_rating(std::string_view line, std::size_t number, std::size_t section, Report& report,
                 ProductRatings& ratings) {
    if (std::optional<ModelRating> rating = read_rating_line(line)) {
        const ModelRating& r = *rating;
        if (!(r.va > 0 && r.watts > 0 && r.watts <= r.va))
            report.error(number, "the rating of " + shown(r.model) + " gives more W than VA, or none.");
        else if (!(r.half_load_minutes > r.full_load_minutes && r.full_load_minutes > 0))
            report.error(number, "the rating of " + shown(r.model) +
                                     " gives no longer runtime at half load than at full load.");
        auto [same, fresh] = ratings.models.emplace(r.model, RatedModel{r, number, section});
        if (!fresh)
            report.error(number, shown(r.model) + " is rated on line " + std::to_string(same->second.line) +
                                     " already.");
    } else if (std::optional<BatteryPack> pack = read_pack_line(line)) {
        if (!(pack->watt_hours > 0 && pack->most_per_unit >= 1))
            report.error(number, "the battery pack " + shown(pack->name) + " gives no energy or no count.");
        ratings.packs.push_back({std::move(*pack), number, section});
    } else if (looks_like_pack_line(line)) {
        report.warning(number,
                       "this reads as no battery pack line; write one as " + std::string(PackForm) + ".");
    } else if (looks_like_rating_line(line)) {
        report.warning(number, "this reads as no rating line; write one as " + std::string(RatingForm) + ".");
    }
}

// Each model a pack line names is rated in the pack's section.
void check_pack_models(const ProductRatings& ratings, Report& report) {
    for (const ListedPack& listed : ratings.packs)
        for (const std::string& model : listed.pack.models) {
            const auto rated = ratings.models.find(model);
            if (rated == ratings.models.end() || rated->second.section != listed.section)
                report.error(listed.line, "the battery pack " + shown(listed.pack.name) + " is for " +
                                              shown(model) + ", which no rating line of its section names.");
        }
}

// The product file through the viewer's own section walk: its faults, which
// section each family finds, and its ratings. Returns false when the file
// could not be read to its end.
bool walk_product_file(LineReader& lines, Report& report, FamilySections& found, ProductRatings& ratings) {
    SectionWalk walk(lines);
    while (walk.next_section()) {
        const std::size_t header_line = walk.header_line();
        if (walk.skipped_a_separator())
            report.warning(walk.separator_line() + 1,
                           "a separator follows the separator of line " +
                               std::to_string(walk.separator_line()) +
                               "; it is skipped as the line after a separator, so line " +
                               std::to_string(header_line) + " is the section header.");
        const std::string header = decode_line(walk.header());
        for (std::string_view key : FamilyKeys)
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
        std::string decoded;
        while (walk.next_body_line(body)) {
            ++body_lines;
            read_rating(decoded_view(body, decoded), lines.line_number(), header_line, report, ratings);
        }
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
    check_pack_models(ratings, report);
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
        if (key.empty()) {
            report.warning(line, "the model text " + quoted(model) +
                                     " names no product family, so its information button shows no "
                                     "product information.");
            return;
        }
        if (found_.find(key) != found_.end())
            return;
        auto [missing, fresh] = missing_.emplace(key, Missing{line, line, model, 0});
        ++missing->second.count;
        missing->second.last_line = line;
    }

    void report_missing(Report& report) const {
        for (const auto& [key, missing] : missing_) {
            std::string message = "the model text " + quoted(missing.model) + " belongs to the family " +
                                  in_quotes(key) + ", but no section header of " + products_file_ +
                                  " contains it";
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

// Holds each model a record proposes to the ratings of the product file:
// rated, at least the band's upper bound in VA and, at the design power
// factor, in W, and lasting the minutes of its column there.
class RatingCheck {
  public:
    RatingCheck(const ProductRatings& ratings, std::string products_file)
        : ratings_(ratings), products_file_(std::move(products_file)) {}

    void check(const std::string& model_text, double minutes, double upper, std::size_t line,
               Report& report) const {
        const ProposedModel proposed = read_proposed_model(model_text);
        const std::string what =
            in_quotes(visible_text(model_text)) + " for " + number_to_text(minutes).substr(1) + " min";
        const auto rated = ratings_.models.find(proposed.model);
        if (rated == ratings_.models.end()) {
            report.error(line, what + " has no rating line in " + products_file_ + ".");
            return;
        }
        const ModelRating& rating = rated->second.rating;
        std::string source = at(rated->second.line);
        double pack_energy = 0;
        if (proposed.packs > 0) {
            const ListedPack* pack = pack_for(rated->second);
            if (!pack) {
                report.error(line, what + ": no battery pack line of " + products_file_ + " fits " +
                                       in_quotes(visible_text(proposed.model)) + " (rated on " + source +
                                       ").");
                return;
            }
            if (proposed.packs > pack->pack.most_per_unit) {
                report.error(line, what + ": " + in_quotes(visible_text(proposed.model)) + " takes up to " +
                                       number_to_text(pack->pack.most_per_unit).substr(1) +
                                       " of the pack of " + at(pack->line) + ".");
                return;
            }
            pack_energy = proposed.packs * pack->pack.watt_hours;
            source += ", pack " + at(pack->line);
        }
        const double watts = upper * DesignPowerFactor;
        const std::string band = number_to_text(upper).substr(1);
        if (rating.va < upper) {
            report.error(line, what + " is rated " + number_to_text(rating.va).substr(1) + " VA (" + source +
                                   "), below the band's upper bound of " + band + " VA.");
        } else if (rating.watts < watts) {
            report.error(line, what + " is rated " + number_to_text(rating.watts).substr(1) + " W (" +
                                   source + "), below " + number_to_text(watts).substr(1) +
                                   " W, the band's upper bound of " + band +
                                   " VA at the design power factor of 0.9.");
        } else if (usable(rating) && watts > 0) {
            const double runtime = estimated_runtime_minutes(rating, pack_energy, watts);
            if (runtime < minutes)
                report.error(line, what + " runs an estimated " +
                                       number_to_text(std::floor(runtime * 10) / 10).substr(1) + " min at " +
                                       number_to_text(watts).substr(1) + " W (" + source + "), short of " +
                                       number_to_text(minutes).substr(1) + " min.");
        }
    }

  private:
    std::string at(std::size_t line) const { return products_file_ + ":" + std::to_string(line); }
    // Ratings the product file check refuses give no estimate.
    static bool usable(const ModelRating& r) {
        return r.watts > 0 && r.half_load_minutes > r.full_load_minutes && r.full_load_minutes > 0;
    }
    // The first pack line of the model's section that fits it.
    const ListedPack* pack_for(const RatedModel& rated) const {
        for (const ListedPack& listed : ratings_.packs)
            if (listed.section == rated.section && listed.pack.watt_hours > 0 &&
                pack_fits(listed.pack, rated.rating.model))
                return &listed;
        return nullptr;
    }

    const ProductRatings& ratings_;
    std::string products_file_;
};

// The minutes the runtime column of `field` stands for.
double column_minutes(std::size_t field) {
    return lenient_parse(RuntimeItems[field - FirstModelField]);
}

void check_table(LineReader& lines, Report& report, const FamilySections* families,
                 const ProductRatings* ratings, const std::string& products_file) {
    std::vector<Band> bands;
    std::map<std::pair<double, double>, std::size_t> band_index;
    std::optional<ModelLookup> lookup;
    std::optional<RatingCheck> rating_check;
    if (families)
        lookup.emplace(*families, products_file);
    if (ratings)
        rating_check.emplace(*ratings, products_file);
    bool bands_bounded = false;

    std::string_view line;
    std::string reason;
    while (lines.next(line)) {
        const std::size_t number = lines.line_number();
        if (is_blank_record(line))
            continue;
        const std::size_t fields = static_cast<std::size_t>(std::count(line.begin(), line.end(), '\t')) + 1;
        if (fields != RecordFieldCount)
            report.error(number, "the record has " + std::to_string(fields) +
                                     " tab-separated fields; a record has " +
                                     count_in_words(RecordFieldCount) + ": load band, hint and " +
                                     count_in_words(RecordFieldCount - FirstModelField) + " models.");
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
        if (const auto same = band_index.find(std::make_pair(lower, upper)); same != band_index.end()) {
            ++bands[same->second].records;
        } else if (bands.size() < MostBandsChecked) {
            band_index.emplace(std::make_pair(lower, upper), bands.size());
            bands.push_back({lower, upper, number, 1});
        } else if (!bands_bounded) {
            bands_bounded = true;
            report.warning(number, "the table has more than " + std::to_string(MostBandsChecked) +
                                       " load bands; from this line on, new bands are not checked for "
                                       "their records, overlaps and gaps.");
        }

        if (lookup || rating_check) {
            // Decoded whole, as the selector reads a record, then split.
            const RecordFields record = split_record(decode_line(line));
            for (std::size_t field = FirstModelField; field < RecordFieldCount; ++field) {
                if (record[field].empty())
                    continue;
                if (lookup)
                    lookup->check(record[field], number, report);
                if (rating_check && opens_product_information(record[field]) &&
                    !family_key(record[field]).empty())
                    rating_check->check(record[field], column_minutes(field), std::min(upper, HighestTotal),
                                        number, report);
            }
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
    std::size_t maker_bytes = 0;
    bool makers_bounded = false;

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
            if (const auto seen = first_line_of.find(line.manufacturer); seen != first_line_of.end()) {
                report.error(number, "the manufacturer " + shown(line.manufacturer) +
                                         " already has lines from line " + std::to_string(seen->second) +
                                         "; keep a manufacturer's lines together, or it is listed twice.");
            } else if (maker_bytes < MostMakerBytesChecked) {
                maker_bytes += line.manufacturer.size();
                first_line_of.emplace(line.manufacturer, number);
            } else if (!makers_bounded) {
                makers_bounded = true;
                report.warning(number, "the list names more manufacturers than are checked for lines apart; "
                                       "from this line on, new ones are not.");
            }
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
    std::string text = path_in_message(finding.file) + ":";
    if (finding.line > 0)
        text += std::to_string(finding.line) + ":";
    text += finding.warning ? " warning: " : " ";
    return text + finding.message;
}

namespace {

std::vector<Finding> collected(const std::function<void(const FindingSink&)>& check) {
    std::vector<Finding> findings;
    check([&](Finding&& finding) { findings.push_back(std::move(finding)); });
    return findings;
}

// The product file's families and ratings, its own findings given to `report`.
struct ProductFile {
    FamilySections families;
    ProductRatings ratings;
    bool read = false; // to its end, or at least without a read failure
};

} // namespace

std::vector<Finding> check_runtime_table(std::string_view content, const std::string& file,
                                         std::string_view products, const std::string& products_file) {
    ProductFile product;
    if (!products_file.empty()) {
        LineReader product_lines = text_lines(products, products_file);
        const FindingSink ignore = [](Finding&&) {};
        Report ignored(products_file, ignore);
        product.read = walk_product_file(product_lines, ignored, product.families, product.ratings) ||
                       product_lines.error().empty();
    }
    return collected([&](const FindingSink& sink) {
        Report report(file, sink);
        LineReader lines = text_lines(content, file);
        check_table(lines, report, product.read ? &product.families : nullptr,
                    product.read ? &product.ratings : nullptr, products_file);
    });
}

std::vector<Finding> check_product_file(std::string_view content, const std::string& file) {
    return collected([&](const FindingSink& sink) {
        Report report(file, sink);
        ProductFile product;
        LineReader lines = text_lines(content, file);
        if (walk_product_file(lines, report, product.families, product.ratings))
            check_product_families(product.families, report);
    });
}

std::vector<Finding> check_equipment_list(std::string_view content, const std::string& file) {
    return collected([&](const FindingSink& sink) {
        Report report(file, sink);
        LineReader lines = text_lines(content, file);
        check_list(lines, report);
    });
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

void check_data_folder(const std::string& folder, const FindingSink& sink) {
    auto name_in_folder = [&](const std::string& name) {
        return folder == "." ? name : (std::filesystem::path(folder) / name).string();
    };
    // Each file is read as the selector reads it, a block at a time. A file
    // that cannot be read is one finding; what depends on it is not checked.
    auto check = [&](const std::string& path, std::uint64_t largest, auto check_lines) {
        Report report(path, sink);
        LineReader lines;
        std::string error;
        if (lines.open(path, error, largest))
            check_lines(lines, report);
        else
            report.error(0, error);
    };

    for (const char* voltage : {"120", "230"}) {
        const std::string products = name_in_folder("prod" + std::string(voltage) + ".txt");
        ProductFile product;
        check(products, LargestProductFile, [&](LineReader& lines, Report& report) {
            product.read = walk_product_file(lines, report, product.families, product.ratings);
            if (product.read)
                check_product_families(product.families, report);
            product.read = product.read || lines.error().empty();
        });
        check(name_in_folder(std::string(voltage) + ".txt"), 0, [&](LineReader& lines, Report& report) {
            check_table(lines, report, product.read ? &product.families : nullptr,
                        product.read ? &product.ratings : nullptr, path_in_message(products));
        });
    }
    for (const EquipmentCategory& category : EquipmentCategories)
        check(name_in_folder(category.file), 0, check_list);
}

} // namespace vellimar::datacheck
