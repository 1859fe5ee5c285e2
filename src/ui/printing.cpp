#include "ui/printing.h"

#include <QDeadlineTimer>
#include <QElapsedTimer>
#include <QFile>
#include <QFontMetricsF>
#include <QLibrary>
#include <QPageLayout>
#include <QPainter>
#include <QPdfWriter>
#include <QQueue>
#include <QTemporaryFile>
#include <QTextLayout>
#include <QTimer>
#include <QtMath>
#include <cups/cups.h>
#include <future>
#include <thread>

namespace vellimar {

namespace {

// A quarter inch, the offset the printout starts with.
constexpr int OffsetTwips = 360;

// The part of libcups the printer uses. It is looked up only when something
// is printed: linked to the program, it and the score of libraries it needs
// were loaded at every start.
struct Cups {
    decltype(&::cupsServer) server = nullptr;
    decltype(&::ippPort) port = nullptr;
    decltype(&::cupsEncryption) encryption = nullptr;
    decltype(&::httpConnect2) connect = nullptr;
    decltype(&::httpSetTimeout) setTimeout = nullptr;
    decltype(&::httpClose) close = nullptr;
    decltype(&::cupsGetNamedDest) namedDest = nullptr;
    decltype(&::cupsGetOption) option = nullptr;
    decltype(&::cupsFreeDests) freeDests = nullptr;
    decltype(&::cupsCopyDestInfo) copyInfo = nullptr;
    decltype(&::cupsFindDestDefault) findDefault = nullptr;
    decltype(&::ippGetString) string = nullptr;
    decltype(&::cupsGetDestMediaByName) mediaByName = nullptr;
    decltype(&::cupsFreeDestInfo) freeInfo = nullptr;
    decltype(&::cupsPrintFile2) printFile = nullptr;
    bool found = true; // until a function is missing
};

template <typename Function>
void lookUp(QLibrary& library, const char* name, Function& function, bool& found) {
    function = reinterpret_cast<Function>(library.resolve(name));
    found = found && function;
}

const Cups& cups() {
    static const Cups found = [] {
        Cups c;
        QLibrary library(QStringLiteral("cups"), 2);
        lookUp(library, "cupsServer", c.server, c.found);
        lookUp(library, "ippPort", c.port, c.found);
        lookUp(library, "cupsEncryption", c.encryption, c.found);
        lookUp(library, "httpConnect2", c.connect, c.found);
        lookUp(library, "httpSetTimeout", c.setTimeout, c.found);
        lookUp(library, "httpClose", c.close, c.found);
        lookUp(library, "cupsGetNamedDest", c.namedDest, c.found);
        lookUp(library, "cupsGetOption", c.option, c.found);
        lookUp(library, "cupsFreeDests", c.freeDests, c.found);
        lookUp(library, "cupsCopyDestInfo", c.copyInfo, c.found);
        lookUp(library, "cupsFindDestDefault", c.findDefault, c.found);
        lookUp(library, "ippGetString", c.string, c.found);
        lookUp(library, "cupsGetDestMediaByName", c.mediaByName, c.found);
        lookUp(library, "cupsFreeDestInfo", c.freeInfo, c.found);
        lookUp(library, "cupsPrintFile2", c.printFile, c.found);
        return c;
    }();
    return found;
}

// libcups asks this each time a wait on the server has gone a tenth of a
// second without an answer: it goes on waiting until the deadline.
int keepWaiting(http_t*, void* deadline) {
    return !static_cast<const QDeadlineTimer*>(deadline)->hasExpired();
}

// The paper the job goes on, the user's own default before the queue's, and
// its printable area; A4 where neither is known.
QPageLayout defaultPage(const Cups& c, http_t* http, cups_dest_t* dest) {
    cups_size_t size{};
    cups_dinfo_t* info = c.copyInfo(http, dest);
    const char* media = c.option("media", dest->num_options, dest->options);
    if (!media && info)
        media = c.string(c.findDefault(http, dest, info, "media"), 0, nullptr);
    const bool known =
        info && media && c.mediaByName(http, dest, info, media, CUPS_MEDIA_FLAGS_DEFAULT, &size);
    if (info)
        c.freeInfo(info);
    if (!known)
        return QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait, QMarginsF());
    // libcups gives hundredths of a millimetre.
    const auto mm = [](int hundredths) { return hundredths / 100.0; };
    return QPageLayout(
        QPageSize(QSizeF(mm(size.width), mm(size.length)), QPageSize::Millimeter), QPageLayout::Portrait,
        QMarginsF(mm(size.left), mm(size.top), mm(size.right), mm(size.bottom)), QPageLayout::Millimeter);
}

// Lays the text out on the destination's paper and hands it over as one job.
bool printOn(const Cups& c, http_t* http, cups_dest_t* dest, const QString& text, const QString& title) {
    // A stopped queue would hold the job and one that refuses jobs would drop
    // it: neither prints, so nothing is sent.
    if (qstrcmp(c.option("printer-state", dest->num_options, dest->options), "5") == 0 ||
        qstrcmp(c.option("printer-is-accepting-jobs", dest->num_options, dest->options), "false") == 0)
        return false;
    QTemporaryFile pdf;
    if (!pdf.open())
        return false;
    {
        QPdfWriter writer(&pdf);
        writer.setTitle(title);
        writer.setPageLayout(defaultPage(c, http, dest));
        if (!printTextOn(writer, text))
            return false;
    }
    if (!pdf.flush())
        return false;
    // The destination's options carry the user's own defaults, as lp passes them.
    return c.printFile(http, dest->name, QFile::encodeName(pdf.fileName()).constData(),
                       title.toUtf8().constData(), dest->num_options, dest->options) != 0;
}

// The outcome of the job under way: made and handed over on a thread of its
// own, so that the windows keep answering whatever the print system does.
// A job asked for meanwhile waits its turn, so that every press is one job
// and one message, as when presses queued up behind a printout made inside
// the click handler.
class PrintJobs {
  public:
    PrintJobs() {
        poll_.setInterval(50);
        QObject::connect(&poll_, &QTimer::timeout, [this] { check(); });
    }

    void add(const QString& text, const QString& title) {
        waiting_.enqueue({text, title});
        if (!busy_)
            startNext();
    }

  private:
    struct Job {
        QString text;
        QString title;
    };

    void startNext() {
        busy_ = !waiting_.isEmpty();
        if (!busy_)
            return;
        std::packaged_task<bool()> task([printer = platform().printer, job = waiting_.dequeue()] {
            return printer->print(job.text, job.title);
        });
        outcome_ = task.get_future();
        // Detached: a print system that never answers must not keep the
        // program from ending.
        std::thread(std::move(task)).detach();
        started_.start();
        poll_.start();
    }

    void check() {
        const bool done = outcome_.wait_for(std::chrono::seconds(0)) == std::future_status::ready;
        // The printer bounds its own requests; a job past that and a margin
        // is given up whatever it is waiting for.
        if (!done && !started_.hasExpired(PrintSystemBoundMs + 3000))
            return;
        poll_.stop();
        if (done && outcome_.get())
            showMessage(QStringLiteral("Successfully printed to default printer!"));
        else
            showMessage(QStringLiteral("There was a problem printing to your printer."));
        outcome_ = {};
        startNext();
    }

    QQueue<Job> waiting_;
    bool busy_ = false;
    std::future<bool> outcome_;
    QElapsedTimer started_;
    QTimer poll_;
};

} // namespace

bool printTextOn(QPagedPaintDevice& device, const QString& text) {
    QPainter painter;
    if (!painter.begin(&device))
        return false;

    const QFont font = painter.font();
    const int offset = device.logicalDpiX() * OffsetTwips / 1440;
    const qreal lineWidth = qMax(1, device.width() - offset);
    const qreal pageHeight = device.height();

    QTextOption option;
    option.setWrapMode(QTextOption::WrapAtWordBoundaryOrAnywhere);
    option.setTabStopDistance(QFontMetricsF(font, &device).horizontalAdvance(QLatin1Char(' ')) * 8);

    QStringList lines = withLineFeeds(text + QStringLiteral("\n")).split(QLatin1Char('\n'));
    lines.removeLast(); // what follows the final line end
    // Blank lines at the very end take no paper: they never start a page.
    while (!lines.isEmpty() && lines.last().trimmed().isEmpty())
        lines.removeLast();

    bool paged = true;
    qreal y = 0;
    for (const QString& lineText : lines) {
        QTextLayout layout(lineText, font, &device);
        layout.setTextOption(option);
        layout.setCacheEnabled(true);
        layout.beginLayout();
        for (QTextLine line = layout.createLine(); line.isValid(); line = layout.createLine()) {
            line.setLeadingIncluded(true);
            line.setLineWidth(lineWidth);
            line.setPosition(QPointF(0, 0));
        }
        layout.endLayout();
        for (int i = 0; i < layout.lineCount(); ++i) {
            QTextLine line = layout.lineAt(i);
            const qreal height = qCeil(line.height());
            if (y > 0 && y + height > pageHeight) {
                paged = paged && device.newPage();
                y = 0;
            }
            line.draw(&painter, QPointF(offset, y));
            y += height;
        }
    }
    return painter.end() && paged;
}

bool DefaultPrinter::print(const QString& text, const QString& title) {
    const Cups& c = cups();
    if (!c.found)
        return false;
    QDeadlineTimer deadline(PrintSystemBoundMs);
    // Connecting, too, ends at the deadline.
    http_t* http = c.connect(c.server(), c.port(), nullptr, AF_UNSPEC, c.encryption(), 1,
                             static_cast<int>(deadline.remainingTime()), nullptr);
    if (!http)
        return false;
    c.setTimeout(http, 0.1, keepWaiting, &deadline);
    // The user's default: PRINTER or LPDEST, then lpoptions, then the server's.
    cups_dest_t* dest = c.namedDest(http, nullptr, nullptr);
    const bool printed = dest && printOn(c, http, dest, text, title);
    if (dest)
        c.freeDests(1, dest);
    c.close(http);
    return printed;
}

void printText(const QString& text, const QString& title) {
    // Made on first use, after the application, and never destroyed: a job
    // may still be under way when the program ends.
    static PrintJobs* const jobs = new PrintJobs;
    jobs->add(text, title);
}

} // namespace vellimar
