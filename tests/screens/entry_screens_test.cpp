// The three ways into the load list: the category menu with the own-VA entry,
// the model picker and the general computer estimator.
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QTest>
#include <QWindow>

#include "app/application.h"
#include "core/computer_estimate.h"
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

TEST_F(CategoryMenuTest, EachButtonLeadsToItsScreen) {
    start_selector();
    for (const char* other : {"Form1", "Form2", "Form3", "Form4", "Form5"})
        EXPECT_FALSE(screens.exists(other)) << other;
    fakes.dialogs.answer_next_input(QStringLiteral("5001"));
    click(menu().ownVaButton);
    ASSERT_EQ(messages(), QStringList{QString::fromStdString(OwnVaRangeMessage)});
    EXPECT_EQ(fakes.dialogs.messages[0].icon, MessageIcon::None);
    EXPECT_FALSE(screens.exists("Form1"));
    fakes.dialogs.answer_next_input(QStringLiteral("250"));
    click(menu().ownVaButton);
    LoadListScreen& list = screens.loadList();
    EXPECT_EQ(texts_of(list.itemList), QStringList{"Specific VA:  250"});
    EXPECT_EQ(list.totalText(), " 250");
    EXPECT_TRUE(list.isVisible() && !menu().isVisible());
    EXPECT_EQ(fakes.dialogs.prompts, QStringList(2, "Enter VA Rating:|Specify VA"));

    // "Other" first: the categories after it must restore the maker prompts.
    const std::tuple<ImageButton * CategoryMenu::*, const char*, const char*, const char*> pickers[] = {
        {&CategoryMenu::otherButton, "other", "1. Select device:", "2. Select type:"},
        {&CategoryMenu::serverButton, "server", "1. Select Manufacturer:", "2. Select Model:"},
        {&CategoryMenu::networkButton, "network", "1. Select Manufacturer:", "2. Select Model:"},
        {&CategoryMenu::telecomButton, "telecom", "1. Select Manufacturer:", "2. Select Model:"}};
    for (auto [button, key, first, second] : pickers) {
        write_file((std::string(key) + ".txt").c_str(), std::string("Maker ") + key + ",M,1\r\n");
        click(menu().*button);
        ModelPicker& picker = screens.modelPicker();
        EXPECT_TRUE(picker.isVisible() && !menu().isVisible()) << key;
        EXPECT_EQ(picker.firstPrompt->text() + picker.secondPrompt->text(), QString(first) + second);
        EXPECT_EQ(texts_of(picker.manufacturerList), QStringList{QStringLiteral("Maker ") + key});
        picker.hide();
    }
    click(menu().mainMenuButton);
    EXPECT_TRUE(list.isVisible() && !menu().isVisible());
    click(menu().computerButton);
    EXPECT_TRUE(screens.computerEstimator().isVisible() && !menu().isVisible());
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
    QWidget* before = QApplication::focusWidget();
    click(menu().helpButton);
    EXPECT_EQ(QApplication::focusWidget(), before);
    EXPECT_EQ(framed(), QStringList());
    QTest::keyClick(&menu(), Qt::Key_Tab);
    EXPECT_EQ(framed().size(), 1);
}

// The pressed button gets the release wherever it is; only over it, it clicks.
TEST_F(CategoryMenuTest, PressReleasedOffTheButtonDoesNotClick) {
    start_selector();
    QWindow* window = menu().windowHandle();
    QTest::mousePress(window, Qt::LeftButton, {}, menu().serverButton->geometry().center());
    EXPECT_EQ(menu().serverButton->position_twips(), QPoint(390, 1305));
    QTest::mouseRelease(window, Qt::LeftButton, {}, QPoint(5, menu().height() - 5));
    EXPECT_EQ(menu().serverButton->position_twips(), QPoint(405, 1275));
    EXPECT_FALSE(screens.exists("Form2"));
}

class ModelPickerTest : public ScreenTest {
  protected:
    void open() { click(screens.categoryMenu().telecomButton); }
    ModelPicker& picker() { return screens.modelPicker(); }
    LoadListScreen& list() { return screens.loadList(); }
};

TEST_F(ModelPickerTest, ListsSortAsAReaderExpectsAndTheChosenModelIsAdded) {
    open();
    ASSERT_EQ(messages().size(), 1); // no file yet
    EXPECT_TRUE(messages().takeFirst().contains("\"telecom.txt\""));
    fakes.dialogs.messages.clear();
    // Accents in Windows-1252 and UTF-8, names equal but for case, a split maker.
    write_file("telecom.txt",
               "zeta corp,Z,1\r\nMira,zulu,400\r\nMira,Alpha,100\r\nMira,beta,200\r\n"
               "Mira,ALPHA,50\r\nMira,\xc3\x96sa,60\r\nBeacon,B,2\r\n\xc9lan,E,3\r\nMira,alpha,7\r\n");
    open();
    EXPECT_EQ(texts_of(picker().manufacturerList),
              (QStringList{"Beacon", "\u00c9lan", "Mira", "Mira", "zeta corp"}));
    click(picker().nextButton);
    EXPECT_EQ(messages(), QStringList{"You need to select a model"});
    EXPECT_FALSE(screens.exists("Form1"));
    click_row(picker().manufacturerList, 3);
    EXPECT_EQ(texts_of(picker().modelList),
              (QStringList{"Alpha", "ALPHA", "alpha", "beta", "\u00d6sa", "zulu"}));
    EXPECT_EQ(texts_of(picker().vaList), (QStringList{"100", "50", "7", "200", "60", "400"}));
    click_row(picker().modelList, 1);
    click(picker().nextButton);
    EXPECT_EQ(texts_of(list().itemList), QStringList{"Mira ALPHA"});
    EXPECT_EQ(texts_of(list().vaList), QStringList{"50"});
    EXPECT_TRUE(list().isVisible() && !picker().isVisible());

    open();
    click(picker().cancelButton);
    EXPECT_TRUE(list().isVisible() && !picker().isVisible());
    EXPECT_EQ(list().itemList->count(), 1);
    click(list().addButton);
    open();
    click(picker().otherCategoryButton);
    EXPECT_TRUE(screens.categoryMenu().isVisible() && !picker().isVisible() && !list().isVisible());
}

class EstimatorTest : public ScreenTest {
  protected:
    ComputerEstimator& estimator() { return screens.computerEstimator(); }
    void choose(QComboBox* box, const char* part) { box->setCurrentIndex(box->findText(part)); }
};

TEST_F(EstimatorTest, TheChosenPartsBecomeOneGeneralPcOrTheRefusal) {
    for (auto [box, parts] : {std::pair{estimator().typeBox, &ComputerTypes},
                              {estimator().processorBox, &Processors},
                              {estimator().monitorBox, &Monitors}}) {
        EXPECT_EQ(box->placeholderText(), parts->prompt);
        EXPECT_EQ(box->currentIndex(), -1);
        EXPECT_FALSE(box->isEditable());
        EXPECT_EQ(box->itemText(parts->count - 1), parts->parts[parts->count - 1].name);
        // The prompt is drawn as the box's text, not as a greyed hint.
        EXPECT_EQ(box->palette().color(QPalette::PlaceholderText),
                  box->palette().color(QPalette::ButtonText));
    }
    choose(estimator().typeBox, "Full tower");
    choose(estimator().monitorBox, "18-21 in.");
    click(estimator().addButton);
    EXPECT_EQ(messages(), QStringList{"You need to select a processor type"});
    EXPECT_EQ(fakes.dialogs.messages[0].icon, MessageIcon::None);
    EXPECT_FALSE(screens.exists("Form1"));

    choose(estimator().processorBox, "Dual Pentium Pro");
    for (QCheckBox* check : estimator().peripheralChecks)
        check->setChecked(true);
    estimator().otherDeviceCheck->setChecked(true);
    EXPECT_EQ(estimator().otherDeviceBox->text(), "0");
    estimator().otherDeviceBox->setText(QStringLiteral("12.5"));
    click(estimator().addButton);
    LoadListScreen& list = screens.loadList();
    EXPECT_EQ(texts_of(list.itemList), QStringList{"General PC"});
    EXPECT_EQ(texts_of(list.vaList), QStringList{" 467.5"});
    EXPECT_TRUE(list.isVisible() && !estimator().isVisible());

    // Nothing was reset: Cancel keeps the choices for the next visit.
    click(screens.categoryMenu().computerButton);
    click(estimator().cancelButton);
    EXPECT_TRUE(screens.categoryMenu().isVisible() && !estimator().isVisible());
    click(screens.categoryMenu().computerButton);
    click(estimator().addButton);
    EXPECT_EQ(texts_of(list.vaList), (QStringList{" 467.5", " 467.5"}));
}

} // namespace
} // namespace vellimar
