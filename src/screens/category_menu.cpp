#include "screens/category_menu.h"

#include <QLabel>

#include "core/equipment_categories.h"
#include "core/own_va.h"
#include "screens/computer_estimator.h"
#include "screens/load_list_screen.h"
#include "screens/model_picker.h"
#include "screens/screens.h"
#include "ui/image_button.h"
#include "ui/layout.h"
#include "ui/platform.h"

namespace vellimar {

CategoryMenu::CategoryMenu(Screens& screens)
    : Screen("Form6", ApplicationTitle, 4515, 4890), screens_(screens) {
    // clang-format off
    layOut(this, {
        row::label("Label7", {60, 120, 3765, 345}, "Select type of equipment to protect:")
            .inFont(Font::Heading).centredText(),
        row::button("Image1", Bitmap::LongFace, {405, 675, 3750, 450}, "General Computer / Workstation",
                    {390, 705}, {405, 675}),
        row::button("Image2", Bitmap::LongFace, {405, 1275, 3750, 450}, EquipmentCategories[0].caption,
                    {390, 1305}, {405, 1275}),
        row::button("Image3", Bitmap::LongFace, {405, 1875, 3750, 450}, EquipmentCategories[1].caption,
                    {390, 1905}, {405, 1875}),
        row::button("Image4", Bitmap::LongFace, {405, 2475, 3750, 450}, EquipmentCategories[2].caption,
                    {390, 2505}, {405, 2475}),
        row::button("Image5", Bitmap::LongFace, {405, 3075, 3750, 450}, EquipmentCategories[3].caption,
                    {390, 3105}, {405, 3075}),
        row::button("Image8", Bitmap::LongFace, {405, 3675, 3750, 450}, "Enter Your Own VA",
                    {390, 3705}, {405, 3675}),
        row::button("Image6", Bitmap::Face, {150, 4275, 1350, 540}, "Main Menu", {120, 4305}, {150, 4275}),
        row::icon("Image7", Bitmap::Help, {4050, 15, 435, 450}, "Help").withTooltip("Help"),
        row::caption("Label1", {825, 780, 2910, 300}, "General Computer / Workstation").inFont(Font::Bold)
            .centredText(),
        row::caption("Label2", {1545, 1380, 1515, 300}, EquipmentCategories[0].caption).inFont(Font::Bold),
        row::caption("Label3", {1320, 1980, 2145, 285}, EquipmentCategories[1].caption).inFont(Font::Bold),
        row::caption("Label4", {885, 2580, 2970, 390}, EquipmentCategories[2].caption).inFont(Font::Bold),
        row::caption("Label5", {1080, 3180, 2550, 330}, EquipmentCategories[3].caption).inFont(Font::Bold),
        row::caption("Label8", {1425, 3780, 1680, 330}, "Enter Your Own VA").inFont(Font::Bold),
        row::caption("Label6", {360, 4425, 975, 225}, "Main Menu").inFont(Font::Bold),
    });
    // clang-format on
    // Heard as the screen appears: which screen this is (its title is the
    // load list's too), and what to do here.
    setAccessibleDescription(QStringLiteral("Category menu. ") + control<QLabel>(this, "Label7")->text());
    computerButton_ = control<ImageButton>(this, "Image1");
    serverButton_ = control<ImageButton>(this, "Image2");
    networkButton_ = control<ImageButton>(this, "Image3");
    telecomButton_ = control<ImageButton>(this, "Image4");
    otherButton_ = control<ImageButton>(this, "Image5");
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
    const std::optional<LoadItem> item = own_va_item(typed.toStdString());
    if (!item) {
        showMessage(OwnVaRangeMessage);
        return;
    }
    LoadListScreen& list = screens_.loadList();
    list.appendItem(*item);
    handOverTo(list);
}

} // namespace vellimar
