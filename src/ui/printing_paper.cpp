#include <QLocale>
#include <QPageSize>
#include <QRegularExpression>
#include <QSizeF>

#include "ui/printing.h"

namespace vellimar {

namespace {

// A size in one of the units media names use; nothing for a size of nothing.
QPageSize sized(const QString& width, const QString& height, const QString& unit) {
    const double w = width.toDouble(), h = height.toDouble();
    if (!(w > 0 && h > 0))
        return {};
    if (unit == QLatin1String("cm"))
        return QPageSize(QSizeF(w * 10, h * 10), QPageSize::Millimeter);
    const QPageSize::Unit qtUnit = unit == QLatin1String("mm")   ? QPageSize::Millimeter
                                   : unit == QLatin1String("in") ? QPageSize::Inch
                                                                 : QPageSize::Point;
    // A size that is a standard one comes back as that one.
    return QPageSize(QSizeF(w, h), qtUnit);
}

QPageSize named(const QString& name) {
    // Self-describing names carry their size: "na_letter_8.5x11in", "iso_a4_210x297mm".
    static const QRegularExpression described(
        QStringLiteral("^[a-z0-9]+_[a-z0-9._-]+_([0-9.]+)x([0-9.]+)(mm|in)$"),
        QRegularExpression::CaseInsensitiveOption);
    // A size of the user's own: "w81h252" in points, "Custom.4x6in".
    static const QRegularExpression points(QStringLiteral("^w([0-9.]+)h([0-9.]+)$"));
    static const QRegularExpression custom(QStringLiteral("^custom\\.([0-9.]+)x([0-9.]+)(mm|cm|in|pt)?$"),
                                           QRegularExpression::CaseInsensitiveOption);
    // The class in front of a short name: "na_letter", "iso_a4".
    static const QRegularExpression sizeClass(QStringLiteral("^(iso|na|jis|jpn|prc|roc|oe|om|asme)_"),
                                              QRegularExpression::CaseInsensitiveOption);
    if (const auto m = described.match(name); m.hasMatch())
        return sized(m.captured(1), m.captured(2), m.captured(3).toLower());
    if (const auto m = points.match(name); m.hasMatch())
        return sized(m.captured(1), m.captured(2), QStringLiteral("pt"));
    if (const auto m = custom.match(name); m.hasMatch())
        return sized(m.captured(1), m.captured(2), m.captured(3).toLower());
    // "Letter", "Legal", "A4", "Executive", "Env10" ...: the names Qt keeps
    // for its standard sizes, which are those of the printers' own files.
    QString shortName = name;
    shortName.remove(sizeClass);
    // "A4.Fullbleed" is A4 paper printed to the edge.
    shortName = shortName.section(QLatin1Char('.'), 0, 0);
    for (int id = 0; id <= QPageSize::LastPageSize; ++id) {
        const auto size = QPageSize::PageSizeId(id);
        if (size != QPageSize::Custom && QPageSize::key(size).compare(shortName, Qt::CaseInsensitive) == 0)
            return QPageSize(size);
    }
    return {};
}

} // namespace

QPageSize pageSizeForMedia(const QString& media) {
    // A media option may name the tray or the kind of paper beside the size.
    for (const QString& part : media.split(QLatin1Char(','), Qt::SkipEmptyParts))
        if (const QPageSize size = named(part.trimmed()); size.isValid())
            return size;
    return {};
}

QPageSize localePageSize(const QString& locale) {
    const QLocale::Territory territory = QLocale(locale.section(QLatin1Char('.'), 0, 0)).territory();
    const bool letter = territory == QLocale::UnitedStates || territory == QLocale::Canada;
    return QPageSize(letter ? QPageSize::Letter : QPageSize::A4);
}

} // namespace vellimar
