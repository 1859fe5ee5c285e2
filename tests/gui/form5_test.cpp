// The product information viewer: finding the model's section in the file
// of the chosen voltage, printing it, and closing.
#include <QApplication>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPointer>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <QTest>

#include "gui_test.h"
#include "loadlist/form1.h"
#include "results/form5.h"
#include "results/printout.h"
#include "shell/look.h"
#include "shell/screens.h"

namespace vellimar {
namespace {

const QString Success = QStringLiteral("Successfully printed to default printer!");
const QString Failure = QStringLiteral("There was a problem printing to your printer.");

std::string product_file(const std::string& voltage) {
    return "Product information " + voltage +
           " V\r\n"
           "----------------------------------------\r\n"
           "Catalogue section 1\r\n"
           "QN Series - on-line, " +
           voltage +
           " V\r\n"
           "QN body " +
           voltage +
           "\r\n"
           "-------\r\n"
           "----------------------------------------\r\n"
           "Catalogue section 2\r\n"
           "Korr Pro - battery backup, " +
           voltage +
           " V\r\n"
           "Korr Pro body\r\n"
           "----------------------------------------\r\n";
}

class Viewer : public GuiTest {
  protected:
    void SetUp() override {
        GuiTest::SetUp();
        write_file(QStringLiteral("prod120.txt"), product_file("120"));
        write_file(QStringLiteral("prod230.txt"), product_file("230"));
    }

    // What an information button of the results screen does.
    void open_info(const QString& model) {
        screens::form5().show();
        screens::form5().Label2->setText(model);
        screens::form5().showinfo();
        QApplication::processEvents();
    }
};

TEST_F(Viewer, ModelTextsShorterThanThreeCharactersCloseTheViewer) {
    for (const QString& model : {QString(), QStringLiteral("QN"), QStringLiteral("\u00c4\u00d6")}) {
        QPointer<Form5> viewer = &screens::form5();
        open_info(model);
        EXPECT_FALSE(screens::exists(5)) << model;
        QApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        EXPECT_TRUE(viewer.isNull()) << model;
    }
    open_info(QStringLiteral("QN1"));
    ASSERT_TRUE(screens::exists(5));
    EXPECT_EQ(screens::form5().Text1->toPlainText(), "QN Series - on-line, 120 V\nQN body 120\n");
    EXPECT_TRUE(screens::form5().isVisible());
    EXPECT_TRUE(fakes.dialogs.messages.isEmpty());
    EXPECT_EQ(fakes.process.ends, 0);
}

TEST_F(Viewer, ReadsTheFileOfTheVoltageChosenAtEachShowing) {
    Form1& list = screens::form1();
    ASSERT_TRUE(list.Option1->isChecked());
    open_info(QStringLiteral("Korr Pro 500"));
    Form5& viewer = screens::form5();
    EXPECT_EQ(viewer.Text1->toPlainText(), "Korr Pro - battery backup, 120 V\nKorr Pro body\n");

    // Asked again while another window is in front, it comes back in front.
    list.show();
    QApplication::setActiveWindow(&list);
    list.Option2->setChecked(true);
    open_info(QStringLiteral("QN 3000"));
    EXPECT_EQ(&screens::form5(), &viewer);
    EXPECT_EQ(QApplication::activeWindow(), &viewer);
    EXPECT_EQ(viewer.Text1->toPlainText(), "QN Series - on-line, 230 V\nQN body 230\n");

    // No section for the family: shown empty, without a message.
    open_info(QStringLiteral("Tandor MPS 5000"));
    EXPECT_EQ(viewer.Text1->toPlainText(), "");
    EXPECT_TRUE(viewer.Text1->isVisible());
    EXPECT_TRUE(fakes.dialogs.messages.isEmpty());
}

TEST_F(Viewer, OpensMaximizedWithItsControlsAndFitsTheTextBoxToTheWindow) {
    Form5& viewer = screens::form5();
    EXPECT_EQ(viewer.windowTitle(), "Information Viewer");
    EXPECT_FALSE(viewer.Text1->isVisibleTo(&viewer));
    EXPECT_FALSE(viewer.Label2->isVisibleTo(&viewer));
    EXPECT_FALSE(viewer.windowFlags() & Qt::WindowMinimizeButtonHint);
    EXPECT_FALSE(viewer.windowFlags() & Qt::WindowMaximizeButtonHint);
    EXPECT_TRUE(viewer.windowFlags() & Qt::WindowCloseButtonHint);
    EXPECT_EQ(viewer.Command1->text(), "Print This Document");
    EXPECT_EQ(viewer.Command2->text(), "Back");
    EXPECT_EQ(viewer.Command1->geometry(), twipsRect(3255, 30, 1965, 315));
    EXPECT_EQ(viewer.Command2->geometry(), twipsRect(5340, 15, 915, 330));
    EXPECT_FALSE(viewer.Text1->isReadOnly());
    EXPECT_EQ(viewer.Text1->lineWrapMode(), QPlainTextEdit::NoWrap);
    EXPECT_EQ(viewer.Text1->horizontalScrollBarPolicy(), Qt::ScrollBarAlwaysOn);
    EXPECT_EQ(viewer.Text1->verticalScrollBarPolicy(), Qt::ScrollBarAlwaysOn);
    EXPECT_EQ(viewer.Text1->font().pixelSize(), 13);

    open_info(QStringLiteral("QN 3000"));
    EXPECT_TRUE(viewer.isMaximized());
    QApplication::setActiveWindow(&viewer);
    viewer.Text1->setFocus();
    QTest::keyClick(viewer.Text1, Qt::Key_Tab);
    EXPECT_EQ(QApplication::focusWidget(), viewer.Command1);
    QTest::keyClick(viewer.Command1, Qt::Key_Tab);
    EXPECT_EQ(QApplication::focusWidget(), viewer.Command2);

    const QSize outer = viewer.screen()->availableGeometry().size();
    EXPECT_EQ(viewer.Text1->geometry(),
              QRect(20, 23, twips(outer.width() * 15 - 740), twips(outer.height() * 15 - 800)));

    // Resizing does not refit the text box until the next showinfo.
    const QRect fitted = viewer.Text1->geometry();
    viewer.showNormal();
    viewer.resize(600, 400);
    QApplication::processEvents();
    EXPECT_EQ(viewer.Text1->geometry(), fitted);
    viewer.showinfo();
    const QSize frame = viewer.frameGeometry().size();
    EXPECT_EQ(viewer.Text1->geometry(),
              QRect(20, 23, twips(frame.width() * 15 - 740), twips(frame.height() * 15 - 800)));
}

TEST_F(Viewer, BackAndTheWindowCloseDestroyTheViewerOnly) {
    open_info(QStringLiteral("QN 3000"));
    QPointer<Form5> first = &screens::form5();
    click(first->Command2);
    EXPECT_FALSE(screens::exists(5));
    QApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_TRUE(first.isNull());

    Form5& second = screens::form5();
    EXPECT_FALSE(second.Text1->isVisibleTo(&second));
    EXPECT_EQ(second.Text1->toPlainText(), "");
    open_info(QStringLiteral("QN 3000"));
    QPointer<Form5> closing = &second;
    EXPECT_TRUE(second.close());
    EXPECT_FALSE(screens::exists(5));
    QApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_TRUE(closing.isNull());
    EXPECT_FALSE(screens::form5().Text1->isVisibleTo(&screens::form5()));

    EXPECT_EQ(fakes.process.ends, 0);
    EXPECT_TRUE(fakes.dialogs.messages.isEmpty());
}

TEST_F(Viewer, PrintsTheTextAsItStandsAndReportsEachJob) {
    open_info(QStringLiteral("Korr Pro 500"));
    Form5& viewer = screens::form5();
    click(viewer.Command1);
    click(viewer.Command1);
    const QString shown = QStringLiteral("Korr Pro - battery backup, 120 V\r\nKorr Pro body\r\n");
    EXPECT_EQ(fakes.printer.jobs, QStringList({shown, shown}));
    EXPECT_EQ(message_texts(fakes.dialogs), QStringList({Success, Success}));
    for (const ShownMessage& message : fakes.dialogs.messages) {
        EXPECT_EQ(message.icon, MessageIcon::None);
        EXPECT_EQ(message.title, "Vellimar UPS Selector");
    }

    // What the user typed is printed too.
    viewer.Text1->moveCursor(QTextCursor::End);
    QTest::keyClicks(viewer.Text1, QStringLiteral("Note"));
    click(viewer.Command1);
    ASSERT_EQ(fakes.printer.jobs.size(), 3);
    EXPECT_EQ(fakes.printer.jobs[2], shown + "Note");
    EXPECT_TRUE(screens::exists(5));
}

TEST_F(Viewer, WithoutAPrinterOnlyTheFailureIsReported) {
    fakes.printer.available = false;
    open_info(QStringLiteral("Korr Pro 500"));
    click(screens::form5().Command1);
    EXPECT_TRUE(fakes.printer.jobs.isEmpty());
    ASSERT_EQ(message_texts(fakes.dialogs), QStringList{Failure});
    EXPECT_EQ(fakes.dialogs.messages[0].icon, MessageIcon::None);
    EXPECT_EQ(screens::form5().Text1->toPlainText(), "Korr Pro - battery backup, 120 V\nKorr Pro body\n");

    print_results(QStringLiteral(" 245"), QStringLiteral("15 min."), QStringList());
    EXPECT_EQ(message_texts(fakes.dialogs), QStringList({Failure, Failure}));
}

TEST_F(Viewer, AMissingProductFileIsReportedAndTheViewerStaysEmpty) {
    QFile::remove(dir.filePath(QStringLiteral("prod230.txt")));
    screens::form1().Option2->setChecked(true);
    open_info(QStringLiteral("QN 3000"));
    ASSERT_EQ(fakes.dialogs.messages.size(), 1);
    EXPECT_TRUE(fakes.dialogs.messages[0].text.contains("\"prod230.txt\"")) << fakes.dialogs.messages[0].text;
    EXPECT_EQ(fakes.dialogs.messages[0].icon, MessageIcon::Critical);
    ASSERT_TRUE(screens::exists(5));
    EXPECT_EQ(screens::form5().Text1->toPlainText(), "");
    EXPECT_EQ(fakes.process.ends, 0);

    // A section cut off before its header is reported by file and line.
    write_file(QStringLiteral("prod230.txt"), "intro\r\n----------\r\nCatalogue section 1\r\n");
    open_info(QStringLiteral("QN 3000"));
    ASSERT_EQ(fakes.dialogs.messages.size(), 2);
    EXPECT_TRUE(fakes.dialogs.messages[1].text.contains("\"prod230.txt\""));
    EXPECT_TRUE(fakes.dialogs.messages[1].text.contains("line 2"));
    EXPECT_EQ(screens::form5().Text1->toPlainText(), "");
}

TEST_F(Viewer, ResultsPagePrintsTheCaptionsAsTheyStand) {
    QLabel labels[7];
    QLabel* res[7];
    const char* models[7] = {"Korr Personal 550", "",        "Korr Webline 700",     "Brisk 1000",
                             "PanoBrisk 1000",    "QN 1000", "BriskPro Corehall 10k"};
    for (int k = 0; k < 7; ++k) {
        labels[k].setText(QString::fromLatin1(models[k]));
        res[k] = &labels[k];
    }
    print_results(QStringLiteral(" 245"), QStringLiteral("60 min./ 1 hour"), res);
    print_results(QStringLiteral(" 245"), QStringLiteral("60 min./ 1 hour"), res);
    ASSERT_EQ(fakes.printer.jobs.size(), 2);
    EXPECT_EQ(fakes.printer.jobs[0], fakes.printer.jobs[1]);
    const QStringList lines = fakes.printer.jobs[0].split(QStringLiteral("\r\n"));
    ASSERT_EQ(lines.size(), 28); // 27 lines, each ended
    EXPECT_EQ(lines[2], "Total VA:  245     Desired Runtime: 60 min./ 1 hour");
    EXPECT_EQ(lines[5], "Korr Personal 550");
    EXPECT_EQ(lines[8], ""); // the empty caption
    EXPECT_EQ(lines[23], "BriskPro Corehall 10k");
    EXPECT_EQ(lines[26], "For more information visit our website at www.vellimar.example");
    EXPECT_EQ(message_texts(fakes.dialogs), QStringList({Success, Success}));
}

} // namespace
} // namespace vellimar
