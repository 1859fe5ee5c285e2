// a11y_tree DATA_DIR: goes through the typical run of the real screens on the
// data in DATA_DIR and prints, at each step, what screen readers are given of
// every window shown: each accessible object's role, name, description,
// value, states, actions, relations, layout name and place, in tree order.
// Run before and after a change to the screens and compare the two outputs:
// a difference is something a screen reader user hears differently.
//
// a11y_tree --tab-order DATA_DIR: the same run, printing instead, for each
// window the first time it has the keyboard, the controls Tab goes round
// (from the first one Tab reaches on arriving), each as its accessible name
// and role: what a screen reader announces at each Tab. A control that takes
// the keyboard on a click but that the keyboard cannot reach is named, and
// makes the exit status 1.
#include <QAccessible>
#include <QApplication>
#include <QComboBox>
#include <QListWidget>
#include <QMetaEnum>
#include <QRadioButton>
#include <QTest>
#include <QTextStream>
#include <algorithm>
#include <cstdlib>

#include "app/application.h"
#include "ui/platform.h"

using namespace vellimar;

namespace {

QTextStream out(stdout);

// Message boxes and input boxes become lines of the output: what a screen
// reader would read of them, without waiting for a user.
class PrintedDialogs : public Dialogs {
  public:
    void message(const QString& text, const QString& title, MessageIcon) override {
        out << "message box " << title << ": " << QString(text).replace(QLatin1Char('\r'), QLatin1Char('|'))
            << "\n";
    }
    QString input(const QString& prompt, const QString& title, const QString&) override {
        out << "input box " << title << ": " << prompt << "\n";
        return {};
    }
    bool ask(const QString& text, const QString& title) override {
        out << "question " << title << ": " << text << "\n";
        return false;
    }
    QString openFileName(const QString& title, const QString&) override {
        out << "file dialog " << title << "\n";
        return {};
    }
    QString saveFileName(const QString& title, const QString&, const QString&, const QString&) override {
        out << "file dialog " << title << "\n";
        return {};
    }
};

QString states(const QAccessible::State& state) {
    const std::pair<bool, const char*> all[] = {
        {state.invisible, "invisible"}, {state.focusable, "focusable"}, {state.focused, "focused"},
        {state.checkable, "checkable"}, {state.checked, "checked"},     {state.selected, "selected"},
        {state.editable, "editable"},   {state.readOnly, "read-only"},  {state.disabled, "disabled"}};
    QStringList names;
    for (const auto& [set, name] : all)
        if (set)
            names << QLatin1String(name);
    return names.join(QLatin1Char(','));
}

void printTree(QAccessibleInterface* node, int depth) {
    if (!node || !node->isValid())
        return;
    static const QMetaEnum roles = QMetaEnum::fromType<QAccessible::Role>();
    QStringList relations;
    for (const auto& [other, relation] : node->relations())
        relations << QString::number(relation) + QLatin1Char(':') + other->text(QAccessible::Name);
    const QRect place = node->rect();
    out << QString(depth * 2, QLatin1Char(' ')) << roles.valueToKey(node->role()) << " ["
        << node->text(QAccessible::Name) << "] description [" << node->text(QAccessible::Description)
        << "] value [" << node->text(QAccessible::Value) << "] " << states(node->state()) << " actions {"
        << (node->actionInterface() ? node->actionInterface()->actionNames().join(QLatin1Char(','))
                                    : QString())
        << "} relations {" << relations.join(QLatin1Char(';')) << "} "
        << (node->object() ? node->object()->objectName() : QString()) << " " << place.x() << "," << place.y()
        << " " << place.width() << "x" << place.height() << "\n";
    for (int i = 0; i < node->childCount(); ++i)
        printTree(node->child(i), depth + 1);
}

// Whether a window had a control that the keyboard cannot reach.
bool keyboardMissesControls = false;

// Presses Tab in the active window until the focus comes round again.
void printTabOrder() {
    QApplication::processEvents();
    QWidget* window = QApplication::activeWindow();
    static QStringList printed;
    if (!window || printed.contains(window->objectName()))
        return;
    printed << window->objectName();
    out << "=== " << window->objectName() << "\n";
    QWidgetList order;
    for (QWidget* at = window;;) {
        QTest::keyClick(at, Qt::Key_Tab);
        at = window->focusWidget();
        if (!at || order.contains(at))
            break;
        order << at;
    }
    // A cycle: begin it where the first Tab of a window without focus lands.
    QWidget* first = window->nextInFocusChain();
    while (!order.isEmpty() && !order.contains(first))
        first = first->nextInFocusChain();
    std::rotate(order.begin(), order.begin() + std::max<qsizetype>(0, order.indexOf(first)), order.end());
    static const QMetaEnum roles = QMetaEnum::fromType<QAccessible::Role>();
    for (QWidget* control : order) {
        QAccessibleInterface* node = QAccessible::queryAccessibleInterface(control);
        out << node->text(QAccessible::Name) << "\t" << roles.valueToKey(node->role()) << "\n";
    }
    // A control a click gives the keyboard to, but that neither Tab reaches
    // nor the arrow keys from an option button of its group, is out of reach
    // of those who have no mouse.
    const auto reached = [&order](const QWidget* control) {
        return std::any_of(order.begin(), order.end(), [control](const QWidget* stop) {
            return stop == control || stop->isAncestorOf(control) ||
                   (qobject_cast<const QRadioButton*>(stop) && qobject_cast<const QRadioButton*>(control) &&
                    stop->parentWidget() == control->parentWidget());
        });
    };
    for (const QWidget* control : window->findChildren<QWidget*>())
        if (control->isVisible() && control->isEnabled() && control->focusPolicy() != Qt::NoFocus &&
            !reached(control)) {
            out << "not reached by Tab: " << control->objectName() << "\n";
            keyboardMissesControls = true;
        }
    out.flush();
}

bool tabOrderOnly = false;

void printStep(const char* step) {
    if (tabOrderOnly)
        return printTabOrder();
    QApplication::processEvents();
    out << "=== " << step << "\n";
    QWidgetList windows = QApplication::topLevelWidgets();
    std::sort(windows.begin(), windows.end(),
              [](const QWidget* a, const QWidget* b) { return a->objectName() < b->objectName(); });
    for (QWidget* window : windows)
        if (window->isVisible() && !window->objectName().isEmpty())
            printTree(QAccessible::queryAccessibleInterface(window), 0);
    out.flush();
}

// The control with layout name `name` on a window shown.
template <typename W = QWidget> W* shownControl(const char* name) {
    for (QWidget* window : QApplication::topLevelWidgets())
        if (W* found = window->isVisible() ? window->findChild<W*>(QLatin1String(name)) : nullptr)
            return found;
    out << "no control " << name << " is shown\n";
    out.flush();
    std::exit(1);
}

void click(const char* name) {
    QWidget* control = shownControl(name);
    QWidget* window = control->window();
    QTest::mouseClick(window->windowHandle(), Qt::LeftButton, {},
                      control->mapTo(window, control->rect().center()));
    // Past the double-click interval, so that the next click counts.
    QTest::qWait(QApplication::doubleClickInterval() + 100);
}

} // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    QStringList arguments = QApplication::arguments();
    tabOrderOnly = arguments.removeAll(QStringLiteral("--tab-order")) > 0;
    if (arguments.size() != 2) {
        QTextStream(stderr) << "Usage: a11y_tree [--tab-order] DATA_DIR\n";
        return 2;
    }
    setupApplication(app);
    PrintedDialogs dialogs;
    const PlatformInUse printedDialogs({&dialogs, platform().printer, platform().process});
    SelectorRun run;
    useDataFolder(run.state, arguments.at(1));
    startSelector(run.screens);
    printStep("category menu");
    click("Image2"); // Network Server
    printStep("model picker");
    shownControl<QListWidget>("manuf")->setCurrentRow(0);
    shownControl<QListWidget>("model")->setCurrentRow(0);
    printStep("model picker, first model of the first maker chosen");
    click("Image7"); // Next
    printStep("load list");
    shownControl<QComboBox>("Combo1")->setCurrentIndex(2);
    click("Option2"); // 230 V
    printStep("load list, 230 V and the third runtime chosen");
    click("Image4"); // Suggest a UPS
    printStep("results");
    click("Image7"); // the fourth class's information
    printStep("information viewer");
    click("Command2"); // Back
    click("Image1");   // Modify Criteria
    click("Image2");   // Add Another Item
    click("Image1");   // General Computer / Workstation
    printStep("general computer estimator");
    // The screens are not taken down one by one: the run ends here.
    std::_Exit(keyboardMissesControls ? 1 : 0);
}
