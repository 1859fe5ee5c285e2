// The model picker: manufacturers and models from the equipment list files,
// and the way an item reaches the load list.
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QTest>

#include "entry/form2.h"
#include "entry/form6.h"
#include "gui_test.h"
#include "lists.h"
#include "loadlist/form1.h"
#include "shell/imagebutton.h"
#include "shell/screens.h"
#include "tab_order.h"

namespace vellimar {
namespace {

class Picker : public GuiTest {
  protected:
    Form2& picker() { return screens::form2(); }
    Form6& menu() { return screens::form6(); }
    Form1& list() { return screens::form1(); }

    // Opens the picker from the category menu, "Network Server" unless told.
    void open(ImageButton* Form6::*category = &Form6::Image2) {
        menu().show();
        click(menu().*category);
    }
    QStringList manufacturers() { return texts_of(picker().manuf); }
    QStringList models() { return texts_of(picker().model); }
    QStringList vas() { return texts_of(picker().modelva); }

    void choose_manufacturer(int row) { click_row(picker().manuf, row); }
    // Chooses model `row` and presses "Next".
    void add_model(int row) {
        click_row(picker().model, row);
        click(picker().Label5);
    }
    QString last_description() { return list().List1->item(list().List1->count() - 1)->text(); }
    QString last_va() { return list().List2->item(list().List2->count() - 1)->text(); }
};

TEST_F(Picker, ManufacturerInterruptedByAnotherIsListedTwiceWithAllItsModels) {
    write_file("server.txt", "Acme,A1,100\r\nBolt,B1,200\r\nAcme,A2,300\r\n");
    open();
    EXPECT_EQ(manufacturers(), (QStringList{"Acme", "Acme", "Bolt"}));
    EXPECT_TRUE(models().isEmpty());
    EXPECT_TRUE(picker().manuf->selectedItems().isEmpty());

    for (int row : {0, 1}) {
        choose_manufacturer(row);
        EXPECT_EQ(models(), (QStringList{"A1", "A2"})) << row;
        EXPECT_EQ(vas(), (QStringList{"100", "300"})) << row;
    }
    choose_manufacturer(2);
    EXPECT_EQ(models(), QStringList{"B1"});
}

TEST_F(Picker, ManufacturerIsTakenAsWrittenModelAndVaLoseTheirSpaces) {
    write_file("server.txt", "Acme ,  Spaced Box  ,  1,250 , \r\nAcme ,\tTabbed,7\r\nAcme,Plain,40\r\n");
    open();
    EXPECT_EQ(manufacturers(), (QStringList{"Acme", "Acme "}));
    // The trailing space matches only lines written the same way.
    choose_manufacturer(1);
    EXPECT_EQ(models(), (QStringList{"\tTabbed", "Spaced Box"}));
    EXPECT_EQ(vas(), (QStringList{"7", "1,250 ,"}));
    add_model(1);
    EXPECT_EQ(last_description(), "Acme  Spaced Box");
    EXPECT_EQ(last_va(), "1,250 ,"); // further commas stay part of the VA
    EXPECT_EQ(list().Text1->text(), " 1");
}

TEST_F(Picker, SortedListsKeepEachModelWithItsOwnVa) {
    write_file("telecom.txt",
               "zeta corp,Z,1\r\n"
               "Mira,zulu,400\r\nMira,Alpha,100\r\nMira,beta,200\r\nMira,Alpha,150\r\nMira,ALPHA,50\r\n"
               "Mira,\xc3\x96sa,60\r\nBeacon,B,2\r\n\xc9lan,E,3\r\n");
    open(&Form6::Image4);
    // Accented letters (UTF-8 or Windows-1252) sort beside their base letter.
    EXPECT_EQ(manufacturers(), (QStringList{"Beacon", "\u00c9lan", "Mira", "zeta corp"}));
    choose_manufacturer(2);
    // Ignoring case, equal names keep their file order; identical lines are two entries.
    EXPECT_EQ(models(), (QStringList{"Alpha", "Alpha", "ALPHA", "beta", "\u00d6sa", "zulu"}));
    EXPECT_EQ(vas(), (QStringList{"100", "150", "50", "200", "60", "400"}));

    const std::pair<int, const char*> picks[] = {{3, "200"}, {1, "150"}, {5, "400"}, {2, "50"}};
    for (auto [row, va] : picks) {
        add_model(row);
        EXPECT_EQ(last_description(), "Mira " + models().at(row));
        EXPECT_EQ(last_va(), va);
        EXPECT_TRUE(list().isVisible());
        EXPECT_FALSE(picker().isVisible());
        list().hide();
        picker().show();
    }
    EXPECT_EQ(list().List1->count(), 4);
    EXPECT_EQ(list().List2->count(), 4);
    EXPECT_EQ(list().Text1->text(), " 800");
}

TEST_F(Picker, NextWithoutAModelShowsTheMessageAndStays) {
    write_file("network.txt", "Acme,,10\r\nAcme,Hub,20\r\nBolt,Router,30\r\n");
    open(&Form6::Image3);
    auto expect_refused = [&](const char* when) {
        click(picker().Image7);
        ASSERT_FALSE(fakes.dialogs.messages.isEmpty()) << when;
        const ShownMessage shown = fakes.dialogs.messages.takeLast();
        EXPECT_EQ(shown.text, "You need to select a model") << when;
        EXPECT_EQ(shown.icon, MessageIcon::None);
        EXPECT_EQ(shown.title, "Vellimar UPS Selector");
        EXPECT_TRUE(picker().isVisible()) << when;
        EXPECT_FALSE(screens::exists(1) && list().List1->count() > 0) << when;
    };
    expect_refused("nothing chosen");
    choose_manufacturer(0);
    expect_refused("manufacturer only");
    click_row(picker().model, 0);
    ASSERT_EQ(picker().model->selectedItems().first()->text(), "");
    expect_refused("model with empty text");
    // Another manufacturer leaves no model selected.
    click_row(picker().model, 1);
    choose_manufacturer(1);
    EXPECT_EQ(models(), QStringList{"Router"});
    expect_refused("after another manufacturer");
    EXPECT_EQ(picker().manuf->selectedItems().first()->text(), "Bolt");
}

TEST_F(Picker, EmptyFileGivesEmptyLists) {
    write_file("other.txt", "");
    open(&Form6::Image5);
    EXPECT_EQ(picker().manuf->count(), 0);
    EXPECT_EQ(picker().model->count(), 0);
    click(picker().Label5);
    EXPECT_EQ(message_texts(fakes.dialogs), QStringList{"You need to select a model"});
}

TEST_F(Picker, EmptyManufacturerIsListedOnlyAfterANonEmptyOne) {
    write_file("server.txt", ",Top,1\r\nAcme,A1,2\r\n,Lower,3\r\n,Lowest,4\r\nAcme,A2,5\r\n");
    open();
    EXPECT_EQ(manufacturers(), (QStringList{"", "Acme", "Acme"}));
    choose_manufacturer(0);
    // Every line with an empty manufacturer matches, the top one too.
    EXPECT_EQ(models(), (QStringList{"Lower", "Lowest", "Top"}));
    add_model(2);
    EXPECT_EQ(last_description(), " Top");
    EXPECT_EQ(last_va(), "1");

    write_file("server.txt", ",Top,1\r\n,Next,2\r\n");
    open();
    EXPECT_TRUE(manufacturers().isEmpty());
}

TEST_F(Picker, LinesWithoutTwoCommasAreSkipped) {
    write_file("server.txt", "\r\nAcme\r\nAcme,Half 300\r\nAcme,Whole,300\r\n\r\n");
    open();
    EXPECT_EQ(manufacturers(), QStringList{"Acme"});
    choose_manufacturer(0);
    EXPECT_EQ(models(), QStringList{"Whole"});
    EXPECT_TRUE(fakes.dialogs.messages.isEmpty());
}

TEST_F(Picker, EveryCategoryShowsItsCompleteListAndItsPrompts) {
    write_file("server.txt", "Acme,S1,1\r\nBolt,S2,2\r\n");
    write_file("network.txt", "Bolt,N1,3\r\nCore,N2,4\r\n");
    write_file("other.txt", "Monitor,CRT,85\r\n");

    open(&Form6::Image5);
    EXPECT_EQ(picker().Label2->text(), "1. Select device:");
    EXPECT_EQ(picker().Label3->text(), "2. Select type:");
    EXPECT_EQ(manufacturers(), QStringList{"Monitor"});
    choose_manufacturer(0);
    click(picker().Label4); // Different Category
    EXPECT_TRUE(menu().isVisible());
    EXPECT_FALSE(picker().isVisible());
    EXPECT_EQ(models(), QStringList{"CRT"}); // kept until the next category

    // The same category twice, and one whose first manufacturer ends the last file.
    const std::pair<ImageButton * Form6::*, QStringList> visits[] = {{&Form6::Image2, {"Acme", "Bolt"}},
                                                                     {&Form6::Image2, {"Acme", "Bolt"}},
                                                                     {&Form6::Image3, {"Bolt", "Core"}}};
    for (const auto& [category, expected] : visits) {
        open(category);
        EXPECT_EQ(picker().Label2->text(), "1. Select Manufacturer:");
        EXPECT_EQ(picker().Label3->text(), "2. Select Model:");
        EXPECT_EQ(manufacturers(), expected);
        EXPECT_TRUE(models().isEmpty());
        EXPECT_TRUE(vas().isEmpty());
        click(picker().Image8);
    }
}

TEST_F(Picker, MissingFileIsReportedByNameAndLeavesTheListsEmpty) {
    write_file("network.txt", "Bolt,N1,3\r\n");
    open(&Form6::Image3);
    choose_manufacturer(0);
    click(picker().Image8);

    open(&Form6::Image4);
    ASSERT_EQ(fakes.dialogs.messages.size(), 1);
    EXPECT_TRUE(fakes.dialogs.messages[0].text.contains("\"telecom.txt\"")) << fakes.dialogs.messages[0].text;
    EXPECT_EQ(fakes.dialogs.messages[0].icon, MessageIcon::Critical);
    EXPECT_TRUE(picker().isVisible());
    EXPECT_EQ(picker().manuf->count(), 0);
    EXPECT_EQ(picker().model->count(), 0);
    EXPECT_EQ(picker().modelva->count(), 0);

    // The file goes away between the two fills.
    open(&Form6::Image3);
    QFile::remove(dir.filePath("network.txt"));
    choose_manufacturer(0);
    ASSERT_EQ(fakes.dialogs.messages.size(), 2);
    EXPECT_TRUE(fakes.dialogs.messages[1].text.contains("\"network.txt\""));
    EXPECT_EQ(picker().model->count(), 0);
}

TEST_F(Picker, EveryFillReadsTheFileAfresh) {
    write_file("server.txt", "Acme,Old,1\r\nBolt,B,2\r\n");
    open();
    write_file("server.txt", "Acme,New,5\r\nAcme,Newer,6\r\nCore,C,3\r\n");
    choose_manufacturer(0);
    EXPECT_EQ(models(), (QStringList{"New", "Newer"}));
    EXPECT_EQ(vas(), (QStringList{"5", "6"}));
    click(picker().Image8);
    open();
    EXPECT_EQ(manufacturers(), (QStringList{"Acme", "Core"}));
}

TEST_F(Picker, KeyboardChoosesManufacturerAndModel) {
    write_file("server.txt", "Acme,A1,10\r\nAcme,A2,20\r\nBolt,B1,30\r\n");
    open();
    picker().activateWindow();
    picker().manuf->setFocus();
    EXPECT_TRUE(models().isEmpty()); // focus alone chooses nothing
    QTest::keyClick(picker().manuf, Qt::Key_Space);
    EXPECT_EQ(models(), (QStringList{"A1", "A2"}));
    QTest::keyClick(picker().manuf, Qt::Key_Down);
    EXPECT_EQ(models(), QStringList{"B1"});
    QTest::keyClick(picker().manuf, Qt::Key_Up);
    picker().model->setFocus();
    QTest::keyClick(picker().model, Qt::Key_Down);
    QTest::keyClick(picker().model, Qt::Key_Down);
    picker().Image7->setFocus();
    QTest::keyClick(picker().Image7, Qt::Key_Space);
    EXPECT_EQ(last_description(), "Acme A2");
    EXPECT_EQ(last_va(), "20");
}

TEST_F(Picker, CancelGoesToTheLoadListWithoutAdding) {
    write_file("server.txt", "Acme,A1,10\r\n");
    open();
    choose_manufacturer(0);
    click_row(picker().model, 0);
    click(picker().Label6);
    EXPECT_TRUE(list().isVisible());
    EXPECT_FALSE(picker().isVisible());
    EXPECT_FALSE(menu().isVisible());
    EXPECT_EQ(list().List1->count(), 0);
    EXPECT_TRUE(fakes.dialogs.messages.isEmpty());
}

TEST_F(Picker, LayoutAndClosingTheWindow) {
    write_file("server.txt", "");
    open();
    EXPECT_EQ(picker().windowTitle(), "Select Item Category");
    EXPECT_EQ(picker().size(), QSize(347, 365));
    EXPECT_FALSE(picker().modelva->isVisibleTo(&picker()));
    EXPECT_FALSE(picker().Label1->isVisibleTo(&picker()));
    EXPECT_EQ(picker().Image7->toolTip(), "Add selected item to list");
    EXPECT_EQ(picker().Image8->toolTip(), "Pick a different category of items");
    EXPECT_EQ(picker().Image5->toolTip(), "Cancel");
    EXPECT_EQ(picker().Label4->text(), " Different Category");
    EXPECT_EQ(tab_order(picker().manuf, 5), (QStringList{"manuf", "model", "Image5", "Image7", "Image8"}));
    picker().close();
    EXPECT_EQ(fakes.process.ends, 1);
}

TEST_F(Picker, PressedLookOfEveryButton) {
    write_file("server.txt", "");
    open();
    struct Case {
        ImageButton* button;
        QLabel* caption;
        QPoint pressed, released;
    };
    const Case cases[] = {{picker().Image5, picker().Label6, {345, 4830}, {360, 4800}},
                          {picker().Image7, picker().Label5, {1905, 4830}, {1920, 4800}},
                          {picker().Image8, picker().Label4, {3465, 4830}, {3480, 4800}}};
    for (const Case& c : cases) {
        EXPECT_EQ(c.button->position_twips(), c.released);
        expect_pressed_look(c.button, c.caption, c.pressed, c.released);
    }
}

} // namespace
} // namespace vellimar
