#pragma once
// The category menu, the start screen: how to add an item to the load list.
#include "ui/screen.h"

namespace vellimar {

class ImageButton;
class RunState;
class Screens;
struct EquipmentCategory;

class CategoryMenu : public Screen {
    Q_OBJECT
  public:
    CategoryMenu(Screens& screens, RunState& state);

    void openEstimator();
    // Opens the model picker on one of the equipment categories.
    void openPicker(const EquipmentCategory& category);
    void showLoadList();
    void showHelp();
    void enterOwnVa();

  private:
    ImageButton* computerButton_; // Image1, "General Computer / Workstation"
    ImageButton* mainMenuButton_; // Image6
    ImageButton* helpButton_;     // Image7
    ImageButton* ownVaButton_;    // Image8

    Screens& screens_;
    RunState& state_;
};

} // namespace vellimar
