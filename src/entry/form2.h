#pragma once
// The model picker: manufacturers and models of one equipment category.
#include <string>

#include "shell/screen.h"

class QLabel;
class QListWidget;

namespace vellimar {

class ImageButton;

class Form2 : public Screen {
    Q_OBJECT
  public:
    Form2();
    void Form_Load() override;

    // Fills the manufacturer list from the category's equipment list file.
    void getmanufs();

    QLabel* Label1; // category key, hidden
    QLabel* Label2; // first prompt
    QListWidget* manuf;
    QLabel* Label3; // second prompt
    QListWidget* model;
    QListWidget* modelva; // VA text of each model entry, hidden
    ImageButton* Image5;  // Cancel
    QLabel* Label6;
    ImageButton* Image7; // Next
    QLabel* Label5;
    ImageButton* Image8; // Different Category
    QLabel* Label4;

    void manuf_Click();
    void model_Click();
    void Image5_Click();
    void Image7_Click();
    void Image8_Click();

  private:
    // Fills the model list with every model of the selected manufacturer.
    void getmodels();
    std::string file_path() const;

    std::string data_prefix_;
    QString category_key_;
    QString selected_description_;
    QString selected_va_;
};

} // namespace vellimar
