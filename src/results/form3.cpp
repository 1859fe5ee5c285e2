#include "results/form3.h"

namespace vellimar {

Form3::Form3() : Screen("Form3", QStringLiteral("Selector Results"), 5250, 5955) {}

} // namespace vellimar
