#pragma once
// The maker's contact details, shown on the screens and printed with results.
#include <string>

namespace vellimar {

inline const std::string MakerTelephone = "(800) 555-0147";
inline const std::string MakerSupportTelephone = "(800) 555-0163";
inline const std::string MakerWebAddress = "www.vellimar.example";

} // namespace vellimar
