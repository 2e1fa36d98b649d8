#include "ProblemTexts.h"

#include <QStringList>

namespace tarvik {
namespace {

// Polish nouns after a number take one of three forms: 1 błąd, 2 błędy, 5 błędów, 22 błędy,
// 12 błędów.
QString Counted(std::size_t n, const char* one, const char* few, const char* many) {
    const std::size_t tens = n % 100;
    const std::size_t units = n % 10;
    const char* form = many;
    if (n == 1) {
        form = one;
    } else if (units >= 2 && units <= 4 && (tens < 12 || tens > 14)) {
        form = few;
    }
    return QString::number(n) + ' ' + QString::fromUtf8(form);
}

}  // namespace

QString ProblemKindLabel(ProblemKind kind) {
    switch (kind) {
        case ProblemKind::ParseError:
            return QStringLiteral("Błąd parsowania");
        case ProblemKind::LoadError:
            return QStringLiteral("Błąd wczytywania");
        case ProblemKind::MissingInclude:
            return QStringLiteral("Brak dołączanego pliku");
        case ProblemKind::IncludeCycle:
            return QStringLiteral("Cykliczne dołączenie");
        case ProblemKind::TrainsetWithoutTrack:
            return QStringLiteral("Skład bez toru");
        case ProblemKind::NearMiss:
            return QStringLiteral("Niezłączone końce torów");
        case ProblemKind::DuplicateSegment:
            return QStringLiteral("Powtórzony odcinek");
        case ProblemKind::DuplicateName:
            return QStringLiteral("Powtórzona nazwa toru");
        case ProblemKind::NoSegments:
            return QStringLiteral("Pusta sceneria");
        case ProblemKind::SimulatorSyntax:
            return QStringLiteral("Składnia symulatora");
    }
    return QString::fromUtf8(ProblemKindName(kind).data(),
                             static_cast<qsizetype>(ProblemKindName(kind).size()));
}

QString ProblemCountText(std::size_t errors, std::size_t warnings) {
    QStringList parts;
    if (errors > 0) parts << Counted(errors, "błąd", "błędy", "błędów");
    if (warnings > 0) parts << Counted(warnings, "ostrzeżenie", "ostrzeżenia", "ostrzeżeń");
    if (parts.isEmpty()) return {};
    return QStringLiteral("Problemy: ") + parts.join(QStringLiteral(", "));
}

}  // namespace tarvik
