#pragma once
// The model picker: manufacturers and models of one equipment category.
#include "ui/screen.h"

class QLabel;
class QListWidget;

namespace vellimar {

class ImageButton;
class RunState;
class Screens;
struct EquipmentCategory;

class ModelPicker : public Screen {
    Q_OBJECT
  public:
    ModelPicker(Screens& screens, RunState& state);

    // The category whose equipment list is read: its key goes to the hidden
    // Label1, its prompts above the lists.
    void setCategory(const EquipmentCategory& category);
    // Fills the manufacturer list from the category's equipment list file.
    void fillManufacturers();

    void manufacturerChosen();
    void modelChosen();
    void addModel();
    void cancel();
    void chooseOtherCategory();

  private:
    QListWidget* manufacturerList_; // manuf
    QListWidget* modelList_;        // model
    QListWidget* vaList_;           // modelva, hidden: the VA text of each model entry
    QLabel* categoryLabel_;         // Label1, hidden: the category's key, written from category_
    QLabel* firstPrompt_;           // Label2
    QLabel* secondPrompt_;          // Label3
    ImageButton* cancelButton_;
    ImageButton* nextButton_;
    ImageButton* otherCategoryButton_;

    // Fills the model list with every model of the chosen manufacturer.
    void fillModels();
    std::string filePath() const;

    Screens& screens_;
    RunState& state_;
    const EquipmentCategory* category_ = nullptr; // a row of EquipmentCategories
    QString chosenDescription_;
    QString chosenVa_;
};

} // namespace vellimar
