#include "LineTokenizer.h"

#include <cstring>
#include <string>

#include "ByteSearch.h"
#include "Cp1250.h"
#include "ParseFailure.h"
#include "Translate.h"

namespace tarvik {

void TokenList::Missing(std::size_t i) {
    throw ParseFailure(
        FormatText(Translate("Scenery", "Brak parametru nr %1"), {std::to_string(i)}));
}

namespace {

bool AskAboutShortLine(std::string_view lastToken, std::size_t count, UserDialogs& dialogs,
                       std::optional<MessageAnswer>* answerOut) {
    const std::string text = FormatText(Translate("Scenery", "Błąd parsowania!\n\r%1 %2"),
                                        {MessageExcerpt(lastToken), std::to_string(count)});
    const MessageAnswer answer =
        dialogs.MessageBox(text, Translate("Scenery", kParseErrorCaption), MessageIcon::Error,
                           MessageButtons::AbortRetryIgnore);
    if (answerOut) *answerOut = answer;
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
                    UserDialogs& dialogs, std::optional<MessageAnswer>* answer) {
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
            return tokens.Count() >= minCount ||
                   AskAboutShortLine(token, tokens.Count(), dialogs, answer);
        }
    }
}

}  // namespace

bool SplitLine(std::string_view line, const SplitOptions& options, TokenList& tokens,
               UserDialogs& dialogs) {
    if (!options.append) tokens.Clear();
    if (line.empty()) return true;
    const std::size_t maxCount = options.maxCount == 0 ? 255 : options.maxCount;
    const std::string_view marker = options.stripComment ? options.marker : std::string_view();
    if (options.collapse) {
        return SplitCollapsed(line, options.separator, marker, maxCount, options.minCount, tokens,
                              dialogs, options.answer);
    }
    if (!marker.empty()) {
        const std::size_t comment = line.find(marker);
        if (comment != std::string_view::npos) line = line.substr(0, comment);
        if (line.empty()) return true;
    }
    const std::size_t n = line.size();
    std::size_t start = 0;
    for (;;) {
        const std::size_t sep = line.find(options.separator, start);
        const bool last = sep == std::string_view::npos;
        const std::string_view token = line.substr(start, last ? n - start : sep - start);
        tokens.Add(token);
        if (tokens.Count() >= maxCount) return true;
        if (last) {
            return tokens.Count() >= options.minCount ||
                   AskAboutShortLine(token, tokens.Count(), dialogs, options.answer);
        }
        start = sep + 1;
    }
}

}  // namespace tarvik
