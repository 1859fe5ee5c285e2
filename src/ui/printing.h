#pragma once
#include "ui/platform.h"

class QPrinter;

namespace vellimar {

// Prints `text` followed by one line end on `printer` as one document: a
// quarter inch in from the left of the printable area, in the font the
// printer starts with. Lines wider than the page wrap and the text runs on
// over as many pages as it needs, so nothing is cut off. CR LF, a lone CR
// and a lone LF each end a line. False when the painter could not start or
// finish the document, or the printer reports an error.
bool print_text_on(QPrinter& printer, const QString& text);

// The system's default printer through Qt Print Support.
class DefaultPrinter : public Printer {
  public:
    bool print(const QString& text) override;
};

} // namespace vellimar
