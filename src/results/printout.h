#pragma once
// Printing from the results screen and the product information viewer.
#include <QString>
#include <QStringList>

class QLabel;

namespace vellimar {

// Prints `text` on the default printer and tells the user whether it worked.
void print_document(const QString& text);

// The results page for the given total, runtime and seven model texts.
QString results_page(const QString& total, const QString& runtime, const QStringList& models);

// Prints the results page and tells the user whether it worked.
void print_results(const QString& total, const QString& runtime, const QStringList& models);
// The same, reading the model texts from the seven model labels.
void print_results(const QString& total, const QString& runtime, QLabel* const (&models)[7]);

} // namespace vellimar
