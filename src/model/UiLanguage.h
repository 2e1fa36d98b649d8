#pragma once

#include <string_view>

namespace tarvik {

// The language of the program's texts. Polish is the program's own; English is a translation.
enum class UiLanguage { Polish, English };

// The language setting: a fixed language, or the one the system's locale asks for.
enum class LanguageChoice { Polish, English, System };

// "pl" or "en", as the names of translation files and manual folders use them.
std::string_view LanguageCode(UiLanguage language);

// The language of a POSIX locale name ("pl_PL.UTF-8", "C", "en_GB"): Polish for a Polish
// locale and for the C/POSIX (or unset) locale, whose users get the program as written.
UiLanguage LanguageOfLocale(std::string_view localeName);

// The language the environment asks for, looked up as the C library does: LC_ALL, then
// LC_MESSAGES, then LANG, the first one set and not empty.
UiLanguage SystemLanguage();

UiLanguage ResolveLanguage(LanguageChoice choice);

}  // namespace tarvik
