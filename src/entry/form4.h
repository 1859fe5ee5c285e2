#pragma once
// The general computer estimator: a computer's load from its parts.
#include "shell/screen.h"

namespace vellimar {

class Form4 : public Screen {
    Q_OBJECT
  public:
    Form4();
};

} // namespace vellimar
