#pragma once
// The product information viewer, opened over the results screen.
#include <QWidget>

class QLabel;

namespace vellimar {

class Form5 : public QWidget {
    Q_OBJECT
  public:
    Form5();
    void Form_Load() {}

    // Fills and shows the viewer for the model text in Label2.
    void showinfo();

    QLabel* Label2; // the model text, hidden
};

} // namespace vellimar
