#pragma once
// The screen registry: one instance of each screen for the whole run,
// created the first time any code touches it (its load then runs once). Only
// the product information viewer is ever destroyed and made afresh.
#include <memory>

#include "screens/screens.h"

namespace vellimar {

class Registry final : public Screens {
  public:
    Registry();
    ~Registry();

    CategoryMenu& categoryMenu() override;
    LoadListScreen& loadList() override;
    ModelPicker& modelPicker() override;
    ComputerEstimator& computerEstimator() override;
    ResultsScreen& results() override;
    InfoViewer& infoViewer() override;
    void closeInfoViewer(const InfoViewer* viewer) override;

    // Destroys every screen, so that the next touch starts as a fresh run.
    void reset();

  private:
    template <typename S> S& touch(std::unique_ptr<S>& slot);

    std::unique_ptr<CategoryMenu> menu_;
    std::unique_ptr<LoadListScreen> loadList_;
    std::unique_ptr<ModelPicker> picker_;
    std::unique_ptr<ComputerEstimator> estimator_;
    std::unique_ptr<ResultsScreen> results_;
    std::unique_ptr<InfoViewer> viewer_;
};

// The registry of the run.
Registry& registry();

} // namespace vellimar
