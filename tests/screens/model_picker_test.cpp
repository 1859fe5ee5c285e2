// The model picker: its lists from the equipment list file, and the item it adds.
#include <QApplication>
#include <QLabel>
#include <QTest>

#include "screen_test.h"
#include "screens/category_menu.h"
#include "screens/load_list_screen.h"
#include "screens/model_picker.h"
#include "ui/image_button.h"

namespace vellimar {
namespace {

class ModelPickerTest : public ScreenTest {
  protected:
    void open() { click(screens.categoryMenu().telecomButton); }
    ModelPicker& picker() { return screens.modelPicker(); }
    LoadListScreen& list() { return screens.loadList(); }
};

TEST_F(ModelPickerTest, ListsSortAsAReaderExpectsAndEachModelKeepsItsOwnVa) {
    // An accented maker in Windows-1252, an accented model in UTF-8, names
    // equal but for case, and a maker whose lines are interrupted.
    write_file("telecom.txt",
               "zeta corp,Z,1\r\nMira,zulu,400\r\nMira,Alpha,100\r\nMira,beta,200\r\n"
               "Mira,ALPHA,50\r\nMira,\xc3\x96sa,60\r\nBeacon,B,2\r\n\xc9lan,E,3\r\nMira,alpha,7\r\n");
    open();
    EXPECT_EQ(texts_of(picker().manufacturerList),
              (QStringList{"Beacon", "\u00c9lan", "Mira", "Mira", "zeta corp"}));
    EXPECT_TRUE(picker().modelList->count() == 0);
    click_row(picker().manufacturerList, 3);
    EXPECT_EQ(texts_of(picker().modelList),
              (QStringList{"Alpha", "ALPHA", "alpha", "beta", "\u00d6sa", "zulu"}));
    EXPECT_EQ(texts_of(picker().vaList), (QStringList{"100", "50", "7", "200", "60", "400"}));

    click_row(picker().modelList, 1);
    click(picker().nextButton);
    EXPECT_EQ(texts_of(list().itemList), QStringList{"Mira ALPHA"});
    EXPECT_EQ(texts_of(list().vaList), QStringList{"50"});
    EXPECT_EQ(list().totalText(), " 50");
    EXPECT_TRUE(list().isVisible());
    EXPECT_FALSE(picker().isVisible());
}

TEST_F(ModelPickerTest, NextWithoutAModelRefusesAndTheOtherButtonsLeave) {
    write_file("telecom.txt", "Mira,Alpha,100\r\n");
    open();
    click(picker().nextButton);
    EXPECT_EQ(messages(), QStringList{"You need to select a model"});
    EXPECT_TRUE(picker().isVisible());
    EXPECT_FALSE(screens.exists("Form1"));

    click(picker().cancelButton);
    EXPECT_TRUE(list().isVisible());
    EXPECT_EQ(list().itemList->count(), 0);
    EXPECT_FALSE(picker().isVisible());
    picker().show();
    list().hide();
    click(picker().otherCategoryButton);
    EXPECT_TRUE(screens.categoryMenu().isVisible());
    EXPECT_FALSE(picker().isVisible());
    EXPECT_FALSE(list().isVisible());
}

TEST_F(ModelPickerTest, KeyboardChoosesManufacturerAndModel) {
    write_file("telecom.txt", "Acme,A1,10\r\nAcme,A2,20\r\nBolt,B1,30\r\n");
    open();
    picker().activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&picker()));
    picker().manufacturerList->setFocus();
    EXPECT_EQ(picker().modelList->count(), 0); // the focus alone chooses nothing
    QTest::keyClick(picker().manufacturerList, Qt::Key_Space);
    EXPECT_EQ(texts_of(picker().modelList), (QStringList{"A1", "A2"}));
    QTest::keyClick(picker().manufacturerList, Qt::Key_Down);
    EXPECT_EQ(texts_of(picker().modelList), QStringList{"B1"});
    picker().modelList->setFocus();
    QTest::keyClick(picker().modelList, Qt::Key_Space);
    QTest::keyClick(&picker(), Qt::Key_Tab);
    QTest::keyClick(&picker(), Qt::Key_Tab);
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
    EXPECT_EQ(texts_of(list().itemList), QStringList{"Bolt B1"});
}

TEST_F(ModelPickerTest, AMissingListIsReportedAndTheListsStayEmpty) {
    open();
    ASSERT_EQ(messages().size(), 1);
    EXPECT_TRUE(messages()[0].contains("\"telecom.txt\"")) << messages()[0];
    EXPECT_EQ(picker().manufacturerList->count(), 0);
    EXPECT_TRUE(picker().isVisible());
}

} // namespace
} // namespace vellimar
