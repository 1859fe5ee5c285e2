// The results screen: its buttons, the way back, the information buttons,
// help and exit.
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QRadioButton>

#include "gui_test.h"
#include "loadlist/form1.h"
#include "results/form3.h"
#include "results/form5.h"
#include "shell/imagebutton.h"
#include "shell/screens.h"

namespace vellimar {
namespace {

class Results : public GuiTest {
  protected:
    // A real suggestion: two items at 230 V for "30 min.", one model per class.
    void SetUp() override {
        GuiTest::SetUp();
        std::string table;
        for (int k = 0; k < 7; ++k)
            table += "1-1000\tfree\tmodel A" + std::to_string(k) + "\tmodel B" + std::to_string(k) +
                     "\tx\tx\tx\tx\r\n";
        write_file(QStringLiteral("230.txt"), table);
        // Product information without sections, for whatever the viewer reads.
        write_file(QStringLiteral("prod230.txt"), "\r\n");
        Form1& list = screens::form1();
        list.show();
        list.append_item(QStringLiteral("Server"), QStringLiteral("300"));
        list.append_item(QStringLiteral("Switch"), QStringLiteral("45"));
        list.Option2->setChecked(true);
        list.Combo1->setCurrentIndex(1);
        click(list.Label3);
        ASSERT_TRUE(fakes.dialogs.messages.isEmpty());
        ASSERT_TRUE(results().isVisible());
    }
    Form3& results() { return screens::form3(); }
};

TEST_F(Results, ScreenAsLaidOut) {
    Form3& form = results();
    EXPECT_EQ(form.windowTitle(), "Selector Results");
    EXPECT_EQ(form.size(), QSize(350, 397));
    for (int k = 0; k < 7; ++k) {
        EXPECT_EQ(form.res[k]->objectName(), QStringLiteral("res(%1)").arg(k));
        EXPECT_EQ(form.res[k]->text(), QStringLiteral("model B%1").arg(k));
        EXPECT_EQ(form.res[k]->textFormat(), Qt::PlainText);
    }
    EXPECT_EQ(form.Label1->text(), " 345");
    EXPECT_EQ(form.Label9->text(), "30 min.");
    const QStringList captions{form.Label4->text(), form.Label5->text(), form.Label6->text(),
                               form.Label7->text(), form.Label8->text(), form.Label10->text(),
                               form.Label11->text()};
    EXPECT_EQ(
        captions,
        (QStringList{"Basic battery backup only", "Basic battery backup with standard interface port",
                     "Line interactive with standard interface port",
                     "Line interactive with smart interface port",
                     "Line interactive with smart interface port; rackmountable",
                     "On-line UPS with smart interface port", "Corehall UPS with smart interface port"}));
    EXPECT_EQ(form.Label15->text(), "For more product information, click the         button");
    EXPECT_EQ(form.Label16->text(), "For customer support, call: (800) 555-0163");
    EXPECT_EQ(form.Label17->text(), "UPS Products and Features are Subject to Change Without Notice");
    EXPECT_EQ(form.Label18->text(), "(XL models offer expandible runtimes)");
    EXPECT_EQ(form.Image1->toolTip(), "Go back and modify list");
    EXPECT_EQ(form.Image2->toolTip(), "Quit the selector");
    EXPECT_TRUE(form.Image12->toolTip().isEmpty());
    EXPECT_TRUE(form.Image11->toolTip().isEmpty());
    // The inline icon is a picture, not a button: a click there does nothing.
    EXPECT_EQ(form.Image13->position_twips(), QPoint(3705, 4305));
    EXPECT_TRUE(form.Image13->testAttribute(Qt::WA_TransparentForMouseEvents));
}

TEST_F(Results, ModifyCriteriaGoesBackWithEverythingKept) {
    click(results().Label13);
    Form1& list = screens::form1();
    EXPECT_TRUE(list.isVisible());
    EXPECT_FALSE(results().isVisible());
    EXPECT_EQ(list.List1->count(), 2);
    EXPECT_EQ(list.List2->count(), 2);
    EXPECT_EQ(list.Text1->text(), " 345");
    EXPECT_TRUE(list.Option2->isChecked());
    EXPECT_EQ(list.Combo1->currentIndex(), 1);
    // The results stay until the next suggestion overwrites them.
    EXPECT_EQ(results().res[0]->text(), "model B0");
}

TEST_F(Results, QuitSelectorAndClosingTheWindowEndTheProgram) {
    click(results().Label12);
    EXPECT_EQ(fakes.process.ends, 1);
    EXPECT_TRUE(fakes.dialogs.messages.isEmpty());
    results().close();
    EXPECT_EQ(fakes.process.ends, 2);
}

TEST_F(Results, HelpText) {
    click(results().Image11);
    ASSERT_EQ(fakes.dialogs.messages.size(), 1);
    EXPECT_EQ(fakes.dialogs.messages[0].text,
              "To view more information on a particular model, click the 'i' (information) button");
    EXPECT_EQ(fakes.dialogs.messages[0].title, "Vellimar UPS Selector");
    EXPECT_EQ(fakes.dialogs.messages[0].icon, MessageIcon::None);
    EXPECT_TRUE(results().isVisible());
}

TEST_F(Results, EachInformationButtonPassesItsOwnClass) {
    Form3& form = results();
    ImageButton* const buttons[7] = {form.Image4, form.Image5, form.Image6, form.Image7,
                                     form.Image8, form.Image9, form.Image10};
    for (int k = 0; k < 7; ++k) {
        SCOPED_TRACE(k);
        click(buttons[k]);
        ASSERT_TRUE(screens::exists(5));
        EXPECT_EQ(screens::form5().Label2->text(), QStringLiteral("model B%1").arg(k));
        EXPECT_TRUE(form.isVisible());
    }
}

TEST_F(Results, PrintResultsPrintsWhatTheScreenShows) {
    Form3& form = results();
    form.res[6]->setText(QString());
    click(form.Label14);
    click(form.Image12);
    ASSERT_EQ(fakes.printer.jobs.size(), 2);
    EXPECT_EQ(fakes.printer.jobs[0], fakes.printer.jobs[1]);
    const QStringList lines = fakes.printer.jobs[0].split(QStringLiteral("\r\n"));
    EXPECT_EQ(lines[2], "Total VA:  345     Desired Runtime: 30 min.");
    EXPECT_EQ(lines[5], "model B0");
    EXPECT_EQ(lines[9], "-Basic battery backup width standard interface port");
    EXPECT_EQ(lines[23], ""); // the emptied class 6
    EXPECT_EQ(message_texts(fakes.dialogs),
              QStringList(2, QStringLiteral("Successfully printed to default printer!")));

    fakes.dialogs.messages.clear();
    fakes.printer.available = false;
    click(form.Image12);
    EXPECT_EQ(message_texts(fakes.dialogs), QStringList{"There was a problem printing to your printer."});
    EXPECT_TRUE(form.isVisible());
}

TEST_F(Results, PressedLookOfEveryButton) {
    Form3& form = results();
    struct Case {
        ImageButton* button;
        QLabel* caption;
        QPoint initial, pressed, released;
    };
    const Case cases[] = {
        {form.Image1, form.Label13, {120, 5310}, {105, 5340}, {120, 5310}},
        // Pressed straight down, released 15 twips right of where it started.
        {form.Image12, form.Label14, {1905, 5310}, {1905, 5340}, {1920, 5310}},
        {form.Image2, form.Label12, {3720, 5310}, {3705, 5340}, {3720, 5310}},
    };
    for (const Case& c : cases) {
        form.show(); // "Modify Criteria" hides it
        EXPECT_EQ(c.button->position_twips(), c.initial);
        expect_pressed_look(c.button, c.caption, c.pressed, c.released);
    }
    EXPECT_EQ(fakes.process.ends, 1); // only the left-button release on "Quit Selector" clicks
    form.show();

    // The help and information icons never move.
    for (ImageButton* icon : {form.Image11, form.Image4, form.Image5, form.Image6, form.Image7, form.Image8,
                              form.Image9, form.Image10}) {
        SCOPED_TRACE(icon->objectName());
        EXPECT_FALSE(icon->has_pressed_look());
        QPoint before = icon->position_twips();
        press(icon);
        EXPECT_EQ(icon->position_twips(), before);
    }
    EXPECT_EQ(form.Image4->position_twips(), QPoint(105, 420));
    EXPECT_EQ(form.Image10->position_twips(), QPoint(90, 3765));
}

} // namespace
} // namespace vellimar
