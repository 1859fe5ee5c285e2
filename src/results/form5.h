#pragma once
// The product information viewer, opened over the results screen: the
// product family's text from the product information file of the chosen
// voltage, to read and print.
#include <QWidget>

class QLabel;
class QPlainTextEdit;
class QPushButton;

namespace vellimar {

class Form5 : public QWidget {
    Q_OBJECT
  public:
    Form5();
    void Form_Load() {}

    // Fills and shows the viewer for the model text in Label2; a text of
    // fewer than 3 characters closes the viewer instead.
    void showinfo();

    QPlainTextEdit* Text1;
    QPushButton* Command1; // "Print This Document"
    QPushButton* Command2; // "Back"
    QLabel* Label1;        // notice
    QLabel* Label2;        // the model text, hidden

    void Command1_Click();
    void Command2_Click();

  protected:
    // Closing the window closes the viewer only; the program goes on.
    void closeEvent(QCloseEvent* event) override;
};

} // namespace vellimar
