#pragma once
// The model picker: manufacturers and models of one equipment category.
#include "shell/screen.h"

class QLabel;

namespace vellimar {

class Form2 : public Screen {
    Q_OBJECT
  public:
    Form2();

    // Fills the manufacturer list from the category's equipment list file.
    void getmanufs();

    QLabel* Label1; // category key, hidden
    QLabel* Label2; // first prompt
    QLabel* Label3; // second prompt
};

} // namespace vellimar
