// Text that is not what a screen expects, from a data file or from the user:
// markup is shown and printed as the characters it is, numbers of any size
// or none at all give the screen's own message or a sound total, and long
// lists keep an exact total.
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTest>

#include "entry/form2.h"
#include "entry/form4.h"
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

const QString RangeMessage = QStringLiteral("Enter a VA value between 1 and 5000 VA.\r\n"
                                            "5000 VA is the largest rating Vellimar UPSs handle.");
const QString LimitMessage =
    QStringLiteral("Sorry, Vellimar does not offer UPSs that can accomodate loads over 5000 VA");
const QString OtherMessage = QStringLiteral("You need to specify a VA value if you check Other VA");
const QString Largest = QStringLiteral(" 9223372036854775807");
const QString Smallest = QStringLiteral("-9223372036854775808");
const QString TwoHundredDigits(200, QLatin1Char('9'));

class BadText : public GuiTest {
  protected:
    Form6& menu() { return screens::form6(); }
    Form2& picker() { return screens::form2(); }
    Form1& list() { return screens::form1(); }
    Form3& results() { return screens::form3(); }

    // Puts a few items on the load list the way the entry screens do.
    void fill_some() {
        list().append_item(QStringLiteral("Server"), QStringLiteral("300"));
        list().append_item(QStringLiteral("Switch"), QStringLiteral(" 45.5"));
        ASSERT_EQ(list().Text1->text(), " 346");
    }
    void open_server_picker() {
        if (screens::exists(2))
            picker().hide();
        menu().show();
        click(menu().Image2);
    }
    // Picks model `row` of the first manufacturer and presses "Next".
    void pick(int row) {
        open_server_picker();
        click_row(picker().manuf, 0);
        click_row(picker().model, row);
        click(picker().Label5);
    }
    void enter_own_va(const QString& typed) {
        menu().show();
        fakes.dialogs.answer_next_input(typed);
        click(menu().Image8);
    }
    void suggest() {
        list().show();
        click(list().Label3);
    }
};

// ---------------------------------------------------------------------------
// Markup in data files and typed text.

TEST_F(BadText, MarkupIsShownAndPrintedAsTheCharactersItIs) {
    write_file("server.txt", "<b>Acme</b>,<img src=x>,100\r\n");
    std::string table;
    for (int k = 0; k < 7; ++k)
        table += "1-5000\t<b>QN</b> <img src=x> " + std::to_string(k) + "\tf2\tf3\tf4\tf5\tf6\tf7\r\n";
    write_file("120.txt", table);
    write_file("prod120.txt",
               "----------\r\nSection\r\n<b>QN Series</b>\r\n<img src=x> &amp; <i>y</i>\r\n-------\r\n");

    pick(0);
    EXPECT_EQ(picker().manuf->item(0)->text(), "<b>Acme</b>");
    EXPECT_EQ(picker().model->item(0)->text(), "<img src=x>");
    EXPECT_EQ(LoadListState::now().descriptions, QStringList{"<b>Acme</b> <img src=x>"});

    // A typed runtime shows each record's free text.
    list().Combo1->lineEdit()->selectAll();
    QTest::keyClicks(list().Combo1->lineEdit(), "<b>60</b> min");
    suggest();
    ASSERT_TRUE(results().isVisible());
    for (int k = 0; k < 7; ++k) {
        EXPECT_EQ(results().res[k]->text(), QStringLiteral("<b>QN</b> <img src=x> %1").arg(k));
        EXPECT_EQ(results().res[k]->textFormat(), Qt::PlainText) << k;
    }
    EXPECT_EQ(results().Label9->text(), "<b>60</b> min");
    EXPECT_EQ(results().Label9->textFormat(), Qt::PlainText);
    EXPECT_EQ(results().Label1->textFormat(), Qt::PlainText);

    click(results().Label14); // Print Results
    ASSERT_EQ(fakes.printer.jobs.size(), 1);
    const QStringList page = fakes.printer.jobs[0].split(QStringLiteral("\r\n"));
    EXPECT_EQ(page[2], "Total VA:  100     Desired Runtime: <b>60</b> min");
    EXPECT_EQ(page[5], "<b>QN</b> <img src=x> 0");
    EXPECT_EQ(page[23], "<b>QN</b> <img src=x> 6");

    click(results().Image4);
    ASSERT_TRUE(screens::exists(5));
    Form5& viewer = screens::form5();
    EXPECT_EQ(viewer.Label2->text(), "<b>QN</b> <img src=x> 0");
    EXPECT_EQ(viewer.Label2->textFormat(), Qt::PlainText);
    EXPECT_EQ(viewer.Text1->toPlainText(), "<b>QN Series</b>\n<img src=x> &amp; <i>y</i>\n");
    click(viewer.Command1);
    ASSERT_EQ(fakes.printer.jobs.size(), 2);
    EXPECT_EQ(fakes.printer.jobs[1], "<b>QN Series</b>\r\n<img src=x> &amp; <i>y</i>\r\n");
    EXPECT_EQ(message_texts(fakes.dialogs), QStringList(2, "Successfully printed to default printer!"));
}

// ---------------------------------------------------------------------------
// Numbers out of range, not numbers, and numbers of no use.

TEST_F(BadText, EquipmentVaTextsTravelAsWrittenAndCountByTheirLeadingNumber) {
    // The picker lists models sorted, so each line's model name fixes its row.
    const std::pair<QString, QString> lines[] = {
        {"a not a number", "nan"},
        {"b infinite", "inf"},
        {"c plus", "+"},
        {"d minus", "-"},
        {"e point", "."},
        {"f sign and point", "-."},
        {"g two hundred digits", TwoHundredDigits},
        {"h beyond any double", "1e400"},
    };
    std::string file;
    for (const auto& [model, va] : lines)
        file += "Acme," + model.toStdString() + "," + va.toStdString() + "\r\n";
    file += "Acme,z below any double,-1e400\r\n";
    write_file("server.txt", file);
    fill_some();
    list().Combo1->setCurrentIndex(0);

    // Texts without a leading number count nothing.
    QStringList vas = LoadListState::now().vas;
    int row = 0;
    for (const auto& [model, va] : lines) {
        SCOPED_TRACE(model.toStdString());
        pick(row++);
        vas << va;
        EXPECT_EQ(LoadListState::now().vas, vas);
        EXPECT_EQ(list().Text1->text(), row <= 6 ? " 346" : Largest);
        EXPECT_TRUE(list().isVisible());
    }
    EXPECT_TRUE(fakes.dialogs.messages.isEmpty());

    // A total too large for any integer is held at the largest one, and refused.
    const LoadListState before = LoadListState::now();
    suggest();
    EXPECT_EQ(message_texts(fakes.dialogs), QStringList{LimitMessage});
    EXPECT_EQ(LoadListState::now(), before);
    EXPECT_FALSE(screens::exists(3));

    // Below any double: held at the smallest integer, not wrapped around.
    click(list().Label2); // Start Over
    pick(row);
    EXPECT_EQ(LoadListState::now().vas, QStringList{"-1e400"});
    EXPECT_EQ(list().Text1->text(), Smallest);
}

TEST_F(BadText, OwnVaBoxRefusesTextsWithoutAUsableNumber) {
    fill_some();
    list().hide();
    const LoadListState before = LoadListState::now();
    const QString refused[] = {
        "inf", "-inf",      "Infinity", "+", "-", ".", "-.", "+.e5", TwoHundredDigits, "-" + TwoHundredDigits,
        "0.4", "<b>250</b>"};
    for (const QString& typed : refused) {
        enter_own_va(typed);
        ASSERT_FALSE(fakes.dialogs.messages.isEmpty()) << typed;
        const ShownMessage shown = fakes.dialogs.messages.takeLast();
        EXPECT_EQ(shown.text, RangeMessage) << typed;
        EXPECT_EQ(shown.icon, MessageIcon::None);
        EXPECT_TRUE(fakes.dialogs.messages.isEmpty()) << typed;
        EXPECT_EQ(LoadListState::now(), before) << typed;
        EXPECT_TRUE(menu().isVisible()) << typed;
        EXPECT_FALSE(list().isVisible()) << typed;
    }
    // Markup after the number is no part of it; the item is written from the number.
    enter_own_va(QStringLiteral("250<b>"));
    EXPECT_EQ(LoadListState::now().descriptions.last(), "Specific VA:  250");
    EXPECT_EQ(list().Text1->text(), " 596");
}

TEST_F(BadText, OtherDeviceFigureOfAnySizeIsAddedOrRefusedWithItsMessage) {
    fill_some();
    Form4& estimator = screens::form4();
    estimator.Combo3->setCurrentIndex(0); // Desktop, 0
    estimator.Combo1->setCurrentIndex(6); // 386, 60
    estimator.Combo2->setCurrentIndex(4); // None, 0
    estimator.Check6->setChecked(true);
    auto add_with = [&](const QString& other) {
        menu().show();
        click(menu().Image1);
        estimator.Text2->setText(other);
        click(estimator.Label1);
    };

    QStringList vas = LoadListState::now().vas;
    for (const char* nothing : {"nan", "inf", "+", "-", "."}) {
        add_with(QString::fromLatin1(nothing));
        vas << " 60";
        EXPECT_EQ(LoadListState::now().vas, vas) << nothing;
    }
    EXPECT_EQ(list().Text1->text(), " 646");

    // Too large for a double: stored as the largest one, which reads back as a number.
    add_with(QStringLiteral("1e400"));
    EXPECT_EQ(LoadListState::now().vas.last(), " 1.79769313486232E+308");
    EXPECT_EQ(list().Text1->text(), Largest);
    add_with(TwoHundredDigits);
    EXPECT_EQ(LoadListState::now().vas.last(), " 1E+200");
    EXPECT_TRUE(fakes.dialogs.messages.isEmpty());

    const LoadListState before = LoadListState::now();
    for (const QString& negative : {QStringLiteral("-1e400"), "-" + TwoHundredDigits}) {
        add_with(negative);
        EXPECT_EQ(message_texts(fakes.dialogs), QStringList{OtherMessage}) << negative;
        fakes.dialogs.messages.clear();
        EXPECT_EQ(LoadListState::now(), before) << negative;
        EXPECT_TRUE(estimator.isVisible());
    }
}

// ---------------------------------------------------------------------------
// Long lists and large totals.

TEST_F(BadText, TenThousandItemsKeepAnExactTotal) {
    // 9,999 items as the entry screens leave them, then one more through the
    // own-VA box. Each item is rounded into the running total on its own:
    // 3, then 2.5 on top gives 6 (ties to even), so every pair adds 6.
    QStringList descriptions, vas;
    for (int i = 0; i < 9999; ++i) {
        descriptions << QStringLiteral("Item %1").arg(i);
        vas << (i % 2 ? QStringLiteral("2.5") : QStringLiteral(" 3"));
    }
    list().List1->addItems(descriptions);
    list().List2->addItems(vas);
    list().va_update();
    EXPECT_EQ(list().Text1->text(), " 29997");

    enter_own_va(QStringLiteral("3"));
    EXPECT_TRUE(list().isVisible());
    EXPECT_EQ(list().List1->count(), 10000);
    EXPECT_EQ(list().List2->count(), 10000);
    EXPECT_EQ(list().List1->item(0)->text(), "Item 0");
    EXPECT_EQ(list().List1->item(9998)->text(), "Item 9998");
    EXPECT_EQ(list().List1->item(9999)->text(), "Specific VA:  3");
    EXPECT_EQ(list().Text1->text(), " 30000");

    list().Combo1->setCurrentIndex(2);
    const LoadListState before = LoadListState::now();
    suggest();
    EXPECT_EQ(message_texts(fakes.dialogs), QStringList{LimitMessage});
    EXPECT_EQ(LoadListState::now(), before);

    click(list().Label2); // Start Over
    EXPECT_EQ(list().List1->count(), 0);
    EXPECT_EQ(list().List2->count(), 0);
    EXPECT_EQ(list().Text1->text(), " 0");
}

TEST_F(BadText, SevenItemsOfFiveThousandVaAreCountedInFullAndRefused) {
    for (int i = 0; i < 7; ++i)
        enter_own_va(QStringLiteral("5000"));
    EXPECT_TRUE(fakes.dialogs.messages.isEmpty());
    EXPECT_EQ(LoadListState::now().vas, QStringList(7, " 5000"));
    EXPECT_EQ(list().Text1->text(), " 35000"); // beyond a 16-bit total, not wrapped

    list().Combo1->setCurrentIndex(0);
    const LoadListState before = LoadListState::now();
    suggest();
    ASSERT_EQ(fakes.dialogs.messages.size(), 1);
    EXPECT_EQ(fakes.dialogs.messages[0].text, LimitMessage);
    EXPECT_EQ(fakes.dialogs.messages[0].icon, MessageIcon::Critical);
    EXPECT_EQ(LoadListState::now(), before);
    EXPECT_TRUE(list().isVisible());
    EXPECT_FALSE(screens::exists(3));
}

} // namespace
} // namespace vellimar
