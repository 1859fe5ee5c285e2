#pragma once
// The product information viewer, opened over the results screen: the
// product family's text from the product information file of the chosen
// voltage, to read and print.
#include <QWidget>

class QLabel;
class QPlainTextEdit;
class QPushButton;

namespace vellimar {

class RunState;
class Screens;

class InfoViewer : public QWidget {
    Q_OBJECT
  public:
    InfoViewer(Screens& screens, const RunState& state);

    // The model text whose information showInfo looks up; the hidden Label2
    // shows it.
    void setModelText(const QString& model);
    // Fills and shows the viewer for the model text; a text of fewer than 3
    // characters closes the viewer instead.
    void showInfo();

    void printDocument();
    // Ctrl+Shift+S: the page "Print This Document" prints, to a PDF file.
    void saveDocument();
    void back();

  protected:
    // Closing the window closes the viewer only; the program goes on.
    void closeEvent(QCloseEvent* event) override;

  private:
    QPlainTextEdit* infoText_; // Text1
    QPushButton* printButton_; // "Print This Document"
    QPushButton* backButton_;  // "Back"
    QLabel* noticeLabel_;      // Label1
    QLabel* modelLabel_;       // Label2, hidden

    Screens& screens_;
    const RunState& state_;
    QString model_;
};

} // namespace vellimar
