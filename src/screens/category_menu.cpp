#include "screens/category_menu.h"

#include <QLabel>
#include <iterator>
#include <vector>

#include "core/equipment_categories.h"
#include "core/own_va.h"
#include "core/run_state.h"
#include "screens/computer_estimator.h"
#include "screens/load_list_screen.h"
#include "screens/model_picker.h"
#include "screens/screens.h"
#include "ui/image_button.h"
#include "ui/layout.h"
#include "ui/platform.h"

namespace vellimar {

namespace {

// Where the menu shows each equipment category, in the order of the category
// table: its button and where a press moves it, and the caption over it with
// its layout name. A release puts the button back in its place.
struct CategoryPlace {
    TwipsArea button;
    TwipsPoint pressed;
    const char* captionLabel;
    TwipsArea caption;
};
constexpr CategoryPlace CategoryPlaces[] = {
    {{405, 1275, 3750, 450}, {390, 1305}, "Label2", {1545, 1380, 1515, 300}},
    {{405, 1875, 3750, 450}, {390, 1905}, "Label3", {1320, 1980, 2145, 285}},
    {{405, 2475, 3750, 450}, {390, 2505}, "Label4", {885, 2580, 2970, 390}},
    {{405, 3075, 3750, 450}, {390, 3105}, "Label5", {1080, 3180, 2550, 330}},
};
static_assert(std::size(CategoryPlaces) == EquipmentCategoryCount,
              "every equipment category has its place on the menu");

} // namespace

CategoryMenu::CategoryMenu(Screens& screens, RunState& state)
    : Screen("Form6", ApplicationTitle, 4515, 4890), screens_(screens), state_(state) {
    // clang-format off
    std::vector<LayoutRow> rows = {
        row::label("Label7", {60, 120, 3765, 345}, "Select type of equipment to protect:")
            .inFont(Font::Heading).centredText(),
        row::button("Image1", Bitmap::LongFace, {405, 675, 3750, 450}, "General Computer / Workstation",
                    {390, 705}, {405, 675}),
    };
    // clang-format on
    for (std::size_t k = 0; k < EquipmentCategoryCount; ++k) {
        const CategoryPlace& place = CategoryPlaces[k];
        rows.push_back(row::button(EquipmentCategories[k].button, Bitmap::LongFace, place.button,
                                   EquipmentCategories[k].caption, place.pressed,
                                   {place.button.left, place.button.top}));
    }
    // clang-format off
    rows.insert(rows.end(), {
        row::button("Image8", Bitmap::LongFace, {405, 3675, 3750, 450}, "Enter Your Own VA",
                    {390, 3705}, {405, 3675}),
        row::button("Image6", Bitmap::Face, {150, 4275, 1350, 540}, "Main Menu", {120, 4305}, {150, 4275}),
        row::icon("Image7", Bitmap::Help, {4050, 15, 435, 450}, "Help").withTooltip("Help"),
        row::caption("Label1", {825, 780, 2910, 300}, "General Computer / Workstation").inFont(Font::Bold)
            .centredText(),
    });
    // clang-format on
    for (std::size_t k = 0; k < EquipmentCategoryCount; ++k)
        rows.push_back(row::caption(CategoryPlaces[k].captionLabel, CategoryPlaces[k].caption,
                                    EquipmentCategories[k].caption)
                           .inFont(Font::Bold));
    rows.push_back(row::caption("Label8", {1425, 3780, 1680, 330}, "Enter Your Own VA").inFont(Font::Bold));
    rows.push_back(row::caption("Label6", {360, 4425, 975, 225}, "Main Menu").inFont(Font::Bold));
    layOut(this, rows);
    // Heard as the screen appears: which screen this is (its title is the
    // load list's too), and what to do here.
    setAccessibleDescription(QStringLiteral("Category menu. ") + control<QLabel>(this, "Label7")->text());
    computerButton_ = control<ImageButton>(this, "Image1");
    mainMenuButton_ = control<ImageButton>(this, "Image6");
    helpButton_ = control<ImageButton>(this, "Image7");
    ownVaButton_ = control<ImageButton>(this, "Image8");

    connect(computerButton_, &ImageButton::clicked, this, &CategoryMenu::openEstimator);
    for (const EquipmentCategory& category : EquipmentCategories) {
        connect(control<ImageButton>(this, category.button), &ImageButton::clicked, this,
                [this, &category] { openPicker(category); });
    }
    connect(mainMenuButton_, &ImageButton::clicked, this, &CategoryMenu::showLoadList);
    connect(helpButton_, &ImageButton::clicked, this, &CategoryMenu::showHelp);
    connect(ownVaButton_, &ImageButton::clicked, this, &CategoryMenu::enterOwnVa);
}

void CategoryMenu::openEstimator() {
    hide();
    screens_.computerEstimator().show();
}

void CategoryMenu::openPicker(const EquipmentCategory& category) {
    ModelPicker& picker = screens_.modelPicker();
    picker.setCategory(category);
    picker.show();
    hide();
    picker.fillManufacturers();
}

void CategoryMenu::showLoadList() {
    hide();
    screens_.loadList().show();
}

void CategoryMenu::showHelp() {
    showMessage(
        QStringLiteral(
            "Welcome to the Vellimar UPS Selector!\r\rTo start, select the general category you wish."),
        MessageIcon::Information);
}

void CategoryMenu::enterOwnVa() {
    const QString typed = platform().dialogs->input(QString::fromStdString(OwnVaPrompt),
                                                    QString::fromStdString(OwnVaTitle), QString());
    const OwnVaEntry entry = own_va_entry(typed.toStdString());
    if (!entry.item) {
        showMessage(entry.refusal);
        return;
    }
    LoadListScreen& list = screens_.loadList();
    state_.addItem(*entry.item);
    list.showAddedItem();
    handOverTo(list);
}

} // namespace vellimar
