#include "UiLanguage.h"

#include <cstdlib>

namespace tarvik {

std::string_view LanguageCode(UiLanguage language) {
    return language == UiLanguage::English ? "en" : "pl";
}

UiLanguage LanguageOfLocale(std::string_view localeName) {
    if (localeName.empty() || localeName == "C" || localeName == "POSIX" ||
        localeName.starts_with("C.") || localeName.starts_with("pl")) {
        return UiLanguage::Polish;
    }
    return UiLanguage::English;
}

UiLanguage SystemLanguage() {
    for (const char* variable : {"LC_ALL", "LC_MESSAGES", "LANG"}) {
        const char* value = std::getenv(variable);
        if (value != nullptr && *value != '\0') return LanguageOfLocale(value);
    }
    return UiLanguage::Polish;
}

UiLanguage ResolveLanguage(LanguageChoice choice) {
    switch (choice) {
        case LanguageChoice::Polish:
            return UiLanguage::Polish;
        case LanguageChoice::English:
            return UiLanguage::English;
        case LanguageChoice::System:
            break;
    }
    return SystemLanguage();
}

}  // namespace tarvik
