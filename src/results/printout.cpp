#include "results/printout.h"

#include <QLabel>
#include <array>

#include "core/results_page.h"
#include "shell/maker.h"
#include "shell/platform.h"

namespace vellimar {

void print_document(const QString& text) {
    if (platform().printer->print(text))
        show_message(QStringLiteral("Successfully printed to default printer!"));
    else
        show_message(QStringLiteral("There was a problem printing to your printer."));
}

QString results_page(const QString& total, const QString& runtime, const QStringList& models) {
    std::array<std::string, 7> texts;
    for (std::size_t k = 0; k < texts.size(); ++k)
        texts[k] = models.value(static_cast<int>(k)).toStdString();
    return QString::fromStdString(
        results_page_text(total.toStdString(), runtime.toStdString(), texts, MakerWebAddress.toStdString()));
}

void print_results(const QString& total, const QString& runtime, const QStringList& models) {
    print_document(results_page(total, runtime, models));
}

void print_results(const QString& total, const QString& runtime, QLabel* const (&models)[7]) {
    QStringList texts;
    for (QLabel* label : models)
        texts.append(label ? label->text() : QString());
    print_results(total, runtime, texts);
}

} // namespace vellimar
