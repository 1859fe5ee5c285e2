#pragma once
// What one run of the selector has chosen so far: the items to protect, the
// voltage, the runtime, and the last suggestion with what it was made for.
// The screens write the user's choices here and show what it holds; nothing
// here needs a window, so a load list can be sized or kept without one.
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "core/own_va.h"
#include "core/suggestion.h"

namespace vellimar {

// A suggestion that went ahead, with the total and runtime it was made for,
// as they are shown and printed.
struct MadeSuggestion {
    std::string total_text;
    std::string runtime_text;
    ClassTexts models;
};

class RunState {
  public:
    // The items in the order they were added; identical items added one by
    // one are separate, an item read from a file may carry a quantity.
    const std::vector<LoadItem>& items() const { return items_; }
    void addItem(const LoadItem& item);
    void clearItems();
    // Takes out the item at `index` (nothing when there is none) and counts
    // the total afresh.
    void removeItem(std::size_t index);
    // The items of a list taken up again, in place of the current ones.
    void setItems(const std::vector<LoadItem>& items);

    // The file the list was last saved to or opened from ("" for none), and
    // whether the items changed since.
    const std::string& listFile() const { return listFile_; }
    bool listChanged() const { return listChanged_; }
    void setListFile(const std::string& path);
    std::int64_t total() const { return total_; }
    // "0" until the first total is taken, then the total as text.
    const std::string& totalText() const { return totalText_; }

    // The folder the data files are read from ("" for the working
    // directory), chosen at start-up, and the path of one of its files.
    const std::string& dataFolder() const { return dataFolder_; }
    void setDataFolder(const std::string& folder) { dataFolder_ = folder; }
    std::string dataFile(std::string_view name) const;

    bool volts120() const { return volts120_; }
    void setVolts120(bool volts120) { volts120_ = volts120; }

    // The runtime as the box shows it, and the index of the chosen item; -1
    // while it is typed or not chosen.
    const std::string& runtimeText() const { return runtimeText_; }
    int runtimeIndex() const { return runtimeIndex_; }
    void setRuntime(const std::string& text, int index);

    // Suggests for the current choices. When it goes ahead it becomes the
    // last suggestion; a refusal (in the result's message) leaves that as it was.
    Suggestion suggest();
    const MadeSuggestion& lastSuggestion() const { return lastSuggestion_; }
    // A suggestion made elsewhere (a run taken up again) as the last one.
    void setLastSuggestion(const MadeSuggestion& made) { lastSuggestion_ = made; }

  private:
    void countTotal();

    std::string dataFolder_;
    std::vector<LoadItem> items_;
    std::string listFile_;
    bool listChanged_ = false;
    std::int64_t total_ = 0;
    std::string totalText_ = "0";
    bool volts120_ = true;
    std::string runtimeText_ = RuntimePrompt;
    int runtimeIndex_ = -1;
    MadeSuggestion lastSuggestion_;
};

} // namespace vellimar
