#pragma once
// The results screen: one proposed model per UPS class, the total and the
// runtime they were proposed for, and the ways on from there.
#include "shell/screen.h"

class QLabel;

namespace vellimar {

class ImageButton;
class Picture;

class Form3 : public Screen {
    Q_OBJECT
  public:
    Form3();
    void Form_Load() override;

    QLabel* Label2;       // "Total VA:"
    QLabel* Label1;       // total
    QLabel* Label3;       // "Desired Runtime:"
    QLabel* Label9;       // runtime
    ImageButton* Image11; // help

    // One information button, model label and class caption per UPS class.
    ImageButton* Image4;
    ImageButton* Image5;
    ImageButton* Image6;
    ImageButton* Image7;
    ImageButton* Image8;
    ImageButton* Image9;
    ImageButton* Image10;
    QLabel* res[7];
    QLabel* Label4;
    QLabel* Label5;
    QLabel* Label6;
    QLabel* Label7;
    QLabel* Label8;
    QLabel* Label10;
    QLabel* Label11;
    QLabel* Label18; // XL note

    Picture* Image13; // the information icon inside Label15's sentence
    QLabel* Label15;
    QLabel* Label16;
    QLabel* Label17;

    ImageButton* Image1; // Modify Criteria
    QLabel* Label13;
    ImageButton* Image12; // Print Results
    QLabel* Label14;
    ImageButton* Image2; // Quit Selector
    QLabel* Label12;

    void Image1_Click();
    void Image2_Click();
    void Image4_Click();
    void Image5_Click();
    void Image6_Click();
    void Image7_Click();
    void Image8_Click();
    void Image9_Click();
    void Image10_Click();
    void Image11_Click();
    void Image12_Click();

  private:
    void show_information(int ups_class);
};

} // namespace vellimar
