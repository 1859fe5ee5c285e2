#include "app/registry.h"

#include <type_traits>

#include "core/run_state.h"
#include "screens/category_menu.h"
#include "screens/computer_estimator.h"
#include "screens/info_viewer.h"
#include "screens/load_list_screen.h"
#include "screens/model_picker.h"
#include "screens/results_screen.h"

namespace vellimar {

Registry::Registry(RunState& state) : state_(state) {}

Registry::~Registry() {
    reset();
}

template <typename S> S& Registry::touch(std::unique_ptr<S>& slot) {
    if (!slot) {
        slot = std::make_unique<S>(*this, state_);
        // The viewer is a plain window and has no load.
        if constexpr (std::is_base_of_v<Screen, S>)
            slot->load();
    }
    return *slot;
}

CategoryMenu& Registry::categoryMenu() {
    return touch(menu_);
}
LoadListScreen& Registry::loadList() {
    return touch(loadList_);
}
ModelPicker& Registry::modelPicker() {
    return touch(picker_);
}
ComputerEstimator& Registry::computerEstimator() {
    return touch(estimator_);
}
ResultsScreen& Registry::results() {
    return touch(results_);
}
InfoViewer& Registry::infoViewer() {
    return touch(viewer_);
}

void Registry::closeInfoViewer(const InfoViewer* viewer) {
    if (!viewer_ || viewer_.get() != viewer)
        return;
    // The viewer may be closing from inside its own handler: hide it now and
    // let the event loop delete it once that handler has returned.
    InfoViewer* closing = viewer_.release();
    closing->hide();
    closing->deleteLater();
}

void Registry::reset() {
    viewer_.reset();
    results_.reset();
    picker_.reset();
    estimator_.reset();
    loadList_.reset();
    menu_.reset();
    state_ = RunState();
}

} // namespace vellimar
