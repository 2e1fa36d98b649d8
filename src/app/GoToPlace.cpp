#include "GoToPlace.h"

#include <charconv>
#include <cmath>

#include "Cp1250.h"
#include "QtText.h"
#include "SegmentSearch.h"
#include "Translate.h"

namespace tarvik {
namespace {

bool IsSpace(char c) {
    return c == ' ' || c == '\t' || c == '\r' || c == '\n';
}

bool IsDigit(char c) {
    return c >= '0' && c <= '9';
}

std::string_view Trimmed(std::string_view text) {
    while (!text.empty() && IsSpace(text.front()))
        text.remove_prefix(1);
    while (!text.empty() && IsSpace(text.back()))
        text.remove_suffix(1);
    return text;
}

// An optional sign, digits, and digits after a point or comma: no exponent, no bare point,
// so that a comma is either inside a number or a separator, never both.
std::optional<double> TypedNumber(std::string token) {
    std::size_t i = 0;
    if (i < token.size() && (token[i] == '-' || token[i] == '+')) ++i;
    const std::size_t wholeStart = i;
    while (i < token.size() && IsDigit(token[i]))
        ++i;
    if (i == wholeStart) return std::nullopt;
    if (i < token.size() && (token[i] == '.' || token[i] == ',')) {
        token[i] = '.';
        const std::size_t fractionStart = ++i;
        while (i < token.size() && IsDigit(token[i]))
            ++i;
        if (i == fractionStart) return std::nullopt;
    }
    if (i != token.size()) return std::nullopt;
    // from_chars takes no plus sign.
    const std::size_t from = token[0] == '+' ? 1 : 0;
    double value = 0;
    const auto [end, error] =
        std::from_chars(token.data() + from, token.data() + token.size(), value);
    if (error != std::errc() || end != token.data() + token.size() || !std::isfinite(value)) {
        return std::nullopt;
    }
    return value;
}

std::vector<std::string> Tokens(std::string_view text) {
    std::vector<std::string> tokens;
    std::string token;
    for (const char c : text) {
        if (IsSpace(c)) {
            if (!token.empty()) tokens.push_back(std::move(token));
            token.clear();
        } else {
            token += c;
        }
    }
    if (!token.empty()) tokens.push_back(std::move(token));
    return tokens;
}

bool IsLabel(const std::string& token, char axis) {
    return token.size() == 2 && (token[0] | 0x20) == axis && token[1] == ':';
}

}  // namespace

std::optional<TPointD> TypedCoordinates(std::string_view text) {
    // The minus sign becomes a hyphen, and every separator a semicolon set apart by spaces.
    std::string plain;
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text.substr(i, 3) == "\u2212") {
            plain += '-';
            i += 2;
        } else if (text[i] == ';') {
            plain += " ; ";
        } else if (text[i] == ',' && (i + 1 == text.size() || IsSpace(text[i + 1]))) {
            plain += " ; ";
        } else {
            plain += text[i];
        }
    }
    const std::vector<std::string> tokens = Tokens(plain);
    std::size_t at = 0;
    const auto skip = [&](auto accepts) {
        if (at < tokens.size() && accepts(tokens[at])) ++at;
    };
    const auto number = [&]() -> std::optional<double> {
        return at < tokens.size() ? TypedNumber(tokens[at++]) : std::nullopt;
    };
    skip([](const std::string& t) { return IsLabel(t, 'x'); });
    const std::optional<double> x = number();
    skip([](const std::string& t) { return t == ";"; });
    skip([](const std::string& t) { return IsLabel(t, 'z'); });
    const std::optional<double> z = number();
    if (!x || !z || at != tokens.size()) return std::nullopt;
    return TPointD{*x, *z};
}

TrackNameIndex::TrackNameIndex(const SegmentList& tracks) {
    for (const TSegmentObj& s : tracks) {
        if (!s.HasName()) continue;
        const auto [it, added] = exact_.try_emplace(std::string(s.Name()), &s);
        if (!added) continue;
        const QString name = Cp1250ToQString(s.Name());
        names_.push_back(name.toStdString());
        // The first name in any case wins, as the first piece does for the exact name.
        const QString folded = name.toCaseFolded();
        if (!folded_.contains(folded)) folded_.insert(folded, &s);
    }
}

const TSegmentObj* TrackNameIndex::Find(std::string_view typed) const {
    if (const auto it = exact_.find(Utf8ToCp1250(typed)); it != exact_.end()) return it->second;
    return folded_.value(ToQString(typed).toCaseFolded(), nullptr);
}

GoToTarget ResolveGoTo(std::string_view typed, bool authorMode, const TrackNameIndex& names) {
    const std::string_view text = Trimmed(typed);
    GoToTarget target;
    if (const std::optional<TPointD> p = TypedCoordinates(text)) {
        target.mapPoint = MapPointOf(p->x, p->y);
        return target;
    }
    if (!authorMode) {
        target.message = Translate("GoToPlace", "Wpisz dwie liczby (x z).");
        return target;
    }
    const std::string general = Translate("GoToPlace", "Wpisz dwie liczby (x z) albo nazwę toru.");
    // Names are single words of the scenery's files.
    if (Tokens(text).size() != 1) {
        target.message = general;
        return target;
    }
    target.track = names.Find(text);
    if (target.track) return target;
    // A single number is more likely half a point than a name.
    target.message =
        TypedNumber(std::string(text))
            ? general
            : FormatText(Translate("GoToPlace", "Nie znaleziono toru o nazwie %1"), {text});
    return target;
}

}  // namespace tarvik
