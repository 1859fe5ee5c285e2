#pragma once
// The general computer estimator: a computer's load from its parts.
#include "shell/screen.h"

class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;

namespace vellimar {

class ImageButton;
class Picture;

class Form4 : public Screen {
    Q_OBJECT
  public:
    Form4();

    ImageButton* Image3; // help
    QLabel* Label4;      // heading
    QComboBox* Combo3;   // computer type
    QComboBox* Combo1;   // processor
    QComboBox* Combo2;   // monitor
    QCheckBox* Check1;
    QLabel* Label5;
    QCheckBox* Check2;
    QLabel* Label6;
    Picture* Image4; // logo
    QCheckBox* Check3;
    QLabel* Label7;
    QCheckBox* Check4;
    QLabel* Label8;
    QCheckBox* Check5;
    QLabel* Label9;
    QCheckBox* Check6;
    QLabel* Label3;
    QLineEdit* Text2;    // other device VA
    ImageButton* Image2; // Cancel
    QLabel* Label2;
    ImageButton* Image1; // Add This System
    QLabel* Label1;

    void Image1_Click();
    void Image2_Click();
    void Image3_Click();
};

} // namespace vellimar
