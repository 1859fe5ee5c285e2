#include "screens/model_picker.h"

#include <QCollator>
#include <QLabel>
#include <QListWidget>
#include <QLocale>
#include <QSignalBlocker>
#include <algorithm>
#include <utility>
#include <vector>

#include "core/equipment_categories.h"
#include "core/equipment_list.h"
#include "core/run_state.h"
#include "screens/category_menu.h"
#include "screens/load_list_screen.h"
#include "screens/screens.h"
#include "ui/image_button.h"
#include "ui/layout.h"
#include "ui/platform.h"

namespace vellimar {

namespace {

// Each model entry carries the VA text of its own line here, so sorting the
// list cannot part a model from its VA.
constexpr int VaRole = Qt::UserRole;

// Alphabetical as a reader expects, accented letters beside their base
// letter, case ignored; equal texts keep their file order.
template <typename T, typename TextOf> void sortAlphabetically(std::vector<T>& entries, TextOf textOf) {
    // Qt compares code points in the C locale; the common order of the
    // Latin letters stands in for it there.
    QLocale locale;
    if (locale.language() == QLocale::C)
        locale = QLocale(QLocale::English);
    QCollator collator(locale);
    collator.setCaseSensitivity(Qt::CaseInsensitive);
    std::vector<std::pair<QCollatorSortKey, std::size_t>> keys;
    keys.reserve(entries.size());
    for (std::size_t i = 0; i < entries.size(); ++i)
        keys.emplace_back(collator.sortKey(textOf(entries[i])), i);
    std::stable_sort(keys.begin(), keys.end(),
                     [](const auto& a, const auto& b) { return a.first.compare(b.first) < 0; });
    std::vector<T> sorted;
    sorted.reserve(entries.size());
    for (const auto& key : keys)
        sorted.push_back(std::move(entries[key.second]));
    entries = std::move(sorted);
}

} // namespace

ModelPicker::ModelPicker(Screens& screens, RunState& state)
    : Screen("Form2", QStringLiteral("Select Item Category"), 5205, 5475), screens_(screens), state_(state) {
    setAccessibleDescription(QStringLiteral("Model picker"));
    // clang-format off
    layOut(this, {
        row::list("manuf", {390, 555, 4455, 1035}),
        row::list("model", {390, 2175, 4470, 2205}),
        row::list("modelva", {4410, 2850, 255, 1230}, "VA of each model"),
        row::label("Label2", {135, 285, 2460, 285}, "1. Select Manufacturer:").inFont(Font::Heading),
        row::label("Label3", {135, 1905, 1845, 285}, "2. Select Model:").inFont(Font::Heading),
        row::label("Label1", {4215, 165, 780, 210}, "Label1"),
        row::button("Image5", Bitmap::Face, {360, 4800, 1350, 540}, "Cancel", {345, 4830}, {360, 4800})
            .withTooltip("Cancel"),
        row::button("Image7", Bitmap::Face, {1920, 4800, 1350, 540}, "Next", {1905, 4830}, {1920, 4800})
            .withTooltip("Add selected item to list"),
        row::button("Image8", Bitmap::Face, {3480, 4800, 1350, 540}, "Different Category",
                    {3465, 4830}, {3480, 4800}).withTooltip("Pick a different category of items"),
        row::caption("Label6", {750, 4950, 630, 225}, "Cancel"),
        row::caption("Label5", {2175, 4950, 795, 225}, "Next").inFont(Font::Bold).centredText(),
        row::caption("Label4", {3780, 4860, 720, 480}, " Different Category").centredText(),
    });
    // clang-format on
    manufacturerList_ = control<QListWidget>(this, "manuf");
    modelList_ = control<QListWidget>(this, "model");
    vaList_ = control<QListWidget>(this, "modelva");
    categoryLabel_ = control<QLabel>(this, "Label1");
    firstPrompt_ = control<QLabel>(this, "Label2");
    secondPrompt_ = control<QLabel>(this, "Label3");
    cancelButton_ = control<ImageButton>(this, "Image5");
    nextButton_ = control<ImageButton>(this, "Image7");
    otherCategoryButton_ = control<ImageButton>(this, "Image8");
    vaList_->hide();
    categoryLabel_->hide();
    labelControls(this, {{"Label2", "manuf"}, {"Label3", "model"}});

    connect(manufacturerList_, &QListWidget::itemSelectionChanged, this, &ModelPicker::manufacturerChosen);
    connect(modelList_, &QListWidget::itemSelectionChanged, this, &ModelPicker::modelChosen);
    connect(cancelButton_, &ImageButton::clicked, this, &ModelPicker::cancel);
    connect(nextButton_, &ImageButton::clicked, this, &ModelPicker::addModel);
    connect(otherCategoryButton_, &ImageButton::clicked, this, &ModelPicker::chooseOtherCategory);
}

void ModelPicker::setCategory(const EquipmentCategory& category) {
    category_ = &category;
    categoryLabel_->setText(QString::fromUtf8(category.key));
    // Screen readers say which list this is: the title is every category's.
    setAccessibleDescription(QStringLiteral("Model picker. ") + QString::fromUtf8(category.caption));
    firstPrompt_->setText(QString::fromUtf8(category.first_prompt));
    secondPrompt_->setText(QString::fromUtf8(category.second_prompt));
}

std::string ModelPicker::filePath() const {
    return category_ ? state_.dataFile(category_->file) : std::string();
}

void ModelPicker::fillManufacturers() {
    {
        const QSignalBlocker blocker(manufacturerList_);
        manufacturerList_->clear();
    }
    modelList_->clear();
    vaList_->clear();
    chosenDescription_.clear();
    chosenVa_.clear();
    if (category_) {
        manufacturerList_->setAccessibleName(QString::fromUtf8(category_->first_prompt));
        modelList_->setAccessibleName(QString::fromUtf8(category_->second_prompt));
    }

    std::vector<std::string> runs;
    std::string error;
    if (!read_manufacturer_runs(filePath(), runs, error)) {
        showMessage(error, MessageIcon::Critical);
        return;
    }
    std::vector<QString> names;
    names.reserve(runs.size());
    for (const std::string& name : runs)
        names.push_back(QString::fromStdString(name));
    // Sorted once here rather than item by item, so long lists fill at once.
    sortAlphabetically(names, [](const QString& name) { return name; });
    const QSignalBlocker blocker(manufacturerList_);
    manufacturerList_->addItems(QStringList(names.begin(), names.end()));
    // Each fill starts the choice afresh, from the list of makers.
    manufacturerList_->setFocus(Qt::OtherFocusReason);
}

void ModelPicker::manufacturerChosen() {
    modelList_->clear();
    vaList_->clear();
    chosenDescription_.clear();
    chosenVa_.clear();
    if (manufacturerList_->selectedItems().isEmpty())
        return;
    fillModels();
}

void ModelPicker::fillModels() {
    // The file is read afresh: it may have changed since the manufacturers were listed.
    const std::string chosen = manufacturerList_->selectedItems().first()->text().toStdString();
    std::vector<EquipmentLine> lines;
    std::string error;
    if (!read_models_of(filePath(), chosen, lines, error)) {
        showMessage(error, MessageIcon::Critical);
        return;
    }
    std::vector<std::pair<QString, QString>> models; // model text, VA text
    models.reserve(lines.size());
    for (const EquipmentLine& line : lines)
        models.emplace_back(QString::fromStdString(line.model), QString::fromStdString(line.va));
    sortAlphabetically(models, [](const auto& entry) { return entry.first; });

    QStringList texts;
    QStringList vas;
    texts.reserve(static_cast<qsizetype>(models.size()));
    vas.reserve(static_cast<qsizetype>(models.size()));
    for (const auto& [text, va] : models) {
        texts.append(text);
        vas.append(va);
    }
    const QSignalBlocker blocker(modelList_);
    modelList_->addItems(texts);
    for (int row = 0; row < modelList_->count(); ++row)
        modelList_->item(row)->setData(VaRole, vas.at(row));
    vaList_->addItems(vas);
}

void ModelPicker::modelChosen() {
    const QList<QListWidgetItem*> chosen = modelList_->selectedItems();
    const QList<QListWidgetItem*> maker = manufacturerList_->selectedItems();
    if (chosen.isEmpty() || maker.isEmpty()) {
        chosenDescription_.clear();
        chosenVa_.clear();
        return;
    }
    chosenDescription_ = maker.first()->text() + QLatin1Char(' ') + chosen.first()->text();
    chosenVa_ = chosen.first()->data(VaRole).toString();
}

void ModelPicker::addModel() {
    const QList<QListWidgetItem*> chosen = modelList_->selectedItems();
    if (chosen.isEmpty() || chosen.first()->text().isEmpty()) {
        showMessage(QStringLiteral("You need to select a model"));
        return;
    }
    LoadListScreen& list = screens_.loadList();
    state_.addItem({chosenDescription_.toStdString(), chosenVa_.toStdString()});
    list.showAddedItem();
    handOverTo(list);
}

void ModelPicker::cancel() {
    handOverTo(screens_.loadList());
}

void ModelPicker::chooseOtherCategory() {
    hide();
    screens_.categoryMenu().show();
}

} // namespace vellimar
