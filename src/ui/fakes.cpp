#include "ui/fakes.h"

namespace vellimar {

void FakeDialogs::message(const QString& text, const QString& title, MessageIcon icon) {
    messages.append({text, title, icon});
}

QString FakeDialogs::input(const QString& prompt, const QString& title, const QString&) {
    prompts.append(prompt + QLatin1Char('|') + title);
    return answers_.isEmpty() ? QString() : answers_.takeFirst();
}

bool FakePrinter::print(const QString& text, const QString& title) {
    if (!available)
        return false;
    jobs.append(text);
    titles.append(title);
    return true;
}

FakePlatform::FakePlatform() : previous_(swapPlatform({&dialogs, &printer, &process})) {}

FakePlatform::~FakePlatform() {
    swapPlatform(previous_);
}

} // namespace vellimar
