#include "ui/printing_queue.h"

#include <QApplication>
#include <QFile>
#include <QMutex>
#include <QPointer>
#include <QQueue>
#include <QSocketNotifier>
#include <QStringList>
#include <QTimer>
#include <QWidget>
#include <cerrno>
#include <csignal>
#include <fcntl.h>
#include <memory>
#include <unistd.h>

#include "ui/platform.h"
#include "ui/printing.h"

namespace vellimar {

PrintJob::PrintJob(Printer* printer, QString text, QString title)
    : printer_(printer), text_(std::move(text)), title_(std::move(title)), deadline_(PrintSystemBoundMs) {}

PrintJob* PrintJob::current() {
    return dynamic_cast<PrintJob*>(QThread::currentThread());
}

bool PrintJob::giveUp() {
    State expected = Running;
    return state_.compare_exchange_strong(expected, GivenUp) || expected == GivenUp;
}

bool PrintJob::keep() {
    State expected = Running;
    return state_.compare_exchange_strong(expected, Kept) || expected == Kept;
}

void PrintJob::run() {
    if (printer_->print(text_, title_))
        keep();
}

namespace {

// The printouts' temporary files, for removal when the program ends.
struct PrintFiles {
    QMutex mutex;
    QStringList paths;
    bool ending = false;
};

PrintFiles& printFiles() {
    static PrintFiles files;
    return files;
}

void removePrintFiles() {
    PrintFiles& files = printFiles();
    const QMutexLocker lock(&files.mutex);
    files.ending = true;
    for (const QString& path : std::as_const(files.paths))
        QFile::remove(path);
}

} // namespace

bool PrintFile::create() {
    PrintFiles& files = printFiles();
    const QMutexLocker lock(&files.mutex);
    if (files.ending || !open())
        return false;
    files.paths.append(fileName());
    return true;
}

PrintFile::~PrintFile() {
    PrintFiles& files = printFiles();
    const QMutexLocker lock(&files.mutex);
    files.paths.removeOne(fileName());
}

namespace {

const QString Success = QStringLiteral("Successfully printed to default printer!");
const QString Failure = QStringLiteral("There was a problem printing to your printer.");

// A signal that ends the program is written here by its handler and acted on
// by the print queue between events: a handler may do next to nothing itself.
int signalPipe[2] = {-1, -1};
constexpr int EndingSignals[] = {SIGTERM, SIGHUP, SIGINT};

void passOn(int signal) {
    const int saved = errno;
    const char byte = static_cast<char>(signal);
    [[maybe_unused]] const ssize_t written = ::write(signalPipe[1], &byte, 1);
    errno = saved;
}

// Prints one job at a time, each on a thread of its own, so that the windows
// keep answering whatever the print system does; every press is one job and
// one message, in the order of the presses. A job the user was told failed
// is stopped before anything is sent, or cancelled; the next starts only
// once its thread has ended.
class PrintQueue : public QObject {
  public:
    explicit PrintQueue(QObject* parent) : QObject(parent) {
        bound_.setSingleShot(true);
        connect(&bound_, &QTimer::timeout, this, &PrintQueue::boundReached);
        watchEndingSignals();
    }

    ~PrintQueue() override {
        // Everything the job does ends within its bound.
        if (job_)
            job_->wait();
        for (int signal : EndingSignals) {
            struct sigaction now = {};
            if (sigaction(signal, nullptr, &now) == 0 && now.sa_handler == passOn)
                std::signal(signal, SIG_DFL);
        }
        ::close(signalPipe[0]);
        ::close(signalPipe[1]);
        signalPipe[0] = signalPipe[1] = -1;
    }

    void add(const QString& text, const QString& title) {
        waiting_.enqueue({text, title});
        if (!job_)
            startNext();
    }

    // The program ends as soon as this returns: the job under way gets what
    // is left of its bound, then is given up, and no printout's file stays
    // behind. The jobs waiting never start.
    void finish() {
        if (job_ && !job_->wait(job_->deadline()))
            job_->giveUp();
        removePrintFiles();
    }

    bool busy() const { return job_ != nullptr; }

  private:
    struct Waiting {
        QString text;
        QString title;
    };

    void startNext() {
        if (waiting_.isEmpty())
            return;
        const Waiting next = waiting_.dequeue();
        job_ = std::make_unique<PrintJob>(platform().printer, next.text, next.title);
        connect(job_.get(), &QThread::finished, this, &PrintQueue::jobEnded);
        bound_.start(job_->deadline().remainingTime());
        job_->start();
    }

    void boundReached() {
        if (job_ && job_->giveUp())
            showMessage(Failure);
    }

    void jobEnded() {
        bound_.stop();
        const std::unique_ptr<PrintJob> ended = std::move(job_);
        ended->wait();
        if (!ended->givenUp())
            showMessage(ended->printed() ? Success : Failure);
        startNext();
    }

    void watchEndingSignals() {
        if (signalPipe[0] >= 0 || ::pipe2(signalPipe, O_CLOEXEC | O_NONBLOCK) != 0)
            return;
        auto* notifier = new QSocketNotifier(signalPipe[0], QSocketNotifier::Read, this);
        connect(notifier, &QSocketNotifier::activated, this, [this] {
            char signal = 0;
            if (::read(signalPipe[0], &signal, 1) != 1)
                return;
            // No time for the job: the program ends now, as the signal asks.
            if (job_)
                job_->giveUp();
            removePrintFiles();
            std::signal(signal, SIG_DFL);
            std::raise(signal);
        });
        struct sigaction action = {};
        action.sa_handler = passOn;
        sigemptyset(&action.sa_mask);
        action.sa_flags = SA_RESTART | SA_RESETHAND; // a second signal ends the program at once
        for (int signal : EndingSignals) {
            struct sigaction before = {};
            // A signal the program was started to ignore (nohup) stays ignored.
            if (sigaction(signal, nullptr, &before) == 0 && before.sa_handler != SIG_IGN)
                sigaction(signal, &action, nullptr);
        }
    }

    QQueue<Waiting> waiting_;
    std::unique_ptr<PrintJob> job_;
    QTimer bound_;
};

// Made on the first print, owned by the application.
QPointer<PrintQueue> queue;

} // namespace

void printText(const QString& text, const QString& title) {
    if (!queue)
        queue = new PrintQueue(QCoreApplication::instance());
    queue->add(text, title);
}

void finishPrinting() {
    if (!queue)
        return;
    // The windows go at once; only the job may still take a while.
    if (queue->busy())
        for (QWidget* window : QApplication::topLevelWidgets())
            window->hide();
    queue->finish();
}

} // namespace vellimar
