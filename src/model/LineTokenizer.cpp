#include "LineTokenizer.h"

#include <string>

#include "Cp1250.h"
#include "ParseFailure.h"

namespace tarvik {

std::string_view TokenList::operator[](std::size_t i) const {
    if (i >= tokens_.size()) throw ParseFailure("Brak parametru nr " + std::to_string(i));
    return tokens_[i];
}

namespace {

bool AskAboutShortLine(std::string_view lastToken, std::size_t count, UserDialogs& dialogs) {
    const std::string text =
        "Błąd parsowania!\n\r" + Cp1250ToUtf8(lastToken) + " " + std::to_string(count);
    const MessageAnswer answer = dialogs.MessageBox(text, "Błąd parsowania", MessageIcon::Error,
                                                    MessageButtons::AbortRetryIgnore);
    return answer == MessageAnswer::Ignore;
}

}  // namespace

bool SplitLine(std::string_view Line, char Separator, bool Collapse, std::string_view Marker,
               bool StripComment, std::uint8_t MaxCount, std::uint8_t MinCount, TokenList& Tokens,
               bool Append, UserDialogs& dialogs) {
    if (!Append) Tokens.Clear();
    if (Line.empty()) return true;
    if (StripComment && !Marker.empty()) {
        const std::size_t comment = Line.find(Marker);
        if (comment != std::string_view::npos) Line = Line.substr(0, comment);
        if (Line.empty()) return true;
    }
    const std::size_t maxCount = MaxCount == 0 ? 255 : MaxCount;
    const std::size_t n = Line.size();

    if (Collapse) {
        std::size_t i = 0;
        for (;;) {
            while (i < n && Line[i] == Separator)
                ++i;
            // Nothing but separators after the last token: no count check.
            if (i == n) return true;
            const std::size_t start = i;
            while (i < n && Line[i] != Separator)
                ++i;
            const std::string_view token = Line.substr(start, i - start);
            Tokens.Add(token);
            if (Tokens.Count() >= maxCount) return true;
            if (i == n) {
                return Tokens.Count() >= MinCount ||
                       AskAboutShortLine(token, Tokens.Count(), dialogs);
            }
        }
    }

    std::size_t start = 0;
    for (;;) {
        const std::size_t sep = Line.find(Separator, start);
        const bool last = sep == std::string_view::npos;
        const std::string_view token = Line.substr(start, last ? n - start : sep - start);
        Tokens.Add(token);
        if (Tokens.Count() >= maxCount) return true;
        if (last) {
            return Tokens.Count() >= MinCount || AskAboutShortLine(token, Tokens.Count(), dialogs);
        }
        start = sep + 1;
    }
}

}  // namespace tarvik
