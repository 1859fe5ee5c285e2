#pragma once
// The results screen: the total and runtime a suggestion was made for, and
// the proposed model of each UPS class with the way to its information.
#include <array>

#include "core/suggestion.h"
#include "ui/screen.h"

class QLabel;

namespace vellimar {

class ImageButton;
class Screens;

class ResultsScreen : public Screen {
    Q_OBJECT
  public:
    explicit ResultsScreen(Screens& screens);
    // Copies the load list's runtime and total into the header and hides
    // the load list screen.
    void load() override;

    void showModels(const ClassTexts& models);
    void showHeader(const QString& runtime, const QString& total);

    std::array<QLabel*, UpsClassCount> modelLabels;      // res(0) ... res(6)
    std::array<ImageButton*, UpsClassCount> infoButtons; // Image4 ... Image10
    QLabel* totalLabel;
    QLabel* runtimeLabel;
    ImageButton* modifyButton;
    ImageButton* printButton;
    ImageButton* quitButton;
    ImageButton* helpButton;

    void modifyCriteria();
    void printResults();
    void quit();
    // Opens the product information viewer for the model of `upsClass`.
    void showInfo(int upsClass);
    void showHelp();

  private:
    Screens& screens_;
};

} // namespace vellimar
