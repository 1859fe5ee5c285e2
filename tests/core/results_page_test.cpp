#include "core/results_page.h"

#include "core/maker.h"

#include <gtest/gtest.h>

using namespace vellimar;

TEST(ResultsPage, TwentySevenLinesWithTheCaptionsAsTheyStand) {
    const ClassTexts models = {
        "Korr Personal 550", "",        "Korr Webline 700",     "Brisk 1000",
        "PanoBrisk 1000",    "QN 1000", "BriskPro Corehall 10k"};
    const std::string page = results_page_text(" 245", "60 min./ 1 hour", models);
    EXPECT_EQ(page, "Vellimar UPS Selector Results\r\n"
                    "\r\n"
                    "Total VA:  245     Desired Runtime: 60 min./ 1 hour\r\n"
                    "\r\n"
                    "\r\n"
                    "Korr Personal 550\r\n"
                    "-Basic battery backup only\r\n"
                    "\r\n"
                    "\r\n"
                    "-Basic battery backup width standard interface port\r\n"
                    "\r\n"
                    "Korr Webline 700\r\n"
                    "-Line interactive with standard interface port\r\n"
                    "\r\n"
                    "Brisk 1000\r\n"
                    "-Line interactive with smart interface port\r\n"
                    "\r\n"
                    "PanoBrisk 1000\r\n"
                    "-Line interactive with smart interface port; rackmountable\r\n"
                    "\r\n"
                    "QN 1000\r\n"
                    "-Online UPS with smart interface port\r\n"
                    "\r\n"
                    "BriskPro Corehall 10k\r\n"
                    "-Corehall UPS with smart interface port\r\n"
                    "\r\n"
                    "For more information visit our website at " + MakerWebAddress + "\r\n");
}
