#pragma once
// Saving a printed page as a PDF file instead of printing it.
#include <QString>

namespace vellimar {

// Writes `text` to the PDF file at `path` as the printer prints it, titled
// `title`, on A4. The file is written aside and put in place whole. False,
// with `error` saying why, when it could not be written.
bool writePdf(const QString& path, const QString& text, const QString& title, QString& error);

// Asks for a file with the standard save dialog (`name` suggested) and
// writes the page there; a failure is said in a message.
void savePdf(const QString& text, const QString& title, const QString& name);

} // namespace vellimar
