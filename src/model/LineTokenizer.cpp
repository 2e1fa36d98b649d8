#include "LineTokenizer.h"

#include <cstring>
#include <string>

#include "ByteSearch.h"
#include "Cp1250.h"
#include "ParseFailure.h"

namespace tarvik {

void TokenList::Missing(std::size_t i) {
    throw ParseFailure("Brak parametru nr " + std::to_string(i));
}

namespace {

bool AskAboutShortLine(std::string_view lastToken, std::size_t count, UserDialogs& dialogs) {
    const std::string text =
        "Błąd parsowania!\n\r" + MessageExcerpt(lastToken) + " " + std::to_string(count);
    const MessageAnswer answer = dialogs.MessageBox(text, "Błąd parsowania", MessageIcon::Error,
                                                    MessageButtons::AbortRetryIgnore);
    return answer == MessageAnswer::Ignore;
}

}  // namespace

namespace {

// The line ends where the comment marker first stands.
const char* CommentStart(const char* begin, const char* end, std::string_view marker) {
    if (marker.empty()) return end;
    for (const char* p = begin; p != end;) {
        const auto* hit = static_cast<const char*>(
            std::memchr(p, marker.front(), static_cast<std::size_t>(end - p)));
        if (!hit) return end;
        if (std::string_view(hit, static_cast<std::size_t>(end - hit)).starts_with(marker)) {
            return hit;
        }
        p = hit + 1;
    }
    return end;
}

bool SplitCollapsed(std::string_view line, char separator, std::string_view marker,
                    std::size_t maxCount, std::uint8_t minCount, TokenList& tokens,
                    UserDialogs& dialogs) {
    const char* p = line.data();
    const char* const end = CommentStart(p, p + line.size(), marker);
    for (;;) {
        while (p != end && *p == separator)
            ++p;
        // Nothing but separators after the last token: no count check.
        if (p == end) return true;
        const char* const start = p;
        p = FindByte(p, end, separator);
        const std::string_view token(start, static_cast<std::size_t>(p - start));
        tokens.Add(token);
        if (tokens.Count() >= maxCount) return true;
        if (p == end) {
            return tokens.Count() >= minCount || AskAboutShortLine(token, tokens.Count(), dialogs);
        }
    }
}

}  // namespace

bool SplitLine(std::string_view Line, char Separator, bool Collapse, std::string_view Marker,
               bool StripComment, std::uint8_t MaxCount, std::uint8_t MinCount, TokenList& Tokens,
               bool Append, UserDialogs& dialogs) {
    if (!Append) Tokens.Clear();
    if (Line.empty()) return true;
    const std::size_t maxCount = MaxCount == 0 ? 255 : MaxCount;
    if (Collapse) {
        return SplitCollapsed(Line, Separator, StripComment ? Marker : std::string_view(), maxCount,
                              MinCount, Tokens, dialogs);
    }
    if (StripComment && !Marker.empty()) {
        const std::size_t comment = Line.find(Marker);
        if (comment != std::string_view::npos) Line = Line.substr(0, comment);
        if (Line.empty()) return true;
    }
    const std::size_t n = Line.size();
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
