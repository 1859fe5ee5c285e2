#include "screens/results_screen.h"

#include <QAction>
#include <QEvent>
#include <QLabel>
#include <QPainter>
#include <iterator>
#include <vector>

#include "core/maker.h"
#include "core/results_page.h"
#include "core/run_state.h"
#include "screens/info_viewer.h"
#include "screens/load_list_screen.h"
#include "screens/screens.h"
#include "ui/image_button.h"
#include "ui/layout.h"
#include "ui/pdf_file.h"
#include "ui/platform.h"

namespace vellimar {

namespace {

const std::string SupportLine = "For customer support, call: " + MakerSupportTelephone;

// Where each UPS class stands, in the order of the class table: its
// information button, its caption and its proposed model.
struct ClassPlace {
    TwipsArea info;
    TwipsArea caption;
    TwipsArea model;
};
constexpr ClassPlace ClassPlaces[] = {
    {{105, 420, 420, 435}, {555, 630, 2580, 255}, {555, 435, 4635, 225}},
    {{105, 945, 420, 435}, {555, 1155, 4035, 285}, {555, 975, 4620, 255}},
    {{105, 1485, 420, 435}, {555, 1710, 3870, 255}, {555, 1530, 4545, 255}},
    {{105, 2010, 420, 435}, {540, 2220, 3060, 360}, {540, 2055, 4650, 255}},
    {{90, 2715, 420, 435}, {540, 2925, 4185, 285}, {540, 2760, 4590, 255}},
    {{90, 3255, 420, 435}, {570, 3480, 3930, 315}, {555, 3300, 4560, 255}},
    {{90, 3765, 420, 435}, {540, 3990, 3240, 240}, {540, 3825, 4650, 255}},
};
static_assert(std::size(ClassPlaces) == UpsClassCount, "every UPS class has its place on the results screen");

// The hint's run of spaces is just as wide as the information picture that
// stands in it; its words are drawn a space's width clear of the picture on
// either side, measured with the hint's own font. The text stays as it is.
class HintAroundPicture : public QObject {
  public:
    HintAroundPicture(QLabel* hint, const QWidget* picture) : QObject(hint), hint_(hint), picture_(picture) {
        hint->installEventFilter(this);
        // Laid out to stand in the text: the one picture the hint may overlap.
        hint->setProperty("pictureInText", picture->objectName());
    }

  protected:
    bool eventFilter(QObject*, QEvent* event) override {
        const QString text = hint_->text();
        const int gap = text.indexOf(QStringLiteral("  "));
        if (event->type() != QEvent::Paint || gap < 0)
            return false;
        QPainter painter(hint_);
        painter.setPen(hint_->palette().color(QPalette::WindowText));
        const int space = hint_->fontMetrics().horizontalAdvance(QLatin1Char(' '));
        const QRect around = picture_->geometry().translated(-hint_->pos()).adjusted(-space, 0, space, 0);
        const QRect all = hint_->rect();
        painter.drawText(all.adjusted(0, 0, around.left() - all.right(), 0), Qt::AlignRight | Qt::AlignTop,
                         text.left(gap));
        painter.drawText(all.adjusted(around.right() - all.left(), 0, 0, 0), Qt::AlignLeft | Qt::AlignTop,
                         text.mid(gap).trimmed());
        return true;
    }

  private:
    QLabel* hint_;
    const QWidget* picture_;
};

} // namespace

ResultsScreen::ResultsScreen(Screens& screens, RunState& state)
    : Screen("Form3", QStringLiteral("Selector Results"), 5250, 5955), screens_(screens), state_(state) {
    // Image13 comes first, so the sentence around it is drawn above it. It
    // stands 90 twips left and 45 up of the layout's place, where it would
    // cover the "b" of "button" and the tops of the support telephone number.
    // clang-format off
    std::vector<LayoutRow> rows = {
        row::picture("Image13", Bitmap::Info, {3705, 4305, 420, 435}, "Information icon"),
        row::label("Label2", {120, 105, 675, 300}, "Total VA:"),
        row::label("Label1", {825, 105, 645, 270}).inFont(Font::Bold),
        row::label("Label3", {1620, 105, 1275, 330}, "Desired Runtime:"),
        row::label("Label9", {2910, 105, 2220, 255}).inFont(Font::Bold),
    };
    for (int k = 0; k < UpsClassCount; ++k) {
        const UpsClass& upsClass = UpsClasses[k];
        const ClassPlace& place = ClassPlaces[k];
        rows.push_back(row::icon(upsClass.info_button, Bitmap::Info, place.info));
        rows.push_back(
            row::greyLabel(upsClass.caption_label, place.caption, upsClass.caption).inFont(Font::Italic));
        rows.push_back(row::label(upsClass.model_label, place.model).inFont(Font::Bold));
    }
    rows.insert(rows.end(), {
        row::label("Label18", {525, 2400, 3675, 225}, "(XL models offer expandible runtimes)")
            .inFont(Font::Italic),
        row::label("Label15", {60, 4455, 5145, 375},
                   "For more product information, click the         button").inFont(Font::Bold).centredText(),
        row::label("Label16", {60, 4725, 5145, 300}, SupportLine.c_str()).centredText(),
        row::label("Label17", {45, 4995, 5145, 285},
                   "UPS Products and Features are Subject to Change Without Notice").inFont(Font::Italic)
            .centredText(),
        row::button("Image1", Bitmap::Face, {120, 5310, 1350, 540}, "Modify Criteria",
                    {105, 5340}, {120, 5310}).withTooltip("Go back and modify list"),
        row::button("Image12", Bitmap::Face, {1905, 5310, 1350, 540}, "Print Results",
                    {1905, 5340}, {1920, 5310}),
        row::button("Image2", Bitmap::Face, {3720, 5310, 1350, 540}, "Quit Selector",
                    {3705, 5340}, {3720, 5310}).withTooltip("Quit the selector"),
        row::icon("Image11", Bitmap::Help, {4800, 15, 435, 450}, "Help"),
        row::caption("Label13", {285, 5460, 1110, 255}, "Modify Criteria"),
        row::caption("Label14", {2145, 5460, 975, 300}, "Print Results"),
        row::caption("Label12", {3930, 5460, 990, 225}, "Quit Selector"),
    });
    // clang-format on
    layOut(this, rows);
    for (int k = 0; k < UpsClassCount; ++k) {
        modelLabels_[k] = control<QLabel>(this, UpsClasses[k].model_label);
        infoButtons_[k] = control<ImageButton>(this, UpsClasses[k].info_button);
        infoButtons_[k]->setAccessibleName(QStringLiteral("Information about ") +
                                           QString::fromUtf8(UpsClasses[k].caption));
        connect(infoButtons_[k], &ImageButton::clicked, this, [this, k] { showInfo(k); });
    }
    new HintAroundPicture(control<QLabel>(this, "Label15"), control<QWidget>(this, "Image13"));
    totalLabel_ = control<QLabel>(this, "Label1");
    runtimeLabel_ = control<QLabel>(this, "Label9");
    // Screen readers read each value by its heading, and each class as its
    // caption and its model.
    setAccessibleDescription(QStringLiteral("Suggested models"));
    labelControls(this, {{"Label2", "Label1"}, {"Label3", "Label9"}});
    for (const UpsClass& upsClass : UpsClasses)
        labelControls(this, {{upsClass.caption_label, upsClass.model_label}});
    modifyButton_ = control<ImageButton>(this, "Image1");
    printButton_ = control<ImageButton>(this, "Image12");
    quitButton_ = control<ImageButton>(this, "Image2");
    helpButton_ = control<ImageButton>(this, "Image11");
    // The two notes of the page, read with the Help button.
    helpButton_->setAccessibleDescription(control<QLabel>(this, "Label18")->text() + QStringLiteral(" ") +
                                          control<QLabel>(this, "Label16")->text());

    connect(modifyButton_, &ImageButton::clicked, this, &ResultsScreen::modifyCriteria);
    connect(printButton_, &ImageButton::clicked, this, &ResultsScreen::printResults);
    auto* save = new QAction(QStringLiteral("Save as PDF..."), this);
    save->setShortcut(QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_S));
    connect(save, &QAction::triggered, this, &ResultsScreen::saveResults);
    addAction(save);
    connect(quitButton_, &ImageButton::clicked, this, &ResultsScreen::quit);
    connect(helpButton_, &ImageButton::clicked, this, &ResultsScreen::showHelp);
}

void ResultsScreen::load() {
    showHeader(state_.runtimeText(), state_.totalText());
    screens_.loadList().hide();
}

void ResultsScreen::showModels() {
    const ClassTexts& models = state_.lastSuggestion().models;
    for (int k = 0; k < UpsClassCount; ++k) {
        const QString model = QString::fromStdString(models[k]);
        modelLabels_[k]->setText(model);
        // Tabbing from "i" to "i", a screen reader reads each class's model.
        infoButtons_[k]->setAccessibleDescription(model.trimmed().isEmpty() ? QStringLiteral("No model")
                                                                            : model);
    }
}

void ResultsScreen::showHeader() {
    const MadeSuggestion& made = state_.lastSuggestion();
    showHeader(made.runtime_text, made.total_text);
}

void ResultsScreen::showHeader(const std::string& runtime, const std::string& total) {
    runtimeLabel_->setText(QString::fromStdString(runtime));
    totalLabel_->setText(QString::fromStdString(total));
    // Heard on arriving, before the first class.
    setAccessibleDescription(QStringLiteral("Suggested models. %1 %2. %3 %4")
                                 .arg(control<QLabel>(this, "Label2")->text(), totalLabel_->text().trimmed(),
                                      control<QLabel>(this, "Label3")->text(), runtimeLabel_->text().trimmed()));
}

void ResultsScreen::modifyCriteria() {
    handOverTo(screens_.loadList());
}

void ResultsScreen::printResults() {
    const MadeSuggestion& made = state_.lastSuggestion();
    printText(QString::fromStdString(results_page_text(made.total_text, made.runtime_text, made.models)),
              ApplicationTitle + QStringLiteral(" – Results"));
}

void ResultsScreen::saveResults() {
    const MadeSuggestion& made = state_.lastSuggestion();
    savePdf(QString::fromStdString(results_page_text(made.total_text, made.runtime_text, made.models)),
            ApplicationTitle + QStringLiteral(" – Results"), QStringLiteral("results.pdf"));
}

void ResultsScreen::quit() {
    platform().process->end();
}

void ResultsScreen::showInfo(int upsClass) {
    InfoViewer& viewer = screens_.infoViewer();
    viewer.show();
    viewer.setModelText(QString::fromStdString(state_.lastSuggestion().models[upsClass]));
    viewer.showInfo();
}

void ResultsScreen::showHelp() {
    showMessage(
        QStringLiteral("To view more information on a particular model, click the 'i' (information) button"));
}

} // namespace vellimar
