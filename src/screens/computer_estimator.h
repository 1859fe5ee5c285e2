#pragma once
// The general computer estimator: a computer's load from its parts.
#include <array>

#include "ui/screen.h"

class QCheckBox;
class QComboBox;
class QLineEdit;

namespace vellimar {

class ImageButton;
class RunState;
class Screens;

class ComputerEstimator : public Screen {
    Q_OBJECT
  public:
    ComputerEstimator(Screens& screens, RunState& state);

    void addSystem();
    void cancel();
    void showHelp();

  private:
    QComboBox* typeBox_;                         // Combo3
    QComboBox* processorBox_;                    // Combo1
    QComboBox* monitorBox_;                      // Combo2
    std::array<QCheckBox*, 5> peripheralChecks_; // Check1 ... Check5
    QCheckBox* otherDeviceCheck_;                // Check6
    QLineEdit* otherDeviceBox_;                  // Text2
    ImageButton* addButton_;                     // Image1, "Add This System"
    ImageButton* cancelButton_;                  // Image2
    ImageButton* helpButton_;                    // Image3

    Screens& screens_;
    RunState& state_;
};

} // namespace vellimar
