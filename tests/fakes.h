#pragma once
// Stand-ins for the platform seams, for tests and benchmarks: they record
// what the program asked and answer from a script.
#include <QList>
#include <QString>
#include <QStringList>
#include <ostream>

#include "ui/platform.h"

// Readable values in failure messages.
inline std::ostream& operator<<(std::ostream& out, const QString& text) {
    return out << '"' << text.toStdString() << '"';
}
inline void PrintTo(const QString& text, std::ostream* out) {
    *out << text;
}

namespace vellimar {

struct ShownMessage {
    QString text;
    QString title;
    MessageIcon icon;
};

class FakeDialogs : public Dialogs {
  public:
    void message(const QString& text, const QString& title, MessageIcon icon) override {
        messages.append({text, title, icon});
    }
    // Answers with what answerNextInput gave, else as if cancelled.
    QString input(const QString& prompt, const QString& title, const QString&) override {
        prompts.append(prompt + QLatin1Char('|') + title);
        return answers_.isEmpty() ? QString() : answers_.takeFirst();
    }
    void answerNextInput(const QString& answer) { answers_.append(answer); }
    QStringList texts() const { // of the messages, in order
        QStringList texts;
        for (const ShownMessage& shown : messages)
            texts.append(shown.text);
        return texts;
    }
    // Answers No unless answerNextAsk said Yes.
    bool ask(const QString& text, const QString&) override {
        prompts.append(text);
        return !asks_.isEmpty() && asks_.takeFirst();
    }
    void answerNextAsk(bool yes) { asks_.append(yes); }
    // Answer with what answerNextFile gave, else as if cancelled.
    QString openFileName(const QString& title, const QString&) override { return nextFile(title); }
    QString saveFileName(const QString& title, const QString& name, const QString&, const QString&) override {
        return nextFile(title + QLatin1Char('|') + name);
    }
    void answerNextFile(const QString& path) { files_.append(path); }

    QList<ShownMessage> messages;
    QStringList prompts;     // prompt and title of each input box, as "prompt|title", and each question
    QStringList fileDialogs; // title of each file dialog, and the name a save dialog suggested

  private:
    QString nextFile(const QString& dialog) {
        fileDialogs.append(dialog);
        return files_.isEmpty() ? QString() : files_.takeFirst();
    }
    QStringList answers_;
    QList<bool> asks_;
    QStringList files_;
};

// Called on the print thread; read what it recorded once the message is shown.
class FakePrinter : public Printer {
  public:
    bool print(const QString& text, const QString& title) override {
        if (available)
            jobs.append(text), titles.append(title);
        return available;
    }
    bool available = true;
    QStringList jobs;
    QStringList titles;
};

class FakeProcess : public Process {
  public:
    void end() override { ++ends; }
    int ends = 0;
};

// The fakes in place of the platform for as long as it lives.
struct FakePlatform {
    FakeDialogs dialogs;
    FakePrinter printer;
    FakeProcess process;
    PlatformInUse inUse{{&dialogs, &printer, &process}};
};

} // namespace vellimar
