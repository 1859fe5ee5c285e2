// The category menu: start-up, the own-VA entry, help and navigation.
#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QTest>
#include <QWindow>

#include "entry/form2.h"
#include "entry/form6.h"
#include "gui_test.h"
#include "loadlist/form1.h"
#include "shell/application.h"
#include "shell/imagebutton.h"
#include "shell/screens.h"

namespace vellimar {
namespace {

const QString RangeMessage = QStringLiteral("Enter a VA value between 1 and 5000 VA.\r\n"
                                            "5000 VA is the largest rating Vellimar UPSs handle.");

class CategoryMenu : public GuiTest {
  protected:
    Form6& menu() { return screens::form6(); }

    // Types `answer` into the own-VA box; null means Cancel.
    void enter_own_va(const QString& answer) {
        if (!answer.isNull())
            fakes.dialogs.answer_next_input(answer);
        click(menu().Image8);
    }
};

TEST_F(CategoryMenu, StartUpShowsOnlyTheCategoryMenu) {
    start_selector();
    EXPECT_TRUE(screens::exists(6));
    EXPECT_TRUE(menu().isVisible());
    for (int other : {1, 2, 3, 4, 5})
        EXPECT_FALSE(screens::exists(other)) << "Form" << other;
    EXPECT_EQ(menu().windowTitle(), "Vellimar UPS Selector");
    EXPECT_EQ(menu().size(), QSize(301, 326));
}

// A click leaves the focus where it was; only the keyboard shows a frame.
TEST_F(CategoryMenu, FocusFrameShowsOnlyAfterTab) {
    start_selector();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&menu()));
    const QList<ImageButton*> buttons = menu().findChildren<ImageButton*>();
    const auto framed = [&] {
        QStringList names;
        for (ImageButton* button : buttons)
            if (button->shows_focus_frame())
                names << button->objectName();
        return names;
    };
    EXPECT_EQ(framed(), QStringList());
    QWidget* before = QApplication::focusWidget();
    click(menu().Image7);
    EXPECT_EQ(QApplication::focusWidget(), before);
    EXPECT_EQ(framed(), QStringList());
    QTest::keyClick(&menu(), Qt::Key_Tab);
    EXPECT_EQ(framed().size(), 1);
}

// The release goes to the pressed button wherever the mouse is let go, and
// only a release over the button clicks.
TEST_F(CategoryMenu, PressReleasedOutsideTheButtonDoesNotClick) {
    start_selector();
    QWindow* window = menu().windowHandle();
    QTest::mousePress(window, Qt::LeftButton, {}, menu().Label2->geometry().center());
    EXPECT_EQ(menu().Image2->position_twips(), QPoint(390, 1305));
    QTest::mouseRelease(window, Qt::LeftButton, {}, QPoint(5, menu().height() - 5));
    EXPECT_EQ(menu().Image2->position_twips(), QPoint(405, 1275));
    EXPECT_FALSE(screens::exists(2));
    EXPECT_TRUE(menu().isVisible());
}

TEST_F(CategoryMenu, OwnVaAppendsAnItemAndShowsTheLoadList) {
    menu().show();
    enter_own_va(QStringLiteral("250"));
    Form1& list = screens::form1();
    ASSERT_EQ(list.List1->count(), 1);
    EXPECT_EQ(list.List1->item(0)->text(), "Specific VA:  250");
    EXPECT_EQ(list.List2->item(0)->text(), " 250");
    EXPECT_EQ(list.Text1->text(), " 250");
    EXPECT_TRUE(list.isVisible());
    EXPECT_FALSE(menu().isVisible());
    EXPECT_EQ(fakes.dialogs.prompts, QStringList{"Enter VA Rating:|Specify VA"});
    EXPECT_TRUE(fakes.dialogs.messages.isEmpty());

    // The same value again is a second item, counted twice.
    menu().show();
    enter_own_va(QStringLiteral("250"));
    EXPECT_EQ(list.List1->count(), 2);
    EXPECT_EQ(list.Text1->text(), " 500");
}

TEST_F(CategoryMenu, OwnVaRoundsTiesToEvenAndReadsTheLeadingNumber) {
    menu().show();
    const std::pair<const char*, const char*> accepted[] = {{"0.6", " 1"},       {"4999.5", " 5000"},
                                                            {"5000.5", " 5000"}, {"250 VA", " 250"},
                                                            {"1", " 1"},         {"5000", " 5000"}};
    for (auto [typed, stored] : accepted) {
        enter_own_va(QString::fromLatin1(typed));
        Form1& list = screens::form1();
        ASSERT_GT(list.List2->count(), 0) << typed;
        EXPECT_EQ(list.List2->item(list.List2->count() - 1)->text(), stored) << typed;
        EXPECT_EQ(list.List1->item(list.List1->count() - 1)->text(),
                  QStringLiteral("Specific VA: ") + stored);
        menu().show();
    }
    EXPECT_TRUE(fakes.dialogs.messages.isEmpty());
}

TEST_F(CategoryMenu, OwnVaOutOfRangeShowsTheRangeMessageAndAppendsNothing) {
    menu().show();
    // Put one item on the list first, so that we see it stays untouched.
    enter_own_va(QStringLiteral("100"));
    menu().show();
    screens::form1().hide();

    const char* refused[] = {
        "0", "5001", "0.5", "5000.6", "VA 250", "", "-3", "1e400", "-1e400", "nan", "99999999999999999999"};
    for (const char* typed : refused)
        enter_own_va(QString::fromLatin1(typed));
    enter_own_va(QString()); // Cancel

    const int attempts = static_cast<int>(std::size(refused)) + 1;
    ASSERT_EQ(fakes.dialogs.messages.size(), attempts);
    for (const ShownMessage& shown : fakes.dialogs.messages) {
        EXPECT_EQ(shown.text, RangeMessage);
        EXPECT_EQ(shown.title, "Vellimar UPS Selector");
        EXPECT_EQ(shown.icon, MessageIcon::None);
    }
    Form1& list = screens::form1();
    EXPECT_EQ(list.List1->count(), 1);
    EXPECT_EQ(list.List2->count(), 1);
    EXPECT_EQ(list.Text1->text(), " 100");
    EXPECT_TRUE(menu().isVisible());
    EXPECT_FALSE(list.isVisible());
}

TEST_F(CategoryMenu, HelpShowsTheWelcomeAndChangesNothing) {
    menu().show();
    click(menu().Image7);
    click(menu().Image7);
    ASSERT_EQ(fakes.dialogs.messages.size(), 2);
    EXPECT_EQ(fakes.dialogs.messages[0].text,
              "Welcome to the Vellimar UPS Selector!\r\rTo start, select the general category you wish.");
    EXPECT_EQ(fakes.dialogs.messages[0].icon, MessageIcon::Information);
    EXPECT_EQ(fakes.dialogs.messages[0].title, "Vellimar UPS Selector");
    EXPECT_TRUE(menu().isVisible());
    EXPECT_FALSE(screens::exists(1));
}

TEST_F(CategoryMenu, MainMenuShowsTheEmptyLoadList) {
    menu().show();
    click(menu().Image6, Qt::RightButton); // the right button only presses
    EXPECT_FALSE(screens::exists(1));
    click(menu().Label6); // the caption acts on its button
    Form1& list = screens::form1();
    EXPECT_TRUE(list.isVisible());
    EXPECT_FALSE(menu().isVisible());
    EXPECT_EQ(list.List1->count(), 0);
    EXPECT_EQ(list.Text1->text(), "0");
}

TEST_F(CategoryMenu, PickerButtonsHandOverKeyAndPrompts) {
    struct Case {
        ImageButton* Form6::*button;
        const char* key;
        const char* first;
        const char* second;
    };
    const Case cases[] = {{&Form6::Image5, "other", "1. Select device:", "2. Select type:"},
                          {&Form6::Image2, "server", "1. Select Manufacturer:", "2. Select Model:"},
                          {&Form6::Image3, "network", "1. Select Manufacturer:", "2. Select Model:"},
                          {&Form6::Image4, "telecom", "1. Select Manufacturer:", "2. Select Model:"}};
    for (const Case& c : cases) {
        menu().show();
        screens::exists(2) ? screens::form2().hide() : void();
        click(menu().*c.button);
        Form2& picker = screens::form2();
        EXPECT_EQ(picker.Label1->text(), c.key);
        EXPECT_EQ(picker.Label2->text(), c.first);
        EXPECT_EQ(picker.Label3->text(), c.second);
        EXPECT_TRUE(picker.isVisible());
        EXPECT_FALSE(menu().isVisible());
    }
}

TEST_F(CategoryMenu, GeneralComputerShowsTheEstimator) {
    menu().show();
    click(menu().Label1);
    ASSERT_TRUE(screens::exists(4));
    EXPECT_FALSE(menu().isVisible());
    EXPECT_EQ(menu().Label1->text(), "General Computer / Workstation");
}

TEST_F(CategoryMenu, ClosingTheWindowEndsTheProgram) {
    menu().show();
    menu().close();
    EXPECT_EQ(fakes.process.ends, 1);
}

} // namespace
} // namespace vellimar
