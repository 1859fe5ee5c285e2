#include "core/run_state.h"

#include "core/data_folder.h"
#include "core/load_list.h"
#include "core/numbers.h"

namespace vellimar {

void RunState::addItem(const LoadItem& item) {
    items_.push_back(item);
    total_ = add_item_to_total(total_, item);
    totalText_ = number_to_text(total_);
    listChanged_ = true;
}

void RunState::clearItems() {
    setItems({});
    listChanged_ = true;
}

void RunState::removeItem(std::size_t index) {
    if (index >= items_.size())
        return;
    items_.erase(items_.begin() + static_cast<std::ptrdiff_t>(index));
    // Fractional loads are rounded one by one, so the total is counted again
    // in order rather than the item's share taken off.
    countTotal();
    listChanged_ = true;
}

void RunState::setItems(const std::vector<LoadItem>& items) {
    items_ = items;
    countTotal();
}

void RunState::setListFile(const std::string& path) {
    listFile_ = path;
    listChanged_ = false;
}

void RunState::countTotal() {
    total_ = 0;
    for (const LoadItem& item : items_)
        total_ = add_item_to_total(total_, item);
    totalText_ = number_to_text(total_);
}

void RunState::setRuntime(const std::string& text, int index) {
    runtimeText_ = text;
    runtimeIndex_ = index;
}

std::string RunState::dataFile(std::string_view name) const {
    return data_file(dataFolder_, name);
}

Suggestion RunState::suggest() {
    Suggestion suggestion =
        vellimar::suggest(runtimeText_, runtimeIndex_, static_cast<double>(total_), volts120_, dataFolder_);
    if (suggestion.message.empty())
        setLastSuggestion({totalText_, runtimeText_, suggestion.models});
    return suggestion;
}

} // namespace vellimar
