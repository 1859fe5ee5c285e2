#include "core/results_page.h"

#include "core/maker.h"

namespace vellimar {

namespace {

// The page's own names of the classes, not the screen's captions.
constexpr const char* PrintedClassNames[UpsClassCount] = {
    "-Basic battery backup only",
    "-Basic battery backup width standard interface port",
    "-Line interactive with standard interface port",
    "-Line interactive with smart interface port",
    "-Line interactive with smart interface port; rackmountable",
    "-Online UPS with smart interface port",
    "-Corehall UPS with smart interface port",
};

} // namespace

std::string results_page_text(const std::string& total, const std::string& runtime,
                              const ClassTexts& models) {
    const std::string end = "\r\n";
    std::string page = "Vellimar UPS Selector Results" + end + end;
    page += "Total VA: " + total + "     Desired Runtime: " + runtime + end + end + end;
    for (std::size_t k = 0; k < models.size(); ++k)
        page += models[k] + end + PrintedClassNames[k] + end + end;
    page += "For more information visit our website at " + MakerWebAddress + end;
    return page;
}

} // namespace vellimar
