// The general computer estimator: its lists, the item it adds and its refusals.
#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>

#include "core/computer_estimate.h"
#include "screen_test.h"
#include "screens/category_menu.h"
#include "screens/computer_estimator.h"
#include "screens/load_list_screen.h"
#include "ui/image_button.h"

namespace vellimar {
namespace {

class EstimatorTest : public ScreenTest {
  protected:
    ComputerEstimator& estimator() { return screens.computerEstimator(); }
    LoadListScreen& list() { return screens.loadList(); }
    void choose(QComboBox* box, const char* part) {
        box->setCurrentIndex(box->findText(QString::fromLatin1(part)));
        ASSERT_GE(box->currentIndex(), 0) << part;
    }
};

TEST_F(EstimatorTest, ListsShowTheirPromptsAsTextAndOfferTheParts) {
    const std::pair<QComboBox*, const PartList*> boxes[] = {{estimator().typeBox, &ComputerTypes},
                                                            {estimator().processorBox, &Processors},
                                                            {estimator().monitorBox, &Monitors}};
    for (auto [box, parts] : boxes) {
        EXPECT_EQ(box->placeholderText(), parts->prompt);
        EXPECT_EQ(box->currentIndex(), -1);
        EXPECT_FALSE(box->isEditable());
        EXPECT_EQ(box->count(), parts->count);
        EXPECT_EQ(box->itemText(parts->count - 1), parts->parts[parts->count - 1].name);
        EXPECT_EQ(box->palette().color(QPalette::PlaceholderText),
                  box->palette().color(QPalette::ButtonText));
    }
    EXPECT_EQ(estimator().otherDeviceBox->text(), "0");
}

TEST_F(EstimatorTest, AddsTheChosenPartsAsOneGeneralPc) {
    choose(estimator().typeBox, "Full tower");
    choose(estimator().processorBox, "Dual Pentium Pro");
    choose(estimator().monitorBox, "18-21 in.");
    for (QCheckBox* check : estimator().peripheralChecks)
        check->setChecked(true);
    estimator().otherDeviceCheck->setChecked(true);
    estimator().otherDeviceBox->setText(QStringLiteral("12.5"));
    click(estimator().addButton);
    EXPECT_EQ(texts_of(list().itemList), QStringList{"General PC"});
    EXPECT_EQ(texts_of(list().vaList), QStringList{" 467.5"});
    EXPECT_TRUE(list().isVisible());
    EXPECT_FALSE(estimator().isVisible());

    // Nothing was reset: the same choices add a second, identical item.
    click(estimator().addButton);
    EXPECT_EQ(texts_of(list().vaList), (QStringList{" 467.5", " 467.5"}));
}

TEST_F(EstimatorTest, ARefusalIsShownAndTheChoicesStay) {
    choose(estimator().typeBox, "Desktop");
    choose(estimator().monitorBox, "LCD");
    click(estimator().addButton);
    EXPECT_EQ(messages(), QStringList{"You need to select a processor type"});
    EXPECT_EQ(fakes.dialogs.messages[0].icon, MessageIcon::None);
    EXPECT_FALSE(screens.exists("Form1"));
    EXPECT_EQ(estimator().monitorBox->currentText(), "LCD");

    click(estimator().cancelButton);
    EXPECT_TRUE(screens.categoryMenu().isVisible());
    EXPECT_FALSE(estimator().isVisible());
    click(screens.categoryMenu().computerButton);
    EXPECT_EQ(estimator().typeBox->currentText(), "Desktop");
}

} // namespace
} // namespace vellimar
