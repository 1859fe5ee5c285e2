// How the printer lays a text out on paper: rendered into a PDF file and read
// back with poppler's tools, as a printer would get it.
#include <QPageLayout>
#include <QPrinter>
#include <QProcess>
#include <QRegularExpression>
#include <QStandardPaths>

#include "gui_test.h"
#include "results/printout.h"
#include "shell/printing.h"

namespace vellimar {
namespace {

class Printing : public GuiTest {
  protected:
    QString pdf_path() const { return dir.filePath(QStringLiteral("out.pdf")); }

    // Renders `text` the way the default printer gets it, into out.pdf.
    bool render(const QString& text) {
        QPrinter printer(QPrinter::HighResolution);
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(pdf_path());
        printer.setPageSize(QPageSize(QPageSize::A4));
        left_edge_points = printer.pageLayout().paintRectPoints().left();
        return print_text_on(printer, text);
    }

    static QString run(const QString& tool, const QStringList& arguments) {
        const QString program = QStandardPaths::findExecutable(tool);
        if (program.isEmpty()) {
            ADD_FAILURE() << tool.toStdString() << " is missing (Debian package poppler-utils)";
            return QString();
        }
        QProcess process;
        process.start(program, arguments);
        if (!process.waitForFinished(30000) || process.exitCode() != 0) {
            ADD_FAILURE() << tool.toStdString()
                          << " failed: " << process.readAllStandardError().toStdString();
            return QString();
        }
        return QString::fromUtf8(process.readAllStandardOutput());
    }

    int pages() const {
        const QString info = run(QStringLiteral("pdfinfo"), {pdf_path()});
        QRegularExpressionMatch match = QRegularExpression(QStringLiteral("Pages:\\s+(\\d+)")).match(info);
        return match.hasMatch() ? match.captured(1).toInt() : -1;
    }

    QString page_text(int page = 0) const {
        QStringList arguments = {QStringLiteral("-layout"), pdf_path(), QStringLiteral("-")};
        if (page > 0)
            arguments = QStringList{QStringLiteral("-f"), QString::number(page), QStringLiteral("-l"),
                                    QString::number(page)} +
                        arguments;
        return run(QStringLiteral("pdftotext"), arguments);
    }

    qreal left_edge_points = 0;
};

QString squeezed(QString text) {
    return text.remove(QRegularExpression(QStringLiteral("\\s")));
}

TEST_F(Printing, ResultsPageFitsOnOnePageAQuarterInchIn) {
    QStringList models = {"Korr Personal 550I", "",         "Korr Webline 700I",     "Brisk 1000I",
                          "PanoBrisk 1000I",    "QN 1000I", "BriskPro Corehall 10kI"};
    ASSERT_TRUE(render(results_page(QStringLiteral(" 245"), QStringLiteral("60 min./ 1 hour"), models)));
    EXPECT_EQ(pages(), 1);
    const QString text = page_text();
    for (const char* line :
         {"Vellimar UPS Selector Results", "Total VA:  245     Desired Runtime: 60 min./ 1 hour",
          "-Basic battery backup width standard interface port", "BriskPro Corehall 10kI",
          "For more information visit our website at www.vellimar.example"})
        EXPECT_TRUE(squeezed(text).contains(squeezed(QString::fromLatin1(line)))) << line;

    // The left edge of every word box: a quarter inch (18 points) inside
    // the printable area, no further.
    const QString boxes =
        run(QStringLiteral("pdftotext"), {QStringLiteral("-bbox"), pdf_path(), QStringLiteral("-")});
    qreal leftmost = 1e9;
    auto words = QRegularExpression(QStringLiteral("<word xMin=\"([0-9.]+)\"")).globalMatch(boxes);
    while (words.hasNext())
        leftmost = qMin(leftmost, words.next().captured(1).toDouble());
    EXPECT_NEAR(leftmost, left_edge_points + 18, 2.0);
}

TEST_F(Printing, LongTextsRunOnOverPagesAndWideLinesWrap) {
    QString text;
    for (int line = 1; line <= 150; ++line)
        text += QStringLiteral("Line %1 of the product text\r\n").arg(line);
    // A line of words far wider than the page, and one word wider still.
    QString words;
    for (int word = 1; word <= 60; ++word)
        words += QStringLiteral("word%1 ").arg(word);
    text +=
        words + QStringLiteral("\r\n") + QString(400, QLatin1Char('x')) + QStringLiteral("\r\nThe end\r\n");
    ASSERT_TRUE(render(text));

    const int count = pages();
    EXPECT_GE(count, 3);
    const QString all = page_text();
    for (int line = 1; line <= 150; ++line)
        EXPECT_TRUE(all.contains(QStringLiteral("Line %1 of the product text").arg(line))) << line;
    EXPECT_TRUE(squeezed(all).contains(squeezed(words)));
    EXPECT_TRUE(squeezed(all).contains(QString(400, QLatin1Char('x'))));
    // Nothing is cut at the right edge: each printed line is narrower than
    // the widest the page takes.
    EXPECT_FALSE(
        all.contains(QStringLiteral("word1 word2 word3 word4 word5 word6 word7 word8 word9 word10 word11 "
                                    "word12 word13 word14 word15 word16 word17 word18 word19 word20 word21 "
                                    "word22 word23 word24 word25 word26 word27 word28 word29 word30")));
    // The last page carries the end of the text, no blank page follows.
    EXPECT_TRUE(page_text(count).contains(QStringLiteral("The end")));
}

TEST_F(Printing, APrinterThatCannotStartReportsFailure) {
    QPrinter printer(QPrinter::HighResolution);
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(dir.filePath(QStringLiteral("no-such-folder/out.pdf")));
    EXPECT_FALSE(print_text_on(printer, QStringLiteral("text")));
}

} // namespace
} // namespace vellimar
