// The three ways into the load list: the category menu with the own-VA entry,
// the model picker and the general computer estimator.
#include "core/computer_estimate.h"
#include "core/data_folder.h"
#include "core/own_va.h"
#include "screen_test.h"

namespace vellimar {
namespace {

class EntryTest : public ScreenTest {
  protected:
    CategoryMenu& menu() { return screens.categoryMenu(); }
    ModelPicker& picker() { return screens.modelPicker(); }
    ComputerEstimator& estimator() { return screens.computerEstimator(); }
    LoadListScreen& list() { return screens.loadList(); }
    void open() { click(menu().telecomButton); }
    void choose(QComboBox* box, const char* part) { box->setCurrentIndex(box->findText(part)); }
};

TEST_F(EntryTest, EachButtonLeadsToItsScreen) {
    startSelector();
    for (const char* other : {"Form1", "Form2", "Form3", "Form4", "Form5"})
        EXPECT_FALSE(shown(other)) << other;
    fakes.dialogs.answerNextInput(QStringLiteral("5001"));
    click(menu().ownVaButton);
    ASSERT_EQ(messages(), QStringList{QString::fromStdString(OwnVaRangeMessage)});
    EXPECT_EQ(fakes.dialogs.messages[0].icon, MessageIcon::None);
    EXPECT_FALSE(shown("Form1"));
    fakes.dialogs.answerNextInput(QStringLiteral("250"));
    click(menu().ownVaButton);
    EXPECT_EQ(texts_of(list().itemList) << list().totalText(), (QStringList{"Specific VA:  250", " 250"}));
    EXPECT_TRUE(list().isVisible() && !menu().isVisible());
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
        EXPECT_TRUE(picker().isVisible() && !menu().isVisible()) << key;
        EXPECT_EQ(texts_of(picker().manufacturerList)
                      << picker().firstPrompt->text() << picker().secondPrompt->text(),
                  (QStringList{QStringLiteral("Maker ") + key, first, second}));
        picker().hide();
    }
    click(menu().mainMenuButton);
    EXPECT_TRUE(list().isVisible() && !menu().isVisible());
    click(menu().computerButton);
    EXPECT_TRUE(screens.computerEstimator().isVisible() && !menu().isVisible());
}

// Started anywhere, the selector reads its data from the working directory, else the data locations, or
// from the folder given; where none holds a runtime table file, one message names each folder looked in.
TEST_F(EntryTest, DataFolderChosenAtStartUp) {
    for (const char* folder : {"share/vellimar-ups-selector", "own", "empty/120.txt"})
        QDir(dir.path()).mkpath(QString::fromLatin1(folder));
    write_file("own/120.txt", ""), write_file("share/vellimar-ups-selector/230.txt", "");
    qputenv("XDG_DATA_HOME", dir.filePath("home").toLocal8Bit());
    const std::tuple<const char*, QString, const char*, QString> runs[] = {
        {"own", {}, "share", "server.txt"},
        {"empty", {}, "share", dir.filePath("share/vellimar-ups-selector/server.txt")},
        {"empty", dir.filePath("own"), "none", dir.filePath("own/server.txt")},
        {"empty", {}, "none", "server.txt"}};
    for (const auto& [from, given, locations, server] : runs) {
        QDir::setCurrent(dir.filePath(from));
        qputenv("XDG_DATA_DIRS", dir.filePath(locations).toLocal8Bit());
        useDataFolder(given);
        EXPECT_EQ(QString::fromStdString(data_file("server.txt")), server) << from;
    }
    set_data_folder({});
    qunsetenv("XDG_DATA_HOME"), qunsetenv("XDG_DATA_DIRS");
    ASSERT_EQ(messages().size(), 1);
    const QString here = dir.filePath("empty") + " (the working directory)";
    const QString prefix_data =
        QDir::cleanPath(QCoreApplication::applicationDirPath() + "/../share/vellimar-ups-selector");
    EXPECT_EQ(messages()[0],
              "No runtime table (120.txt or 230.txt) was found in any of these folders:\n    " + here +
                  "\n    " + dir.filePath("home/vellimar-ups-selector") + "\n    " +
                  dir.filePath("none/vellimar-ups-selector") + "\n    " + prefix_data +
                  "\nThe data files are looked for in " + here +
                  ".\nAnother folder can be named with --data-dir.");
}

// A list filled afresh starts at its top; with nothing selected, Down takes the first entry, Up the last.
TEST_F(EntryTest, PickerListsStartAtTheTopAndArrowsTakeTheFirstOrLastEntry) {
    std::string lines;
    for (int i = 10; i < 40; ++i)
        lines += "Maker " + std::to_string(i) + ",M,1\r\nMaker 10,M" + std::to_string(i) + ",1\r\n";
    write_file("telecom.txt", lines);
    open();
    QListWidget* const lists[] = {picker().manufacturerList, picker().modelList};
    lists[0]->scrollToBottom();
    click(picker().otherCategoryButton);
    EXPECT_TRUE(menu().isVisible() && !picker().isVisible());
    open();
    QTest::keyClick(lists[0], Qt::Key_Down);
    QTest::keyClick(lists[1], Qt::Key_Up);
    EXPECT_EQ(lists[0]->currentItem()->text() + lists[1]->currentItem()->text(), "Maker 10M39");
    QTest::keySequence(lists[0], QKeySequence(Qt::Key_Down, Qt::Key_Up));
    for (QListWidget* list : lists)
        EXPECT_EQ(list->verticalScrollBar()->value(), 0) << list->objectName();
}

// The pressed button gets the release wherever it is; only over it, it clicks.
TEST_F(EntryTest, PressReleasedOffTheButtonDoesNotClick) {
    startSelector();
    QWindow* window = menu().windowHandle();
    QTest::mousePress(window, Qt::LeftButton, {}, menu().serverButton->geometry().center());
    EXPECT_EQ(menu().serverButton->positionTwips(), QPoint(390, 1305));
    QTest::mouseRelease(window, Qt::LeftButton, {}, QPoint(5, menu().height() - 5));
    EXPECT_TRUE(menu().serverButton->positionTwips() == QPoint(405, 1275) && !shown("Form2"));
}

TEST_F(EntryTest, ListsSortAsAReaderExpectsAndTheChosenModelIsAdded) {
    open();
    EXPECT_TRUE(messages().join("").contains("\"telecom.txt\"")); // no file yet
    fakes.dialogs.messages.clear();
    // Accents in Windows-1252 and UTF-8, names equal but for case, a split maker.
    write_file("telecom.txt",
               "zeta corp,Z,1\r\nMira,zulu,400\r\nMira,Alpha,100\r\nMira,beta,200\r\n"
               "Mira,ALPHA,50\r\nMira,\xc3\x96sa,60\r\nBeacon,B,2\r\n\xc9lan,E,3\r\nMira,alpha,7\r\n");
    open();
    EXPECT_EQ(texts_of(picker().manufacturerList),
              (QStringList{"Beacon", "\u00c9lan", "Mira", "Mira", "zeta corp"}));
    click(picker().nextButton);
    EXPECT_TRUE(messages() == QStringList{"You need to select a model"} && !shown("Form1"));
    click_row(picker().manufacturerList, 3);
    EXPECT_EQ(texts_of(picker().modelList) + texts_of(picker().vaList),
              (QStringList{"Alpha", "ALPHA", "alpha", "beta", "\u00d6sa", "zulu", "100", "50", "7", "200",
                           "60", "400"}));
    click_row(picker().modelList, 0);
    click(picker().nextButton);
    EXPECT_EQ(texts_of(list().itemList) + texts_of(list().vaList), (QStringList{"Mira Alpha", "100"}));
    EXPECT_TRUE(list().isVisible() && !picker().isVisible());

    open();
    click(picker().cancelButton);
    EXPECT_TRUE(list().isVisible() && !picker().isVisible() && list().itemList->count() == 1);
}

TEST_F(EntryTest, TheChosenPartsBecomeOneGeneralPcOrTheRefusal) {
    for (auto [box, parts] : {std::pair{estimator().typeBox, &ComputerTypes},
                              {estimator().processorBox, &Processors},
                              {estimator().monitorBox, &Monitors}}) {
        EXPECT_EQ(box->placeholderText() + box->itemText(parts->count - 1),
                  QString(parts->prompt) + parts->parts[parts->count - 1].name);
        EXPECT_TRUE(box->currentIndex() == -1 && !box->isEditable());
        // The prompt is drawn as the box's text, not as a greyed hint.
        EXPECT_EQ(box->palette().color(QPalette::PlaceholderText),
                  box->palette().color(QPalette::ButtonText));
    }
    choose(estimator().typeBox, "Full tower");
    choose(estimator().monitorBox, "18-21 in.");
    click(estimator().addButton);
    EXPECT_EQ(messages(), QStringList{"You need to select a processor type"});
    EXPECT_TRUE(fakes.dialogs.messages[0].icon == MessageIcon::None && !shown("Form1"));

    choose(estimator().processorBox, "Dual Pentium Pro");
    for (QCheckBox* check : estimator().peripheralChecks)
        check->setChecked(true);
    estimator().otherDeviceCheck->setChecked(true);
    EXPECT_EQ(estimator().otherDeviceBox->text(), "0");
    estimator().otherDeviceBox->setText(QStringLiteral("12.5"));
    click(estimator().addButton);
    EXPECT_EQ(texts_of(list().itemList) + texts_of(list().vaList), (QStringList{"General PC", " 467.5"}));
    EXPECT_TRUE(list().isVisible() && !estimator().isVisible());

    // Nothing was reset: Cancel keeps the choices for the next visit.
    click(menu().computerButton);
    click(estimator().cancelButton);
    EXPECT_TRUE(menu().isVisible() && !estimator().isVisible());
    click(menu().computerButton);
    click(estimator().addButton);
    EXPECT_EQ(texts_of(list().vaList), (QStringList{" 467.5", " 467.5"}));
}

} // namespace
} // namespace vellimar
