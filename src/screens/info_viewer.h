#pragma once
// The product information viewer, opened over the results screen: the
// product family's text from the product information file of the chosen
// voltage, to read and print.
#include <QWidget>

class QLabel;
class QPlainTextEdit;
class QPushButton;

namespace vellimar {

class Screens;

class InfoViewer : public QWidget {
    Q_OBJECT
  public:
    explicit InfoViewer(Screens& screens);

    // The model text whose information showInfo looks up; the hidden Label2
    // shows it.
    void setModelText(const QString& model);
    // Fills and shows the viewer for the model text; a text of fewer than 3
    // characters closes the viewer instead.
    void showInfo();

    QPlainTextEdit* infoText; // Text1
    QPushButton* printButton; // "Print This Document"
    QPushButton* backButton;  // "Back"
    QLabel* noticeLabel;      // Label1
    QLabel* modelLabel;       // Label2, hidden

    void printDocument();
    void back();

  protected:
    // Closing the window closes the viewer only; the program goes on.
    void closeEvent(QCloseEvent* event) override;

  private:
    Screens& screens_;
    QString model_;
};

} // namespace vellimar
