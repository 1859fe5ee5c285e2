#include "ui/pdf_file.h"

#include <QPageLayout>
#include <QPageSize>
#include <QPdfWriter>
#include <QSaveFile>

#include "ui/platform.h"
#include "ui/printing.h"

namespace vellimar {

bool writePdf(const QString& path, const QString& text, const QString& title, QString& error) {
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly)) {
        error = file.errorString();
        return false;
    }
    bool laidOut = false;
    {
        QPdfWriter writer(&file);
        writer.setTitle(title);
        writer.setCreator(ApplicationTitle);
        writer.setPageLayout(QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait, QMarginsF()));
        laidOut = printTextOn(writer, text);
    }
    if (!laidOut) {
        file.cancelWriting();
        error = QStringLiteral("the page could not be laid out");
        return false;
    }
    if (!file.commit()) {
        error = file.errorString();
        return false;
    }
    return true;
}

void savePdf(const QString& text, const QString& title, const QString& name) {
    const QString path = platform().dialogs->saveFileName(
        QStringLiteral("Save as PDF"), name, QStringLiteral("PDF files (*.pdf)"), QStringLiteral("pdf"));
    QString error;
    if (!path.isEmpty() && !writePdf(path, text, title, error))
        showMessage(QStringLiteral("The PDF file \"%1\" could not be written: %2.").arg(path, error),
                    MessageIcon::Critical);
}

} // namespace vellimar
