#include "ProblemTexts.h"

#include <QStringList>

#include "QtText.h"

namespace tarvik {
namespace {

// Polish nouns after a number take one of three forms: 1 błąd, 2 błędy, 5 błędów, 22 błędy,
// 12 błędów.
QString Counted(std::size_t n, const QString& one, const QString& few, const QString& many) {
    const std::size_t tens = n % 100;
    const std::size_t units = n % 10;
    const QString* form = &many;
    if (n == 1) {
        form = &one;
    } else if (units >= 2 && units <= 4 && (tens < 12 || tens > 14)) {
        form = &few;
    }
    return QString::number(n) + ' ' + *form;
}

}  // namespace

QString ProblemKindLabel(ProblemKind kind) {
    switch (kind) {
        case ProblemKind::ParseError:
            return Tr("ProblemTexts", "Błąd parsowania");
        case ProblemKind::LoadError:
            return Tr("ProblemTexts", "Błąd wczytywania");
        case ProblemKind::MissingInclude:
            return Tr("ProblemTexts", "Brak dołączanego pliku");
        case ProblemKind::IncludeCycle:
            return Tr("ProblemTexts", "Cykliczne dołączenie");
        case ProblemKind::TrainsetWithoutTrack:
            return Tr("ProblemTexts", "Skład bez toru");
        case ProblemKind::NearMiss:
            return Tr("ProblemTexts", "Niezłączone końce torów");
        case ProblemKind::DuplicateSegment:
            return Tr("ProblemTexts", "Powtórzony odcinek");
        case ProblemKind::DuplicateName:
            return Tr("ProblemTexts", "Powtórzona nazwa toru");
        case ProblemKind::NoSegments:
            return Tr("ProblemTexts", "Pusta sceneria");
        case ProblemKind::SimulatorSyntax:
            return Tr("ProblemTexts", "Składnia symulatora");
    }
    return QString::fromUtf8(ProblemKindName(kind).data(),
                             static_cast<qsizetype>(ProblemKindName(kind).size()));
}

QString ProblemCountText(std::size_t errors, std::size_t warnings) {
    QStringList parts;
    if (errors > 0)
        parts << Counted(errors, Tr("ProblemTexts", "błąd"), Tr("ProblemTexts", "błędy"),
                         Tr("ProblemTexts", "błędów"));
    if (warnings > 0)
        parts << Counted(warnings, Tr("ProblemTexts", "ostrzeżenie"),
                         Tr("ProblemTexts", "ostrzeżenia"), Tr("ProblemTexts", "ostrzeżeń"));
    if (parts.isEmpty()) return {};
    return Tr("ProblemTexts", "Problemy: ") + parts.join(QStringLiteral(", "));
}

}  // namespace tarvik
