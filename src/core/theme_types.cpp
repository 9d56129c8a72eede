#include "core/theme_types.h"

#include <cctype>
#include <string>

namespace {

std::string Lower(const char* psz) {
    std::string s = psz ? psz : "";
    for (char& c : s) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return s;
}

}  // namespace

eKXCURRENTSYSTEMTHEME KXThemeFromNames(const char* pszFileName, const char* pszColorName) {
    if (Lower(pszFileName).find("luna.msstyles") == std::string::npos) return KXTHEME_UNKNOWN;
    const std::string strColor = Lower(pszColorName);
    if (strColor == "normalcolor") return KXTHEME_BLUE;
    if (strColor == "homestead") return KXTHEME_OLIVE;
    if (strColor == "metallic") return KXTHEME_SILVER;
    return KXTHEME_UNKNOWN;
}
