// How the screens look, by looking: each screen of a typical run on the
// shipped data, drawn offscreen, against its committed picture; and where
// its controls stand (inside the window, none over another).
#include "screen_test.h"

namespace vellimar {
namespace {

using Looks = ScreenTest;

// The screen as drawn, against its picture `reference` (a path in the source
// tree): the user guide's own where the guide shows the screen as it stands
// here, else one in tests/screens/looks/. On a difference the picture drawn
// and one of the differing pixels (red) are written to the test's output
// folder: a wanted change is one copy.
void expectLooksAsBefore(QWidget& window, const char* reference) {
    QApplication::processEvents();
    const QString name = QFileInfo(QString::fromLatin1(reference)).completeBaseName();
    const QImage drawn = window.grab().toImage().convertToFormat(QImage::Format_RGB32);
    const QImage before =
        QImage(QStringLiteral(VELLIMAR_SOURCE_DIR "/") + reference).convertToFormat(QImage::Format_RGB32);
    QImage difference(drawn.size(), QImage::Format_RGB32);
    difference.fill(Qt::white);
    int differing = before.size() == drawn.size() ? 0 : drawn.width() * drawn.height();
    for (int y = 0; differing == 0 && y < drawn.height(); ++y)
        for (int x = 0; x < drawn.width(); ++x)
            if (drawn.pixel(x, y) != before.pixel(x, y))
                difference.setPixel(x, y, qRgb(255, 0, 0)), ++differing;
    if (differing > 0) {
        QDir().mkpath(QStringLiteral(VELLIMAR_LOOKS_OUT));
        drawn.save(QStringLiteral(VELLIMAR_LOOKS_OUT "/") + name + ".png");
        difference.save(QStringLiteral(VELLIMAR_LOOKS_OUT "/") + name + ".diff.png");
    }
    EXPECT_EQ(differing, 0) << differing << " pixels differ from " << reference
                            << "; drawn and the difference are in " VELLIMAR_LOOKS_OUT;
}

// Where a control draws: a label the ink of its text, as aligned in its box;
// any other control its whole box.
QRect drawnArea(const QWidget* control) {
    const auto* label = qobject_cast<const QLabel*>(control);
    if (!label)
        return control->geometry();
    const QFontMetrics metrics = label->fontMetrics();
    const QRect line = metrics.boundingRect(label->contentsRect(), int(label->alignment()), label->text());
    const QRect ink =
        metrics.tightBoundingRect(label->text()).translated(line.left(), line.top() + metrics.ascent());
    return ink.translated(label->pos()) & label->geometry();
}

// Every visible control lies inside its window, and none draws over another
// but for the pairs the layout means: captions (the labels the mouse goes
// through) over the picture they lie on, and a picture that stands in a
// label's text (the label names it in its "pictureInText").
void expectControlsInPlace(QWidget& window) {
    QWidgetList shown;
    for (QWidget* control : window.findChildren<QWidget*>(Qt::FindDirectChildrenOnly))
        if (control->isVisibleTo(&window))
            shown << control;
    const auto caption = [](const QWidget* control) {
        return control->testAttribute(Qt::WA_TransparentForMouseEvents);
    };
    const auto onPicture = [&](const QWidget* label, const QWidget* picture) {
        return (caption(label) && qobject_cast<const ImageButton*>(picture)) ||
               label->property("pictureInText").toString() == picture->objectName();
    };
    for (int i = 0; i < shown.size(); ++i) {
        EXPECT_TRUE(window.rect().contains(shown[i]->geometry()))
            << window.objectName() << "." << shown[i]->objectName() << " lies outside the window";
        for (int j = i + 1; j < shown.size(); ++j) {
            const QWidget* a = shown[i];
            const QWidget* b = shown[j];
            const bool meant = onPicture(a, b) || onPicture(b, a) || (caption(a) && caption(b));
            EXPECT_TRUE(meant || !drawnArea(a).intersects(drawnArea(b)))
                << window.objectName() << "." << a->objectName() << " and " << b->objectName() << " overlap";
        }
    }
}

TEST_F(Looks, EachScreenOfATypicalRunLooksAsBeforeWithItsControlsInPlace) {
    state.setDataFolder(VELLIMAR_SOURCE_DIR "/data");
    startSelector(screens);
    const auto check = [](QWidget& window, const char* reference) {
        expectLooksAsBefore(window, reference);
        expectControlsInPlace(window);
    };
    // A text cursor that blinks would be drawn or not by the time of the picture.
    const int flashTime = QApplication::cursorFlashTime();
    QApplication::setCursorFlashTime(0);
    check(screens.categoryMenu(), "docs/category-menu.png");
    click(find("Form6", "Image2")); // Network Server: its first maker and model
    click_row(find<QListWidget>("Form2", "manuf"), 0);
    click_row(find<QListWidget>("Form2", "model"), 0);
    check(screens.modelPicker(), "docs/model-picker.png");
    click(find("Form2", "Image7"));
    find("Form1", "Combo1")->setFocus(Qt::MouseFocusReason); // 60 minutes, chosen with the mouse
    find<QComboBox>("Form1", "Combo1")->setCurrentIndex(2);
    check(screens.loadList(), "tests/screens/looks/load-list.png");
    click(find("Form1", "Image4"));
    ASSERT_TRUE(shown("Form3"));
    check(screens.results(), "docs/results.png");
    click(find("Form3", "Image7")); // the fourth class's information
    ASSERT_TRUE(shown("Form5"));
    check(screens.infoViewer(), "tests/screens/looks/information-viewer.png");
    click(find("Form5", "Command2"));
    click(find("Form3", "Image1"));
    click(find("Form1", "Image2"));
    click(find("Form6", "Image1"));
    for (const char* box : {"Combo3", "Combo1", "Combo2"})
        find<QComboBox>("Form4", box)->setCurrentIndex(1);
    click(find("Form4", "Label5"));
    check(screens.computerEstimator(), "docs/general-computer.png");
    QApplication::setCursorFlashTime(flashTime);
}

} // namespace
} // namespace vellimar
