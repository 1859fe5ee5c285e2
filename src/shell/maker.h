#pragma once
// The maker's contact details, shown on the screens and printed with results.
#include <QString>

namespace vellimar {

inline const QString MakerTelephone = QStringLiteral("(800) 555-0147");
inline const QString MakerSupportTelephone = QStringLiteral("(800) 555-0163");
inline const QString MakerWebAddress = QStringLiteral("www.vellimar.example");

} // namespace vellimar
