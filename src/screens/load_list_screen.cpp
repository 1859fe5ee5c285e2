#include "screens/load_list_screen.h"

#include <QComboBox>
#include <QLineEdit>
#include <QListWidget>
#include <QRadioButton>

#include "core/maker.h"
#include "core/numbers.h"
#include "core/suggestion.h"
#include "screens/category_menu.h"
#include "screens/results_screen.h"
#include "screens/screens.h"
#include "ui/accessibility.h"
#include "ui/image_button.h"
#include "ui/layout.h"
#include "ui/platform.h"

namespace vellimar {

LoadListScreen::LoadListScreen(Screens& screens)
    : Screen("Form1", ApplicationTitle, 4680, 4635), screens_(screens) {
    // clang-format off
    layOut(this, {
        {"List1", Kind::List, 135, 1095, 2535, 2790, "List of items to protect",
         Font::Screen, false, "Items to be protected by single UPS"},
        {"Combo1", Kind::Combo, 120, 4080, 2535, 315, "Desired runtime",
         Font::Screen, false, "How long you want the UPS to provide power"},
        {"List2", Kind::List, 0, 1080, 135, 2790, "VA of each item"},
        {"Text1", Kind::TextBox, 3240, 3270, 975, 285, "Total VA"},
        {"Option1", Kind::Option, 3300, 1035, 210, 225, "120 Volt"},
        {"Option2", Kind::Option, 3300, 1290, 210, 225, "230 Volt"},
        {"Image1", Kind::Picture, 150, 75, 1500, 615, "Vellimar"},
        {"Label10", Kind::Label, 2040, 60, 1680, 210, "For more information:"},
        {"Label9", Kind::Label, 2010, 285, 1680, 210, MakerTelephone.c_str()},
        {"Label11", Kind::Label, 2025, 495, 1680, 270, MakerWebAddress.c_str()},
        {"Label7", Kind::Label, 135, 870, 2130, 270, "List of items to protect:"},
        {"Label5", Kind::Label, 3540, 1035, 825, 300, "120 Volt"},
        {"Label6", Kind::Label, 3540, 1305, 765, 240, "230 Volt"},
        {"Label4", Kind::Label, 3315, 3075, 930, 240, "Total VA:", Font::Bold},
        {"Image2", Kind::Button, 3015, 1740, 1350, 540, "Add Another Item",
         Font::Screen, false, "Add Another Item to List", {3000, 1770}, {3015, 1740}},
        {"Image3", Kind::Button, 3015, 2385, 1350, 540, "Start Over",
         Font::Screen, false, "Clear List", {3000, 2425}, {3015, 2385}},
        {"Image4", Kind::Button, 2790, 3765, 1845, 735, "Suggest a UPS",
         Font::Screen, false, "Suggest a UPS based on total VA above", {2760, 3805}, {2775, 3765}},
        {"Image6", Kind::Icon, 4230, 15, 435, 450, "Help", Font::Screen, false, "Help"},
        {"Label1", Kind::Caption, 3120, 1815, 1140, 255, " Add Another", Font::Arial, true},
        {"Label8", Kind::Caption, 3510, 1980, 435, 210, "Item"},
        {"Label2", Kind::Caption, 3330, 2535, 975, 300, "Start Over"},
        {"Label3", Kind::Caption, 3090, 3915, 1275, 450, "Suggest a UPS", Font::Bold, true},
    });
    // clang-format on
    itemList = control<QListWidget>(this, "List1");
    vaList = control<QListWidget>(this, "List2");
    totalBox = control<QLineEdit>(this, "Text1");
    volts120Option = control<QRadioButton>(this, "Option1");
    volts230Option = control<QRadioButton>(this, "Option2");
    runtimeBox = control<QComboBox>(this, "Combo1");
    addButton = control<ImageButton>(this, "Image2");
    startOverButton = control<ImageButton>(this, "Image3");
    suggestButton = control<ImageButton>(this, "Image4");
    helpButton = control<ImageButton>(this, "Image6");
    vaList->hide();
    totalBox->hide();
    control<QWidget>(this, "Label4")->hide();
    totalBox->setText(totalText_);
    volts120Option->setChecked(true);

    // Screen readers read each option once, in its group; the labels beside
    // them carry the same words as the options' names.
    setAccessibleDescription(QStringLiteral("Load list"));
    readCurrentItemOnFocus(itemList);
    groupOptions(this, QStringLiteral("Voltage"), {volts120Option, volts230Option});
    hideFromScreenReaders(control<QWidget>(this, "Label5"));
    hideFromScreenReaders(control<QWidget>(this, "Label6"));
    clickThroughLabels(this, {{"Label5", "Option1"}, {"Label6", "Option2"}});
    runtimeBox->setEditable(true);
    runtimeBox->setInsertPolicy(QComboBox::NoInsert);
    runtimeBox->setCompleter(nullptr);
    // Screen readers land on its edit line.
    runtimeBox->lineEdit()->setAccessibleName(runtimeBox->accessibleName());
    for (const std::string& item : RuntimeItems)
        runtimeBox->addItem(QString::fromStdString(item), 0);
    runtimeBox->setCurrentIndex(-1);
    runtimeBox->setEditText(QString::fromStdString(RuntimePrompt));
    connect(runtimeBox->lineEdit(), &QLineEdit::textEdited, this, &LoadListScreen::runtimeTyped);
    // The combo box would select the item that reads like the typed text when
    // editing ends (focus lost, Return); a typed runtime selects nothing.
    disconnect(runtimeBox->lineEdit(), &QLineEdit::editingFinished, runtimeBox, nullptr);

    connect(addButton, &ImageButton::clicked, this, &LoadListScreen::addAnother);
    connect(startOverButton, &ImageButton::clicked, this, &LoadListScreen::startOver);
    connect(suggestButton, &ImageButton::clicked, this, &LoadListScreen::suggest);
    connect(helpButton, &ImageButton::clicked, this, &LoadListScreen::showHelp);
}

void LoadListScreen::appendItem(const LoadItem& item) {
    items_.append(item.description, item.va_text);
    itemList->addItem(QString::fromStdString(item.description));
    vaList->addItem(QString::fromStdString(item.va_text));
    updateTotal();
    // The new item is the current one, and the list the first thing the
    // keyboard meets: arriving back here, a screen reader reads the list and
    // the item just added.
    itemList->setCurrentRow(itemList->count() - 1);
    itemList->setFocus();
}

void LoadListScreen::updateTotal() {
    totalText_ = QString::fromStdString(number_to_text(items_.total()));
    totalBox->setText(totalText_);
}

QString LoadListScreen::runtimeText() const {
    return runtimeBox->currentText();
}

int LoadListScreen::runtimeIndex() const {
    return runtimeBox->currentIndex();
}

bool LoadListScreen::volts120() const {
    return volts120Option->isChecked();
}

void LoadListScreen::runtimeTyped(const QString& text) {
    // Typed text selects no item, even when an item was chosen before.
    if (runtimeBox->currentIndex() == -1)
        return;
    QLineEdit* edit = runtimeBox->lineEdit();
    const int cursor = edit->cursorPosition();
    const QSignalBlocker blocker(runtimeBox);
    runtimeBox->setCurrentIndex(-1);
    runtimeBox->setEditText(text);
    edit->setCursorPosition(cursor);
}

void LoadListScreen::addAnother() {
    screens_.categoryMenu().show();
    hide();
}

void LoadListScreen::startOver() {
    items_.clear();
    vaList->clear();
    itemList->clear();
    updateTotal();
    hide();
    screens_.categoryMenu().show();
}

void LoadListScreen::suggest() {
    const Suggestion suggestion = vellimar::suggest(runtimeText().toStdString(), runtimeIndex(),
                                                    static_cast<double>(items_.total()), volts120());
    if (!suggestion.message.empty()) {
        showMessage(suggestion.message, MessageIcon::Critical);
        return;
    }
    ResultsScreen& results = screens_.results();
    results.show();
    results.showModels(suggestion.models);
    hide();
    results.showHeader(runtimeText(), totalText());
}

void LoadListScreen::showHelp() {
    showMessage(QStringLiteral("1. Select 120V or 230V\r2. Select desired runtime\r3. Click 'Suggest UPS'"),
                MessageIcon::Information);
}

} // namespace vellimar
