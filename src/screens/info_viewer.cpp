#include "screens/info_viewer.h"

#include <QAction>
#include <QCloseEvent>
#include <QGuiApplication>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScreen>
#include <QScrollBar>

#include "core/product_info.h"
#include "core/run_state.h"
#include "screens/screens.h"
#include "ui/bitmaps.h"
#include "ui/look.h"
#include "ui/pdf_file.h"
#include "ui/platform.h"

namespace vellimar {

namespace {

// Left and top of the text box; its size follows the window at each showinfo.
constexpr int TextLeft = 300;
constexpr int TextTop = 345;

} // namespace

InfoViewer::InfoViewer(Screens& screens, const RunState& state)
    : QWidget(nullptr,
              Qt::Window | Qt::WindowTitleHint | Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint),
      screens_(screens), state_(state) {
    setObjectName(QStringLiteral("Form5"));
    setWindowTitle(QStringLiteral("Information Viewer"));
    setWindowIcon(applicationIcon());
    setFont(screenFont());
    markFocus(this);
    // Closing the viewer never ends the program, even when no other window
    // is left open.
    setAttribute(Qt::WA_QuitOnClose, false);
    // Maximized whichever way it is shown. Its normal place, where the window
    // manager restores it, is its laid-out size in the middle of the screen.
    resize(twips(6435), twips(4335));
    if (QScreen* primary = QGuiApplication::primaryScreen())
        move(primary->availableGeometry().center() - rect().center());
    setWindowState(Qt::WindowMaximized);

    infoText_ = makeControl<QPlainTextEdit>(this, "Text1", twipsRect(TextLeft, TextTop, 5985, 3990));
    infoText_->setFont(screenFont(Font::InfoText));
    infoText_->setLineWrapMode(QPlainTextEdit::NoWrap);
    infoText_->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    infoText_->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    // Tab goes on to the buttons, as in the other screens' text boxes.
    infoText_->setTabChangesFocus(true);
    infoText_->setAccessibleName(QStringLiteral("Product information"));
    // Qt tells screen readers no scroll bar's direction.
    infoText_->horizontalScrollBar()->setAccessibleName(QStringLiteral("Horizontal"));
    infoText_->verticalScrollBar()->setAccessibleName(QStringLiteral("Vertical"));
    infoText_->hide();

    printButton_ = makeControl<QPushButton>(this, "Command1", twipsRect(3255, 30, 1965, 315),
                                            QStringLiteral("Print This Document"));
    // Return presses a focused button here too, as on every other screen.
    printButton_->setAutoDefault(true);
    connect(printButton_, &QPushButton::clicked, this, &InfoViewer::printDocument);
    auto* save = new QAction(QStringLiteral("Save as PDF..."), this);
    save->setShortcut(QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_S));
    connect(save, &QAction::triggered, this, &InfoViewer::saveDocument);
    addAction(save);

    backButton_ =
        makeControl<QPushButton>(this, "Command2", twipsRect(5340, 15, 915, 330), QStringLiteral("Back"));
    backButton_->setAutoDefault(true);
    // Escape closes the viewer, as it closes any desktop's secondary window.
    backButton_->setShortcut(QKeySequence(Qt::Key_Escape));
    connect(backButton_, &QPushButton::clicked, this, &InfoViewer::back);

    modelLabel_ = makeControl<QLabel>(this, "Label2", twipsRect(90, 1575, 60, 300), QStringLiteral("Label2"));
    modelLabel_->setTextFormat(Qt::PlainText);
    modelLabel_->hide();

    noticeLabel_ = makeControl<QLabel>(this, "Label1", twipsRect(45, 45, 4605, 240),
                                       QStringLiteral("Product information for this model:"));
    noticeLabel_->setTextFormat(Qt::PlainText);
    setAccessibleDescription(noticeLabel_->text());
    // Labels lie beneath the buttons, which overlap the notice's area.
    noticeLabel_->lower();
    modelLabel_->lower();
}

void InfoViewer::setModelText(const QString& model) {
    model_ = model;
    modelLabel_->setText(model_);
}

void InfoViewer::showInfo() {
    const QString& model = model_;
    if (!opens_product_information(model.toStdString())) {
        screens_.closeInfoViewer(this);
        return;
    }

    // The window manager maximizes the window only after it is shown, so a
    // maximized viewer is measured by the screen it fills.
    QSize outer = frameGeometry().size();
    if (isMaximized() && screen())
        outer = screen()->availableGeometry().size();
    const int height = qMax(0, twips(outer.height() * 15 - 800));
    const int width = qMax(0, twips(outer.width() * 15 - 740));
    infoText_->setGeometry(twips(TextLeft), twips(TextTop), width, height);

    const char* file = state_.volts120() ? "prod120.txt" : "prod230.txt";
    const ProductSection section = read_model_information(state_.dataFile(file), model.toStdString());
    infoText_->setPlainText(withLineFeeds(QString::fromStdString(section.text)));
    infoText_->show();
    // Asked again from the results screen, the viewer comes back in front.
    raise();
    activateWindow();
    if (!section.ok)
        showMessage(section.error, MessageIcon::Critical);
}

void InfoViewer::saveDocument() {
    savePdf(infoText_->toPlainText(), ApplicationTitle + QStringLiteral(" – ") + model_,
            QString(model_).replace(QLatin1Char('/'), QLatin1Char('-')) + QStringLiteral(".pdf"));
}

void InfoViewer::printDocument() {
    // Named for the model, so that a printer that files its jobs keeps each sheet.
    printText(infoText_->toPlainText(), ApplicationTitle + QStringLiteral(" – ") + model_);
}

void InfoViewer::back() {
    screens_.closeInfoViewer(this);
}

void InfoViewer::closeEvent(QCloseEvent* event) {
    event->accept();
    screens_.closeInfoViewer(this);
}

} // namespace vellimar
