// The load list screen: totals, clearing, help, the runtime box, exit.
#include <QApplication>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QRadioButton>
#include <QTest>

#include "entry/form6.h"
#include "gui_test.h"
#include "loadlist/form1.h"
#include "results/form3.h"
#include "shell/imagebutton.h"
#include "shell/screens.h"

namespace vellimar {
namespace {

class LoadList : public GuiTest {
  protected:
    Form1& list() { return screens::form1(); }
    void add(const QString& va) { list().append_item(QStringLiteral("Item"), va); }
};

TEST_F(LoadList, InitialState) {
    EXPECT_EQ(list().Text1->text(), "0");
    EXPECT_TRUE(list().Option1->isChecked());
    EXPECT_FALSE(list().Option2->isChecked());
    EXPECT_EQ(list().Combo1->currentText(), "Select Runtime...");
    EXPECT_EQ(list().Combo1->currentIndex(), -1);
    ASSERT_EQ(list().Combo1->count(), 6);
    EXPECT_EQ(list().Combo1->itemText(0), "15 min.");
    EXPECT_EQ(list().Combo1->itemText(5), "480 min./ 8 hours");
    EXPECT_FALSE(list().List2->isVisibleTo(&list()));
    EXPECT_FALSE(list().Text1->isVisibleTo(&list()));
    EXPECT_FALSE(list().Label4->isVisibleTo(&list()));
    EXPECT_EQ(list().size(), QSize(312, 309));
}

TEST_F(LoadList, TotalReadsEveryVaTextLeniently) {
    for (const char* va : {"250", " 250", "250 VA", "VA 250", ""})
        add(QString::fromLatin1(va));
    EXPECT_EQ(list().Text1->text(), " 750");
    EXPECT_EQ(list().List1->count(), list().List2->count());
}

TEST_F(LoadList, EachItemIsRoundedIntoTheRunningTotal) {
    add(QStringLiteral("1.5"));
    EXPECT_EQ(list().Text1->text(), " 2");
    add(QStringLiteral("1.5"));
    EXPECT_EQ(list().Text1->text(), " 4"); // not 3: every step rounds, ties to even
    add(QStringLiteral("-10"));
    EXPECT_EQ(list().Text1->text(), "-6");
}

TEST_F(LoadList, LargeTotalsNeitherOverflowNorWrap) {
    for (int i = 0; i < 7; ++i)
        add(QStringLiteral(" 5000"));
    EXPECT_EQ(list().Text1->text(), " 35000");
    add(QStringLiteral("1e400"));
    EXPECT_EQ(list().Text1->text(), " 9223372036854775807");
    add(QStringLiteral("1"));
    EXPECT_EQ(list().Text1->text(), " 9223372036854775807");
}

TEST_F(LoadList, StartOverEmptiesTheListAndKeepsTheChoices) {
    list().show();
    add(QStringLiteral("300"));
    add(QStringLiteral("200"));
    list().Option2->setChecked(true);
    list().Combo1->setCurrentIndex(3);

    click(list().Label2);
    EXPECT_EQ(list().List1->count(), 0);
    EXPECT_EQ(list().List2->count(), 0);
    EXPECT_EQ(list().Text1->text(), " 0");
    EXPECT_TRUE(screens::form6().isVisible());
    EXPECT_FALSE(list().isVisible());
    EXPECT_TRUE(list().Option2->isChecked());
    EXPECT_EQ(list().Combo1->currentIndex(), 3);
    EXPECT_EQ(list().Combo1->currentText(), "120 min./ 2 hours");
}

TEST_F(LoadList, AddAnotherGoesBackToTheCategoryMenuKeepingTheList) {
    list().show();
    add(QStringLiteral("300"));
    click(list().Label8);
    EXPECT_TRUE(screens::form6().isVisible());
    EXPECT_FALSE(list().isVisible());
    EXPECT_EQ(list().List1->count(), 1);
}

TEST_F(LoadList, HelpText) {
    list().show();
    click(list().Image6);
    ASSERT_EQ(fakes.dialogs.messages.size(), 1);
    EXPECT_EQ(fakes.dialogs.messages[0].text,
              "1. Select 120V or 230V\r2. Select desired runtime\r3. Click 'Suggest UPS'");
    EXPECT_EQ(fakes.dialogs.messages[0].icon, MessageIcon::Information);
    EXPECT_TRUE(list().isVisible());
}

TEST_F(LoadList, TypingIntoTheRuntimeBoxSelectsNoItem) {
    list().show();
    QComboBox* combo = list().Combo1;
    combo->setCurrentIndex(2);
    combo->lineEdit()->selectAll();
    QTest::keyClicks(combo->lineEdit(), "select runtime...");
    EXPECT_EQ(combo->currentIndex(), -1);
    EXPECT_EQ(combo->currentText(), "select runtime...");
    EXPECT_EQ(combo->count(), 6);

    // Typing the start of an item does not complete it into the item.
    combo->lineEdit()->selectAll();
    QTest::keyClicks(combo->lineEdit(), "15");
    EXPECT_EQ(combo->currentText(), "15");
    EXPECT_EQ(combo->currentIndex(), -1);
}

// Whatever ends the editing (a click elsewhere, Tab, Return, the screen
// going away), a typed runtime stays typed even when it reads like an item.
TEST_F(LoadList, TypedRuntimeStaysTypedWhenEditingEnds) {
    write_file(QStringLiteral("120.txt"), "0-500\ttyped\tm15\tm30\tm60\tm120\tm240\tm480\r\n");
    list().show();
    add(QStringLiteral("100"));
    QComboBox* combo = list().Combo1;
    for (Qt::Key ending : {Qt::Key_unknown, Qt::Key_Tab, Qt::Key_Return}) {
        combo->setCurrentIndex(0);
        list().activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(&list()));
        combo->lineEdit()->setFocus();
        combo->lineEdit()->selectAll();
        QTest::keyClicks(combo->lineEdit(), "60 min./ 1 hour");
        if (ending != Qt::Key_unknown)
            QTest::keyClick(combo->lineEdit(), ending);
        click(list().Label3);
        ASSERT_TRUE(screens::form3().isVisible()) << ending;
        EXPECT_EQ(screens::form3().res[0]->text(), "typed") << ending;
        EXPECT_EQ(combo->currentIndex(), -1) << ending;
        // Back again: the typed text is still there, still typed.
        click(screens::form3().Label13);
        EXPECT_EQ(combo->currentText(), "60 min./ 1 hour");
        EXPECT_EQ(combo->currentIndex(), -1);
    }
}

TEST_F(LoadList, ClosingTheWindowEndsTheProgram) {
    list().show();
    list().close();
    EXPECT_EQ(fakes.process.ends, 1);
}

// Every image button of the menu and the load list: the pressed and the
// release positions, with the left and the right button, on the picture and
// on its caption.
TEST_F(LoadList, PressedLookOfEveryButton) {
    struct Case {
        ImageButton* button;
        QWidget* caption;
        QPoint initial, pressed, released;
    };
    Form6& menu = screens::form6();
    const Case cases[] = {
        {menu.Image1, menu.Label1, {405, 675}, {390, 705}, {405, 675}},
        {menu.Image2, menu.Label2, {405, 1275}, {390, 1305}, {405, 1275}},
        {menu.Image3, menu.Label3, {405, 1875}, {390, 1905}, {405, 1875}},
        {menu.Image4, menu.Label4, {405, 2475}, {390, 2505}, {405, 2475}},
        {menu.Image5, menu.Label5, {405, 3075}, {390, 3105}, {405, 3075}},
        {menu.Image8, menu.Label8, {405, 3675}, {390, 3705}, {405, 3675}},
        {menu.Image6, menu.Label6, {150, 4275}, {120, 4305}, {150, 4275}},
        {list().Image2, list().Label1, {3015, 1740}, {3000, 1770}, {3015, 1740}},
        {list().Image3, list().Label2, {3015, 2385}, {3000, 2425}, {3015, 2385}},
        {list().Image4, list().Label3, {2790, 3765}, {2760, 3805}, {2775, 3765}},
    };
    for (const Case& c : cases) {
        c.button->window()->show();
        EXPECT_EQ(c.button->position_twips(), c.initial);
        expect_pressed_look(c.button, c.caption, c.pressed, c.released);
    }
    // The help icons never move.
    for (ImageButton* icon : {menu.Image7, list().Image6}) {
        icon->window()->show();
        QPoint before = icon->position_twips();
        press(icon);
        EXPECT_EQ(icon->position_twips(), before);
        release(icon);
        EXPECT_EQ(icon->position_twips(), before);
    }
}

TEST_F(LoadList, ImageButtonsWorkFromTheKeyboard) {
    list().show();
    add(QStringLiteral("40"));
    // Tab reaches the buttons after the list, the runtime box and the voltage.
    list().List1->setFocus();
    QStringList order;
    QWidget* focused = list().List1;
    for (int i = 0; i < 7; ++i) {
        focused = focused->nextInFocusChain();
        while (!(focused->focusPolicy() & Qt::TabFocus) || !focused->isVisibleTo(&list()) ||
               focused->parentWidget() != &list())
            focused = focused->nextInFocusChain();
        order << focused->objectName();
    }
    EXPECT_EQ(order, (QStringList{"Combo1", "Option1", "Option2", "Image2", "Image3", "Image4", "Image6"}));
    EXPECT_EQ(list().Image3->accessibleName(), "Start Over");

    list().Image6->setFocus();
    QTest::keyClick(list().Image6, Qt::Key_Space);
    EXPECT_EQ(fakes.dialogs.messages.size(), 1);
    list().Image3->setFocus();
    QTest::keyClick(list().Image3, Qt::Key_Return);
    EXPECT_EQ(list().List1->count(), 0);
    EXPECT_EQ(list().Image3->position_twips(), QPoint(3015, 2385));
}

} // namespace
} // namespace vellimar
