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

    void modifyCriteria();
    void printResults();
    void quit();
    // Opens the product information viewer for the model of `upsClass`.
    void showInfo(int upsClass);
    void showHelp();

  private:
    std::array<QLabel*, UpsClassCount> modelLabels_;      // res(0) ... res(6)
    std::array<ImageButton*, UpsClassCount> infoButtons_; // Image4 ... Image10
    QLabel* totalLabel_;
    QLabel* runtimeLabel_;
    ImageButton* modifyButton_;
    ImageButton* printButton_;
    ImageButton* quitButton_;
    ImageButton* helpButton_;

    Screens& screens_;
    // What the labels show, kept for printing and the information viewer.
    ClassTexts models_;
    QString total_;
    QString runtime_;
};

} // namespace vellimar
