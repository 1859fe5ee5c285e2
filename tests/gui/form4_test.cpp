// The general computer estimator: the VA of a computer from its parts.
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QTest>

#include "entry/form4.h"
#include "entry/form6.h"
#include "gui_test.h"
#include "loadlist/form1.h"
#include "shell/imagebutton.h"
#include "shell/screens.h"
#include "tab_order.h"

namespace vellimar {
namespace {

const QString TypeMessage = QStringLiteral("You need to select a computer type or click 'Cancel'\r\n"
                                           "and select category 'Enter Your Own VA Rating'");
const QString ProcessorMessage = QStringLiteral("You need to select a processor type");
const QString MonitorMessage = QStringLiteral("You need to select a monitor");
const QString OtherMessage = QStringLiteral("You need to specify a VA value if you check Other VA");

class Estimator : public GuiTest {
  protected:
    Form4& estimator() { return screens::form4(); }
    Form1& list() { return screens::form1(); }

    void open() {
        screens::form6().show();
        click(screens::form6().Image1);
    }
    // Chooses the item with `text` from the drop-down list, as a user does.
    void choose(QComboBox* combo, const QString& text) {
        const int index = combo->findText(text);
        ASSERT_GE(index, 0) << text;
        QTest::keyClick(combo, Qt::Key_Home);
        for (int i = 0; i < index; ++i)
            QTest::keyClick(combo, Qt::Key_Down);
        ASSERT_EQ(combo->currentText(), text);
    }
    void choose(const char* type, const char* processor, const char* monitor) {
        choose(estimator().Combo3, QString::fromUtf8(type));
        choose(estimator().Combo1, QString::fromUtf8(processor));
        choose(estimator().Combo2, QString::fromUtf8(monitor));
    }
    void tick(QCheckBox* check) { click(check); }
    void set_other(const QString& text) {
        estimator().Text2->selectAll();
        QTest::keyClick(estimator().Text2, Qt::Key_Backspace);
        QTest::keyClicks(estimator().Text2, text);
        ASSERT_EQ(estimator().Text2->text(), text);
    }
    // Presses "Add This System"; gives the VA text appended, or null when refused.
    QString add() {
        const int before = screens::exists(1) ? list().List2->count() : 0;
        click(estimator().Label1);
        if (!screens::exists(1) || list().List2->count() == before)
            return QString();
        EXPECT_EQ(list().List1->item(before)->text(), "General PC");
        return list().List2->item(before)->text();
    }
};

TEST_F(Estimator, ListsStartOnTheirPromptsWithTheirFigures) {
    open();
    EXPECT_TRUE(estimator().isVisible());
    EXPECT_EQ(estimator().windowTitle(), "General Computer");
    EXPECT_EQ(estimator().size(), QSize(316, 365));
    struct Case {
        QComboBox* combo;
        const char* prompt;
        QStringList items;
        QList<int> figures;
    };
    const Case cases[] = {
        {estimator().Combo3, "Select Computer Type:", {"Desktop", "Minitower", "Full tower"}, {0, 0, 30}},
        {estimator().Combo1,
         "Select Processor:",
         {"Dual Pentium Pro", "Dual Pentium", "Pentium Pro", "Pentium II", "Pentium", "486", "386",
          "68000 (MAC)", "Alpha", "K6", "MIPS", "Power PC"},
         {160, 100, 100, 100, 70, 65, 60, 65, 115, 85, 115, 70}},
        {estimator().Combo2,
         "Select Monitor:",
         {"14-15 in.", "16-17 in.", "18-21 in.", "LCD", "None"},
         {85, 115, 170, 30, 0}},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(c.combo->placeholderText(), c.prompt);
        // The prompt is drawn as the box's text, not as a greyed hint.
        EXPECT_EQ(c.combo->palette().color(QPalette::PlaceholderText),
                  c.combo->palette().color(QPalette::ButtonText));
        EXPECT_EQ(c.combo->currentIndex(), -1);
        EXPECT_FALSE(c.combo->isEditable());
        QStringList items;
        QList<int> figures;
        for (int i = 0; i < c.combo->count(); ++i) {
            items << c.combo->itemText(i);
            figures << c.combo->itemData(i).toInt();
        }
        EXPECT_EQ(items, c.items);
        EXPECT_EQ(figures, c.figures);
    }
    for (QCheckBox* check : estimator().findChildren<QCheckBox*>()) {
        EXPECT_FALSE(check->isChecked());
        EXPECT_TRUE(check->text().isEmpty());
    }
    EXPECT_EQ(estimator().Text2->text(), "0");
    EXPECT_EQ(tab_order(estimator().Combo3, 13),
              (QStringList{"Combo3", "Combo1", "Combo2", "Check1", "Check2", "Check3", "Check4", "Check5",
                           "Check6", "Text2", "Image1", "Image2", "Image3"}));
}

TEST_F(Estimator, AddsTheSumOfTheChosenParts) {
    open();
    choose("Desktop", "386", "None");
    EXPECT_EQ(add(), " 60");
    EXPECT_TRUE(list().isVisible());
    EXPECT_FALSE(estimator().isVisible());
    EXPECT_EQ(list().Text1->text(), " 60");

    open();
    choose("Full tower", "Dual Pentium Pro", "18-21 in.");
    for (QCheckBox* check :
         {estimator().Check1, estimator().Check2, estimator().Check3, estimator().Check4, estimator().Check5})
        tick(check);
    EXPECT_EQ(add(), " 455");

    open();
    choose("Desktop", "Pentium", "14-15 in.");
    tick(estimator().Check2);
    tick(estimator().Check4);
    tick(estimator().Check5);
    EXPECT_EQ(add(), " 185");
    EXPECT_TRUE(fakes.dialogs.messages.isEmpty());
}

TEST_F(Estimator, OtherDeviceFigureCountsOnlyWhenTickedAndNeverBelowZero) {
    open();
    choose("Desktop", "486", "LCD");
    set_other(QStringLiteral("500"));
    EXPECT_EQ(add(), " 95"); // not ticked: ignored

    open();
    tick(estimator().Check6);
    set_other(QStringLiteral("12.5"));
    EXPECT_EQ(add(), " 107.5");
    EXPECT_EQ(list().Text1->text(), " 202"); // 95 + 107.5 rounds to even

    for (const char* nothing : {"0", "", "lots", " 0 VA"}) {
        open();
        set_other(QString::fromLatin1(nothing));
        EXPECT_EQ(add(), " 95") << nothing;
    }
    EXPECT_TRUE(fakes.dialogs.messages.isEmpty());

    open();
    set_other(QStringLiteral("-5"));
    const int items = list().List1->count();
    EXPECT_TRUE(add().isNull());
    EXPECT_EQ(message_texts(fakes.dialogs), QStringList{OtherMessage});
    EXPECT_EQ(list().List1->count(), items);
    EXPECT_EQ(list().List2->count(), items);
    EXPECT_TRUE(estimator().isVisible());
    EXPECT_EQ(estimator().Text2->text(), "-5");
    EXPECT_TRUE(estimator().Check6->isChecked());
}

TEST_F(Estimator, OnlyTheFirstMissingChoiceIsReported) {
    open();
    EXPECT_TRUE(add().isNull());
    choose(estimator().Combo3, QStringLiteral("Minitower"));
    EXPECT_TRUE(add().isNull());
    choose(estimator().Combo1, QStringLiteral("K6"));
    EXPECT_TRUE(add().isNull());
    EXPECT_EQ(message_texts(fakes.dialogs), (QStringList{TypeMessage, ProcessorMessage, MonitorMessage}));
    for (const ShownMessage& shown : fakes.dialogs.messages) {
        EXPECT_EQ(shown.icon, MessageIcon::None);
        EXPECT_EQ(shown.title, "Vellimar UPS Selector");
    }
    EXPECT_TRUE(estimator().isVisible());
    EXPECT_FALSE(screens::exists(1));
    EXPECT_EQ(estimator().Combo3->currentText(), "Minitower");
    EXPECT_EQ(estimator().Combo1->currentText(), "K6");
    EXPECT_EQ(estimator().Combo2->currentIndex(), -1);
}

TEST_F(Estimator, ChoicesSurviveLeavingAndAddingAgainAppendsAnIdenticalItem) {
    open();
    choose("Full tower", "Alpha", "LCD");
    tick(estimator().Check1);
    tick(estimator().Check6);
    set_other(QStringLiteral("7"));
    click(estimator().Label2); // Cancel
    EXPECT_TRUE(screens::form6().isVisible());
    EXPECT_FALSE(estimator().isVisible());
    EXPECT_FALSE(screens::exists(1));

    open();
    EXPECT_EQ(estimator().Combo3->currentText(), "Full tower");
    EXPECT_EQ(estimator().Combo1->currentText(), "Alpha");
    EXPECT_EQ(estimator().Combo2->currentText(), "LCD");
    EXPECT_TRUE(estimator().Check1->isChecked());
    EXPECT_EQ(estimator().Text2->text(), "7");
    EXPECT_EQ(add(), " 197");
    open();
    EXPECT_EQ(add(), " 197");
    EXPECT_EQ(list().List1->count(), 2);
    EXPECT_EQ(list().Text1->text(), " 394");
}

TEST_F(Estimator, HelpTextAndClosingTheWindow) {
    open();
    click(estimator().Image3);
    ASSERT_EQ(fakes.dialogs.messages.size(), 1);
    EXPECT_EQ(fakes.dialogs.messages[0].text, "Select the individual components of the system you\r"
                                              "wish to protect.  When done, click 'Add This System'.");
    EXPECT_EQ(fakes.dialogs.messages[0].icon, MessageIcon::Information);
    EXPECT_EQ(fakes.dialogs.messages[0].title, "Vellimar UPS Selector");
    EXPECT_TRUE(estimator().isVisible());
    estimator().close();
    EXPECT_EQ(fakes.process.ends, 1);
}

TEST_F(Estimator, PressedLookOfEveryButton) {
    open();
    struct Case {
        ImageButton* button;
        QLabel* caption;
        QPoint pressed, released;
    };
    const Case cases[] = {{estimator().Image1, estimator().Label1, {2580, 4590}, {2595, 4560}},
                          {estimator().Image2, estimator().Label2, {300, 4590}, {315, 4560}}};
    for (const Case& c : cases) {
        EXPECT_EQ(c.button->position_twips(), c.released);
        expect_pressed_look(c.button, c.caption, c.pressed, c.released);
    }
    const QPoint help = estimator().Image3->position_twips();
    press(estimator().Image3);
    EXPECT_EQ(estimator().Image3->position_twips(), help);
    release(estimator().Image3);
    EXPECT_EQ(estimator().Image3->position_twips(), help);
}

} // namespace
} // namespace vellimar
