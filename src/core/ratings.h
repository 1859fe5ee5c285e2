#pragma once
// The ratings a product information file gives in its sections: one line
// per model (VA, W and the runtime at half and at full load) and one per
// battery pack (its energy, how many a unit takes, which models take it);
// and the runtime these figures promise at a given load.
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace vellimar {

// The power factor a load in VA is taken to have when it is turned into W:
// that of current computer power supplies, whose correction keeps them at
// 0.9 and above.
constexpr double DesignPowerFactor = 0.9;

// "Korr Personal 400I: 400 VA / 240 W; 19 min at half load, 8 min at full
// load", with blanks around it and perhaps a full stop at its end.
struct ModelRating {
    std::string model;
    double va = 0;
    double watts = 0;
    double half_load_minutes = 0;
    double full_load_minutes = 0;
};
std::optional<ModelRating> read_rating_line(std::string_view line);

// "Battery pack WO-BP: 336 Wh, up to 2 per unit, for Webline Office 1200,
// Webline Office 1500" ("Battery module" for a modular system); without the
// models after "for", the pack fits every model of its section.
struct BatteryPack {
    std::string name;
    double watt_hours = 0;
    double most_per_unit = 0;
    std::vector<std::string> models;
};
std::optional<BatteryPack> read_pack_line(std::string_view line);
bool pack_fits(const BatteryPack& pack, std::string_view model);

// Whether a line is meant as one of the two, though it may not read as one.
bool looks_like_rating_line(std::string_view line);
bool looks_like_pack_line(std::string_view line);

// A model text of a runtime table: the model and the packs added to it
// ("QN 1000 + 2 packs", "Corehall 4000 + 1 battery module").
struct ProposedModel {
    std::string model;
    int packs = 0;
};
ProposedModel read_proposed_model(std::string_view model_text);

// The runtime in minutes of a model with `pack_watt_hours` of packs added,
// at a load of `watts` (more than 0, at most its W rating). The unit's own
// battery is taken to hold the energy it gives at half load; packs add
// theirs. Up to half load the runtime is that energy over the load; from
// half to full load it follows the power law through the two rated points.
// Both keep to the low side: a battery gives more energy at lighter loads
// and from a larger bank.
double estimated_runtime_minutes(const ModelRating& rating, double pack_watt_hours, double watts);

} // namespace vellimar
