#include "screens/load_list_screen.h"

#include <QAction>
#include <QComboBox>
#include <QFile>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QRadioButton>
#include <QSaveFile>

#include "core/load_file.h"
#include "core/load_list.h"
#include "core/maker.h"
#include "core/run_state.h"
#include "screens/category_menu.h"
#include "screens/results_screen.h"
#include "screens/screens.h"
#include "ui/accessibility.h"
#include "ui/image_button.h"
#include "ui/layout.h"
#include "ui/platform.h"

namespace vellimar {

LoadListScreen::LoadListScreen(Screens& screens, RunState& state)
    : Screen("Form1", ApplicationTitle, 4680, 4635), screens_(screens), state_(state) {
    // clang-format off
    layOut(this, {
        row::list("List1", {135, 1095, 2535, 2790}, "List of items to protect")
            .withTooltip("Items to be protected by single UPS"),
        row::combo("Combo1", {120, 4080, 2535, 315}, "Desired runtime")
            .withTooltip("How long you want the UPS to provide power"),
        row::list("List2", {0, 1080, 135, 2790}, "VA of each item"),
        row::textBox("Text1", {3240, 3270, 975, 285}, "Total VA"),
        row::option("Option1", {3300, 1035, 210, 225}, "120 Volt"),
        row::option("Option2", {3300, 1290, 210, 225}, "230 Volt"),
        row::picture("Image1", Bitmap::Logo, {150, 75, 1500, 615}, "Vellimar"),
        row::label("Label10", {2040, 60, 1680, 210}, "For more information:"),
        row::label("Label9", {2010, 285, 1680, 210}, MakerTelephone.c_str()),
        row::label("Label11", {2025, 495, 1680, 270}, MakerWebAddress.c_str()),
        row::label("Label7", {135, 870, 2130, 270}, "List of items to protect:"),
        row::label("Label5", {3540, 1035, 825, 300}, "120 Volt"),
        row::label("Label6", {3540, 1305, 765, 240}, "230 Volt"),
        row::label("Label4", {3315, 3075, 930, 240}, "Total VA:").inFont(Font::Bold),
        row::button("Image2", Bitmap::Face, {3015, 1740, 1350, 540}, "Add Another Item",
                    {3000, 1770}, {3015, 1740}).withTooltip("Add Another Item to List"),
        row::button("Image3", Bitmap::Face, {3015, 2385, 1350, 540}, "Start Over",
                    {3000, 2425}, {3015, 2385}).withTooltip("Clear List"),
        row::button("Image4", Bitmap::LargeFace, {2790, 3765, 1845, 735}, "Suggest a UPS",
                    {2760, 3805}, {2775, 3765}).withTooltip("Suggest a UPS based on total VA above"),
        row::icon("Image6", Bitmap::Help, {4230, 15, 435, 450}, "Help").withTooltip("Help"),
        row::caption("Label1", {3120, 1815, 1140, 255}, " Add Another").inFont(Font::Arial).centredText(),
        row::caption("Label8", {3510, 1980, 435, 210}, "Item"),
        row::caption("Label2", {3330, 2535, 975, 300}, "Start Over"),
        row::caption("Label3", {3090, 3915, 1275, 450}, "Suggest a UPS").inFont(Font::Bold).centredText(),
    });
    // clang-format on
    itemList_ = control<QListWidget>(this, "List1");
    vaList_ = control<QListWidget>(this, "List2");
    totalBox_ = control<QLineEdit>(this, "Text1");
    volts120Option_ = control<QRadioButton>(this, "Option1");
    volts230Option_ = control<QRadioButton>(this, "Option2");
    runtimeBox_ = control<QComboBox>(this, "Combo1");
    addButton_ = control<ImageButton>(this, "Image2");
    startOverButton_ = control<ImageButton>(this, "Image3");
    suggestButton_ = control<ImageButton>(this, "Image4");
    helpButton_ = control<ImageButton>(this, "Image6");
    vaList_->hide();
    totalBox_->hide();
    control<QWidget>(this, "Label4")->hide();
    showItems();
    connect(volts120Option_, &QRadioButton::toggled, this, [this](bool on) { state_.setVolts120(on); });

    // Screen readers read each option once, in its group; the labels beside
    // them carry the same words as the options' names.
    setAccessibleDescription(QStringLiteral("Load list"));
    readCurrentItemOnFocus(itemList_);
    groupOptions(this, QStringLiteral("Voltage"), {volts120Option_, volts230Option_});
    hideFromScreenReaders(control<QWidget>(this, "Label5"));
    hideFromScreenReaders(control<QWidget>(this, "Label6"));
    clickThroughLabels(this, {{"Label5", "Option1"}, {"Label6", "Option2"}});
    runtimeBox_->setEditable(true);
    // Its edit line, made now, would stand last in the keyboard order, and
    // Shift+Tab from the list would come back to the box for ever.
    QWidget::setTabOrder(runtimeBox_, runtimeBox_->lineEdit());
    runtimeBox_->setInsertPolicy(QComboBox::NoInsert);
    runtimeBox_->setCompleter(nullptr);
    // Screen readers land on its edit line.
    runtimeBox_->lineEdit()->setAccessibleName(runtimeBox_->accessibleName());
    for (const std::string& item : RuntimeItems)
        runtimeBox_->addItem(QString::fromStdString(item), 0);
    showChoices();
    connect(runtimeBox_, &QComboBox::editTextChanged, this, &LoadListScreen::recordRuntime);
    connect(runtimeBox_, &QComboBox::currentIndexChanged, this, &LoadListScreen::recordRuntime);
    connect(runtimeBox_->lineEdit(), &QLineEdit::textEdited, this, &LoadListScreen::runtimeTyped);
    // The combo box would select the item that reads like the typed text when
    // editing ends (focus lost, Return); a typed runtime selects nothing.
    disconnect(runtimeBox_->lineEdit(), &QLineEdit::editingFinished, runtimeBox_, nullptr);

    connect(addButton_, &ImageButton::clicked, this, &LoadListScreen::addAnother);
    connect(startOverButton_, &ImageButton::clicked, this, &LoadListScreen::startOver);
    connect(suggestButton_, &ImageButton::clicked, this, &LoadListScreen::suggest);
    connect(helpButton_, &ImageButton::clicked, this, &LoadListScreen::showHelp);

    // Keeping and reusing a list: keys and the list's context menu, so the
    // screen itself stays as it is.
    const auto action = [this](const QString& text, const QKeySequence& keys, QWidget* on,
                               void (LoadListScreen::*handler)()) {
        auto* made = new QAction(text, on);
        made->setShortcut(keys);
        made->setShortcutContext(on == itemList_ ? Qt::WidgetShortcut : Qt::WindowShortcut);
        connect(made, &QAction::triggered, this, handler);
        on->addAction(made);
        return made;
    };
    removeAction_ =
        action(QStringLiteral("Remove Item"), QKeySequence::Delete, itemList_, &LoadListScreen::removeItem);
    openAction_ = action(QStringLiteral("Open List..."), QKeySequence::Open, this, &LoadListScreen::openList);
    saveAction_ = action(QStringLiteral("Save List"), QKeySequence::Save, this, &LoadListScreen::saveList);
    saveAsAction_ = action(QStringLiteral("Save List As..."), QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_S),
                           this, &LoadListScreen::saveListAs);
    itemList_->setContextMenuPolicy(Qt::CustomContextMenu);
    connect(itemList_, &QWidget::customContextMenuRequested, this, &LoadListScreen::showMenu);
}

void LoadListScreen::showChoices() {
    (state_.volts120() ? volts120Option_ : volts230Option_)->setChecked(true);
    runtimeBox_->setCurrentIndex(state_.runtimeIndex());
    if (state_.runtimeIndex() < 0)
        runtimeBox_->setEditText(QString::fromStdString(state_.runtimeText()));
}

void LoadListScreen::showMenu(const QPoint& at) {
    QMenu menu(this);
    removeAction_->setEnabled(itemList_->currentRow() >= 0);
    menu.addActions({removeAction_, openAction_, saveAction_, saveAsAction_});
    menu.exec(itemList_->viewport()->mapToGlobal(at));
    removeAction_->setEnabled(true);
}

void LoadListScreen::removeItem() {
    const int row = itemList_->currentRow();
    if (row < 0 || static_cast<std::size_t>(row) >= state_.items().size())
        return;
    const QString removed = itemList_->item(row)->text();
    state_.removeItem(static_cast<std::size_t>(row));
    showItems();
    itemList_->setCurrentRow(qMin(row, itemList_->count() - 1));
    // What a screen reader says next: the item now current, and this.
    itemList_->setAccessibleDescription(
        QStringLiteral("Removed %1. Total VA: %2")
            .arg(removed, QString::fromStdString(state_.totalText()).trimmed()));
}

void LoadListScreen::saveList() {
    if (state_.listFile().empty())
        saveListAs();
    else
        saveListTo(QFile::decodeName(QByteArray::fromStdString(state_.listFile())));
}

void LoadListScreen::saveListAs() {
    const QString path = platform().dialogs->saveFileName(
        QStringLiteral("Save Load List"),
        QStringLiteral("load list") + QString::fromStdString(LoadFileExtension),
        QStringLiteral("Load lists (*.upsload *.csv);;All files (*)"),
        QString::fromStdString(LoadFileExtension).mid(1));
    if (!path.isEmpty())
        saveListTo(path);
}

bool LoadListScreen::saveListTo(const QString& path) {
    // Written aside and put in place whole: a failure leaves any earlier file as it was.
    QSaveFile file(path);
    const std::string text =
        load_file_text(state_.items(), state_.volts120(), state_.runtimeText(), state_.runtimeIndex());
    if (!file.open(QIODevice::WriteOnly) ||
        file.write(text.data(), static_cast<qint64>(text.size())) != static_cast<qint64>(text.size()) ||
        !file.commit()) {
        showMessage(QStringLiteral("The load list \"%1\" could not be saved: %2. The list is kept as it is.")
                        .arg(path, file.errorString()),
                    MessageIcon::Critical);
        return false;
    }
    state_.setListFile(QFile::encodeName(path).toStdString());
    return true;
}

void LoadListScreen::openList() {
    if (!state_.items().empty() && state_.listChanged() &&
        !platform().dialogs->ask(
            QStringLiteral("The load list has changes that are not saved. Open another list "
                           "in its place?"),
            ApplicationTitle))
        return;
    const QString path = platform().dialogs->openFileName(
        QStringLiteral("Open Load List"), QStringLiteral("Load lists (*.upsload *.csv);;All files (*)"));
    if (!path.isEmpty())
        openListFile(QFile::encodeName(path).toStdString());
}

bool LoadListScreen::openListFile(const std::string& path) {
    std::string error;
    const std::optional<LoadFile> file = read_load_file(path, error);
    if (!file) {
        showMessage(error, MessageIcon::Critical);
        return false;
    }
    state_.setItems(file->items);
    if (file->volts120)
        state_.setVolts120(*file->volts120);
    if (file->runtimeText)
        state_.setRuntime(*file->runtimeText, file->runtimeIndex);
    state_.setListFile(path);
    itemList_->clear();
    vaList_->clear();
    itemList_->setAccessibleDescription(QString());
    showItems();
    showChoices();
    itemList_->setCurrentRow(itemList_->count() > 0 ? 0 : -1);
    return true;
}

void LoadListScreen::showItems() {
    // Items are added at the end, so the lists take what they do not show
    // yet, and a long list grows at one item's cost; one fewer (an item taken
    // out, the list emptied) shows the whole list afresh.
    const std::vector<LoadItem>& items = state_.items();
    if (static_cast<std::size_t>(itemList_->count()) > items.size()) {
        itemList_->clear();
        vaList_->clear();
    }
    for (std::size_t i = static_cast<std::size_t>(itemList_->count()); i < items.size(); ++i) {
        itemList_->addItem(QString::fromStdString(shown_item(items[i])));
        vaList_->addItem(QString::fromStdString(items[i].va_text));
    }
    totalBox_->setText(QString::fromStdString(state_.totalText()));
}

void LoadListScreen::showAddedItem() {
    itemList_->setAccessibleDescription(QString());
    showItems();
    // The new item is the current one, and the list the first thing the
    // keyboard meets: arriving back here, a screen reader reads the list and
    // the item just added.
    itemList_->setCurrentRow(itemList_->count() - 1);
    itemList_->setFocus();
}

void LoadListScreen::recordRuntime() {
    state_.setRuntime(runtimeBox_->currentText().toStdString(), runtimeBox_->currentIndex());
}

void LoadListScreen::runtimeTyped(const QString& text) {
    // Typed text selects no item, even when an item was chosen before.
    if (runtimeBox_->currentIndex() == -1)
        return;
    QLineEdit* edit = runtimeBox_->lineEdit();
    const int cursor = edit->cursorPosition();
    const QSignalBlocker blocker(runtimeBox_);
    runtimeBox_->setCurrentIndex(-1);
    runtimeBox_->setEditText(text);
    edit->setCursorPosition(cursor);
    recordRuntime();
}

void LoadListScreen::addAnother() {
    screens_.categoryMenu().show();
    hide();
}

void LoadListScreen::startOver() {
    state_.clearItems();
    showItems();
    // Shown again, the screen starts at its list, which says it is empty.
    itemList_->setFocus();
    hide();
    screens_.categoryMenu().show();
}

void LoadListScreen::suggest() {
    const Suggestion suggestion = state_.suggest();
    if (!suggestion.message.empty()) {
        showMessage(suggestion.message, MessageIcon::Critical);
        return;
    }
    ResultsScreen& results = screens_.results();
    results.show();
    results.showModels();
    hide();
    results.showHeader();
}

void LoadListScreen::showHelp() {
    showMessage(QStringLiteral("1. Select 120V or 230V\r2. Select desired runtime\r3. Click 'Suggest UPS'"),
                MessageIcon::Information);
}

} // namespace vellimar
