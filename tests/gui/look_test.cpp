// How the screens look: every caption and label fits the room it is given.
#include <QFontInfo>
#include <QFontMetrics>
#include <QLabel>
#include <QPushButton>

#include "entry/form6.h"
#include "gui_test.h"
#include "loadlist/form1.h"
#include "results/form5.h"
#include "shell/screens.h"

namespace vellimar {
namespace {

class Look : public GuiTest {};

void expect_labels_fit(QWidget* screen) {
    for (QLabel* label : screen->findChildren<QLabel*>()) {
        if (label->text().isEmpty() || !label->isVisibleTo(screen))
            continue;
        QFontMetrics metrics(label->font());
        int flags = static_cast<int>(label->alignment()) | (label->wordWrap() ? Qt::TextWordWrap : 0);
        QRect needed = metrics.boundingRect(QRect(0, 0, label->width(), 10000), flags, label->text());
        EXPECT_LE(needed.width(), label->width())
            << screen->objectName().toStdString() << "." << label->objectName().toStdString() << " "
            << label->text().toStdString();
        EXPECT_LE(needed.height(), label->height() + 1)
            << screen->objectName().toStdString() << "." << label->objectName().toStdString() << " "
            << label->text().toStdString();
    }
}

TEST_F(Look, LayoutFontsAreTheMetricTwinOfArial) {
    QLabel* caption = screens::form6().Label1;
    EXPECT_EQ(QFontInfo(caption->font()).family(), "Liberation Sans");
    EXPECT_EQ(caption->font().pixelSize(), 11);
    EXPECT_TRUE(caption->font().bold());
}

TEST_F(Look, EveryCaptionFitsItsLabel) {
    expect_labels_fit(&screens::form6());
    expect_labels_fit(&screens::form1());
    expect_labels_fit(&screens::form5());
}

TEST_F(Look, ViewerNoticeAndButtonCaptionsStayClear) {
    Form5& viewer = screens::form5();
    // The notice's label runs on beneath "Print This Document"; its text
    // must end before the button starts.
    QFontMetrics notice(viewer.Label1->font());
    EXPECT_LE(viewer.Label1->x() + notice.horizontalAdvance(viewer.Label1->text()), viewer.Command1->x());
    for (QPushButton* button : {viewer.Command1, viewer.Command2})
        EXPECT_LE(QFontMetrics(button->font()).horizontalAdvance(button->text()) + 12, button->width())
            << button->text().toStdString();
}

} // namespace
} // namespace vellimar
