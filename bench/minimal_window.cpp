// The floor for start-up: a Qt Widgets program that shows one empty window
// with the selector's title, built with the same compiler and Qt.
#include <QApplication>
#include <QWidget>

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QWidget window;
    window.setWindowTitle(QStringLiteral("Vellimar UPS Selector"));
    window.resize(301, 326);
    window.show();
    return app.exec();
}
