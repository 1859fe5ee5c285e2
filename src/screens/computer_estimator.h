#pragma once
// The general computer estimator: a computer's load from its parts.
#include <array>

#include "ui/screen.h"

class QCheckBox;
class QComboBox;
class QLineEdit;

namespace vellimar {

class ImageButton;
class Screens;

class ComputerEstimator : public Screen {
    Q_OBJECT
  public:
    explicit ComputerEstimator(Screens& screens);

    QComboBox* typeBox;                         // Combo3
    QComboBox* processorBox;                    // Combo1
    QComboBox* monitorBox;                      // Combo2
    std::array<QCheckBox*, 5> peripheralChecks; // Check1 ... Check5
    QCheckBox* otherDeviceCheck;                // Check6
    QLineEdit* otherDeviceBox;                  // Text2
    ImageButton* addButton;                     // Image1, "Add This System"
    ImageButton* cancelButton;                  // Image2
    ImageButton* helpButton;                    // Image3

    void addSystem();
    void cancel();
    void showHelp();

  private:
    Screens& screens_;
};

} // namespace vellimar
