#include "entry/form4.h"

namespace vellimar {

Form4::Form4() : Screen("Form4", QStringLiteral("General Computer"), 4740, 5475) {}

} // namespace vellimar
