#include "results/form5.h"

#include <QCloseEvent>
#include <QGuiApplication>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>

#include "loadlist/form1.h"
#include "results/printout.h"
#include "core/product_info.h"
#include "shell/bitmaps.h"
#include "shell/look.h"
#include "shell/platform.h"
#include "shell/screens.h"

namespace vellimar {

namespace {

// Left and top of the text box; its size follows the window at each showinfo.
constexpr int TextLeft = 300;
constexpr int TextTop = 345;

// Closes `viewer` unless the registry has already let it go.
void close_viewer(const Form5* viewer) {
    if (screens::exists(5) && &screens::form5() == viewer)
        screens::close_form5();
}

} // namespace

Form5::Form5()
    : QWidget(nullptr,
              Qt::Window | Qt::WindowTitleHint | Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint) {
    setObjectName(QStringLiteral("Form5"));
    setWindowTitle(QStringLiteral("Information Viewer"));
    setWindowIcon(application_icon());
    setFont(screen_font());
    // Closing the viewer never ends the program, even when no other window
    // is left open.
    setAttribute(Qt::WA_QuitOnClose, false);
    // Maximized whichever way it is shown. Its normal size is the work area
    // too, so that it fills the screen even where no window manager
    // maximizes it.
    if (QScreen* primary = QGuiApplication::primaryScreen())
        setGeometry(primary->availableGeometry());
    else
        resize(twips(6435), twips(4335));
    setWindowState(Qt::WindowMaximized);

    Text1 = make_control<QPlainTextEdit>(this, "Text1", twipsRect(TextLeft, TextTop, 5985, 3990));
    Text1->setFont(screen_font(9.75, Regular, QStringLiteral("Arial")));
    Text1->setLineWrapMode(QPlainTextEdit::NoWrap);
    Text1->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    Text1->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    // Tab goes on to the buttons, as in the other screens' text boxes.
    Text1->setTabChangesFocus(true);
    Text1->setAccessibleName(QStringLiteral("Product information"));
    Text1->hide();

    Command1 = make_control<QPushButton>(this, "Command1", twipsRect(3255, 30, 1965, 315),
                                         QStringLiteral("Print This Document"));
    connect(Command1, &QPushButton::clicked, this, &Form5::Command1_Click);

    Command2 =
        make_control<QPushButton>(this, "Command2", twipsRect(5340, 15, 915, 330), QStringLiteral("Back"));
    connect(Command2, &QPushButton::clicked, this, &Form5::Command2_Click);

    setTabOrder(Text1, Command1);
    setTabOrder(Command1, Command2);

    Label2 = make_control<QLabel>(this, "Label2", twipsRect(90, 1575, 60, 300), QStringLiteral("Label2"));
    Label2->setTextFormat(Qt::PlainText);
    Label2->hide();

    Label1 = make_control<QLabel>(this, "Label1", twipsRect(45, 45, 4605, 240),
                                  QStringLiteral("Product information for this model:"));
    Label1->setTextFormat(Qt::PlainText);
    // Labels lie beneath the buttons, which overlap the notice's area.
    Label1->lower();
    Label2->lower();
}

void Form5::showinfo() {
    const QString model = Label2->text();
    if (model.size() < 3) {
        close_viewer(this);
        return;
    }

    // The window manager maximizes the window only after it is shown, so a
    // maximized viewer is measured by the screen it fills.
    QSize outer = frameGeometry().size();
    if (isMaximized() && screen())
        outer = screen()->availableGeometry().size();
    const int height = qMax(0, twips(outer.height() * 15 - 800));
    const int width = qMax(0, twips(outer.width() * 15 - 740));
    Text1->setGeometry(twips(TextLeft), twips(TextTop), width, height);

    const char* file = screens::form1().Option1->isChecked() ? "prod120.txt" : "prod230.txt";
    const ProductSection section = read_product_section(DataPrefix + file, family_key(model.toStdString()));
    QString text = QString::fromStdString(section.text);
    text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    Text1->setPlainText(text);
    Text1->show();
    // Asked again from the results screen, the viewer comes back in front.
    raise();
    activateWindow();
    if (!section.ok)
        show_message(QString::fromStdString(section.error), MessageIcon::Critical);
}

void Form5::Command1_Click() {
    QString text = Text1->toPlainText();
    text.replace(QLatin1Char('\n'), QStringLiteral("\r\n"));
    print_document(text);
}

void Form5::Command2_Click() {
    close_viewer(this);
}

void Form5::closeEvent(QCloseEvent* event) {
    event->accept();
    close_viewer(this);
}

} // namespace vellimar
