#pragma once
#include <functional>

#include "ui/platform.h"

class QPagedPaintDevice;
class QPageSize;

namespace vellimar {

// How long a print job has, laying out its pages and every request to the
// print system together; a job not confirmed by then has failed.
constexpr int PrintSystemBoundMs = 10000;

// More pages than any printout of the selector comes near: a text that would
// take more is not printed at all.
constexpr int MaxPrintedPages = 500;

// Prints `text` followed by one line end on `device` as one document: a
// quarter inch in from the left of the printable area, in the font the
// painter starts with. Lines wider than the page wrap and the text runs on
// over as many pages as it needs, so nothing is cut off. CR LF, a lone CR
// and a lone LF each end a line. False when the painter could not start or
// finish the document, when the text takes more than MaxPrintedPages, or
// when `keepGoing`, asked as the lines are laid out, says to stop.
bool printTextOn(QPagedPaintDevice& device, const QString& text, const std::function<bool()>& keepGoing = {});

// The paper a print system's media name stands for: the self-describing names
// ("na_letter_8.5x11in"), the usual short ones ("Letter", "Legal", "A4",
// "na_legal", "iso_a5"), a size of the user's own in points ("w81h252") or as
// "Custom.4x6in"; an invalid size for a name it does not know.
QPageSize pageSizeForMedia(const QString& media);
// The usual paper where `locale` ("en_US.UTF-8") is: Letter in the United
// States and Canada, A4 elsewhere.
QPageSize localePageSize(const QString& locale);

// The system's default printer, through libcups on a connection of its own
// whose every wait ends at the bound. The page is laid out as a PDF on the
// user's own paper, else the queue's default, else the locale's; once the
// queue is found running and accepting jobs it is handed over as one job,
// which counts as printed only when the print system has taken the whole
// document and not aborted it. A job that fails after it was made is
// cancelled.
class DefaultPrinter : public Printer {
  public:
    bool print(const QString& text, const QString& title) override;
};

// For the program's end, however it ends: the job under way gets what is left
// of its bound, jobs waiting are dropped, and no printout's temporary file
// stays behind. Ending signals (SIGTERM, SIGHUP, SIGINT) do the same, without
// the wait, once something has been printed.
void finishPrinting();

} // namespace vellimar
