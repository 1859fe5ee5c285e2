#pragma once
#include "shell/platform.h"

namespace vellimar {

// The system's default printer through Qt Print Support.
class DefaultPrinter : public Printer {
  public:
    bool print(const QString& text) override;
};

} // namespace vellimar
