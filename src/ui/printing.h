#pragma once
#include "ui/platform.h"

class QPagedPaintDevice;

namespace vellimar {

// How long the print system has to answer a job, all its requests together;
// a job it has not taken by then has failed.
constexpr int PrintSystemBoundMs = 10000;

// Prints `text` followed by one line end on `device` as one document: a
// quarter inch in from the left of the printable area, in the font the
// painter starts with. Lines wider than the page wrap and the text runs on
// over as many pages as it needs, so nothing is cut off. CR LF, a lone CR
// and a lone LF each end a line. False when the painter could not start or
// finish the document.
bool printTextOn(QPagedPaintDevice& device, const QString& text);

// The system's default printer, through libcups on a connection of its own
// whose every wait ends at the bound. The page is laid out as a PDF on the
// queue's default paper and handed over as one job, once the queue is found
// running and accepting jobs.
class DefaultPrinter : public Printer {
  public:
    bool print(const QString& text, const QString& title) override;
};

} // namespace vellimar
