#pragma once
// The category menu: the start screen, from which every load item starts.
#include "shell/screen.h"

class QLabel;

namespace vellimar {

class ImageButton;

class Form6 : public Screen {
    Q_OBJECT
  public:
    Form6();
    void Form_Load() override;

    QLabel* Label7;
    ImageButton* Image1;
    ImageButton* Image2;
    ImageButton* Image3;
    ImageButton* Image4;
    ImageButton* Image5;
    ImageButton* Image8;
    ImageButton* Image6;
    ImageButton* Image7;
    QLabel* Label1;
    QLabel* Label2;
    QLabel* Label3;
    QLabel* Label4;
    QLabel* Label5;
    QLabel* Label8;
    QLabel* Label6;

    void Image1_Click();
    void Image2_Click();
    void Image3_Click();
    void Image4_Click();
    void Image5_Click();
    void Image6_Click();
    void Image7_Click();
    void Image8_Click();

  private:
    void open_picker(const QString& key, const QString& first_prompt, const QString& second_prompt);
};

} // namespace vellimar
