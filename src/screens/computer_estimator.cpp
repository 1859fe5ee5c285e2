#include "screens/computer_estimator.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>

#include "core/computer_estimate.h"
#include "core/run_state.h"
#include "screens/category_menu.h"
#include "screens/load_list_screen.h"
#include "screens/screens.h"
#include "ui/image_button.h"
#include "ui/layout.h"
#include "ui/platform.h"

namespace vellimar {

namespace {

// A selection-only list that shows its prompt, in the box's own text colour,
// until a part is chosen.
void fillParts(QComboBox* box, const PartList& parts) {
    for (int i = 0; i < parts.count; ++i)
        box->addItem(QString::fromUtf8(parts.parts[i].name));
    box->setPlaceholderText(QString::fromUtf8(parts.prompt));
    QPalette palette = box->palette();
    palette.setColor(QPalette::PlaceholderText, palette.color(QPalette::ButtonText));
    box->setPalette(palette);
    box->setCurrentIndex(-1);
}

} // namespace

ComputerEstimator::ComputerEstimator(Screens& screens, RunState& state)
    : Screen("Form4", QStringLiteral("General Computer"), 4740, 5475), screens_(screens), state_(state) {
    // clang-format off
    layOut(this, {
        row::combo("Combo3", {435, 690, 3855, 315}, "Select Computer Type:"),
        row::combo("Combo1", {435, 1170, 3855, 315}, "Select Processor:"),
        row::combo("Combo2", {435, 1650, 3855, 315}, "Select Monitor:"),
        row::check("Check1", {1155, 2055, 255, 255}),
        row::check("Check2", {1155, 2415, 255, 255}),
        row::check("Check3", {1155, 2775, 255, 255}),
        row::check("Check4", {1155, 3135, 255, 255}),
        row::check("Check5", {1155, 3495, 255, 255}),
        row::check("Check6", {1155, 3975, 255, 255}),
        row::textBox("Text2", {2820, 3945, 975, 285}, "Other Device VA"),
        row::button("Image1", Bitmap::LargeFace, {2595, 4560, 1845, 735}, "Add This System",
                    {2580, 4590}, {2595, 4560}).withTooltip("Add this computer configuration to the list"),
        row::button("Image2", Bitmap::LargeFace, {315, 4560, 1845, 735}, "Cancel", {300, 4590}, {315, 4560})
            .withTooltip("Cancel"),
        row::icon("Image3", Bitmap::Help, {4290, 15, 435, 450}, "Help").withTooltip("Help"),
        row::label("Label4", {75, 165, 3975, 540}, "Select general computer components:")
            .inFont(Font::Heading).centredText(),
        row::label("Label5", {1440, 2100, 840, 270}, "CD-ROM"),
        row::label("Label6", {1455, 2445, 795, 270}, "Modem"),
        row::picture("Image4", Bitmap::Logo, {2880, 2475, 1500, 615}, "Vellimar"),
        row::label("Label7", {1455, 2820, 900, 240}, "Speakers"),
        row::label("Label8", {1455, 3165, 690, 240}, "Scanner"),
        row::label("Label9", {1455, 3525, 2175, 255}, "External Drive (Zip, Jaz, etc)"),
        row::label("Label3", {1455, 4005, 1290, 330}, "Other Device VA:"),
        row::caption("Label2", {855, 4785, 870, 330}, "Cancel").inFont(Font::Heading),
        row::caption("Label1", {2880, 4665, 1275, 510}, " Add This System").inFont(Font::Heading)
            .centredText(),
    });
    // clang-format on
    setAccessibleDescription(QStringLiteral("General computer estimator. ") +
                             control<QLabel>(this, "Label4")->text());
    typeBox_ = control<QComboBox>(this, "Combo3");
    processorBox_ = control<QComboBox>(this, "Combo1");
    monitorBox_ = control<QComboBox>(this, "Combo2");
    const char* const checkNames[] = {"Check1", "Check2", "Check3", "Check4", "Check5"};
    for (std::size_t i = 0; i < peripheralChecks_.size(); ++i)
        peripheralChecks_[i] = control<QCheckBox>(this, checkNames[i]);
    otherDeviceCheck_ = control<QCheckBox>(this, "Check6");
    otherDeviceBox_ = control<QLineEdit>(this, "Text2");
    addButton_ = control<ImageButton>(this, "Image1");
    cancelButton_ = control<ImageButton>(this, "Image2");
    helpButton_ = control<ImageButton>(this, "Image3");

    labelControls(this, {{"Label5", "Check1"},
                         {"Label6", "Check2"},
                         {"Label7", "Check3"},
                         {"Label8", "Check4"},
                         {"Label9", "Check5"},
                         {"Label3", "Check6"}});
    fillParts(typeBox_, ComputerTypes);
    fillParts(processorBox_, Processors);
    fillParts(monitorBox_, Monitors);
    otherDeviceBox_->setText(QStringLiteral("0"));

    connect(addButton_, &ImageButton::clicked, this, &ComputerEstimator::addSystem);
    connect(cancelButton_, &ImageButton::clicked, this, &ComputerEstimator::cancel);
    connect(helpButton_, &ImageButton::clicked, this, &ComputerEstimator::showHelp);
}

void ComputerEstimator::addSystem() {
    ComputerChoice choice;
    choice.type = typeBox_->currentIndex();
    choice.processor = processorBox_->currentIndex();
    choice.monitor = monitorBox_->currentIndex();
    for (std::size_t i = 0; i < peripheralChecks_.size(); ++i)
        choice.peripherals[i] = peripheralChecks_[i]->isChecked();
    choice.other_device = otherDeviceCheck_->isChecked();
    choice.other_device_va = otherDeviceBox_->text().toStdString();
    const ComputerEstimate estimate = estimate_computer(choice);
    if (!estimate.refusal.empty()) {
        showMessage(estimate.refusal);
        return;
    }
    LoadListScreen& list = screens_.loadList();
    state_.addItem(estimate.item);
    list.showAddedItem();
    handOverTo(list);
}

void ComputerEstimator::cancel() {
    handOverTo(screens_.categoryMenu());
}

void ComputerEstimator::showHelp() {
    showMessage(QStringLiteral("Select the individual components of the system you\r"
                               "wish to protect.  When done, click 'Add This System'."),
                MessageIcon::Information);
}

} // namespace vellimar
