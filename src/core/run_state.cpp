#include "core/run_state.h"

#include "core/load_list.h"
#include "core/numbers.h"

namespace vellimar {

void RunState::addItem(const LoadItem& item) {
    items_.push_back(item);
    total_ = add_to_total(total_, item.va_text);
    totalText_ = number_to_text(total_);
}

void RunState::clearItems() {
    items_.clear();
    total_ = 0;
    totalText_ = number_to_text(total_);
}

void RunState::setRuntime(const std::string& text, int index) {
    runtimeText_ = text;
    runtimeIndex_ = index;
}

Suggestion RunState::suggest() {
    Suggestion suggestion =
        vellimar::suggest(runtimeText_, runtimeIndex_, static_cast<double>(total_), volts120_);
    if (suggestion.message.empty())
        setLastSuggestion({totalText_, runtimeText_, suggestion.models});
    return suggestion;
}

} // namespace vellimar
