#include "core/results_page.h"

#include "core/maker.h"

namespace vellimar {

std::string results_page_text(const std::string& total, const std::string& runtime,
                              const ClassTexts& models) {
    const std::string end = "\r\n";
    std::string page = "Vellimar UPS Selector Results" + end + end;
    page += "Total VA: " + total + "     Desired Runtime: " + runtime + end + end + end;
    for (std::size_t k = 0; k < models.size(); ++k)
        page += models[k] + end + UpsClasses[k].printed_name + end + end;
    page += "For more information visit our website at " + MakerWebAddress + end;
    return page;
}

} // namespace vellimar
