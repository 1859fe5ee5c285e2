#pragma once
// The print queue's side of a job, for the printer that carries it out.
#include <QDeadlineTimer>
#include <QTemporaryFile>
#include <QThread>
#include <atomic>

namespace vellimar {

class Printer;

// One job, run on a thread of its own by the print queue. Its bound starts
// when the thread does. When the bound is reached first the queue gives the
// job up and tells the user it failed; when the printer's work is confirmed
// first the printer keeps it. Only one of the two happens.
class PrintJob : public QThread {
  public:
    PrintJob(Printer* printer, QString text, QString title);

    // The job the calling thread runs; none outside the print queue.
    static PrintJob* current();

    QDeadlineTimer deadline() const { return deadline_; }
    // Whether the job is still wanted: not given up, and within its bound.
    bool wanted() const { return state_ == Running && !deadline_.hasExpired(); }
    bool givenUp() const { return state_ == GivenUp; }
    bool printed() const { return state_ == Kept; }
    // True when the job was given up here, false when the printer kept it.
    bool giveUp();
    // True when the job was kept here, false when it had been given up: a
    // printer that gets false undoes what it sent.
    bool keep();

  protected:
    void run() override;

  private:
    enum State { Running, GivenUp, Kept };
    Printer* printer_;
    QString text_;
    QString title_;
    QDeadlineTimer deadline_;
    std::atomic<State> state_{Running};
};

// A temporary file for a printout. However the program ends, none is left
// behind: see finishPrinting.
class PrintFile : public QTemporaryFile {
  public:
    ~PrintFile() override;
    // Creates and opens the file; false once the program is ending.
    bool create();
};

} // namespace vellimar
