#include "results/form5.h"

#include <QLabel>

namespace vellimar {

Form5::Form5() {
    setObjectName(QStringLiteral("Form5"));
    setWindowTitle(QStringLiteral("Information Viewer"));
    Label2 = new QLabel(QStringLiteral("Label2"), this);
    Label2->setObjectName(QStringLiteral("Label2"));
    Label2->setTextFormat(Qt::PlainText);
    Label2->hide();
}

void Form5::showinfo() {}

} // namespace vellimar
