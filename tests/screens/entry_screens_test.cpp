// The three ways into the load list: the category menu with the own-VA entry,
// the model picker and the general computer estimator.
#include <filesystem>
#include <fstream>

#include "app/command_line.h"
#include "core/computer_estimate.h"
#include "core/own_va.h"
#include "screen_test.h"

namespace vellimar {
namespace {

class EntryTest : public ScreenTest {
  protected:
    void open() { click(find("Form6", "Image4")); } // the telecom picker
    void choose(const char* box, const char* part) {
        auto* combo = find<QComboBox>("Form4", box);
        combo->setCurrentIndex(combo->findText(part));
    }
};

TEST_F(EntryTest, EachButtonLeadsToItsScreen) {
    startSelector(screens);
    for (const char* other : {"Form1", "Form2", "Form3", "Form4", "Form5"})
        EXPECT_FALSE(shown(other)) << other;
    fakes.dialogs.answerNextInput(QStringLiteral("1,200"));
    click(find("Form6", "Image8"));
    ASSERT_EQ(messages(), QStringList{"\"1,200\" is not a plain number of VA; type it as 1200."});
    EXPECT_TRUE(fakes.dialogs.messages[0].icon == MessageIcon::None && !shown("Form1"));
    fakes.dialogs.answerNextInput(QStringLiteral("250"));
    click(find("Form6", "Image8"));
    EXPECT_EQ(items("Form1", "List1") << text("Form1", "Text1")
                                      << QString::number(find<QListWidget>("Form1", "List1")->currentRow()),
              (QStringList{"Specific VA:  250", " 250", "0"})); // the item added is the current one
    EXPECT_TRUE(shown("Form1") && !shown("Form6"));
    EXPECT_EQ(fakes.dialogs.prompts, QStringList(2, "Enter VA Rating:|Specify VA"));

    // "Other" first: the categories after it must restore the maker prompts.
    const char *maker = "1. Select Manufacturer:", *model = "2. Select Model:";
    const std::tuple<const char*, const char*, const char*, const char*> pickers[] = {
        {"Image5", "other", "1. Select device:", "2. Select type:"},
        {"Image2", "server", maker, model},
        {"Image3", "network", maker, model},
        {"Image4", "telecom", maker, model}};
    for (auto [button, key, first, second] : pickers) {
        write_file((std::string(key) + ".txt").c_str(), std::string("Maker ") + key + ",M,1\r\n");
        click(find("Form6", button));
        EXPECT_TRUE(shown("Form2") && !shown("Form6")) << key;
        EXPECT_EQ(items("Form2", "manuf") << text("Form2", "Label2") << text("Form2", "Label3"),
                  (QStringList{QStringLiteral("Maker ") + key, first, second}));
        screen("Form2").hide();
    }
    screen("Form1").hide();
    click(find("Form6", "Image6"));
    EXPECT_TRUE(shown("Form1") && !shown("Form6"));
    click(find("Form6", "Image1"));
    EXPECT_TRUE(shown("Form4") && !shown("Form6"));
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
        useDataFolder(state, given);
        EXPECT_EQ(QString::fromStdString(state.dataFile("server.txt")), server) << from;
    }
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

    // A folder named in Latin-1 is taken byte for byte, and a message shows its bytes escaped.
    const std::string latin1 = dir.filePath("caf").toStdString() + "\xE9";
    std::filesystem::create_directory(latin1);
    std::ofstream(latin1 + "/120.txt") << "";
    for (const std::string& folder : {latin1, latin1 + "s"}) {
        char* argv[] = {const_cast<char*>(folder.c_str())};
        useDataFolder(state, commandLineArguments(1, argv).front());
        EXPECT_EQ(state.dataFile("server.txt"), folder + "/server.txt");
    }
    EXPECT_TRUE(messages().last().contains(dir.filePath("caf") + "\\xE9s\n")) << messages().last();
}

// A list filled afresh starts at its top; with nothing selected, Down takes the first entry, Up the last.
TEST_F(EntryTest, PickerListsStartAtTheTopAndArrowsTakeTheFirstOrLastEntry) {
    std::string lines; // "Maker 0" with 30 models, then 30 makers of one model each
    for (int i = 10; i < 70; ++i)
        lines +=
            (i < 40 ? "Maker 0,M" + std::to_string(i) : "Maker " + std::to_string(i - 30) + ",M") + ",1\r\n";
    write_file("telecom.txt", lines);
    open();
    QListWidget* const lists[] = {find<QListWidget>("Form2", "manuf"), find<QListWidget>("Form2", "model")};
    lists[0]->scrollToBottom();
    click(find("Form2", "Image8"));
    EXPECT_TRUE(shown("Form6") && !shown("Form2"));
    open();
    QTest::keyClick(lists[0], Qt::Key_Down);
    QTest::keyClick(lists[1], Qt::Key_Up);
    EXPECT_EQ(lists[0]->currentItem()->text() + lists[1]->currentItem()->text(), "Maker 0M39");
    QTest::keySequence(lists[0], QKeySequence(Qt::Key_Down, Qt::Key_Up));
    for (QListWidget* list : lists)
        EXPECT_EQ(list->verticalScrollBar()->value(), 0) << list->objectName();
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
    EXPECT_EQ(items("Form2", "manuf"), (QStringList{"Beacon", "\u00c9lan", "Mira", "Mira", "zeta corp"}));
    click(find("Form2", "Image7"));
    EXPECT_TRUE(messages() == QStringList{"You need to select a model"} && !shown("Form1"));
    click_row(find<QListWidget>("Form2", "manuf"), 3);
    EXPECT_EQ(items("Form2", "model") + items("Form2", "modelva"),
              (QStringList{"Alpha", "ALPHA", "alpha", "beta", "\u00d6sa", "zulu", "100", "50", "7", "200",
                           "60", "400"}));
    click_row(find<QListWidget>("Form2", "model"), 0);
    click(find("Form2", "Image7"));
    EXPECT_EQ(items("Form1", "List1") + items("Form1", "List2"), (QStringList{"Mira Alpha", "100"}));
    EXPECT_TRUE(shown("Form1") && !shown("Form2"));

    open();
    click(find("Form2", "Image5"));
    EXPECT_TRUE(shown("Form1") && !shown("Form2") && find<QListWidget>("Form1", "List1")->count() == 1);
}

TEST_F(EntryTest, TheChosenPartsBecomeOneGeneralPcOrTheRefusal) {
    for (auto [box, parts] : {std::pair{find<QComboBox>("Form4", "Combo3"), &ComputerTypes},
                              {find<QComboBox>("Form4", "Combo1"), &Processors},
                              {find<QComboBox>("Form4", "Combo2"), &Monitors}}) {
        EXPECT_EQ(box->placeholderText() + box->itemText(parts->count - 1),
                  QString(parts->prompt) + parts->parts[parts->count - 1].name);
        EXPECT_TRUE(box->currentIndex() == -1 && !box->isEditable());
        // The prompt is drawn as the box's text, not as a greyed hint.
        EXPECT_EQ(box->palette().color(QPalette::PlaceholderText),
                  box->palette().color(QPalette::ButtonText));
    }
    choose("Combo3", "Full tower");
    choose("Combo2", "18-21 in.");
    click(find("Form4", "Image1"));
    EXPECT_EQ(messages(), QStringList{"You need to select a processor type"});
    EXPECT_TRUE(fakes.dialogs.messages[0].icon == MessageIcon::None && !shown("Form1"));

    choose("Combo1", "Dual Pentium Pro");
    for (const char* check : {"Check1", "Check2", "Check3", "Check4", "Check5", "Check6"})
        find<QCheckBox>("Form4", check)->setChecked(true);
    EXPECT_EQ(text("Form4", "Text2"), "0");
    find<QLineEdit>("Form4", "Text2")->setText(QStringLiteral("12.5"));
    click(find("Form4", "Image1"));
    EXPECT_EQ(items("Form1", "List1") + items("Form1", "List2"), (QStringList{"General PC", " 467.5"}));
    EXPECT_TRUE(shown("Form1") && !shown("Form4"));

    // Nothing was reset: Cancel keeps the choices for the next visit.
    click(find("Form6", "Image1"));
    click(find("Form4", "Image2"));
    EXPECT_TRUE(shown("Form6") && !shown("Form4"));
    click(find("Form6", "Image1"));
    click(find("Form4", "Image1"));
    EXPECT_EQ(items("Form1", "List2"), (QStringList{" 467.5", " 467.5"}));
}

} // namespace
} // namespace vellimar
