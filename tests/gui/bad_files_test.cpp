// Data files that are missing, folders, empty, binary, or written with other
// line ends and encodings than the shipped ones: the screen that reads each
// one either names the file in a message or reads it right, never crashes,
// and leaves the load list exactly as it was.
#include <QComboBox>
#include <QDir>
#include <QLabel>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>
#include <random>
#include <sys/stat.h>

#include "entry/form2.h"
#include "entry/form6.h"
#include "gui_test.h"
#include "lists.h"
#include "load_list_state.h"
#include "loadlist/form1.h"
#include "results/form3.h"
#include "results/form5.h"
#include "shell/imagebutton.h"
#include "shell/screens.h"

namespace vellimar {
namespace {

// The same bytes on every run, so a failure can be looked at again.
std::string random_bytes(std::size_t size) {
    std::mt19937 engine(1997);
    std::uniform_int_distribution<int> byte(0, 255);
    std::string bytes(size, '\0');
    for (char& c : bytes)
        c = static_cast<char>(byte(engine));
    return bytes;
}

// "server" for "server.txt": test names cannot hold a point.
std::string file_stem(const ::testing::TestParamInfo<const char*>& info) {
    const std::string name = info.param;
    return name.substr(0, name.find('.'));
}

// One line of 50 MB without a line end, starting with `head`; written once
// per reader, as it is slow under a memory checker.
std::string huge_line(const std::string& head) {
    std::string line = head;
    line.resize(50u << 20, 'x');
    return line;
}

// One data file, named by the test's parameter, and a load list that holds
// a few items before the file is touched.
class DataFileTest : public GuiTest, public ::testing::WithParamInterface<const char*> {
  protected:
    void SetUp() override {
        GuiTest::SetUp();
        Form1& list = screens::form1();
        list.append_item(QStringLiteral("Server"), QStringLiteral("300"));
        list.append_item(QStringLiteral("Switch"), QStringLiteral(" 45.5"));
        list.append_item(QStringLiteral("Note"), QStringLiteral("no number"));
        kept_ = LoadListState::now();
        ASSERT_EQ(kept_.total, " 346");
    }

    QString name() const { return QString::fromLatin1(GetParam()); }
    void write(const std::string& bytes) {
        remove();
        write_file(name(), bytes);
    }
    void remove() { QFile::remove(dir.filePath(name())); }
    void make_folder() {
        remove();
        ASSERT_TRUE(QDir(dir.path()).mkdir(name()));
    }
    void unmake_folder() { QDir(dir.path()).rmdir(name()); }
    // A device that never ends, and a pipe that no one writes to: reading
    // either would never finish.
    void make_endless_device() {
        remove();
        ASSERT_TRUE(QFile::link(QStringLiteral("/dev/zero"), dir.filePath(name())));
    }
    void make_pipe() {
        remove();
        ASSERT_EQ(::mkfifo(QFile::encodeName(dir.filePath(name())).constData(), 0600), 0);
    }

    // Exactly one critical message, naming the file; taken off the list.
    void expect_reported(const char* when) {
        ASSERT_EQ(fakes.dialogs.messages.size(), 1) << when;
        const ShownMessage shown = fakes.dialogs.messages.takeFirst();
        EXPECT_TRUE(shown.text.contains('"' + name() + '"')) << when << ": " << shown.text;
        EXPECT_EQ(shown.icon, MessageIcon::Critical) << when;
        EXPECT_EQ(shown.title, "Vellimar UPS Selector") << when;
    }
    void expect_load_list_kept(const char* when) { EXPECT_EQ(LoadListState::now(), kept_) << when; }

    LoadListState kept_;
};

// ---------------------------------------------------------------------------
// Equipment lists, read by the model picker.

class EquipmentListFile : public DataFileTest {
  protected:
    Form2& picker() { return screens::form2(); }
    Form6& menu() { return screens::form6(); }

    // Opens the picker on the parameter's category from the category menu.
    void open() {
        const QString key = name().chopped(4);
        ImageButton* button = key == "server"    ? menu().Image2
                              : key == "network" ? menu().Image3
                              : key == "telecom" ? menu().Image4
                                                 : menu().Image5;
        if (screens::exists(2))
            picker().hide();
        menu().show();
        click(button);
        ASSERT_TRUE(picker().isVisible());
    }
    QStringList manufacturers() { return texts_of(picker().manuf); }
    QStringList models() { return texts_of(picker().model); }
    QStringList vas() { return texts_of(picker().modelva); }
    void expect_empty_lists(const char* when) {
        EXPECT_EQ(picker().manuf->count(), 0) << when;
        EXPECT_EQ(picker().model->count(), 0) << when;
        EXPECT_EQ(picker().modelva->count(), 0) << when;
    }
    // "Next" with nothing to choose is refused with its own message.
    void expect_next_refused(const char* when) {
        click(picker().Label5);
        EXPECT_EQ(message_texts(fakes.dialogs), QStringList{"You need to select a model"}) << when;
        fakes.dialogs.messages.clear();
        EXPECT_TRUE(picker().isVisible()) << when;
        expect_load_list_kept(when);
    }
    // Cancels back to the load list.
    void cancel() { click(picker().Label6); }
};

TEST_P(EquipmentListFile, MissingOrFolderIsReportedByNameAndNothingStaleStays) {
    write("Acme,A1,10\r\n");
    open();
    click_row(picker().manuf, 0);
    ASSERT_EQ(models(), QStringList{"A1"});

    remove();
    open();
    expect_reported("missing");
    expect_empty_lists("missing");
    expect_next_refused("missing");

    make_folder();
    open();
    expect_reported("folder");
    expect_empty_lists("folder");
    expect_next_refused("folder");
    unmake_folder();

    make_endless_device();
    open();
    expect_reported("endless device");
    expect_empty_lists("endless device");

    make_pipe();
    open();
    expect_reported("pipe");
    expect_empty_lists("pipe");
    cancel();
    expect_load_list_kept("pipe");
}

TEST_P(EquipmentListFile, EmptyOrBinaryContentNeverHarmsTheLoadList) {
    write("");
    open();
    EXPECT_TRUE(fakes.dialogs.messages.isEmpty());
    expect_empty_lists("empty");
    expect_next_refused("empty");

    // Random bytes: whatever has two commas becomes an entry, as text.
    write(random_bytes(16 * 1024));
    open();
    EXPECT_TRUE(fakes.dialogs.messages.isEmpty()) << message_texts(fakes.dialogs).join('\n');
    const int makers = picker().manuf->count();
    EXPECT_GT(makers, 0);
    for (int row = 0; row < makers; ++row) {
        click_row(picker().manuf, row);
        EXPECT_GT(picker().model->count(), 0) << row;
        EXPECT_EQ(picker().model->count(), picker().modelva->count()) << row;
    }
    EXPECT_TRUE(fakes.dialogs.messages.isEmpty());
    cancel();
    expect_load_list_kept("random bytes");
}

TEST_P(EquipmentListFile, NulBytesAreKeptAsTextAndEndNothing) {
    using namespace std::string_literals;
    write("Ac\0me,Mo\0del,1\0 50\r\n"s
          "Bolt,B1,20\r\n");
    open();
    const QString acme = QStringLiteral("Ac") + QChar(0) + QStringLiteral("me");
    const QString model = QStringLiteral("Mo") + QChar(0) + QStringLiteral("del");
    EXPECT_EQ(manufacturers(), (QStringList{acme, "Bolt"}));
    click_row(picker().manuf, 0);
    EXPECT_EQ(models(), QStringList{model});
    EXPECT_EQ(vas(), QStringList{QStringLiteral("1") + QChar(0) + QStringLiteral(" 50")});

    click_row(picker().model, 0);
    click(picker().Label5);
    EXPECT_TRUE(fakes.dialogs.messages.isEmpty());
    const LoadListState now = LoadListState::now();
    EXPECT_EQ(now.descriptions, kept_.descriptions + QStringList{acme + ' ' + model});
    EXPECT_EQ(now.total, " 347"); // the VA text's leading number is 1
}

TEST_P(EquipmentListFile, OtherLineEndsAByteOrderMarkAndEightBitTextAreReadAsWritten) {
    struct Case {
        const char* what;
        std::string bytes;
        QStringList manufacturers;
        QString description, va;
    };
    const Case cases[] = {
        {"LF only", "Acme,A1,10\nAcme, A2 , 20 \nBolt,B1,30\n", {"Acme", "Bolt"}, "Acme A1", "10"},
        {"CR only", "Acme,A1,10\rAcme, A2 , 20 \rBolt,B1,30", {"Acme", "Bolt"}, "Acme A1", "10"},
        {"byte-order mark",
         "\xEF\xBB\xBF"
         "Acme,A1,10\r\nAcme,A2,20\r\nBolt,B1,30\r\n",
         {"Acme", "Bolt"},
         "Acme A1",
         "10"},
        // Windows-1252 where a line is not UTF-8, UTF-8 where it is.
        {"8-bit",
         "M\xFCller,Typ \xE9,10\r\nZ\xC3\xBCrich,Z1,5\r\n",
         {"M\u00fcller", "Z\u00fcrich"},
         "M\u00fcller Typ \u00e9",
         "10"},
    };
    QStringList added;
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        write(c.bytes);
        open();
        EXPECT_EQ(manufacturers(), c.manufacturers);
        click_row(picker().manuf, 0);
        if (c.manufacturers.first() == "Acme") {
            EXPECT_EQ(models(), (QStringList{"A1", "A2"}));
            EXPECT_EQ(vas(), (QStringList{"10", "20"}));
        }
        click_row(picker().model, 0);
        click(picker().Label5);
        added << c.description;
        const LoadListState now = LoadListState::now();
        EXPECT_EQ(now.descriptions, kept_.descriptions + added);
        EXPECT_EQ(now.vas.last(), c.va);
    }
    EXPECT_TRUE(fakes.dialogs.messages.isEmpty());
    EXPECT_EQ(LoadListState::now().total, " 386");
}

// A line no list could show is refused, naming the file and the line.
class HugeEquipmentLine : public EquipmentListFile {};

TEST_P(HugeEquipmentLine, IsReportedAndNothingIsListed) {
    write(huge_line("Acme,A1,10\r\nAcme,"));
    open();
    ASSERT_FALSE(fakes.dialogs.messages.isEmpty());
    EXPECT_TRUE(fakes.dialogs.messages[0].text.contains("line 2 ")) << fakes.dialogs.messages[0].text;
    expect_reported("50 MB line");
    expect_empty_lists("50 MB line");
    expect_next_refused("50 MB line");
}

INSTANTIATE_TEST_SUITE_P(OneCategory, HugeEquipmentLine, ::testing::Values("server.txt"), file_stem);

INSTANTIATE_TEST_SUITE_P(EveryCategory, EquipmentListFile,
                         ::testing::Values("server.txt", "network.txt", "telecom.txt", "other.txt"),
                         file_stem);

// ---------------------------------------------------------------------------
// Runtime tables, read by "Suggest a UPS".

// Seven records of the band 1-5000, one per class, each line ended by `end`;
// class k's last field (the "480 min./ 8 hours" model) is `last(k)`.
template <typename Last> std::string runtime_table(const std::string& end, Last last) {
    std::string text;
    for (int k = 0; k < 7; ++k)
        text += "1-5000\tfree\tm2\tm3\tm4\tm5\tm6\t" + last(k) + end;
    return text;
}
std::string plain_table(const std::string& end) {
    return runtime_table(end, [](int k) { return "Model " + std::to_string(k); });
}

class RuntimeTableFile : public DataFileTest {
  protected:
    void SetUp() override {
        DataFileTest::SetUp();
        Form1& list = screens::form1();
        (name() == "120.txt" ? list.Option1 : list.Option2)->setChecked(true);
        // The last runtime shows each record's last field, where a stray
        // line-end byte would stick.
        list.Combo1->setCurrentIndex(5);
        list.show();
    }
    Form3& results() { return screens::form3(); }
    void suggest() { click(screens::form1().Label3); }
    QStringList models() {
        QStringList texts;
        for (QLabel* label : results().res)
            texts << label->text();
        return texts;
    }
    // The load list screen stays in front and the results as they were.
    void expect_refused(const char* when, const QStringList& shown_before) {
        expect_reported(when);
        EXPECT_TRUE(screens::form1().isVisible()) << when;
        if (screens::exists(3)) {
            EXPECT_FALSE(results().isVisible()) << when;
            EXPECT_EQ(models(), shown_before) << when;
        }
        expect_load_list_kept(when);
    }
    void back_to_the_list() { click(results().Label13); }
};

const QStringList PlainModels = {"Model 0", "Model 1", "Model 2", "Model 3", "Model 4", "Model 5", "Model 6"};

TEST_P(RuntimeTableFile, UnusableTableIsReportedByNameAndChangesNothing) {
    suggest();
    expect_refused("missing", {});
    EXPECT_FALSE(screens::exists(3));

    write(plain_table("\r\n"));
    suggest();
    ASSERT_TRUE(results().isVisible());
    back_to_the_list();

    make_folder();
    suggest();
    expect_refused("folder", PlainModels);
    unmake_folder();

    make_endless_device();
    suggest();
    expect_refused("endless device", PlainModels);
    make_pipe();
    suggest();
    expect_refused("pipe", PlainModels);

    write(random_bytes(16 * 1024));
    suggest();
    ASSERT_FALSE(fakes.dialogs.messages.isEmpty());
    EXPECT_TRUE(fakes.dialogs.messages[0].text.contains(" on line ")) << fakes.dialogs.messages[0].text;
    expect_refused("random bytes", PlainModels);

    // An empty table has no band for any total: no model for any class, as
    // for a total outside every band.
    write("");
    suggest();
    EXPECT_TRUE(fakes.dialogs.messages.isEmpty());
    EXPECT_TRUE(results().isVisible());
    EXPECT_EQ(models(), QStringList(7, QString()));
    expect_load_list_kept("empty");
}

TEST_P(RuntimeTableFile, OtherLineEndsAByteOrderMarkNulBytesAndEightBitTextAreReadAsWritten) {
    using namespace std::string_literals;
    const QString nul(QChar(0));
    struct Case {
        const char* what;
        std::string bytes;
        QStringList models;
    };
    const Case cases[] = {
        {"CR LF", plain_table("\r\n"), PlainModels},
        {"LF only", plain_table("\n"), PlainModels},
        {"CR only", plain_table("\r"), PlainModels},
        {"byte-order mark", "\xEF\xBB\xBF" + plain_table("\r\n"), PlainModels},
        {"NUL bytes", runtime_table("\r\n", [](int k) { return "M\0"s + std::to_string(k) + "\0"s; }),
         [&] {
             QStringList expected;
             for (int k = 0; k < 7; ++k)
                 expected << 'M' + nul + QString::number(k) + nul;
             return expected;
         }()},
        {"8-bit",
         runtime_table("\r\n",
                       [](int k) { return k == 6 ? "Gr\xC3\xB6\xC3\x9F"s : "Caf\xE9 " + std::to_string(k); }),
         {"Caf\u00e9 0", "Caf\u00e9 1", "Caf\u00e9 2", "Caf\u00e9 3", "Caf\u00e9 4", "Caf\u00e9 5",
          "Gr\u00f6\u00df"}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        write(c.bytes);
        suggest();
        EXPECT_TRUE(fakes.dialogs.messages.isEmpty()) << message_texts(fakes.dialogs).join('\n');
        fakes.dialogs.messages.clear();
        ASSERT_TRUE(results().isVisible());
        EXPECT_EQ(models(), c.models);
        EXPECT_EQ(results().Label1->text(), " 346");
        back_to_the_list();
        expect_load_list_kept(c.what);
    }
}

class HugeRuntimeLine : public RuntimeTableFile {};

TEST_P(HugeRuntimeLine, IsReportedAndNoSuggestionIsMade) {
    write(huge_line("1-5000\tfree\tm2\tm3\tm4\tm5\tm6\t"));
    suggest();
    ASSERT_FALSE(fakes.dialogs.messages.isEmpty());
    EXPECT_TRUE(fakes.dialogs.messages[0].text.contains("line 1 ")) << fakes.dialogs.messages[0].text;
    expect_refused("50 MB line", {});
    EXPECT_FALSE(screens::exists(3));
}

INSTANTIATE_TEST_SUITE_P(OneVoltage, HugeRuntimeLine, ::testing::Values("230.txt"), file_stem);

INSTANTIATE_TEST_SUITE_P(EveryVoltage, RuntimeTableFile, ::testing::Values("120.txt", "230.txt"), file_stem);

// ---------------------------------------------------------------------------
// Product information files, read by the viewer from the results screen.

class ProductFile : public DataFileTest {
  protected:
    void SetUp() override {
        DataFileTest::SetUp();
        Form1& list = screens::form1();
        const bool volts_120 = name() == "prod120.txt";
        (volts_120 ? list.Option1 : list.Option2)->setChecked(true);
        list.Combo1->setCurrentIndex(5);
        write_file(volts_120 ? "120.txt" : "230.txt",
                   runtime_table("\r\n", [](int k) { return "QN " + std::to_string(k + 1) + "000"; }));
        list.show();
        click(list.Label3);
        ASSERT_TRUE(screens::form3().isVisible());
        ASSERT_EQ(screens::form3().res[0]->text(), "QN 1000");
    }
    // The information button of class 0; gives the viewer's text.
    QString open_info() {
        click(screens::form3().Image4);
        if (!screens::exists(5))
            return QStringLiteral("(no viewer)");
        EXPECT_TRUE(screens::form5().Text1->isVisible());
        return screens::form5().Text1->toPlainText();
    }
    void expect_results_kept(const char* when) {
        EXPECT_TRUE(screens::form3().isVisible()) << when;
        EXPECT_EQ(screens::form3().res[0]->text(), "QN 1000") << when;
        EXPECT_EQ(fakes.process.ends, 0) << when;
        expect_load_list_kept(when);
    }
};

// A file with one section for the QN family, each line ended by `end`.
std::string product_file(const std::string& end, const std::string& header = "QN Series - on-line",
                         const std::string& body = "The QN body") {
    return "Catalogue" + end + "----------" + end + "Section 1" + end + header + end + body + end +
           "-------" + end;
}

TEST_P(ProductFile, UnusableFileIsReportedByNameAndTheViewerStaysEmpty) {
    write(product_file("\r\n"));
    EXPECT_EQ(open_info(), "QN Series - on-line\nThe QN body\n");

    remove();
    EXPECT_EQ(open_info(), "");
    expect_reported("missing");
    expect_results_kept("missing");

    make_folder();
    EXPECT_EQ(open_info(), "");
    expect_reported("folder");
    expect_results_kept("folder");
    unmake_folder();

    make_endless_device();
    EXPECT_EQ(open_info(), "");
    expect_reported("endless device");
    make_pipe();
    EXPECT_EQ(open_info(), "");
    expect_reported("pipe");
    expect_results_kept("pipe");

    write("");
    EXPECT_EQ(open_info(), "");
    EXPECT_TRUE(fakes.dialogs.messages.isEmpty());

    // Random bytes as the family's body are shown as text, every byte decoded.
    write("----------\r\n1\r\nQN Series\r\n" + random_bytes(16 * 1024));
    const QString shown = open_info();
    EXPECT_TRUE(shown.startsWith(QStringLiteral("QN Series\n"))) << shown.left(40);
    EXPECT_GT(shown.size(), 8 * 1024);
    EXPECT_TRUE(fakes.dialogs.messages.isEmpty());
    expect_results_kept("random bytes");
    // Whatever was shown is printed as it stands.
    click(screens::form5().Command1);
    EXPECT_EQ(fakes.printer.jobs, QStringList{QString(shown).replace('\n', QStringLiteral("\r\n"))});
}

TEST_P(ProductFile, OtherLineEndsAByteOrderMarkNulBytesAndEightBitTextAreReadAsWritten) {
    using namespace std::string_literals;
    const QString nul(QChar(0));
    struct Case {
        const char* what;
        std::string bytes;
        QString text;
    };
    const Case cases[] = {
        {"LF only", product_file("\n"), "QN Series - on-line\nThe QN body\n"},
        {"CR only", product_file("\r"), "QN Series - on-line\nThe QN body\n"},
        {"byte-order mark", "\xEF\xBB\xBF" + product_file("\r\n"), "QN Series - on-line\nThe QN body\n"},
        {"NUL bytes", product_file("\r\n", "QN Series\0one"s, "The\0body"s),
         "QN Series" + nul + "one\nThe" + nul + "body\n"},
        {"8-bit", product_file("\r\n", "QN Series \x96 on-line", "Caf\xE9 \xC3\xA9"),
         "QN Series \u2013 on-line\nCaf\u00e9 \u00c3\u00a9\n"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        write(c.bytes);
        EXPECT_EQ(open_info(), c.text);
        click(screens::form5().Command1);
        ASSERT_FALSE(fakes.printer.jobs.isEmpty());
        EXPECT_EQ(fakes.printer.jobs.takeLast(), QString(c.text).replace('\n', QStringLiteral("\r\n")));
        EXPECT_EQ(message_texts(fakes.dialogs), QStringList{"Successfully printed to default printer!"});
        fakes.dialogs.messages.clear();
        expect_results_kept(c.what);
    }
}

class HugeProductLine : public ProductFile {};

TEST_P(HugeProductLine, IsReportedAndTheViewerStaysEmpty) {
    write(huge_line("----------\r\nSection 1\r\nQN Series\r\n"));
    EXPECT_EQ(open_info(), "");
    ASSERT_FALSE(fakes.dialogs.messages.isEmpty());
    EXPECT_TRUE(fakes.dialogs.messages[0].text.contains("line 4 ")) << fakes.dialogs.messages[0].text;
    expect_reported("50 MB line");
    expect_results_kept("50 MB line");
}

INSTANTIATE_TEST_SUITE_P(OneVoltage, HugeProductLine, ::testing::Values("prod120.txt"), file_stem);

INSTANTIATE_TEST_SUITE_P(EveryVoltage, ProductFile, ::testing::Values("prod120.txt", "prod230.txt"),
                         file_stem);

// ---------------------------------------------------------------------------
// A file changed between two fills: the new content, nothing of the old.

class ChangedFile : public GuiTest {
  protected:
    void SetUp() override {
        GuiTest::SetUp();
        Form1& list = screens::form1();
        list.append_item(QStringLiteral("Server"), QStringLiteral("300"));
        list.Combo1->setCurrentIndex(0);
        kept_ = LoadListState::now();
    }
    void suggest() {
        screens::form1().show();
        click(screens::form1().Label3);
        ASSERT_TRUE(screens::form3().isVisible());
    }
    QStringList models() {
        QStringList texts;
        for (QLabel* label : screens::form3().res)
            texts << label->text();
        return texts;
    }
    LoadListState kept_;
};

// Seven records whose "15 min." models are "<tag>0" to "<tag>6"; `count` of them.
std::string tagged_table(const std::string& tag, int count = 7) {
    std::string text;
    for (int k = 0; k < count; ++k)
        text += "1-5000\tfree\t" + tag + std::to_string(k) + "\tx\tx\tx\tx\tx\r\n";
    return text;
}

TEST_F(ChangedFile, PickerListsOnlyWhatTheFileHoldsNow) {
    write_file("server.txt", "Acme,A1,10\r\nBolt,B1,20\r\n");
    screens::form6().show();
    click(screens::form6().Image2);
    Form2& picker = screens::form2();
    click_row(picker.manuf, 1);
    ASSERT_EQ(texts_of(picker.model), QStringList{"B1"});

    // Bolt is gone and Acme has another model by the time they are chosen.
    write_file("server.txt", "Acme,A2,30\r\n");
    click_row(picker.manuf, 0);
    EXPECT_EQ(texts_of(picker.model), QStringList{"A2"});
    EXPECT_EQ(texts_of(picker.modelva), QStringList{"30"});
    click_row(picker.manuf, 1);
    EXPECT_EQ(picker.model->count(), 0);
    EXPECT_EQ(picker.modelva->count(), 0);
    click(picker.Label5);
    EXPECT_EQ(message_texts(fakes.dialogs), QStringList{"You need to select a model"});
    EXPECT_EQ(LoadListState::now(), kept_);
}

TEST_F(ChangedFile, SuggestionShowsOnlyTheNewTable) {
    write_file("120.txt", tagged_table("A"));
    suggest();
    EXPECT_EQ(models(), (QStringList{"A0", "A1", "A2", "A3", "A4", "A5", "A6"}));
    click(screens::form3().Label13); // Modify Criteria

    write_file("120.txt", tagged_table("B", 3));
    suggest();
    EXPECT_EQ(models(), (QStringList{"B0", "B1", "B2", "", "", "", ""}));
    EXPECT_TRUE(fakes.dialogs.messages.isEmpty());
    EXPECT_EQ(LoadListState::now(), kept_);
}

TEST_F(ChangedFile, ViewerShowsOnlyTheNewSection) {
    write_file("120.txt", tagged_table("QN "));
    suggest();
    auto info = [] {
        click(screens::form3().Image4);
        return screens::form5().Text1->toPlainText();
    };
    write_file("prod120.txt", "----------\r\n1\r\nQN Series\r\nOld body\r\n-------\r\n");
    EXPECT_EQ(info(), "QN Series\nOld body\n");
    // The viewer stays open while the file changes under it.
    write_file("prod120.txt", "----------\r\n1\r\nQN Series\r\nNew body\r\n-------\r\n");
    EXPECT_EQ(info(), "QN Series\nNew body\n");
    write_file("prod120.txt", "----------\r\n1\r\nKorr Pro\r\nOther family\r\n-------\r\n");
    EXPECT_EQ(info(), "");
    EXPECT_TRUE(fakes.dialogs.messages.isEmpty());
    EXPECT_EQ(LoadListState::now(), kept_);
}

} // namespace
} // namespace vellimar
