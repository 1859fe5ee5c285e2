#pragma once
// The screen registry: one instance of each screen for the whole run,
// created the first time any code touches it (its load then runs once) and
// handed the run's state. Only the product information viewer is ever
// destroyed and made afresh. Its owner keeps it on the stack, beneath the
// QApplication, so no screen outlives the application.
#include <memory>

#include "screens/screens.h"

namespace vellimar {

class RunState;

class Registry final : public Screens {
  public:
    explicit Registry(RunState& state);
    ~Registry();
    Registry(const Registry&) = delete;
    Registry& operator=(const Registry&) = delete;

    CategoryMenu& categoryMenu() override;
    LoadListScreen& loadList() override;
    ModelPicker& modelPicker() override;
    ComputerEstimator& computerEstimator() override;
    ResultsScreen& results() override;
    InfoViewer& infoViewer() override;
    void closeInfoViewer(const InfoViewer* viewer) override;

    // Destroys every screen and empties the run's state, so that the next
    // touch starts as a fresh run.
    void reset();

  private:
    template <typename S> S& touch(std::unique_ptr<S>& slot);

    RunState& state_;
    std::unique_ptr<CategoryMenu> menu_;
    std::unique_ptr<LoadListScreen> loadList_;
    std::unique_ptr<ModelPicker> picker_;
    std::unique_ptr<ComputerEstimator> estimator_;
    std::unique_ptr<ResultsScreen> results_;
    std::unique_ptr<InfoViewer> viewer_;
};

} // namespace vellimar
