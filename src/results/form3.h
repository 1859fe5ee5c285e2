#pragma once
// The results screen: one proposed model per UPS class.
#include "shell/screen.h"

namespace vellimar {

class Form3 : public Screen {
    Q_OBJECT
  public:
    Form3();
};

} // namespace vellimar
