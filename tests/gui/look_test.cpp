// How the screens look: every caption and label fits the room it is given.
#include <QFontInfo>
#include <QFontMetrics>
#include <QLabel>
#include <QPushButton>
#include <set>

#include "core/textfile.h"

#include "entry/form2.h"
#include "entry/form4.h"
#include "entry/form6.h"
#include "gui_test.h"
#include "loadlist/form1.h"
#include "results/form3.h"
#include "results/form5.h"
#include "shell/imagebutton.h"
#include "shell/look.h"
#include "shell/screens.h"
#include "core/runtime_table.h"

namespace vellimar {
namespace {

class Look : public GuiTest {};

void expect_label_fits(QLabel* label) {
    const QString where = label->window()->objectName() + "." + label->objectName() + " " + label->text();
    QFontMetrics metrics(label->font());
    int flags = static_cast<int>(label->alignment()) | (label->wordWrap() ? Qt::TextWordWrap : 0);
    QRect needed = metrics.boundingRect(QRect(0, 0, label->width(), 10000), flags, label->text());
    EXPECT_LE(needed.width(), label->width()) << where.toStdString();
    EXPECT_LE(needed.height(), label->height() + 1) << where.toStdString();
}

void expect_labels_fit(QWidget* screen) {
    for (QLabel* label : screen->findChildren<QLabel*>()) {
        if (label->text().isEmpty() || !label->isVisibleTo(screen))
            continue;
        expect_label_fits(label);
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
    expect_labels_fit(&screens::form3());
    expect_labels_fit(&screens::form5());
}

// Every text the shipped runtime tables can put into a class's model label,
// the free text of a typed runtime included, fits that label.
TEST_F(Look, ShippedModelTextsFitTheResultsScreen) {
    Form3& results = screens::form3();
    results.Label1->setText(QStringLiteral(" 5000"));
    results.Label9->setText(QStringLiteral("480 min./ 8 hours"));
    expect_label_fits(results.Label1);
    expect_label_fits(results.Label9);
    for (const char* name : {"120.txt", "230.txt"}) {
        const std::string path = std::string(VELLIMAR_DATA_DIR) + "/" + name;
        // One total per band: each band's lower bound.
        std::string error;
        std::string content;
        ASSERT_TRUE(read_data_file(path, content, error));
        LineCursor cursor(content);
        std::string_view line;
        std::set<double> lower_bounds;
        while (cursor.next(line))
            lower_bounds.insert(std::stod(std::string(line.substr(0, line.find('-')))));
        for (double total : lower_bounds) {
            std::vector<std::string> records;
            ASSERT_TRUE(matching_records(path, total, records, error)) << error;
            for (std::size_t k = 0; k < records.size() && k < 7; ++k) {
                RecordFields fields = split_record(records[k]);
                for (std::size_t f = 1; f < fields.size(); ++f) {
                    results.res[k]->setText(QString::fromStdString(fields[f]));
                    expect_label_fits(results.res[k]);
                }
            }
        }
    }
}

TEST_F(Look, ResultsScreenFontsAndColours) {
    Form3& form = screens::form3();
    auto colour = [](QLabel* label) { return label->palette().color(QPalette::WindowText); };
    for (QLabel* caption :
         {form.Label4, form.Label5, form.Label6, form.Label7, form.Label8, form.Label10, form.Label11}) {
        SCOPED_TRACE(caption->objectName());
        EXPECT_EQ(colour(caption), QColor(224, 224, 224));
        EXPECT_TRUE(caption->font().italic());
        EXPECT_FALSE(caption->font().bold());
    }
    for (QLabel* bold : {form.res[0], form.res[3], form.res[6], form.Label1, form.Label9, form.Label15}) {
        SCOPED_TRACE(bold->objectName());
        EXPECT_TRUE(bold->font().bold());
        EXPECT_FALSE(bold->font().italic());
        EXPECT_EQ(colour(bold), QColor(Qt::white));
    }
    for (QLabel* italic : {form.Label17, form.Label18}) {
        EXPECT_TRUE(italic->font().italic());
        EXPECT_EQ(colour(italic), QColor(Qt::white));
    }
    for (QLabel* regular : {form.Label2, form.Label3, form.Label16}) {
        EXPECT_FALSE(regular->font().bold() || regular->font().italic());
        EXPECT_EQ(colour(regular), QColor(Qt::white));
    }
    for (QLabel* caption : {form.Label12, form.Label13, form.Label14}) {
        EXPECT_FALSE(caption->font().bold() || caption->font().italic());
        EXPECT_EQ(colour(caption), QColor(Qt::black));
    }
    for (QLabel* centred : {form.Label15, form.Label16, form.Label17})
        EXPECT_TRUE(centred->alignment() & Qt::AlignHCenter);
    EXPECT_EQ(form.res[0]->font().pixelSize(), 11);
}

// The information picture stands in the run of spaces of the sentence that
// refers to it, clear of the words on either side.
TEST_F(Look, InformationPictureSitsInTheGapOfItsSentence) {
    Form3& form = screens::form3();
    QLabel* sentence = form.Label15;
    const QString text = sentence->text();
    const QString before = text.left(text.indexOf(QStringLiteral("   ")));
    const QString gap = text.mid(before.size(), text.lastIndexOf(QLatin1Char(' ')) + 1 - before.size());
    QFontMetrics metrics(sentence->font());
    const int start = sentence->x() + (sentence->width() - metrics.horizontalAdvance(text)) / 2;
    const int gap_left = start + metrics.horizontalAdvance(before);
    const int gap_right = gap_left + metrics.horizontalAdvance(gap);
    const QRect picture = form.Image13->geometry();
    EXPECT_GE(picture.left(), gap_left - 1) << gap_left << ".." << gap_right;
    EXPECT_LE(picture.right(), gap_right + 1) << gap_left << ".." << gap_right;
    // Vertically it spans the line of text and stays clear of the next line's letters.
    EXPECT_LE(picture.top(), sentence->y());
    EXPECT_GE(picture.bottom(), sentence->y() + metrics.height());
    QFontMetrics next(form.Label16->font());
    EXPECT_LT(picture.bottom(), form.Label16->y() + next.ascent() - next.capHeight());
    // And of the last class caption above.
    EXPECT_GT(picture.top(), form.Label11->y() + QFontMetrics(form.Label11->font()).height());
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
