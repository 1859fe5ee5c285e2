#pragma once
// Stand-ins for the platform seams, for tests and benchmarks: they record
// what the program asked and answer from a script.
#include <QList>
#include <QString>
#include <QStringList>

#include "ui/platform.h"

namespace vellimar {

struct ShownMessage {
    QString text;
    QString title;
    MessageIcon icon;
};

class FakeDialogs : public Dialogs {
  public:
    void message(const QString& text, const QString& title, MessageIcon icon) override;
    QString input(const QString& prompt, const QString& title, const QString& initial) override;

    // The answer to the next input box; without one the box is cancelled.
    void answerNextInput(const QString& answer) { answers_.append(answer); }

    QList<ShownMessage> messages;
    QStringList prompts; // prompt and title of each input box, as "prompt|title"

  private:
    QStringList answers_;
};

class FakePrinter : public Printer {
  public:
    // Called on the print thread; read what it recorded once the message is shown.
    bool print(const QString& text, const QString& title) override;
    bool available = true;
    QStringList jobs;
    QStringList titles;
};

class FakeProcess : public Process {
  public:
    void end() override { ++ends; }
    int ends = 0;
};

// Swaps the fakes in for as long as it lives.
class FakePlatform {
  public:
    FakePlatform();
    ~FakePlatform();
    FakePlatform(const FakePlatform&) = delete;
    FakePlatform& operator=(const FakePlatform&) = delete;

    FakeDialogs dialogs;
    FakePrinter printer;
    FakeProcess process;

  private:
    Platform previous_;
};

} // namespace vellimar
