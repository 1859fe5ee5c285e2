#include "core/ratings.h"

#include <cmath>
#include <cstdlib>

#include "core/textfile.h"

namespace vellimar {

namespace {

constexpr std::string_view Blanks = " \t";

std::string_view trimmed(std::string_view text) {
    const std::size_t first = text.find_first_not_of(Blanks);
    if (first == std::string_view::npos)
        return {};
    return text.substr(first, text.find_last_not_of(Blanks) + 1 - first);
}

// Takes `literal` off the front of `text`.
bool take(std::string_view& text, std::string_view literal) {
    if (text.substr(0, literal.size()) != literal)
        return false;
    text.remove_prefix(literal.size());
    return true;
}

// Takes a figure, digits with perhaps a decimal point and more digits, off
// the front of `text`.
bool take_figure(std::string_view& text, double& value) {
    auto digits_from = [&](std::size_t at) {
        while (at < text.size() && text[at] >= '0' && text[at] <= '9')
            ++at;
        return at;
    };
    std::size_t length = digits_from(0);
    if (length == 0)
        return false;
    if (length + 1 < text.size() && text[length] == '.' && digits_from(length + 1) > length + 1)
        length = digits_from(length + 1);
    value = std::strtod(std::string(text.substr(0, length)).c_str(), nullptr);
    text.remove_prefix(length);
    return true;
}

// The line without its blanks around and a full stop at its end.
std::string_view statement(std::string_view line) {
    line = trimmed(line);
    if (!line.empty() && line.back() == '.')
        line.remove_suffix(1);
    return line;
}

// A pack line starts with either; a modular system's packs are modules.
constexpr std::string_view PackStarts[] = {"Battery pack ", "Battery module "};

bool take_pack_start(std::string_view& line) {
    for (std::string_view start : PackStarts)
        if (take(line, start))
            return true;
    return false;
}

// Takes "name: " off the front of `text`, the name trimmed; false, taking
// nothing, where there is no ": ".
bool take_name(std::string_view& text, std::string& name) {
    const std::size_t colon = text.find(": ");
    if (colon == std::string_view::npos)
        return false;
    name = std::string(trimmed(text.substr(0, colon)));
    text.remove_prefix(colon + 2);
    return true;
}

} // namespace

std::optional<ModelRating> read_rating_line(std::string_view line) {
    std::string_view rest = statement(line);
    ModelRating rating;
    if (take_name(rest, rating.model) && !rating.model.empty() && take_figure(rest, rating.va) &&
        take(rest, " VA / ") && take_figure(rest, rating.watts) && take(rest, " W; ") &&
        take_figure(rest, rating.half_load_minutes) && take(rest, " min at half load, ") &&
        take_figure(rest, rating.full_load_minutes) && take(rest, " min at full load") && rest.empty())
        return rating;
    return std::nullopt;
}

std::optional<BatteryPack> read_pack_line(std::string_view line) {
    std::string_view rest = statement(line);
    BatteryPack pack;
    if (!take_pack_start(rest) || !take_name(rest, pack.name) || pack.name.empty() ||
        !take_figure(rest, pack.watt_hours) || !take(rest, " Wh, up to ") ||
        !take_figure(rest, pack.most_per_unit) || !take(rest, " per unit"))
        return std::nullopt;
    if (rest.empty())
        return pack;
    if (!take(rest, ", for "))
        return std::nullopt;
    for (;;) {
        const std::size_t comma = rest.find(',');
        const std::string_view model = trimmed(rest.substr(0, comma));
        if (model.empty())
            return std::nullopt;
        pack.models.emplace_back(model);
        if (comma == std::string_view::npos)
            return pack;
        rest.remove_prefix(comma + 1);
    }
}

bool pack_fits(const BatteryPack& pack, std::string_view model) {
    if (pack.models.empty())
        return true;
    for (const std::string& fits : pack.models)
        if (fits == model)
            return true;
    return false;
}

bool looks_like_rating_line(std::string_view line) {
    return contains(line, " VA / ") || contains(line, " min at full load");
}

bool looks_like_pack_line(std::string_view line) {
    line = trimmed(line);
    return take_pack_start(line);
}

ProposedModel read_proposed_model(std::string_view model_text) {
    ProposedModel proposed{std::string(model_text), 0};
    const std::size_t plus = model_text.rfind(" + ");
    if (plus == std::string_view::npos)
        return proposed;
    std::string_view rest = model_text.substr(plus + 3);
    double packs = 0;
    if (take_figure(rest, packs) && packs >= 1 && packs <= 99 && packs == std::floor(packs) &&
        (rest == (packs == 1 ? " pack" : " packs") ||
         rest == (packs == 1 ? " battery module" : " battery modules"))) {
        proposed.model = std::string(model_text.substr(0, plus));
        proposed.packs = static_cast<int>(packs);
    }
    return proposed;
}

double estimated_runtime_minutes(const ModelRating& rating, double pack_watt_hours, double watts) {
    const double half_load = rating.watts / 2;
    const double own_energy = half_load * rating.half_load_minutes / 60;
    const double scale = (own_energy + pack_watt_hours) / own_energy;
    if (watts <= half_load)
        return scale * own_energy * 60 / watts;
    const double exponent = std::log(rating.half_load_minutes / rating.full_load_minutes) / std::log(2.0);
    return scale * rating.full_load_minutes * std::pow(rating.watts / watts, exponent);
}

} // namespace vellimar
