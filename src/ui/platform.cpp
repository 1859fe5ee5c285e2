#include "ui/platform.h"

#include <QInputDialog>
#include <QMessageBox>
#include <cstdio>
#include <cstdlib>

#include "ui/printing.h"

namespace vellimar {

const QString ApplicationTitle = QStringLiteral("Vellimar UPS Selector");

namespace {

class RealDialogs : public Dialogs {
  public:
    void message(const QString& text, const QString& title, MessageIcon icon) override {
        QMessageBox box;
        box.setWindowTitle(title);
        box.setTextFormat(Qt::PlainText);
        box.setText(with_line_feeds(text));
        box.setIcon(icon == MessageIcon::Critical      ? QMessageBox::Critical
                    : icon == MessageIcon::Information ? QMessageBox::Information
                                                       : QMessageBox::NoIcon);
        box.setStandardButtons(QMessageBox::Ok);
        box.exec();
    }

    QString input(const QString& prompt, const QString& title, const QString& initial) override {
        bool ok = false;
        QString text = QInputDialog::getText(nullptr, title, prompt, QLineEdit::Normal, initial, &ok);
        return ok ? text : QString();
    }
};

class RealProcess : public Process {
  public:
    void end() override {
        std::fflush(nullptr);
        std::_Exit(0);
    }
};

Platform& current() {
    static RealDialogs dialogs;
    static DefaultPrinter printer;
    static RealProcess process;
    static Platform platform{&dialogs, &printer, &process};
    return platform;
}

} // namespace

Platform& platform() {
    return current();
}

Platform swap_platform(const Platform& replacement) {
    Platform previous = current();
    current() = replacement;
    return previous;
}

void show_message(const QString& text, MessageIcon icon) {
    platform().dialogs->message(text, ApplicationTitle, icon);
}

void show_message(const std::string& text, MessageIcon icon) {
    show_message(QString::fromStdString(text), icon);
}

QString with_line_feeds(QString text) {
    text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    text.replace(QLatin1Char('\r'), QLatin1Char('\n'));
    return text;
}

} // namespace vellimar
