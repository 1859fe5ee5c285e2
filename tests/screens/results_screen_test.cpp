// The results screen and the product information viewer over it.
#include <QApplication>
#include <QComboBox>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <regex>

#include "screen_test.h"
#include "screens/info_viewer.h"
#include "screens/load_list_screen.h"
#include "screens/results_screen.h"
#include "ui/image_button.h"

namespace vellimar {
namespace {

class ResultsTest : public ScreenTest {
  protected:
    // A suggestion at 230 V for "30 min.": class k proposes "QN 10k0" and
    // class 6 nothing.
    void SetUp() override {
        ScreenTest::SetUp();
        std::string table;
        for (int k = 0; k < 7; ++k)
            table +=
                "1-1000\tfree\tx\t" + (k < 6 ? "QN 10" + std::to_string(k) + "0" : "") + "\tx\tx\tx\tx\r\n";
        write_file("230.txt", table);
        const std::string products = "----------\r\nskipped\r\nQN Series\r\nBody {V}\r\n-------\r\n";
        write_file("prod230.txt", std::regex_replace(products, std::regex("\\{V\\}"), "230"));
        write_file("prod120.txt", std::regex_replace(products, std::regex("\\{V\\}"), "120"));
        LoadListScreen& list = screens.loadList();
        list.appendItem({"Server", "300"});
        list.appendItem({"Switch", "45"});
        list.volts230Option->setChecked(true);
        list.runtimeBox->setCurrentIndex(1);
        click(list.suggestButton);
        ASSERT_TRUE(results().isVisible());
    }
    ResultsScreen& results() { return screens.results(); }
    InfoViewer& viewer() { return screens.infoViewer(); }
};

TEST_F(ResultsTest, EachInformationButtonOpensTheViewerOnItsClassModel) {
    for (int k = 0; k < 6; ++k) {
        click(results().infoButtons[k]);
        ASSERT_TRUE(screens.exists("Form5")) << k;
        EXPECT_EQ(viewer().modelLabel->text(), results().modelLabels[k]->text());
        EXPECT_EQ(viewer().infoText->toPlainText(), "QN Series\nBody 230\n");
        EXPECT_TRUE(viewer().infoText->isVisible());
        EXPECT_TRUE(results().isVisible());
    }
    // The voltage is read at each look-up.
    screens.loadList().volts120Option->setChecked(true);
    click(results().infoButtons[0]);
    EXPECT_EQ(viewer().infoText->toPlainText(), "QN Series\nBody 120\n");
    // An empty model closes the viewer.
    click(results().infoButtons[6]);
    QApplication::processEvents();
    EXPECT_FALSE(screens.exists("Form5"));
}

TEST_F(ResultsTest, BackAndClosingTheViewerCloseOnlyIt) {
    click(results().infoButtons[0]);
    click(viewer().backButton);
    EXPECT_FALSE(screens.exists("Form5"));
    click(results().infoButtons[1]);
    viewer().close();
    EXPECT_FALSE(screens.exists("Form5"));
    EXPECT_EQ(fakes.process.ends, 0);
    EXPECT_TRUE(results().isVisible());
}

TEST_F(ResultsTest, PrintingReportsWhetherTheJobWentThrough) {
    click(results().printButton);
    ASSERT_EQ(fakes.printer.jobs.size(), 1);
    const QStringList lines = fakes.printer.jobs[0].split(QStringLiteral("\r\n"));
    EXPECT_EQ(lines[2], "Total VA:  345     Desired Runtime: 30 min.");
    EXPECT_EQ(lines[8], "QN 1010");
    EXPECT_EQ(lines[23], "");

    click(results().infoButtons[0]);
    viewer().infoText->setPlainText(QStringLiteral("Edited"));
    click(viewer().printButton);
    EXPECT_EQ(fakes.printer.jobs.last(), "Edited");
    fakes.printer.available = false;
    click(viewer().printButton);
    EXPECT_EQ(messages(), (QStringList{"Successfully printed to default printer!",
                                       "Successfully printed to default printer!",
                                       "There was a problem printing to your printer."}));
}

TEST_F(ResultsTest, ModifyCriteriaGoesBackAndQuitEndsTheProgram) {
    click(results().modifyButton);
    EXPECT_TRUE(screens.loadList().isVisible());
    EXPECT_FALSE(results().isVisible());
    EXPECT_EQ(fakes.process.ends, 0);
    click(results().quitButton);
    EXPECT_EQ(fakes.process.ends, 1);
}

TEST_F(ResultsTest, AMissingProductFileIsReportedAndTheViewerStaysEmpty) {
    QFile::remove(dir.filePath(QStringLiteral("prod230.txt")));
    click(results().infoButtons[0]);
    ASSERT_EQ(messages().size(), 1);
    EXPECT_TRUE(messages()[0].contains("\"prod230.txt\"")) << messages()[0];
    EXPECT_EQ(viewer().infoText->toPlainText(), "");
}

} // namespace
} // namespace vellimar
