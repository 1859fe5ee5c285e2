#pragma once
// The load list screen: the items to protect, their total, the voltage and
// the runtime, and the way to a suggestion.
#include "shell/screen.h"

class QComboBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QRadioButton;

namespace vellimar {

class ImageButton;
class Picture;

class Form1 : public Screen {
    Q_OBJECT
  public:
    Form1();

    // Recomputes the total of List2 into Text1.
    void va_update();
    // Appends one item the way every entry screen does: description to
    // List1, VA text to List2, then va_update.
    void append_item(const QString& description, const QString& va_text);

    Picture* Image1; // logo
    QLabel* Label10;
    QLabel* Label9;
    QLabel* Label11;
    ImageButton* Image6; // help
    QLabel* Label7;
    QListWidget* List1;
    QListWidget* List2;
    QRadioButton* Option1;
    QLabel* Label5;
    QRadioButton* Option2;
    QLabel* Label6;
    ImageButton* Image2;
    QLabel* Label1;
    QLabel* Label8;
    ImageButton* Image3;
    QLabel* Label2;
    QLabel* Label4;
    QLineEdit* Text1;
    ImageButton* Image4;
    QLabel* Label3;
    QComboBox* Combo1;

    void Image2_Click();
    void Image3_Click();
    void Image4_Click();
    void Image6_Click();

  private:
    void Combo1_Edited(const QString& text);
};

} // namespace vellimar
