#include "ui/printing.h"

#include <QDeadlineTimer>
#include <QPageLayout>
#include <QPageSize>
#include <QPdfWriter>
#include <QSizeF>
#include <optional>

#include "ui/printing_cups.h"
#include "ui/printing_queue.h"

namespace vellimar {

namespace {

// How long a job that failed after it was made has to be cancelled.
constexpr int CancelBoundMs = 2000;

// How long a wait on the print server may go on.
struct Wait {
    QDeadlineTimer deadline;
    const PrintJob* job; // the print queue's, when it runs this one
    bool goOn() const { return !deadline.hasExpired() && !(job && job->givenUp()); }
};

// libcups asks this each time a wait on the server has gone a tenth of a
// second without an answer.
int keepWaiting(http_t*, void* wait) {
    return static_cast<const Wait*>(wait)->goOn();
}

// A connection of its own to the print server; connecting, too, ends with
// the wait.
http_t* connectFor(const Cups& c, Wait& wait) {
    const qint64 left = wait.deadline.remainingTime();
    if (left <= 0)
        return nullptr;
    http_t* http = c.connect(c.server(), c.port(), nullptr, AF_UNSPEC, c.encryption(), 1,
                             static_cast<int>(left), nullptr);
    if (http)
        c.setTimeout(http, 0.1, keepWaiting, &wait);
    return http;
}

// A paper by its media name: as the queue knows it, with its printable area,
// else as the name or the size says, with the whole sheet.
std::optional<QPageLayout> paperNamed(const Cups& c, http_t* http, cups_dest_t* dest, cups_dinfo_t* info,
                                      const char* media) {
    if (!media)
        return std::nullopt;
    cups_size_t size{};
    QPageSize page = pageSizeForMedia(QString::fromUtf8(media));
    const QSizeF mm = page.size(QPageSize::Millimeter);
    // libcups counts in hundredths of a millimetre.
    const bool known =
        c.mediaByName(http, dest, info, media, CUPS_MEDIA_FLAGS_DEFAULT, &size) ||
        (page.isValid() && c.mediaBySize(http, dest, info, qRound(mm.width() * 100),
                                         qRound(mm.height() * 100), CUPS_MEDIA_FLAGS_DEFAULT, &size));
    if (!known && !page.isValid())
        return std::nullopt;
    QMarginsF margins;
    if (known) {
        const auto hundredths = [](int value) { return value / 100.0; };
        page = QPageSize(QSizeF(hundredths(size.width), hundredths(size.length)), QPageSize::Millimeter);
        margins = QMarginsF(hundredths(size.left), hundredths(size.top), hundredths(size.right),
                            hundredths(size.bottom));
    }
    return QPageLayout(page, QPageLayout::Portrait, margins, QPageLayout::Millimeter);
}

// The paper the job goes on: the user's own (lpoptions), else the queue's
// default, else the usual one where the user is.
QPageLayout paperFor(const Cups& c, http_t* http, cups_dest_t* dest, cups_dinfo_t* info) {
    if (auto own = paperNamed(c, http, dest, info, c.option("media", dest->num_options, dest->options)))
        return *own;
    if (auto queues =
            paperNamed(c, http, dest, info, c.string(c.findDefault(http, dest, info, "media"), 0, nullptr)))
        return *queues;
    QString locale;
    for (const char* variable : {"LC_ALL", "LC_PAPER", "LANG"})
        if (locale.isEmpty())
            locale = qEnvironmentVariable(variable);
    return QPageLayout(localePageSize(locale), QPageLayout::Portrait, QMarginsF());
}

// Lays the text out as a PDF in `pdf`, unless the job stops being wanted first.
bool layOut(PrintFile& pdf, const QString& text, const QString& title, const QPageLayout& paper,
            const Wait& wait) {
    if (!pdf.create())
        return false;
    {
        QPdfWriter writer(&pdf);
        writer.setTitle(title);
        writer.setPageLayout(paper);
        if (!printTextOn(writer, text, [&wait] { return wait.goOn(); }))
            return false;
    }
    return pdf.flush() && pdf.seek(0);
}

// Makes the job, sends the whole document and reads the server's answer to
// it: true only when the document was taken and the job neither aborted nor
// cancelled. `id` is the job's once it is made.
bool send(const Cups& c, http_t* http, cups_dest_t* dest, cups_dinfo_t* info, PrintFile& pdf,
          const QString& title, int& id) {
    const QByteArray name = title.toUtf8();
    // The destination's options carry the user's own defaults, as lp passes them.
    if (c.createJob(http, dest, info, &id, name.constData(), dest->num_options, dest->options) >
            IPP_STATUS_OK_EVENTS_COMPLETE ||
        id <= 0)
        return false;
    if (c.startDocument(http, dest, info, id, name.constData(), CUPS_FORMAT_PDF, 0, nullptr, 1) !=
        HTTP_STATUS_CONTINUE)
        return false;
    for (QByteArray chunk; !(chunk = pdf.read(1 << 16)).isEmpty();)
        if (c.write(http, chunk.constData(), static_cast<size_t>(chunk.size())) != HTTP_STATUS_CONTINUE)
            return false;
    if (!pdf.atEnd())
        return false;
    const QByteArray resource = QByteArrayLiteral("/printers/") + dest->name;
    ipp_t* answer = c.response(http, resource.constData());
    ipp_attribute_t* state = answer ? c.findAttribute(answer, "job-state", IPP_TAG_ENUM) : nullptr;
    const int jobState = state ? c.integer(state, 0) : IPP_JSTATE_PENDING;
    const bool taken = answer && c.lastError() <= IPP_STATUS_OK_EVENTS_COMPLETE &&
                       jobState != IPP_JSTATE_CANCELED && jobState != IPP_JSTATE_ABORTED;
    c.deleteAnswer(answer);
    return taken;
}

// Cancels a job that was made but failed, on a connection of its own, where
// the server still answers.
void cancel(const Cups& c, cups_dest_t* dest, int id) {
    Wait wait{QDeadlineTimer(CancelBoundMs), nullptr};
    if (http_t* http = connectFor(c, wait)) {
        c.cancelJob(http, dest, id);
        c.close(http);
    }
}

// A stopped queue would hold the job and one that refuses jobs would drop it:
// neither prints, so nothing is sent.
bool takesJobs(const Cups& c, cups_dest_t* dest) {
    return qstrcmp(c.option("printer-state", dest->num_options, dest->options), "5") != 0 &&
           qstrcmp(c.option("printer-is-accepting-jobs", dest->num_options, dest->options), "false") != 0;
}

} // namespace

bool DefaultPrinter::print(const QString& text, const QString& title) {
    PrintJob* job = PrintJob::current();
    Wait wait{job ? job->deadline() : QDeadlineTimer(PrintSystemBoundMs), job};
    const Cups& c = cups();
    if (!c.found)
        return false;
    http_t* http = connectFor(c, wait);
    if (!http)
        return false;
    // The user's default: PRINTER or LPDEST, then lpoptions, then the server's.
    cups_dest_t* dest = c.namedDest(http, nullptr, nullptr);
    cups_dinfo_t* info = dest && takesJobs(c, dest) ? c.copyInfo(http, dest) : nullptr;
    bool printed = false;
    if (info) {
        PrintFile pdf;
        int id = 0;
        // Nothing is sent for a job no longer wanted; a job given up while it
        // was being sent is taken back.
        printed = layOut(pdf, text, title, paperFor(c, http, dest, info), wait) && wait.goOn() &&
                  send(c, http, dest, info, pdf, title, id) && (!job || job->keep());
        if (!printed && id > 0)
            cancel(c, dest, id);
        c.freeInfo(info);
    }
    if (dest)
        c.freeDests(1, dest);
    c.close(http);
    return printed;
}

} // namespace vellimar
