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
        {"Label7", Kind::Label, 60, 120, 3765, 345, "Select type of equipment to protect:",
         Font::Heading, true},
        {"Image1", Kind::Button, 405, 675, 3750, 450, "General Computer / Workstation",
         Font::Screen, false, "", {390, 705}, {405, 675}},
        {"Image2", Kind::Button, 405, 1275, 3750, 450, EquipmentCategories[0].caption,
         Font::Screen, false, "", {390, 1305}, {405, 1275}},
        {"Image3", Kind::Button, 405, 1875, 3750, 450, EquipmentCategories[1].caption,
         Font::Screen, false, "", {390, 1905}, {405, 1875}},
        {"Image4", Kind::Button, 405, 2475, 3750, 450, EquipmentCategories[2].caption,
         Font::Screen, false, "", {390, 2505}, {405, 2475}},
        {"Image5", Kind::Button, 405, 3075, 3750, 450, EquipmentCategories[3].caption,
         Font::Screen, false, "", {390, 3105}, {405, 3075}},
        {"Image8", Kind::Button, 405, 3675, 3750, 450, "Enter Your Own VA",
         Font::Screen, false, "", {390, 3705}, {405, 3675}},
        {"Image6", Kind::Button, 150, 4275, 1350, 540, "Main Menu",
         Font::Screen, false, "", {120, 4305}, {150, 4275}},
        {"Image7", Kind::Icon, 4050, 15, 435, 450, "Help", Font::Screen, false, "Help"},
        {"Label1", Kind::Caption, 825, 780, 2910, 300, "General Computer / Workstation", Font::Bold, true},
        {"Label2", Kind::Caption, 1545, 1380, 1515, 300, EquipmentCategories[0].caption, Font::Bold},
        {"Label3", Kind::Caption, 1320, 1980, 2145, 285, EquipmentCategories[1].caption, Font::Bold},
        {"Label4", Kind::Caption, 885, 2580, 2970, 390, EquipmentCategories[2].caption, Font::Bold},
        {"Label5", Kind::Caption, 1080, 3180, 2550, 330, EquipmentCategories[3].caption, Font::Bold},
        {"Label8", Kind::Caption, 1425, 3780, 1680, 330, "Enter Your Own VA", Font::Bold},
        {"Label6", Kind::Caption, 360, 4425, 975, 225, "Main Menu", Font::Bold},
    });
    // clang-format on
    // Heard as the screen appears: which screen this is (its title is the
    // load list's too), and what to do here.
    setAccessibleDescription(QStringLiteral("Category menu. ") + control<QLabel>(this, "Label7")->text());
    computerButton = control<ImageButton>(this, "Image1");
    serverButton = control<ImageButton>(this, "Image2");
    networkButton = control<ImageButton>(this, "Image3");
    telecomButton = control<ImageButton>(this, "Image4");
    otherButton = control<ImageButton>(this, "Image5");
    mainMenuButton = control<ImageButton>(this, "Image6");
    helpButton = control<ImageButton>(this, "Image7");
    ownVaButton = control<ImageButton>(this, "Image8");

    connect(computerButton, &ImageButton::clicked, this, &CategoryMenu::openEstimator);
    for (const EquipmentCategory& category : EquipmentCategories) {
        connect(control<ImageButton>(this, category.button), &ImageButton::clicked, this,
                [this, &category] { openPicker(category); });
    }
    connect(mainMenuButton, &ImageButton::clicked, this, &CategoryMenu::showLoadList);
    connect(helpButton, &ImageButton::clicked, this, &CategoryMenu::showHelp);
    connect(ownVaButton, &ImageButton::clicked, this, &CategoryMenu::enterOwnVa);
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
