#include "ui/platform.h"

#include <QEvent>
#include <QFileDialog>
#include <QInputDialog>
#include <QLabel>
#include <QLayout>
#include <QMessageBox>
#include <QScreen>
#include <QStyle>
#include <cstdio>
#include <cstdlib>

#include "ui/printing.h"

namespace vellimar {

const QString ApplicationTitle = QStringLiteral("Vellimar UPS Selector");

namespace {

// Qt wraps a message wider than half the screen and lets the window
// manager cut a title longer than the message. This box is as wide as its
// title with the title bar's icon and buttons, and breaks its text only where
// the text does, or where a line would not fit on the screen.
class MessageBox : public QMessageBox {
  protected:
    void showEvent(QShowEvent* event) override {
        QMessageBox::showEvent(event);
        widen();
    }
    // Qt sizes the box again whenever its layout changes.
    bool event(QEvent* event) override {
        const bool handled = QMessageBox::event(event);
        if (event->type() == QEvent::LayoutRequest && isVisible())
            widen();
        return handled;
    }

  private:
    void widen() {
        auto* label = findChild<QLabel*>(QStringLiteral("qt_msgbox_label"));
        if (!label || !screen())
            return;
        layout()->activate();
        const int around = layout()->totalMinimumSize().width() - label->minimumSizeHint().width();
        const int lines = label->fontMetrics().boundingRect(QRect(), 0, label->text()).width();
        QFont titleFont = font();
        titleFont.setBold(true);
        const int titleBar = style()->pixelMetric(QStyle::PM_TitleBarHeight, nullptr, this);
        // The title bar's icon and three buttons, about as wide as the bar is
        // high, and as much room again on either side of the title.
        const int title = QFontMetrics(titleFont).horizontalAdvance(windowTitle()) + 6 * titleBar;
        const int wide = qMax(title, qMin(around + lines, screen()->availableGeometry().width()));
        if (wide > width())
            setFixedSize(wide, layout()->hasHeightForWidth() ? layout()->totalHeightForWidth(wide)
                                                             : layout()->totalMinimumSize().height());
    }
};

class RealDialogs : public Dialogs {
  public:
    void message(const QString& text, const QString& title, MessageIcon icon) override {
        MessageBox box;
        box.setWindowTitle(title);
        box.setTextFormat(Qt::PlainText);
        box.setText(withLineFeeds(text));
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

    bool ask(const QString& text, const QString& title) override {
        MessageBox box;
        box.setWindowTitle(title);
        box.setTextFormat(Qt::PlainText);
        box.setText(withLineFeeds(text));
        box.setIcon(QMessageBox::Question);
        box.setStandardButtons(QMessageBox::Yes | QMessageBox::No);
        box.setDefaultButton(QMessageBox::No);
        return box.exec() == QMessageBox::Yes;
    }

    QString openFileName(const QString& title, const QString& filter) override {
        return QFileDialog::getOpenFileName(nullptr, title, QString(), filter);
    }

    QString saveFileName(const QString& title, const QString& name, const QString& filter,
                         const QString& suffix) override {
        QFileDialog dialog(nullptr, title, QString(), filter);
        dialog.setAcceptMode(QFileDialog::AcceptSave);
        dialog.setDefaultSuffix(suffix);
        dialog.selectFile(name);
        return dialog.exec() == QDialog::Accepted ? dialog.selectedFiles().value(0) : QString();
    }
};

class RealProcess : public Process {
  public:
    void end() override {
        finishPrinting();
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

PlatformInUse::PlatformInUse(const Platform& replacement) : previous_(current()) {
    current() = replacement;
}

PlatformInUse::~PlatformInUse() {
    current() = previous_;
}

void showMessage(const QString& text, MessageIcon icon) {
    platform().dialogs->message(text, ApplicationTitle, icon);
}

void showMessage(const std::string& text, MessageIcon icon) {
    showMessage(QString::fromStdString(text), icon);
}

QString withLineFeeds(QString text) {
    text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    text.replace(QLatin1Char('\r'), QLatin1Char('\n'));
    return text;
}

} // namespace vellimar
