#pragma once
// The results screen: the total and runtime a suggestion was made for, and
// the proposed model of each UPS class with the way to its information.
#include <array>
#include <string>

#include "core/ups_classes.h"
#include "ui/screen.h"

class QLabel;

namespace vellimar {

class ImageButton;
class RunState;
class Screens;

class ResultsScreen : public Screen {
    Q_OBJECT
  public:
    ResultsScreen(Screens& screens, RunState& state);
    // Shows the run's runtime and total in the header and hides the load
    // list screen.
    void load() override;

    // Show the run's last suggestion: its models, then the total and runtime
    // it was made for.
    void showModels();
    void showHeader();

    void modifyCriteria();
    void printResults();
    // Ctrl+Shift+S: the printed page to a PDF file.
    void saveResults();
    void quit();
    // Opens the product information viewer for the model of `upsClass`.
    void showInfo(int upsClass);
    void showHelp();

  private:
    // Each class's model label and information button, in the order of the class table.
    std::array<QLabel*, UpsClassCount> modelLabels_;
    std::array<ImageButton*, UpsClassCount> infoButtons_;
    QLabel* totalLabel_;
    QLabel* runtimeLabel_;
    ImageButton* modifyButton_;
    ImageButton* printButton_;
    ImageButton* quitButton_;
    ImageButton* helpButton_;

    void showHeader(const std::string& runtime, const std::string& total);

    Screens& screens_;
    RunState& state_;
};

} // namespace vellimar
