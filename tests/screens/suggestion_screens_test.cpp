// The load list screen with its suggestion, the results screen and the
// product information viewer over it.
#include <QTcpServer>

#include "app/application.h"
#include "core/site_sizing.h"
#include "screen_test.h"
#include "ui/printing.h"

namespace vellimar {
namespace {

constexpr int Last = UpsClassCount - 1;

// A record per class for 0-5000, each field naming voltage, class and field, but at 230 V for "30 min.",
// where class k proposes "QN 10k0" and the last class nothing; per voltage, a product file of one section.
class SuggestionTest : public ScreenTest {
  protected:
    void SetUp() override {
        ScreenTest::SetUp();
        for (std::string volts : {"120", "230"}) {
            std::string table;
            for (int k = 0; k < UpsClassCount; ++k) {
                table += "0-5000";
                for (int field = 1; field < 8; ++field)
                    table += "\t" + (volts == "230" && field == 3
                                         ? (k < Last ? "QN 10" + std::to_string(k) + "0" : "")
                                         : volts + " c" + std::to_string(k) + " f" + std::to_string(field));
                table += "\r\n";
            }
            write_file((volts + ".txt").c_str(), table);
            write_file(("prod" + volts + ".txt").c_str(),
                       "----------\r\nskipped\r\nQN Series\r\nBody " + volts + "\r\n-------\r\n");
        }
        list().show();
    }
    LoadListScreen& list() { return screens.loadList(); }
    // An item added as an entry screen adds it.
    void add(const LoadItem& item) {
        state.addItem(item);
        list().showAddedItem();
    }
    QComboBox* runtime() { return find<QComboBox>("Form1", "Combo1"); }
    // The voltage option ("Option1" 120 V, "Option2" 230 V) and the runtime item.
    void choose(const char* volts, int runtimeItem) {
        find<QRadioButton>("Form1", volts)->setChecked(true);
        runtime()->setCurrentIndex(runtimeItem);
    }
    QString model(int upsClass) { return text("Form3", UpsClasses[upsClass].model_label); }
    QWidget* info(int upsClass) { return find("Form3", UpsClasses[upsClass].info_button); }
    QString header() { return text("Form3", "Label1") + "|" + text("Form3", "Label9"); }
    QString shownInfo() { return find<QPlainTextEdit>("Form5", "Text1")->toPlainText(); }
};
using LoadListTest = SuggestionTest;

TEST_F(LoadListTest, ItemsAreTotalledAndStartOverEmptiesThemKeepingTheChoices) {
    EXPECT_EQ(text("Form1", "Text1"), "0");
    add({"Router", "1.5"});
    add({"Router", "1.5"});
    EXPECT_EQ(items("Form1", "List1") + items("Form1", "List2") << text("Form1", "Text1"),
              (QStringList{"Router", "Router", "1.5", "1.5", " 4"}));
    choose("Option2", 3);
    click(find("Form1", "Image3"));
    EXPECT_EQ(items("Form1", "List1") + items("Form1", "List2"), QStringList());
    EXPECT_EQ(text("Form1", "Text1") + "|" + QString::fromStdString(state.runtimeText()),
              " 0|120 min./ 2 hours");
    EXPECT_TRUE(shown("Form6") && !shown("Form1") && !state.volts120());
    // Shown again, it starts at its list, now described as empty.
    EXPECT_TRUE(list().focusWidget() == find("Form1", "List1") &&
                find("Form1", "List1")->accessibleDescription().startsWith("Empty"));
}

TEST_F(LoadListTest, SuggestionShowsTheModelsOfTheVoltageAndRuntimeOrTheRefusal) {
    add({"Router", " 245"});
    click(find("Form1", "Image4"));
    ASSERT_EQ(messages(), QStringList{"You need to select a runtime"});
    EXPECT_TRUE(fakes.dialogs.messages.takeFirst().icon == MessageIcon::Critical && !shown("Form3"));

    choose("Option2", 5);
    click(find("Form1", "Image4"));
    EXPECT_TRUE(shown("Form3") && !shown("Form1"));
    EXPECT_EQ(model(0) + "|" + model(6) + "|" + header(), "230 c0 f7|230 c6 f7| 245|480 min./ 8 hours");
    click(find("Form3", "Image1"));
    choose("Option1", 0);
    add({"Switch", "5"});
    click(find("Form1", "Image4"));
    EXPECT_EQ(model(3) + "|" + header(), "120 c3 f2| 250|15 min.");

    QFile::remove(dir.filePath(QStringLiteral("120.txt")));
    click(find("Form3", "Image1"));
    click(find("Form1", "Image4"));
    EXPECT_TRUE(messages().join("").contains("\"120.txt\"")) << messages().join("");
    EXPECT_TRUE(shown("Form1") && !shown("Form3"));
}

// The command line sizes through the same rules: for each load, voltage and
// runtime, on these tables and on the shipped ones, it gives the texts
// the results screen shows, or the message it refuses with.
TEST_F(LoadListTest, CommandLineSizingGivesWhatTheScreensShow) {
    for (const bool shipped : {false, true}) {
        if (shipped)
            for (const char* table : {"120.txt", "230.txt"}) {
                QFile::remove(dir.filePath(table));
                ASSERT_TRUE(QFile::copy(VELLIMAR_SOURCE_DIR "/data/" + QString(table), dir.filePath(table)));
            }
        for (const char* va : {"0", "50", "245", "1200", "4999", "5001"})
            for (const char* volts : {"Option1", "Option2"})
                for (int runtime : {-1, 0, 2, 5}) {
                    SCOPED_TRACE(std::string(va) + volts + std::to_string(runtime));
                    state.clearItems();
                    if (std::string(va) != "0")
                        add({"Load", va});
                    choose(volts, runtime);
                    const SiteSizing sized = size_site("site", state.items(), state.volts120(),
                                                       state.runtimeText(), state.runtimeIndex(), "");
                    click(find("Form1", "Image4"));
                    QStringList screen = messages(), line;
                    fakes.dialogs.messages.clear();
                    for (int k = 0; shown("Form3") && k < UpsClassCount; ++k)
                        screen << model(k);
                    for (const std::string& model : sized.models)
                        line << QString::fromStdString(model);
                    EXPECT_EQ(screen, sized.message.empty()
                                          ? line
                                          : QStringList{QString::fromStdString(sized.message)});
                    if (shown("Form3"))
                        click(find("Form3", "Image1"));
                }
    }
}

// Delete takes out the current item (the menu's "Remove Item" does the
// same), the next becomes current and a screen reader hears what went.
TEST_F(LoadListTest, DeleteRemovesTheCurrentItemAndSaysWhat) {
    add({"Router", "1.5"}), add({"Disk", "10", 3}), add({"Hub", "5"});
    auto* list = find<QListWidget>("Form1", "List1");
    this->list().activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&this->list()));
    list->setCurrentRow(1);
    QTest::keyClick(list, Qt::Key_Delete);
    EXPECT_EQ(items("Form1", "List1") + items("Form1", "List2") << text("Form1", "Text1"),
              (QStringList{"Router", "Hub", "1.5", "5", " 7"}));
    EXPECT_EQ(list->currentItem()->text() + "|" +
                  QAccessible::queryAccessibleInterface(list)->text(QAccessible::Description),
              "Hub|Removed 3 x Disk. Total VA: 7");
    list->actions().first()->trigger(); // "Remove Item"
    list->actions().first()->trigger();
    EXPECT_EQ(items("Form1", "List1") << text("Form1", "Text1"), QStringList{" 0"});
    list->actions().first()->trigger();
}

// Ctrl+S asks for a file once and then saves to it; Ctrl+O asks before
// replacing unsaved items, and a file it cannot use is named with its line
// and leaves the list as it was. A failed save says so and keeps the list.
TEST_F(LoadListTest, SavedListOpensAgainAndAFileItCannotUseChangesNothing) {
    list().activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&list()));
    add({"Rack server", "450", 8});
    choose("Option2", 2);
    const QString saved = dir.filePath("site.upsload");
    fakes.dialogs.answerNextFile(saved);
    QTest::keyClick(&list(), Qt::Key_S, Qt::ControlModifier);
    add({"Hub", "5"});
    QTest::keyClick(&list(), Qt::Key_S, Qt::ControlModifier);
    EXPECT_EQ(fakes.dialogs.fileDialogs, QStringList{"Save Load List|load list.upsload"});
    QFile file(saved);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    EXPECT_EQ(file.readAll(), "# Vellimar UPS Selector load list\r\n#volts,230\r\n#runtime,60\r\n"
                              "description,VA,quantity\r\nRack server,450,8\r\nHub,5,1\r\n");

    write_file("bad.csv", "description,VA\nRouter,10\nSwitch,ten\n");
    add({"Fan", "1"});
    fakes.dialogs.answerNextAsk(true), fakes.dialogs.answerNextFile(dir.filePath("bad.csv"));
    QTest::keyClick(&list(), Qt::Key_O, Qt::ControlModifier);
    ASSERT_EQ(messages().size(), 1);
    EXPECT_TRUE(
        messages()[0].endsWith("bad.csv\" cannot be used: line 3: its VA \"ten\" is not a plain number of VA "
                               "(digits, perhaps with a decimal point)."));
    EXPECT_EQ(items("Form1", "List1") << text("Form1", "Text1"),
              (QStringList{"8 x Rack server", "Hub", "Fan", " 3606"}));
    QTest::keyClick(&list(), Qt::Key_O, Qt::ControlModifier); // answered No: nothing opens

    choose("Option1", 0);
    fakes.dialogs.answerNextAsk(true), fakes.dialogs.answerNextFile(saved);
    QTest::keyClick(&list(), Qt::Key_O, Qt::ControlModifier);
    EXPECT_EQ(items("Form1", "List1") << text("Form1", "Text1") << runtime()->currentText(),
              (QStringList{"8 x Rack server", "Hub", " 3605", "60 min./ 1 hour"}));
    EXPECT_EQ(fakes.dialogs.prompts.size(), 3); // Yes, No, Yes
    EXPECT_FALSE(state.volts120() || state.listChanged());

    fakes.dialogs.messages.clear();
    fakes.dialogs.answerNextFile(dir.filePath("missing/site.upsload"));
    QTest::keyClick(&list(), Qt::Key_S, Qt::ControlModifier | Qt::ShiftModifier);
    EXPECT_TRUE(messages().join("").contains("could not be saved")) << messages().join("");
    EXPECT_EQ(QString::fromStdString(state.listFile()), saved);

    // Named on the command line: the list shows in place of the menu, unless it cannot be used.
    screens.reset();
    startWithList(screens, saved.toStdString());
    EXPECT_TRUE(shown("Form1") && !shown("Form6") && items("Form1", "List1").size() == 2);
    screens.reset();
    startSelector(screens);
    startWithList(screens, dir.filePath("bad.csv").toStdString());
    EXPECT_TRUE(!shown("Form1") && shown("Form6") && messages().size() == 2);
}

// However the editing ends (a click elsewhere, Tab, Return), a typed runtime
// that reads like an item stays typed, also after the results and back.
TEST_F(LoadListTest, TypedRuntimeStaysTypedWhenEditingEnds) {
    add({"Router", "100"});
    QLineEdit* edit = runtime()->lineEdit();
    for (Qt::Key ending : {Qt::Key_unknown, Qt::Key_Tab, Qt::Key_Return}) {
        runtime()->setCurrentIndex(0);
        list().activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(&list()));
        edit->setFocus(), edit->selectAll();
        QTest::keyClicks(edit, "60 min./ 1 hour");
        if (ending != Qt::Key_unknown)
            QTest::keyClick(edit, ending);
        click(find("Form1", "Image4"));
        ASSERT_TRUE(shown("Form3")) << ending;
        EXPECT_EQ(model(0), "120 c0 f1") << ending;
        click(find("Form3", "Image1"));
        EXPECT_EQ(QString::fromStdString(state.runtimeText()) + QString::number(state.runtimeIndex()),
                  "60 min./ 1 hour-1");
    }
}

// What a screen reader does without the keyboard: choose the voltage and
// the runtime and press the button through their actions; then what it reads
// on the results: each value by itself, each "i" button with its model.
TEST_F(LoadListTest, AScreenReaderChoosesThroughActionsAndReadsTheResults) {
    const auto act = [](QWidget* control, const QString& action) {
        QAccessible::queryAccessibleInterface(control)->actionInterface()->doAction(action);
    };
    const auto read = [](QWidget* control, QAccessible::Text text = QAccessible::Name) {
        return QAccessible::queryAccessibleInterface(control)->text(text);
    };
    add({"Router", " 245"});
    QAccessibleInterface* volts230 = QAccessible::queryAccessibleInterface(find("Form1", "Option2"));
    EXPECT_EQ(volts230->relations(QAccessible::Label).value(0).first->text(QAccessible::Name), "Voltage");
    act(find("Form1", "Option2"), QAccessibleActionInterface::toggleAction());
    act(runtime(), QAccessibleActionInterface::showMenuAction());
    runtime()->view()->setCurrentIndex(runtime()->model()->index(2, 0));
    act(runtime(), QAccessibleActionInterface::pressAction());
    EXPECT_EQ(state.runtimeIndex(), 2);
    auto* suggest = find<ImageButton>("Form1", "Image4");
    act(suggest, QAccessibleActionInterface::pressAction());
    QTRY_VERIFY(shown("Form3"));
    act(suggest, QAccessibleActionInterface::pressAction()); // on a hidden screen: stays as released
    EXPECT_TRUE(!suggest->isDown() && suggest->positionTwips() == QPoint(2775, 3765));
    QMessageBox box; // Qt's own windows keep their roles beside the selector's frames
    EXPECT_EQ(QAccessible::queryAccessibleInterface(&box)->role(), QAccessible::AlertMessage);
    EXPECT_EQ(read(info(3), QAccessible::Description), "230 c3 f4");
    // Screen readers find each control's place in the window from the control.
    QAccessibleInterface* window = QAccessible::queryAccessibleInterface(&screens.results());
    for (int i = 0; i < window->childCount(); ++i)
        EXPECT_EQ(window->indexOfChild(window->child(i)), i);
    EXPECT_EQ(read(find("Form3", "Label1")) + read(find("Form3", "Label9")), " 24560 min./ 1 hour");
}

// Two items, 345 VA, at 230 V for "30 min.".
class ResultsTest : public SuggestionTest {
  protected:
    void SetUp() override {
        SuggestionTest::SetUp();
        add({"Server", "300"});
        add({"Switch", "45"});
        choose("Option2", 1);
        click(find("Form1", "Image4"));
        ASSERT_TRUE(shown("Form3"));
    }
};

// Ctrl+Shift+S writes the page a printout would carry to a PDF file, on the
// results and in the viewer; a file that cannot be written is said.
TEST_F(ResultsTest, CtrlShiftSSavesThePageAsPdf) {
    const QString saved = dir.filePath("results.pdf");
    fakes.dialogs.answerNextFile(saved), fakes.dialogs.answerNextFile(dir.filePath("none/r.pdf"));
    for (const char* form : {"Form3", "Form3", "Form5"}) {
        if (std::string(form) == "Form5")
            click(info(0)), fakes.dialogs.answerNextFile(dir.filePath("QN.pdf"));
        QWidget* window = &screen(form);
        window->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(window));
        QTest::keyClick(window, Qt::Key_S, Qt::ControlModifier | Qt::ShiftModifier);
    }
    EXPECT_EQ(fakes.dialogs.fileDialogs,
              (QStringList{"Save as PDF|results.pdf", "Save as PDF|results.pdf", "Save as PDF|QN 1000.pdf"}));
    for (const QString& pdf : {saved, dir.filePath("QN.pdf")}) {
        QFile file(pdf);
        EXPECT_TRUE(file.open(QIODevice::ReadOnly) && file.read(5) == "%PDF-") << pdf;
    }
    ASSERT_EQ(messages().size(), 1);
    EXPECT_TRUE(messages()[0].startsWith("The PDF file \"" + dir.filePath("none/r.pdf") +
                                         "\" could not be written: "));
}

TEST_F(ResultsTest, EachInformationButtonOpensTheViewerOnItsClassModel) {
    for (int k = 0; k < Last; ++k) {
        click(info(k));
        ASSERT_TRUE(shown("Form5") && shown("Form3") && find("Form5", "Text1")->isVisible()) << k;
        EXPECT_EQ(text("Form5", "Label2") + shownInfo(), model(k) + "QN Series\nBody 230\n");
    }
    // The voltage is read at each look-up; an empty model closes the viewer.
    find<QRadioButton>("Form1", "Option1")->setChecked(true);
    click(info(0));
    EXPECT_EQ(shownInfo(), "QN Series\nBody 120\n");
    click(info(Last));
    EXPECT_TRUE(!shown("Form5") && info(Last)->accessibleDescription() == "No model");
    // A hint in place of a model opens no product's section, and says so.
    click(info(0));
    screens.infoViewer().setModelText(QStringLiteral("Runtime on request"));
    screens.infoViewer().showInfo();
    EXPECT_EQ(shownInfo(), "No product information is available for \"Runtime on request\".\n");
    // Back (Return works on it as on every button) and the window's close box close only the viewer.
    click(info(0));
    QTest::keyClick(find("Form5", "Command2"), Qt::Key_Return);
    EXPECT_FALSE(shown("Form5"));
    click(info(1));
    screen("Form5").close();
    EXPECT_TRUE(!shown("Form5") && fakes.process.ends == 0);
    click(info(1)); // Escape too
    ASSERT_TRUE(QTest::qWaitForWindowActive(&screen("Form5")));
    QTest::keyClick(find("Form5", "Text1"), Qt::Key_Escape);
    QTRY_VERIFY(!shown("Form5"));
    // A missing product file is named and the viewer stays empty.
    QFile::remove(dir.filePath(QStringLiteral("prod120.txt")));
    click(info(0));
    EXPECT_TRUE(messages().join("").contains("\"prod120.txt\"")) << messages().join("");
    EXPECT_EQ(shownInfo(), "");
}

TEST_F(ResultsTest, PrintingReportsWhetherTheJobWentThroughAndTheButtonsLeave) {
    // A job asked for while another is under way waits its turn.
    click(find("Form3", "Image12"));
    click(info(0));
    find<QPlainTextEdit>("Form5", "Text1")->setPlainText(QStringLiteral("Edited"));
    click(find("Form5", "Command1"));
    ASSERT_TRUE(QTest::qWaitFor([&] { return messages().size() == 2; }, 10000));
    const QStringList lines = fakes.printer.jobs.value(0).split(QStringLiteral("\r\n"));
    EXPECT_EQ(lines.value(2) + "|" + lines.value(5) + "|" + lines.value(8) + "|" + lines.value(5 + 3 * Last),
              "Total VA:  345     Desired Runtime: 30 min.|QN 1000|QN 1010|");
    EXPECT_EQ(fakes.printer.jobs.last(), "Edited");
    EXPECT_EQ(fakes.printer.titles,
              (QStringList{"Vellimar UPS Selector – Results", "Vellimar UPS Selector – QN 1000"}));
    fakes.printer.available = false;
    click(find("Form5", "Command1"));
    ASSERT_TRUE(QTest::qWaitFor([&] { return messages().size() == 3; }, 10000));
    EXPECT_EQ(messages(), (QStringList{"Successfully printed to default printer!",
                                       "Successfully printed to default printer!",
                                       "There was a problem printing to your printer."}));

    click(find("Form3", "Image1"));
    EXPECT_TRUE(shown("Form1") && !shown("Form3"));
    click(find("Form3", "Image2"));
    EXPECT_EQ(fakes.process.ends, 1);
}

// A print server that takes the connection and never answers: the windows
// keep answering, and the failure is told once the print system's time is up.
TEST_F(ResultsTest, AHungPrintServerNeitherFreezesTheWindowsNorPassesForSuccess) {
    QTcpServer server;
    ASSERT_TRUE(server.listen(QHostAddress::LocalHost));
    qputenv("CUPS_SERVER", "127.0.0.1:" + QByteArray::number(server.serverPort()));
    DefaultPrinter printer;
    const PlatformInUse realPrinter({&fakes.dialogs, &printer, &fakes.process});
    QElapsedTimer sinceTick;
    qint64 longestGap = 0;
    QTimer ticks;
    QObject::connect(&ticks, &QTimer::timeout, [&] { longestGap = qMax(longestGap, sinceTick.restart()); });
    ticks.start(10);
    sinceTick.start();
    click(find("Form3", "Image12"));
    EXPECT_TRUE(QTest::qWaitFor([&] { return !messages().isEmpty(); }, 12000));
    qunsetenv("CUPS_SERVER");
    EXPECT_EQ(messages(), QStringList{"There was a problem printing to your printer."});
    EXPECT_LT(longestGap, 250);
}

} // namespace
} // namespace vellimar
