#pragma once
// The model picker: manufacturers and models of one equipment category.
#include "ui/screen.h"

class QLabel;
class QListWidget;

namespace vellimar {

class ImageButton;
class Screens;

class ModelPicker : public Screen {
    Q_OBJECT
  public:
    explicit ModelPicker(Screens& screens);

    // The equipment list to read (its key, kept in the hidden Label1) and
    // the two prompts above the lists.
    void setCategory(const QString& key, const QString& first_prompt, const QString& second_prompt);
    // Fills the manufacturer list from the category's equipment list file.
    void fillManufacturers();

    QListWidget* manufacturerList; // manuf
    QListWidget* modelList;        // model
    QListWidget* vaList;           // modelva, hidden: the VA text of each model entry
    QLabel* categoryLabel;         // Label1, hidden
    QLabel* firstPrompt;           // Label2
    QLabel* secondPrompt;          // Label3
    ImageButton* cancelButton;
    ImageButton* nextButton;
    ImageButton* otherCategoryButton;

    void manufacturerChosen();
    void modelChosen();
    void addModel();
    void cancel();
    void chooseOtherCategory();

  private:
    // Fills the model list with every model of the chosen manufacturer.
    void fillModels();
    std::string filePath() const;

    Screens& screens_;
    QString categoryKey_;
    QString chosenDescription_;
    QString chosenVa_;
};

} // namespace vellimar
