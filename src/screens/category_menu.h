#pragma once
// The category menu, the start screen: how to add an item to the load list.
#include "ui/screen.h"

namespace vellimar {

class ImageButton;
class Screens;
struct EquipmentCategory;

class CategoryMenu : public Screen {
    Q_OBJECT
  public:
    explicit CategoryMenu(Screens& screens);

    ImageButton* computerButton; // Image1, "General Computer / Workstation"
    ImageButton* serverButton;   // Image2
    ImageButton* networkButton;  // Image3
    ImageButton* telecomButton;  // Image4
    ImageButton* otherButton;    // Image5
    ImageButton* mainMenuButton; // Image6
    ImageButton* helpButton;     // Image7
    ImageButton* ownVaButton;    // Image8

    void openEstimator();
    // Opens the model picker on one of the equipment categories.
    void openPicker(const EquipmentCategory& category);
    void showLoadList();
    void showHelp();
    void enterOwnVa();

  private:
    Screens& screens_;
};

} // namespace vellimar
