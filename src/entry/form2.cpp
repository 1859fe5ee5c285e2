#include "entry/form2.h"

#include <QCollator>
#include <QLabel>
#include <QListWidget>
#include <QLocale>
#include <QSignalBlocker>
#include <algorithm>
#include <utility>
#include <vector>

#include "core/equipment_list.h"
#include "entry/form6.h"
#include "loadlist/form1.h"
#include "shell/imagebutton.h"
#include "shell/look.h"
#include "shell/platform.h"
#include "shell/screens.h"

namespace vellimar {

namespace {

// Each model entry carries the VA text of its own line here, so sorting the
// list cannot part a model from its VA.
constexpr int VaRole = Qt::UserRole;

// Alphabetical as a reader expects, accented letters beside their base
// letter, case ignored; equal texts keep their file order.
template <typename T, typename TextOf> void sort_alphabetically(std::vector<T>& entries, TextOf text_of) {
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
        keys.emplace_back(collator.sortKey(text_of(entries[i])), i);
    std::stable_sort(keys.begin(), keys.end(),
                     [](const auto& a, const auto& b) { return a.first.compare(b.first) < 0; });
    std::vector<T> sorted;
    sorted.reserve(entries.size());
    for (const auto& key : keys)
        sorted.push_back(std::move(entries[key.second]));
    entries = std::move(sorted);
}

QListWidget* make_list(QWidget* parent, const char* name, const QRect& area) {
    auto* list = make_control<QListWidget>(parent, name, area);
    list->setUniformItemSizes(true);
    list->setSelectionMode(QAbstractItemView::SingleSelection);
    return list;
}

ImageButton* face_button(Form2* form, const char* name, int left, const QString& tooltip) {
    auto* button = new ImageButton(form, name, Bitmap::Face, left, 4800);
    button->set_press_positions({left - 15, 4830}, {left, 4800});
    button->setToolTip(tooltip);
    return button;
}

} // namespace

Form2::Form2() : Screen("Form2", QStringLiteral("Select Item Category"), 5205, 5475) {
    const QFont prompt = screen_font(9.75, Bold);
    // Controls of the keyboard order come first, in that order.
    manuf = make_list(this, "manuf", twipsRect(390, 555, 4455, 1035));
    model = make_list(this, "model", twipsRect(390, 2175, 4470, 2205));
    modelva = make_list(this, "modelva", twipsRect(4410, 2850, 255, 1230));
    modelva->hide();

    Label2 = make_label(this, "Label2", QStringLiteral("1. Select Manufacturer:"),
                        twipsRect(135, 285, 2460, 285), prompt);
    Label3 = make_label(this, "Label3", QStringLiteral("2. Select Model:"), twipsRect(135, 1905, 1845, 285),
                        prompt);
    Label1 =
        make_label(this, "Label1", QStringLiteral("Label1"), twipsRect(4215, 165, 780, 210), screen_font());
    Label1->hide();

    Image5 = face_button(this, "Image5", 360, QStringLiteral("Cancel"));
    Image7 = face_button(this, "Image7", 1920, QStringLiteral("Add selected item to list"));
    Image8 = face_button(this, "Image8", 3480, QStringLiteral("Pick a different category of items"));
    Label6 =
        make_caption(this, "Label6", QStringLiteral("Cancel"), twipsRect(750, 4950, 630, 225), screen_font());
    Label5 = make_caption(this, "Label5", QStringLiteral("Next"), twipsRect(2175, 4950, 795, 225),
                          screen_font(8.25, Bold), Qt::AlignHCenter | Qt::AlignTop);
    Label4 = make_caption(this, "Label4", QStringLiteral(" Different Category"),
                          twipsRect(3780, 4860, 720, 480), screen_font(), Qt::AlignHCenter | Qt::AlignTop);
    Image5->set_caption(Label6->text());
    Image7->set_caption(Label5->text());
    Image8->set_caption(QStringLiteral("Different Category"));

    setTabOrder(manuf, model);
    setTabOrder(model, Image5);
    setTabOrder(Image5, Image7);
    setTabOrder(Image7, Image8);

    connect(manuf, &QListWidget::itemSelectionChanged, this, &Form2::manuf_Click);
    connect(model, &QListWidget::itemSelectionChanged, this, &Form2::model_Click);
    connect(Image5, &ImageButton::clicked, this, &Form2::Image5_Click);
    connect(Image7, &ImageButton::clicked, this, &Form2::Image7_Click);
    connect(Image8, &ImageButton::clicked, this, &Form2::Image8_Click);
}

void Form2::Form_Load() {
    data_prefix_ = DataPrefix;
}

std::string Form2::file_path() const {
    return data_prefix_ + category_key_.toStdString() + ".txt";
}

void Form2::getmanufs() {
    {
        const QSignalBlocker blocker(manuf);
        manuf->clear();
    }
    model->clear();
    modelva->clear();
    selected_description_.clear();
    selected_va_.clear();
    category_key_ = Label1->text();
    manuf->setAccessibleName(Label2->text());
    model->setAccessibleName(Label3->text());

    std::vector<std::string> runs;
    std::string error;
    if (!read_manufacturer_runs(file_path(), runs, error)) {
        show_message(QString::fromStdString(error), MessageIcon::Critical);
        return;
    }
    std::vector<QString> names;
    names.reserve(runs.size());
    for (const std::string& name : runs)
        names.push_back(QString::fromStdString(name));
    // Sorted once here rather than item by item, so long lists fill at once.
    sort_alphabetically(names, [](const QString& name) { return name; });
    const QSignalBlocker blocker(manuf);
    manuf->addItems(QStringList(names.begin(), names.end()));
}

void Form2::manuf_Click() {
    model->clear();
    modelva->clear();
    selected_description_.clear();
    selected_va_.clear();
    if (manuf->selectedItems().isEmpty())
        return;
    getmodels();
}

void Form2::getmodels() {
    // The file is read afresh: it may have changed since the manufacturers were listed.
    const std::string chosen = manuf->selectedItems().first()->text().toStdString();
    std::vector<EquipmentLine> lines;
    std::string error;
    if (!read_models_of(file_path(), chosen, lines, error)) {
        show_message(QString::fromStdString(error), MessageIcon::Critical);
        return;
    }
    std::vector<std::pair<QString, QString>> models; // model text, VA text
    models.reserve(lines.size());
    for (const EquipmentLine& line : lines)
        models.emplace_back(QString::fromStdString(line.model), QString::fromStdString(line.va));
    sort_alphabetically(models, [](const auto& entry) { return entry.first; });

    QStringList texts;
    QStringList vas;
    texts.reserve(static_cast<qsizetype>(models.size()));
    vas.reserve(static_cast<qsizetype>(models.size()));
    for (const auto& [text, va] : models) {
        texts.append(text);
        vas.append(va);
    }
    const QSignalBlocker blocker(model);
    model->addItems(texts);
    for (int row = 0; row < model->count(); ++row)
        model->item(row)->setData(VaRole, vas.at(row));
    modelva->addItems(vas);
}

void Form2::model_Click() {
    const QList<QListWidgetItem*> chosen = model->selectedItems();
    const QList<QListWidgetItem*> maker = manuf->selectedItems();
    if (chosen.isEmpty() || maker.isEmpty()) {
        selected_description_.clear();
        selected_va_.clear();
        return;
    }
    selected_description_ = maker.first()->text() + QLatin1Char(' ') + chosen.first()->text();
    selected_va_ = chosen.first()->data(VaRole).toString();
}

void Form2::Image7_Click() {
    const QList<QListWidgetItem*> chosen = model->selectedItems();
    if (chosen.isEmpty() || chosen.first()->text().isEmpty()) {
        show_message(QStringLiteral("You need to select a model"));
        return;
    }
    Form1& list = screens::form1();
    list.append_item(selected_description_, selected_va_);
    hand_over_to(list);
}

void Form2::Image5_Click() {
    hand_over_to(screens::form1());
}

void Form2::Image8_Click() {
    hide();
    screens::form6().show();
}

} // namespace vellimar
