#pragma once

#include <initializer_list>
#include <string>
#include <string_view>

namespace tarvik {

// Turns a text of the program (UTF-8, Polish as written) into the language of the user
// interface. The programs install one backed by their translation files at start; until then
// the texts stay as written.
using Translator = std::string (*)(const char* context, const char* source);

// Installs the translator for the rest of the program's life; nullptr restores the texts as
// written.
void SetTranslator(Translator translator);

// The translation of a program text. The source tools find the calls by this name, so the
// context and the source are string literals.
std::string Translate(const char* context, const char* source);

// Marks a text of a table for the source tools; the table's user translates it with the same
// context where it shows it.
#define TARVIK_TRANSLATE_NOOP(context, source) source

// The pattern with "%1" … "%9" replaced by the arguments in turn: a translation may put them
// in another order than the Polish text. A number with no argument stays as it is.
std::string FormatText(std::string_view pattern, std::initializer_list<std::string_view> args);

}  // namespace tarvik
