// One table across all screens each: pressed look, help, closing, keyboard
// order, and what the texts are to screen readers.
#include "screen_test.h"

namespace vellimar {
namespace {

using AllScreens = ScreenTest;

TEST_F(AllScreens, ButtonsMoveToTheirPressedAndReleasePositions) {
    // Screen, button, its caption; initial, pressed and release positions: one of each size, those whose
    // release position is not the first, and the help and information icons, which never move.
    // clang-format off
    const std::tuple<const char*, const char*, const char*, QPoint, QPoint, QPoint> cases[] = {
        {"Form6", "Image8", "Label8", {405, 3675}, {390, 3705}, {405, 3675}},
        {"Form2", "Image7", "Label5", {1920, 4800}, {1905, 4830}, {1920, 4800}},
        {"Form1", "Image4", "Label3", {2790, 3765}, {2760, 3805}, {2775, 3765}},
        {"Form3", "Image12", "Label14", {1905, 5310}, {1905, 5340}, {1920, 5310}},
        {"Form6", "Image7", "Image7", {4050, 15}, {4050, 15}, {4050, 15}},
        {"Form3", "Image4", "Image4", {105, 420}, {105, 420}, {105, 420}}};
    // clang-format on
    for (const auto& [form, name, captionName, initial, pressed, released] : cases) {
        auto* button = find<ImageButton>(form, name);
        QWidget* caption = find(form, captionName);
        const QRect captionPlace = caption->geometry();
        QList<QPoint> seen{button->positionTwips()};
        // Any mouse button, on the picture or on its caption, which stays where it is.
        press(button, Qt::RightButton), seen << button->positionTwips();
        release(button, Qt::RightButton), seen << button->positionTwips();
        press(caption, Qt::MiddleButton), seen << button->positionTwips();
        EXPECT_EQ(caption->geometry(), captionPlace) << name;
        release(caption, Qt::MiddleButton), seen << button->positionTwips();
        EXPECT_TRUE(seen == QList<QPoint>({initial, pressed, released, pressed, released}) &&
                    !button->isDown())
            << form << "." << name;
    }
    // Released off the button, a press does not click (the picker would say it lacks its file).
    auto* server = find<ImageButton>("Form6", "Image2");
    press(server);
    QTest::mouseRelease(screen("Form6").windowHandle(), Qt::LeftButton, {}, QPoint(5, 5));
    EXPECT_EQ(server->positionTwips(), QPoint(405, 1275));
    EXPECT_TRUE(fakes.dialogs.messages.isEmpty());
}

// A layout name the screen does not hold, or a control of another kind, stops
// the program in every build, naming the screen and the control.
TEST_F(AllScreens, AControlMissingFromTheLayoutStopsTheProgramNamingIt) {
    GTEST_FLAG_SET(death_test_style, "threadsafe");
    EXPECT_DEATH(find<QLabel>("Form1", "Label99"), "Form1 has no QLabel named Label99");
    EXPECT_DEATH(find<QLabel>("Form3", "Image4"), "Form3 has no QLabel named Image4");
}

TEST_F(AllScreens, HelpExplainsEachScreenAndChangesNothing) {
    const std::tuple<const char*, const char*, const char*, MessageIcon> cases[] = {
        {"Form6", "Image7",
         "Welcome to the Vellimar UPS Selector!\r\rTo start, select the general category you wish.",
         MessageIcon::Information},
        {"Form1", "Image6", "1. Select 120V or 230V\r2. Select desired runtime\r3. Click 'Suggest UPS'",
         MessageIcon::Information},
        {"Form4", "Image3",
         "Select the individual components of the system you\rwish to protect.  When done, click 'Add This "
         "System'.",
         MessageIcon::Information},
        {"Form3", "Image11",
         "To view more information on a particular model, click the 'i' (information) button",
         MessageIcon::None},
    };
    for (const auto& [form, icon, text, kind] : cases) {
        screen(form).show();
        click(find(form, icon));
        ASSERT_EQ(fakes.dialogs.messages.size(), 1) << form;
        const ShownMessage shown = fakes.dialogs.messages.takeFirst();
        EXPECT_EQ(shown.text + "|" + shown.title, QString(text) + "|Vellimar UPS Selector");
        EXPECT_TRUE(shown.icon == kind && screen(form).isVisible()) << form;
    }
}

TEST_F(AllScreens, ClosingAFixedScreenEndsTheProgramClosingTheViewerDoesNot) {
    for (const char* form : {"Form6", "Form1", "Form2", "Form4", "Form3", "Form5"}) {
        const int ends = fakes.process.ends;
        screen(form).show();
        screen(form).close();
        EXPECT_EQ(fakes.process.ends - ends, form[4] == '5' ? 0 : 1) << form;
    }
    EXPECT_FALSE(shown("Form5"));
}

TEST_F(AllScreens, TabWalksTheControlsInLayoutOrderAndTheKeyboardClicks) {
    const auto laidOut = [this](const char* form) { // the visible controls Tab stops at, as made
        QWidgetList controls;
        for (QWidget* control : screen(form).findChildren<QWidget*>(Qt::FindDirectChildrenOnly))
            if ((control->focusPolicy() & Qt::TabFocus) && control->isVisibleTo(&screen(form)))
                controls << control;
        return controls;
    };
    // Hidden controls (the VA lists, the total box) are never among them.
    for (const char* form : {"Form6", "Form1", "Form2", "Form4", "Form5"}) {
        const QWidgetList order = laidOut(form);
        QWidgetList walked;
        for (QWidget* at = order.value(0); at && walked.size() < order.size(); at = at->nextInFocusChain())
            if (order.contains(at))
                walked << at;
        EXPECT_TRUE(!order.isEmpty() && walked == order) << form;
    }
    // Shown from the keyboard, the first control has the keyboard; after a click, none until Tab.
    for (const char* form : {"Form6", "Form1", "Form2", "Form4"}) {
        for (bool keyboard : {true, false}) {
            keyboard ? QTest::keyClick(&screen("Form3"), Qt::Key_Shift) : click(&screen("Form3"));
            screen("Form3").activateWindow();
            ASSERT_TRUE(keyboard || QTest::qWaitForWindowActive(&screen("Form3")));
            screen(form).hide();
            screen(form).show();
            screen(form).activateWindow();
            ASSERT_TRUE(QTest::qWaitForWindowActive(&screen(form)));
            if (!keyboard) {
                EXPECT_EQ(QApplication::focusWidget(), &screen(form)) << form;
                QTest::keyClick(screen(form).windowHandle(), Qt::Key_Tab);
            }
            EXPECT_EQ(QApplication::focusWidget(), laidOut(form).value(0)) << form << keyboard;
            QTest::keyClick(screen(form).windowHandle(), Qt::Key_Return); // the menu's first button opens
        }
    }
    auto* help = find<ImageButton>("Form6", "Image7");
    help->setFocus();
    QTest::keyClick(help, Qt::Key_Space);
    QTest::keyClick(help, Qt::Key_Return);
    EXPECT_TRUE(fakes.dialogs.messages.size() == 1 && !screen("Form6").isVisible());
}

// The second click of a double-click ends on the screen the first showed; a later click goes on.
TEST_F(AllScreens, TheSecondClickOfADoubleClickStaysOnTheScreenItShowed) {
    for (const char* name : {"Image2", "Image3"}) {
        const QPoint at = find("Form1", name)->geometry().center();
        click(find("Form1", name));
        QTest::lastMouseTimestamp -= QTest::mouseDoubleClickInterval - 100;
        QTest::mouseClick(screen("Form6").windowHandle(), Qt::LeftButton, {}, at);
        EXPECT_TRUE(screen("Form6").isVisible()) << name;
        QTest::mouseClick(screen("Form6").windowHandle(), Qt::LeftButton, {}, at);
        ASSERT_TRUE(screen("Form2").isVisible() && !screen("Form6").isVisible()) << name;
    }
}

TEST_F(AllScreens, ClickingTheTextBesideAnOptionOrTickBoxClicksIt) {
    const std::tuple<const char*, const char*, const char*> labels[] = {
        {"Form1", "Label6", "Option2"}, {"Form1", "Label5", "Option1"}, {"Form4", "Label5", "Check1"},
        {"Form4", "Label6", "Check2"},  {"Form4", "Label7", "Check3"},  {"Form4", "Label8", "Check4"},
        {"Form4", "Label9", "Check5"},  {"Form4", "Label3", "Check6"}};
    for (const auto& [form, label, name] : labels) {
        click(find(form, label));
        EXPECT_TRUE(find(form, name)->property("checked").toBool() && find(form, name)->hasFocus()) << label;
        EXPECT_EQ(QAccessible::queryAccessibleInterface(find(form, name))->text(QAccessible::Name),
                  text(form, label));
    }
}

// How each text looks is in the screens' pictures; here what they are to
// screen readers and to Qt: plain text, titles, tooltips and button names.
TEST_F(AllScreens, TextsAreTitledPlainAndNameTheirButtons) {
    // Each screen's title and description, and the controls with a tooltip, in layout order.
    // clang-format off
    const std::tuple<const char*, const char*, const char*> texts[] = {
        {"Form6", "Vellimar UPS Selector|Category menu. Select type of equipment to protect:", "Image7:Help"},
        {"Form1", "Vellimar UPS Selector|Load list",
         "List1:Items to be protected by single UPS|Combo1:How long you want the UPS to provide power|"
         "Image2:Add Another Item to List|Image3:Clear List|Image4:Suggest a UPS based on total VA above|"
         "Image6:Help"},
        {"Form2", "Select Item Category|Model picker",
         "Image5:Cancel|Image7:Add selected item to list|Image8:Pick a different category of items"},
        {"Form4", "General Computer|General computer estimator. Select general computer components:",
         "Image1:Add this computer configuration to the list|Image2:Cancel|Image3:Help"},
        {"Form3", "Selector Results|Suggested models", "Image1:Go back and modify list|Image2:Quit the selector"},
        {"Form5", "Information Viewer|Product information for this model:", ""},
    };
    // clang-format on
    for (const auto& [form, title, tips] : texts) {
        QStringList shown_tips;
        for (QWidget* control : screen(form).findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
            if (auto* label = qobject_cast<QLabel*>(control)) {
                EXPECT_EQ(label->textFormat(), Qt::PlainText) << form << "." << label->objectName();
            }
            if (!control->toolTip().isEmpty())
                shown_tips << control->objectName() + ":" + control->toolTip();
        }
        EXPECT_EQ(screen(form).objectName() + " " + screen(form).windowTitle() + "|" +
                      screen(form).accessibleDescription(),
                  QString(form) + " " + title);
        EXPECT_EQ(shown_tips.join("|"), tips);
    }
    // An image button is named, for screen readers, by the caption laid over it.
    for (const char* form : {"Form6", "Form1", "Form2", "Form4", "Form3"})
        for (const ImageButton* button : screen(form).findChildren<ImageButton*>()) {
            QStringList captions;
            for (const QLabel* label : screen(form).findChildren<QLabel*>())
                if (label->testAttribute(Qt::WA_TransparentForMouseEvents) &&
                    label->geometry().intersects(button->geometry()))
                    captions << label->text();
            EXPECT_TRUE(captions.isEmpty() || button->accessibleName() == captions.join(' ').simplified())
                << button->accessibleName();
        }
    EXPECT_EQ(QGuiApplication::desktopFileName() + "|" + QFont::substitute(QStringLiteral("MS Sans Serif")) +
                  "|" + QFontInfo(QMessageBox().font()).family(),
              "com.vellimar.UpsSelector|liberation sans|Liberation Sans");
    EXPECT_EQ(QAccessible::queryAccessibleInterface(find("Form1", "Combo1"))->text(QAccessible::Name),
              "Desired runtime");
}

} // namespace
} // namespace vellimar
