#pragma once
// The screens as each screen reaches the others: one instance of each for
// the whole run, created the first time it is asked for. Only the product
// information viewer is ever closed and made afresh.
namespace vellimar {

class CategoryMenu;
class ComputerEstimator;
class InfoViewer;
class LoadListScreen;
class ModelPicker;
class ResultsScreen;

class Screens {
  public:
    virtual CategoryMenu& categoryMenu() = 0;
    virtual LoadListScreen& loadList() = 0;
    virtual ModelPicker& modelPicker() = 0;
    virtual ComputerEstimator& computerEstimator() = 0;
    virtual ResultsScreen& results() = 0;
    virtual InfoViewer& infoViewer() = 0;
    // Closes `viewer` if it is still the open one; the next infoViewer()
    // makes a fresh one.
    virtual void closeInfoViewer(const InfoViewer* viewer) = 0;

  protected:
    ~Screens() = default;
};

} // namespace vellimar
