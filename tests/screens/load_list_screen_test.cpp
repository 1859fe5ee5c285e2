// The load list screen: items and total, starting over, and the suggestion.
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QTest>

#include "screen_test.h"
#include "screens/category_menu.h"
#include "screens/load_list_screen.h"
#include "screens/results_screen.h"
#include "ui/image_button.h"

namespace vellimar {
namespace {

// A table with one band for every total up to 5000, seven classes whose
// fields name the voltage, the class and the field.
std::string table(const std::string& volts) {
    std::string text;
    for (int k = 0; k < 7; ++k) {
        text += "0-5000";
        for (int field = 1; field < 8; ++field)
            text += "\t" + volts + " c" + std::to_string(k) + " f" + std::to_string(field);
        text += "\r\n";
    }
    return text;
}

class LoadListTest : public ScreenTest {
  protected:
    void SetUp() override {
        ScreenTest::SetUp();
        write_file("120.txt", table("120"));
        write_file("230.txt", table("230"));
        list().show();
    }
    LoadListScreen& list() { return screens.loadList(); }
    ResultsScreen& results() { return screens.results(); }
    QStringList models() {
        QStringList texts;
        for (QLabel* label : results().modelLabels)
            texts << label->text();
        return texts;
    }
};

TEST_F(LoadListTest, ItemsAreListedAndEachIsRoundedIntoTheTotal) {
    EXPECT_EQ(list().totalText(), "0");
    list().appendItem({"Router", "1.5"});
    list().appendItem({"Router", "1.5"});
    EXPECT_EQ(texts_of(list().itemList), (QStringList{"Router", "Router"}));
    EXPECT_EQ(texts_of(list().vaList), (QStringList{"1.5", "1.5"}));
    EXPECT_EQ(list().totalText(), " 4");
}

TEST_F(LoadListTest, StartOverEmptiesTheListAndKeepsTheChoices) {
    list().appendItem({"Router", "300"});
    list().volts230Option->setChecked(true);
    list().runtimeBox->setCurrentIndex(3);
    click(list().startOverButton);
    EXPECT_TRUE(list().itemList->count() == 0 && list().vaList->count() == 0);
    EXPECT_EQ(list().totalText(), " 0");
    EXPECT_TRUE(screens.categoryMenu().isVisible());
    EXPECT_FALSE(list().isVisible());
    EXPECT_FALSE(list().volts120());
    EXPECT_EQ(list().runtimeText(), "120 min./ 2 hours");

    click(screens.categoryMenu().mainMenuButton);
    click(list().addButton);
    EXPECT_TRUE(screens.categoryMenu().isVisible());
    EXPECT_FALSE(list().isVisible());
}

TEST_F(LoadListTest, ARefusedSuggestionIsShownAndNothingElseHappens) {
    list().appendItem({"Router", "300"});
    click(list().suggestButton);
    ASSERT_EQ(messages(), QStringList{"You need to select a runtime"});
    EXPECT_EQ(fakes.dialogs.messages[0].icon, MessageIcon::Critical);
    EXPECT_FALSE(screens.exists("Form3"));
    EXPECT_TRUE(list().isVisible());
}

TEST_F(LoadListTest, SuggestionShowsTheModelsOfTheChosenVoltageAndRuntime) {
    list().appendItem({"Router", " 245"});
    list().volts230Option->setChecked(true);
    list().runtimeBox->setCurrentIndex(5);
    click(list().suggestButton);
    ASSERT_TRUE(messages().isEmpty());
    EXPECT_TRUE(results().isVisible());
    EXPECT_FALSE(list().isVisible());
    EXPECT_EQ(models().first(), "230 c0 f7");
    EXPECT_EQ(models().last(), "230 c6 f7");
    EXPECT_EQ(results().totalLabel->text(), " 245");
    EXPECT_EQ(results().runtimeLabel->text(), "480 min./ 8 hours");

    // Back, another voltage and runtime: the same screen shows the new suggestion.
    click(results().modifyButton);
    list().volts120Option->setChecked(true);
    list().runtimeBox->setCurrentIndex(0);
    list().appendItem({"Switch", "5"});
    click(list().suggestButton);
    EXPECT_EQ(models().at(3), "120 c3 f2");
    EXPECT_EQ(results().totalLabel->text(), " 250");
    EXPECT_EQ(results().runtimeLabel->text(), "15 min.");
}

// Whatever ends the editing (a click elsewhere, Tab, Return), a typed
// runtime stays typed even when it reads like an item, also after a visit
// to the results and back.
TEST_F(LoadListTest, TypedRuntimeStaysTypedWhenEditingEnds) {
    list().appendItem({"Router", "100"});
    QLineEdit* edit = list().runtimeBox->lineEdit();
    for (Qt::Key ending : {Qt::Key_unknown, Qt::Key_Tab, Qt::Key_Return}) {
        list().runtimeBox->setCurrentIndex(0);
        list().activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(&list()));
        edit->setFocus();
        edit->selectAll();
        QTest::keyClicks(edit, "60 min./ 1 hour");
        if (ending != Qt::Key_unknown)
            QTest::keyClick(edit, ending);
        click(list().suggestButton);
        ASSERT_TRUE(results().isVisible()) << ending;
        EXPECT_EQ(models().first(), "120 c0 f1") << ending;
        click(results().modifyButton);
        EXPECT_EQ(list().runtimeText(), "60 min./ 1 hour");
        EXPECT_EQ(list().runtimeIndex(), -1);
    }
}

TEST_F(LoadListTest, AMissingTableIsReportedNamingIt) {
    QFile::remove(dir.filePath(QStringLiteral("230.txt")));
    list().appendItem({"Router", "100"});
    list().volts230Option->setChecked(true);
    list().runtimeBox->setCurrentIndex(0);
    click(list().suggestButton);
    ASSERT_EQ(messages().size(), 1);
    EXPECT_TRUE(messages()[0].contains("\"230.txt\"")) << messages()[0];
    EXPECT_FALSE(screens.exists("Form3"));
    EXPECT_TRUE(list().isVisible());
}

} // namespace
} // namespace vellimar
