#include "ProblemsModel.h"

#include <QApplication>
#include <QStyle>
#include <utility>

#include "ProblemTexts.h"
#include "QtText.h"

namespace tarvik {
namespace {

// A load error's message may hold line breaks; a row shows one line.
QString OneLine(const std::string& text) {
    QString line = ToQString(text);
    line.replace(QLatin1String("\r\n"), QLatin1String(" "));
    line.replace(QLatin1Char('\n'), QLatin1Char(' '));
    line.replace(QLatin1Char('\r'), QLatin1Char(' '));
    return line;
}

}  // namespace

ProblemsModel::ProblemsModel(QObject* parent) : QAbstractTableModel(parent) {}

void ProblemsModel::SetRows(std::vector<Row> rows) {
    beginResetModel();
    rows_ = std::move(rows);
    endResetModel();
}

void ProblemsModel::Clear() {
    SetRows({});
}

int ProblemsModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : static_cast<int>(rows_.size());
}

int ProblemsModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : kColumns;
}

QVariant ProblemsModel::data(const QModelIndex& index, int role) const {
    if (!index.isValid() || index.row() >= rowCount()) return {};
    const Row& r = At(index.row());
    const Problem& p = r.problem;
    const QString line = r.line > 0 ? QString::number(r.line) : QString();
    switch (role) {
        case Qt::DisplayRole:
            switch (index.column()) {
                case KindColumn:
                    return ProblemKindLabel(p.kind);
                case FileColumn:
                    return r.file;
                case LineColumn:
                    return line;
                case MessageColumn:
                    return OneLine(p.message);
                default:
                    return {};
            }
        case Qt::ToolTipRole:
            if (index.column() == KindColumn) return ToQString(ProblemKindName(p.kind));
            return index.column() == MessageColumn ? ToQString(p.message) : QVariant();
        case Qt::DecorationRole:
            if (index.column() != KindColumn) return {};
            return QApplication::style()->standardIcon(SeverityOf(p.kind) == Severity::Error
                                                           ? QStyle::SP_MessageBoxCritical
                                                           : QStyle::SP_MessageBoxWarning);
        case Qt::TextAlignmentRole:
            if (index.column() == LineColumn) {
                return QVariant::fromValue(Qt::AlignRight | Qt::AlignVCenter);
            }
            return {};
        case kSortRole:
            switch (index.column()) {
                case KindColumn:
                    return static_cast<int>(p.kind);
                case FileColumn:
                    // Unknown places last, as the list first comes.
                    return QString(r.file.isEmpty() ? u'1' : u'0') + r.file + QChar(u'\n') +
                           QStringLiteral("%1").arg(r.line, 20, 10, QChar(u'0'));
                case LineColumn:
                    return static_cast<qulonglong>(r.line);
                default:
                    return OneLine(p.message);
            }
        case kSearchRole:
            return (ProblemKindLabel(p.kind) + ' ' + ToQString(ProblemKindName(p.kind)) + ' ' +
                    r.file + ':' + line + ' ' + OneLine(p.message))
                .toLower();
        default:
            return {};
    }
}

QVariant ProblemsModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (orientation != Qt::Horizontal || role != Qt::DisplayRole) return {};
    switch (section) {
        case KindColumn:
            return Tr("ProblemsModel", "Rodzaj");
        case FileColumn:
            return Tr("ProblemsModel", "Plik");
        case LineColumn:
            return Tr("ProblemsModel", "Wiersz");
        case MessageColumn:
            return Tr("ProblemsModel", "Opis");
        default:
            return {};
    }
}

}  // namespace tarvik
