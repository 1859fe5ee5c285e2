// How the screens look: every caption and label fits the room it is given.
#include <QFontInfo>
#include <QFontMetrics>
#include <QLabel>

#include "entry/form2.h"
#include "entry/form4.h"
#include "entry/form6.h"
#include "gui_test.h"
#include "loadlist/form1.h"
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
    expect_labels_fit(&screens::form2());
    expect_labels_fit(&screens::form4());
}

} // namespace
} // namespace vellimar
