// "Suggest a UPS": the checks, the runtime table of the chosen voltage, and
// what lands on the results screen.
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QRadioButton>
#include <QTest>

#include "gui_test.h"
#include "loadlist/form1.h"
#include "results/form3.h"
#include "shell/screens.h"

namespace vellimar {
namespace {

// Seven records for `band`; class k's field f reads "<tag> c<k> f<f>", its
// field 1 "<tag> c<k> free".
std::string table(const std::string& tag, const std::string& band = "1-5000") {
    std::string text;
    for (int k = 0; k < 7; ++k) {
        const std::string cls = tag + " c" + std::to_string(k);
        text += band + "\t" + cls + " free";
        for (int f = 2; f <= 7; ++f)
            text += "\t" + cls + " f" + std::to_string(f);
        text += "\r\n";
    }
    return text;
}

QStringList expected_models(const QString& tag, const QString& field) {
    QStringList models;
    for (int k = 0; k < 7; ++k)
        models << QStringLiteral("%1 c%2 %3").arg(tag).arg(k).arg(field);
    return models;
}

const QStringList NoModels(7, QString());

class Suggest : public GuiTest {
  protected:
    void SetUp() override {
        GuiTest::SetUp();
        list().show();
    }
    Form1& list() { return screens::form1(); }
    Form3& results() { return screens::form3(); }
    void add(const QString& va) { list().append_item(QStringLiteral("Item"), va); }
    // Presses "Suggest a UPS" on its caption, as a user would.
    void suggest() { click(list().Label3); }
    QStringList models() {
        QStringList texts;
        for (QLabel* label : results().res)
            texts << label->text();
        return texts;
    }
    void modify_criteria() { click(results().Label13); }
    void expect_refused(const QString& message) {
        ASSERT_EQ(fakes.dialogs.messages.size(), 1);
        EXPECT_EQ(fakes.dialogs.messages[0].text, message);
        EXPECT_EQ(fakes.dialogs.messages[0].title, "Vellimar UPS Selector");
        EXPECT_EQ(fakes.dialogs.messages[0].icon, MessageIcon::Critical);
        EXPECT_TRUE(list().isVisible());
        EXPECT_FALSE(screens::exists(3));
        fakes.dialogs.messages.clear();
    }
};

const QString RuntimeMessage = QStringLiteral("You need to select a runtime");
const QString ItemsMessage = QStringLiteral("You need to select items before a UPS can be suggested");
const QString LimitMessage =
    QStringLiteral("Sorry, Vellimar does not offer UPSs that can accomodate loads over 5000 VA");

TEST_F(Suggest, ChecksRunInOrderAndRefuseWithoutReadingTheTable) {
    // A broken table would give its own message if it were read.
    write_file(QStringLiteral("120.txt"), "broken\r\n");

    suggest(); // no runtime, no items
    expect_refused(RuntimeMessage);
    list().Combo1->setEditText(QString());
    suggest();
    expect_refused(RuntimeMessage);

    list().Combo1->setCurrentIndex(0);
    suggest();
    expect_refused(ItemsMessage);
    // Items whose VA texts count 0 are no load at all.
    add(QStringLiteral("VA 250"));
    add(QString());
    EXPECT_EQ(list().List1->count(), 2);
    suggest();
    expect_refused(ItemsMessage);

    add(QStringLiteral("5001"));
    suggest();
    expect_refused(LimitMessage);
    // Far beyond any integer the total could wrap in.
    list().Text1->setText(QStringLiteral(" 9223372036854775807"));
    suggest();
    expect_refused(LimitMessage);
    list().Text1->setText(QStringLiteral(" 1e400"));
    suggest();
    expect_refused(LimitMessage);
}

TEST_F(Suggest, FiveThousandIsTheLargestLoadAccepted) {
    write_file(QStringLiteral("120.txt"), table("t"));
    list().Combo1->setCurrentIndex(2);
    add(QStringLiteral("5000"));
    suggest();
    EXPECT_TRUE(fakes.dialogs.messages.isEmpty());
    EXPECT_TRUE(results().isVisible());
    EXPECT_FALSE(list().isVisible());
    EXPECT_EQ(models(), expected_models("t", "f4"));
    EXPECT_EQ(results().Label1->text(), " 5000");
    EXPECT_EQ(results().Label9->text(), "60 min./ 1 hour");
}

TEST_F(Suggest, EachRuntimeShowsItsOwnFieldOfEveryClass) {
    write_file(QStringLiteral("120.txt"), table("t"));
    add(QStringLiteral("250"));
    for (int index = 0; index < 6; ++index) {
        SCOPED_TRACE(index);
        list().Combo1->setCurrentIndex(index);
        suggest();
        ASSERT_TRUE(results().isVisible());
        EXPECT_EQ(models(), expected_models("t", QStringLiteral("f%1").arg(index + 2)));
        EXPECT_EQ(results().Label9->text(), list().Combo1->itemText(index));
        EXPECT_EQ(results().Label1->text(), " 250");
        modify_criteria();
        ASSERT_TRUE(list().isVisible());
    }
    EXPECT_TRUE(fakes.dialogs.messages.isEmpty());
}

TEST_F(Suggest, TypedRuntimeShowsTheFreeTextOfEveryClass) {
    write_file(QStringLiteral("120.txt"), table("t"));
    add(QStringLiteral("250"));
    list().Combo1->setCurrentIndex(3);
    list().Combo1->lineEdit()->selectAll();
    QTest::keyClicks(list().Combo1->lineEdit(), "select runtime...");
    suggest();
    ASSERT_TRUE(results().isVisible());
    EXPECT_EQ(models(), expected_models("t", "free"));
    EXPECT_EQ(results().Label9->text(), "select runtime...");
}

TEST_F(Suggest, ASecondSuggestionOverwritesEveryLabel) {
    write_file(QStringLiteral("120.txt"), table("low", "1-300") + table("high", "301-600"));
    list().Combo1->setCurrentIndex(0);
    add(QStringLiteral("200"));
    suggest();
    EXPECT_EQ(models(), expected_models("low", "f2"));
    EXPECT_EQ(results().Label9->text(), "15 min.");
    EXPECT_EQ(results().Label1->text(), " 200");

    modify_criteria();
    list().Combo1->setCurrentIndex(5);
    add(QStringLiteral("150"));
    suggest();
    EXPECT_EQ(models(), expected_models("high", "f7"));
    EXPECT_EQ(results().Label9->text(), "480 min./ 8 hours");
    EXPECT_EQ(results().Label1->text(), " 350");

    // A total in no band empties every class rather than leaving old models.
    modify_criteria();
    add(QStringLiteral("1000"));
    suggest();
    EXPECT_TRUE(results().isVisible());
    EXPECT_EQ(models(), NoModels);
    EXPECT_EQ(results().Label1->text(), " 1350");
    EXPECT_TRUE(fakes.dialogs.messages.isEmpty());
}

TEST_F(Suggest, ClassesWithoutARecordShowNothing) {
    std::string three;
    for (int k = 0; k < 3; ++k)
        three += "1-100\tfree\t15 c" + std::to_string(k) + "\r\n";
    write_file(QStringLiteral("120.txt"), three);
    list().Combo1->setCurrentIndex(0);
    add(QStringLiteral("100"));
    suggest();
    EXPECT_EQ(models(), (QStringList{"15 c0", "15 c1", "15 c2", "", "", "", ""}));
    // A record of fewer fields gives empty models, not repeated fields.
    modify_criteria();
    list().Combo1->setCurrentIndex(5);
    suggest();
    EXPECT_EQ(models(), NoModels);
}

TEST_F(Suggest, EachVoltageReadsOnlyItsOwnTable) {
    write_file(QStringLiteral("120.txt"), table("120V"));
    list().Combo1->setCurrentIndex(1);
    add(QStringLiteral("800"));
    suggest();
    EXPECT_EQ(models(), expected_models("120V", "f3"));

    // With 230 V chosen the 120 V table is never a stand-in.
    modify_criteria();
    list().Option2->setChecked(true);
    suggest();
    ASSERT_EQ(fakes.dialogs.messages.size(), 1);
    EXPECT_TRUE(fakes.dialogs.messages[0].text.contains("\"230.txt\"")) << fakes.dialogs.messages[0].text;
    fakes.dialogs.messages.clear();

    write_file(QStringLiteral("230.txt"), table("230V"));
    suggest();
    EXPECT_EQ(models(), expected_models("230V", "f3"));

    modify_criteria();
    list().Option1->setChecked(true);
    QFile::remove(dir.filePath(QStringLiteral("230.txt")));
    suggest();
    EXPECT_EQ(models(), expected_models("120V", "f3"));
    EXPECT_TRUE(fakes.dialogs.messages.isEmpty());
}

TEST_F(Suggest, UnusableTableIsReportedAndChangesNothing) {
    list().Combo1->setCurrentIndex(2);
    add(QStringLiteral("400"));

    // Missing before the results screen ever existed.
    suggest();
    ASSERT_EQ(fakes.dialogs.messages.size(), 1);
    EXPECT_EQ(fakes.dialogs.messages[0].icon, MessageIcon::Critical);
    EXPECT_TRUE(fakes.dialogs.messages[0].text.contains("\"120.txt\"")) << fakes.dialogs.messages[0].text;
    EXPECT_FALSE(screens::exists(3));
    EXPECT_TRUE(list().isVisible());
    fakes.dialogs.messages.clear();

    // Malformed after a good suggestion: the last results stay as they were.
    write_file(QStringLiteral("120.txt"), table("t"));
    suggest();
    modify_criteria();
    write_file(QStringLiteral("120.txt"), table("t") + "\r\n401-500 no tab\r\n");
    list().Combo1->setCurrentIndex(4);
    add(QStringLiteral("50"));
    suggest();
    ASSERT_EQ(fakes.dialogs.messages.size(), 1);
    EXPECT_EQ(
        fakes.dialogs.messages[0].text,
        "The runtime table \"120.txt\" has a malformed record on line 9: it has no tab after the load band.");
    EXPECT_EQ(fakes.dialogs.messages[0].icon, MessageIcon::Critical);
    EXPECT_TRUE(list().isVisible());
    EXPECT_FALSE(results().isVisible());
    EXPECT_EQ(models(), expected_models("t", "f4"));
    EXPECT_EQ(results().Label9->text(), "60 min./ 1 hour");
    EXPECT_EQ(results().Label1->text(), " 400");
}

TEST_F(Suggest, ResultsScreenTakesTheHeaderWhenItIsFirstMade) {
    list().Combo1->setCurrentIndex(3);
    add(QStringLiteral("75"));
    Form3& made = results();
    EXPECT_EQ(made.Label9->text(), "120 min./ 2 hours");
    EXPECT_EQ(made.Label1->text(), " 75");
    EXPECT_FALSE(list().isVisible());
}

} // namespace
} // namespace vellimar
