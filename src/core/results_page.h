#pragma once
// The printed results page: title, total and runtime, then the proposed model
// of each UPS class above the class's name.
#include <string>

#include "core/suggestion.h"

namespace vellimar {

// The lines of the page, each ended by CR LF: five of heading, three for
// each class, and the web address. `total` and `runtime` are
// the captions of the results screen as they stand (the total keeps its
// leading space); `models` the model captions in class order.
std::string results_page_text(const std::string& total, const std::string& runtime, const ClassTexts& models);

} // namespace vellimar
