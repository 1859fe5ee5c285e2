// One table across all screens each: pressed look, help, closing, keyboard
// order, and what the texts are to screen readers.
#include <algorithm>
#include <iostream>
#include <map>
#include <vector>

#include "screen_test.h"
#include "ui/look.h"

namespace vellimar {
namespace {

using AllScreens = ScreenTest;

TEST_F(AllScreens, ButtonsMoveToTheirPressedAndReleasePositions) {
    // Screen, button, its caption; its pressed and release positions, from where the layout puts it: the two
    // buttons whose release position is not the first, and an icon, which never moves.
    const std::tuple<const char*, const char*, const char*, QPoint, QPoint> cases[] = {
        {"Form1", "Image4", "Label3", {-30, 40}, {-15, 0}},
        {"Form3", "Image12", "Label14", {0, 30}, {15, 0}},
        {"Form6", "Image7", "Image7", {}, {}}};
    for (const auto& [form, name, captionName, pressedBy, releasedBy] : cases) {
        auto* button = find<ImageButton>(form, name);
        const QPoint initial = button->positionTwips(), pressed = initial + pressedBy,
                     released = initial + releasedBy;
        QWidget* caption = find(form, captionName);
        const QRect captionPlace = caption->geometry();
        QList<QPoint> seen{button->positionTwips()};
        // Any mouse button, on the picture or on its caption (which stays), also the left one dragged off.
        press(button, Qt::RightButton), seen << button->positionTwips();
        release(button, Qt::RightButton), seen << button->positionTwips();
        press(caption, Qt::MiddleButton), seen << button->positionTwips();
        EXPECT_EQ(caption->geometry(), captionPlace) << name;
        release(caption, Qt::MiddleButton), seen << button->positionTwips();
        press(button), QTest::mouseMove(screen(form).windowHandle(), {1, 1}), seen << button->positionTwips();
        QTest::mouseRelease(screen(form).windowHandle(), Qt::LeftButton, {}, {1, 1});
        EXPECT_TRUE(seen == QList<QPoint>({initial, pressed, released, pressed, released, pressed}) &&
                    button->positionTwips() == released && !button->isDown() && messages().isEmpty() &&
                    screen(form).focusWidget() != button)
            << form << "." << name;
    }
}

// The controls Tab stops at, as made.
QWidgetList laidOut(QWidget& window) {
    QWidgetList controls;
    for (QWidget* control : window.findChildren<QWidget*>(Qt::FindDirectChildrenOnly))
        if ((control->focusPolicy() & Qt::TabFocus) && control->isVisibleTo(&window) &&
            (!qobject_cast<QRadioButton*>(control) || control->property("checked").toBool()))
            controls << control;
    return controls;
}

// A layout name the screen does not hold, or a control of another kind, stops
// the program in every build, naming the screen and the control.
TEST_F(AllScreens, AControlMissingFromTheLayoutStopsTheProgramNamingIt) {
    GTEST_FLAG_SET(death_test_style, "threadsafe");
    EXPECT_DEATH(find<QLabel>("Form1", "Label99"), "Form1 has no QLabel named Label99");
    EXPECT_DEATH(find<QLabel>("Form3", "Image4"), "Form3 has no QLabel named Image4");
}

TEST_F(AllScreens, HelpExplainsEachScreenAndChangesNothing) {
    constexpr auto Info = MessageIcon::Information;
    // clang-format off
    const std::tuple<const char*, const char*, const char*, MessageIcon> cases[] = {
        {"Form6", "Image7", "Welcome to the Vellimar UPS Selector!\r\rTo start, select the general category you wish.", Info},
        {"Form1", "Image6", "1. Select 120V or 230V\r2. Select desired runtime\r3. Click 'Suggest UPS'", Info},
        {"Form4", "Image3", "Select the individual components of the system you\rwish to protect.  When done, click 'Add This System'.", Info},
        {"Form3", "Image11", "To view more information on a particular model, click the 'i' (information) button", MessageIcon::None}};
    // clang-format on
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

// Tab goes round each screen's controls in layout order and back to where it began; Shift+Tab, first or
// after, goes the same way back. Hidden controls (the VA lists, the total box) are never among them, and
// a group of options is reached at its chosen option.
TEST_F(AllScreens, TabGoesRoundInLayoutOrderAndShiftTabWalksBack) {
    for (const char* form : {"Form6", "Form1", "Form2", "Form4", "Form3", "Form5"}) {
        QWidget& window = screen(form);
        window.show(), window.activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(&window)) << form;
        const auto walk = [&window](Qt::Key key) {
            QWidgetList seen;
            for (int i = 0; i < 30 && !seen.contains(QApplication::focusWidget()); ++i) {
                seen << QApplication::focusWidget();
                QTest::keyClick(window.windowHandle(), key);
            }
            return seen << QApplication::focusWidget();
        };
        QTest::keyClick(window.windowHandle(), Qt::Key_Tab);
        QWidgetList backward = walk(Qt::Key_Backtab);
        const QWidgetList forward = walk(Qt::Key_Tab);
        std::reverse(backward.begin(), backward.end());
        EXPECT_TRUE(forward.size() > 2 && forward.first() == forward.last() && backward == forward)
            << form << " " << forward.size() << " " << backward.size();
        QWidgetList round = forward.mid(0, forward.size() - 1), order = laidOut(window);
        std::rotate(round.begin(), std::find(round.begin(), round.end(), order.value(0)), round.end());
        EXPECT_TRUE(form[4] == '3' || round == order) << form;
        window.hide();
    }
}

// Shown from the keyboard, the first control has the keyboard; after a click, none until Tab.
TEST_F(AllScreens, TheFirstControlHasTheKeyboardAndTheKeyboardClicks) {
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
            EXPECT_EQ(QApplication::focusWidget(), laidOut(screen(form)).value(0)) << form << keyboard;
            QTest::keyClick(screen(form).windowHandle(), Qt::Key_Return); // the menu's first button opens
        }
    }
    auto* help = find<ImageButton>("Form6", "Image7");
    help->setFocus(), QTest::keyClick(help, Qt::Key_Space); // the first key shows the mark only
    QTest::keyPress(help, Qt::Key_Enter), QTest::simulateEvent(help, false, Qt::Key_Enter, {}, {}, true);
    QTest::simulateEvent(help, true, Qt::Key_Enter, {}, {}, true), QTest::keyRelease(help, Qt::Key_Enter);
    EXPECT_TRUE(fakes.dialogs.messages.size() == 1 && !screen("Form6").isVisible()); // held, it clicked once
}

// A list's first entry taken by Down is made current afresh, which Qt reports to screen readers; a box's
// choice changed by a key is its value; an empty list says so.
TEST_F(AllScreens, KeysOnListsAndBoxesReachScreenReaders) {
    write_file("server.txt", "Maker B,M,1\r\nMaker A,M,2\r\n");
    click(find("Form6", "Image2"));
    auto* makers = find<QListWidget>("Form2", "manuf");
    ASSERT_TRUE(QTest::qWaitForWindowActive(&screen("Form2")));
    EXPECT_TRUE(makers->hasFocus() && makers->currentRow() == 0 &&
                screen("Form2").accessibleDescription() == "Model picker. Network Server");
    auto* items = find<QListWidget>("Form1", "List1");
    EXPECT_EQ(find("Form2", "model")->accessibleDescription() + "|" + items->accessibleDescription(),
              "Empty|Empty. Items to be protected by single UPS");
    state.addItem({"Router", "100"});
    screens.loadList().showAddedItem();
    EXPECT_EQ(items->accessibleDescription(), "");
    QSignalSpy current(makers, &QListWidget::currentRowChanged);
    QTest::keyClick(makers, Qt::Key_Down);
    EXPECT_TRUE(current.size() == 2 && current.last().value(0) == 0 && makers->currentItem()->isSelected());
    auto* type = find<QComboBox>("Form4", "Combo3");
    QAccessibleInterface* box = QAccessible::queryAccessibleInterface(type);
    const auto value = [](QWidget* w) {
        return QAccessible::queryAccessibleInterface(w)->valueInterface()->currentValue().toDouble();
    };
    QList<double> values;
    for (auto key : {Qt::Key_Down, Qt::Key_End})
        QTest::keyClick(type, key), values << value(type);
    find<QComboBox>("Form4", "Combo1")->setCurrentIndex(2); // each box's values are its own
    values << value(find("Form4", "Combo1"));
    EXPECT_TRUE(box->text(QAccessible::Value) == "Full tower" && values[1] - values[0] == 2 &&
                values[2] != values[1]);
    box->valueInterface()->setCurrentValue(values[0]);
    EXPECT_EQ(type->currentText(), "Desktop");
}

// Under a dark desktop palette the fixed screens keep all their own colours: each looks as under the
// ordinary one, its texts at least 4.5:1 and its boxes and the focus mark at least 3:1 to the blue.
TEST_F(AllScreens, ADarkDesktopPaletteLeavesTheFixedScreensAsTheyAre) {
    const QPalette ordinary = QApplication::palette();
    const QPalette dark(Qt::white, QColor(53, 53, 53), QColor(90, 90, 90), QColor(20, 20, 20),
                        QColor(40, 40, 40), Qt::white, Qt::white, QColor(35, 35, 35), QColor(53, 53, 53));
    const auto strongest = [](const QImage& image) { // the contrast of what stands out most from the blue
        double most = 1;
        for (int y = 0; y < image.height(); ++y)
            for (int x = 0; x < image.width(); ++x)
                most = std::max(most, contrastRatio(image.pixelColor(x, y), ScreenBlue));
        return most;
    };
    std::map<std::string, QImage> ordinaryLook;
    for (const char* form : {"Form6", "Form1", "Form2", "Form4", "Form3"})
        ordinaryLook[form] = (screen(form).show(), screen(form).grab().toImage());
    screens.reset(); // the desktop's palette is dark from the start
    QApplication::setPalette(dark);
    double text = 21, box = 21, mark = 21;
    for (const auto& [form, look] : ordinaryLook) {
        QWidget& window = screen(form.c_str());
        window.show();
        const QImage shown = window.grab().toImage();
        EXPECT_TRUE(shown == look) << form;
        for (QWidget* control : window.findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
            const QImage area = shown.copy(control->geometry().adjusted(2, 2, -2, -2)); // frames left out
            if (auto* label = qobject_cast<QLabel*>(control);
                label && label->isVisible() && label->palette().color(QPalette::WindowText) != Qt::black)
                text = std::min(text, label->text().trimmed().isEmpty() ? 21 : strongest(area));
            else if (control->isVisible() && !qobject_cast<ImageButton*>(control) &&
                     control->focusPolicy() != Qt::NoFocus) { // on average
                const QImage mean = area.scaled(1, 1, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
                box = std::min(box, contrastRatio(mean.pixelColor(0, 0), ScreenBlue));
            }
        }
        // The mark: what the keyboard's focus on the first control adds beside it.
        const auto beside = [&window, &shown](const QImage& now) { // the colours it adds
            QList<QColor> added;
            for (int y = 0; y < now.height(); ++y)
                for (int x = 0; x < now.width(); ++x)
                    if (now.pixel(x, y) != shown.pixel(x, y) &&
                        !window.focusWidget()->geometry().contains(x, y))
                        added << now.pixelColor(x, y);
            return added;
        };
        window.activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
        QTest::keyClick(window.windowHandle(), Qt::Key_Tab);
        const QList<QColor> marked = beside(window.grab().toImage());
        for (const QColor& colour : marked)
            mark = std::min(mark, contrastRatio(colour, ScreenBlue));
        if (!qobject_cast<ImageButton*>(window.focusWidget())) { // the mouse takes the mark away
            QTest::mouseClick(window.windowHandle(), Qt::LeftButton, {}, QPoint(1, 1));
            QTest::qWait(10);
            EXPECT_TRUE(!marked.isEmpty() && beside(window.grab().toImage()).isEmpty()) << form;
        }
        window.hide();
    }
    QApplication::setPalette(ordinary);
    std::cout << "Contrast to the blue under a dark palette: text " << text << ", boxes " << box
              << ", focus mark " << mark << std::endl;
    EXPECT_TRUE(text >= 4.5 && box >= 3 && mark >= 3);
}

// A window larger than the screen's available area keeps its title bar on it; one that fits is centred
// (1366 x 768 at a scale factor of 2, less a panel, holds 683 x 360: the results do not fit).
TEST_F(AllScreens, AWindowLargerThanTheScreenKeepsItsTitleBarOnIt) {
    for (const QRect area : {QRect(0, 24, 683, 360), QRect(40, 0, 1024, 768)}) {
        const QRect placed(placeWithin(screen("Form3").size(), area), screen("Form3").size());
        const QPoint offCentre = placed.center() - area.center();
        const bool fits = area.height() >= placed.height();
        EXPECT_TRUE(placed.top() >= area.top() && std::abs(offCentre.x()) <= 1 &&
                    (!fits || std::abs(offCentre.y()) <= 1))
            << area.width();
    }
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
        {"Form3", "Selector Results|Suggested models. Total VA: 0. Desired Runtime: Select Runtime...", "Image1:Go back and modify list|Image2:Quit the selector"},
        {"Form5", "Information Viewer|Product information for this model:", ""},
    };
    // clang-format on
    for (const auto& [form, title, tips] : texts) {
        QStringList shown_tips;
        for (QWidget* control : screen(form).findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
            const auto* label = qobject_cast<QLabel*>(control);
            EXPECT_TRUE(!label || label->textFormat() == Qt::PlainText)
                << form << "." << control->objectName();
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
