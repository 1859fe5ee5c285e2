// The category menu: start-up, the own-VA entry and the ways out.
#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QTest>
#include <QWindow>

#include "app/application.h"
#include "core/own_va.h"
#include "screen_test.h"
#include "screens/category_menu.h"
#include "screens/computer_estimator.h"
#include "screens/load_list_screen.h"
#include "screens/model_picker.h"
#include "ui/image_button.h"

namespace vellimar {
namespace {

class CategoryMenuTest : public ScreenTest {
  protected:
    CategoryMenu& menu() { return screens.categoryMenu(); }
};

TEST_F(CategoryMenuTest, StartUpShowsOnlyTheMenu) {
    start_selector();
    EXPECT_TRUE(menu().isVisible());
    for (const char* other : {"Form1", "Form2", "Form3", "Form4", "Form5"})
        EXPECT_FALSE(screens.exists(other)) << other;
}

TEST_F(CategoryMenuTest, OwnVaIsAppendedWhenInRangeAndRefusedOtherwise) {
    fakes.dialogs.answer_next_input(QStringLiteral("5001"));
    click(menu().ownVaButton);
    ASSERT_EQ(messages(), QStringList{QString::fromStdString(OwnVaRangeMessage)});
    EXPECT_EQ(fakes.dialogs.messages[0].icon, MessageIcon::None);
    EXPECT_TRUE(menu().isVisible());
    EXPECT_FALSE(screens.exists("Form1"));

    fakes.dialogs.answer_next_input(QStringLiteral("250"));
    click(menu().ownVaButton);
    LoadListScreen& list = screens.loadList();
    EXPECT_EQ(texts_of(list.itemList), QStringList{"Specific VA:  250"});
    EXPECT_EQ(texts_of(list.vaList), QStringList{" 250"});
    EXPECT_EQ(list.totalText(), " 250");
    EXPECT_TRUE(list.isVisible());
    EXPECT_FALSE(menu().isVisible());
    EXPECT_EQ(fakes.dialogs.prompts, QStringList(2, "Enter VA Rating:|Specify VA"));
}

TEST_F(CategoryMenuTest, EachPickerCategoryHandsOverItsKeyAndPrompts) {
    struct Case {
        ImageButton* CategoryMenu::*button;
        const char* key;
        const char* first;
        const char* second;
    };
    // "Other" first: the categories after it must restore the maker prompts.
    const Case cases[] = {
        {&CategoryMenu::otherButton, "other", "1. Select device:", "2. Select type:"},
        {&CategoryMenu::serverButton, "server", "1. Select Manufacturer:", "2. Select Model:"},
        {&CategoryMenu::networkButton, "network", "1. Select Manufacturer:", "2. Select Model:"},
        {&CategoryMenu::telecomButton, "telecom", "1. Select Manufacturer:", "2. Select Model:"},
    };
    for (const Case& c : cases) {
        write_file((std::string(c.key) + ".txt").c_str(), std::string("Maker ") + c.key + ",M,1\r\n");
        menu().show();
        click(menu().*c.button);
        ModelPicker& picker = screens.modelPicker();
        EXPECT_TRUE(picker.isVisible()) << c.key;
        EXPECT_FALSE(menu().isVisible()) << c.key;
        EXPECT_EQ(picker.firstPrompt->text(), c.first);
        EXPECT_EQ(picker.secondPrompt->text(), c.second);
        EXPECT_EQ(texts_of(picker.manufacturerList), QStringList{QStringLiteral("Maker ") + c.key});
        picker.hide();
    }
}

TEST_F(CategoryMenuTest, MainMenuAndComputerButtonsLeadOn) {
    click(menu().mainMenuButton);
    EXPECT_TRUE(screens.loadList().isVisible());
    EXPECT_FALSE(menu().isVisible());
    click(menu().computerButton);
    EXPECT_TRUE(screens.computerEstimator().isVisible());
    EXPECT_FALSE(menu().isVisible());
}

// A click leaves the focus where it was; only the keyboard shows a frame.
TEST_F(CategoryMenuTest, FocusFrameShowsOnlyAfterTab) {
    start_selector();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&menu()));
    const auto framed = [this] {
        QStringList names;
        for (ImageButton* button : menu().findChildren<ImageButton*>())
            if (button->shows_focus_frame())
                names << button->objectName();
        return names;
    };
    EXPECT_EQ(framed(), QStringList());
    QWidget* before = QApplication::focusWidget();
    click(menu().helpButton);
    EXPECT_EQ(QApplication::focusWidget(), before);
    EXPECT_EQ(framed(), QStringList());
    QTest::keyClick(&menu(), Qt::Key_Tab);
    EXPECT_EQ(framed().size(), 1);
}

// The release goes to the pressed button wherever the mouse is let go, and
// only a release over the button clicks.
TEST_F(CategoryMenuTest, PressReleasedOffTheButtonDoesNotClick) {
    start_selector();
    QWindow* window = menu().windowHandle();
    QTest::mousePress(window, Qt::LeftButton, {}, menu().serverButton->geometry().center());
    EXPECT_EQ(menu().serverButton->position_twips(), QPoint(390, 1305));
    QTest::mouseRelease(window, Qt::LeftButton, {}, QPoint(5, menu().height() - 5));
    EXPECT_EQ(menu().serverButton->position_twips(), QPoint(405, 1275));
    EXPECT_FALSE(screens.exists("Form2"));
    EXPECT_TRUE(menu().isVisible());
}

} // namespace
} // namespace vellimar
