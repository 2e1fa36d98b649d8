#include "ProblemsForm.h"

#include <QCloseEvent>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSortFilterProxyModel>
#include <QStringList>
#include <QTableView>
#include <QVBoxLayout>
#include <utility>

#include "ProblemTexts.h"
#include "ProblemsModel.h"
#include "QtText.h"
#include "SourceMap.h"

namespace tarvik {
namespace {

// The rows of the problems, each file's shown name worked out once.
std::vector<ProblemsModel::Row> RowsOf(std::vector<Problem> problems, const SourceMap& sources) {
    std::vector<QString> shown(sources.FileCount());
    std::vector<ProblemsModel::Row> rows;
    rows.reserve(problems.size());
    for (Problem& p : problems) {
        ProblemsModel::Row row;
        const SourceLocation at = sources.Locate(p.at);
        if (at.Known()) {
            QString& file = shown[at.file];
            if (file.isNull()) file = ToQString(ShownSourceFile(sources, at.file));
            row.file = file;
            row.path = sources.Path(at.file);
            row.line = at.line;
        }
        row.problem = std::move(p);
        rows.push_back(std::move(row));
    }
    return rows;
}

}  // namespace

TProblemsForm::TProblemsForm(ToolContext context, QWidget* parent)
    : QWidget(parent, Qt::Tool), context_(std::move(context)) {
    setObjectName("ProblemsForm");
    setWindowTitle(Tr("ProblemsForm", "Problemy scenerii"));
    setMinimumSize(240, 140);
    resize(kDesignedWidth, kDesignedHeight);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(4, 4, 4, 4);
    layout->setSpacing(4);
    auto* top = new QHBoxLayout;
    filter_ = new QLineEdit(this);
    filter_->setObjectName("ProblemFilter");
    filter_->setPlaceholderText(Tr("ProblemsForm", "Filtruj: rodzaj, plik lub opis"));
    filter_->setClearButtonEnabled(true);
    top->addWidget(filter_, 1);
    editButton_ = new QPushButton(Tr("ProblemsForm", "Edytuj w tym miejscu"), this);
    editButton_->setObjectName("EditHereButton");
    editButton_->setToolTip(
        Tr("ProblemsForm", "Otwiera plik problemu w jego wierszu w pierwszym edytorze"));
    editButton_->setEnabled(false);
    top->addWidget(editButton_);
    layout->addLayout(top);

    counts_ = new QLabel(this);
    counts_->setObjectName("ProblemCounts");
    counts_->setWordWrap(true);
    counts_->setText(Tr("ProblemsForm", "Nie wczytano scenerii."));
    layout->addWidget(counts_);

    model_ = new ProblemsModel(this);
    filtered_ = new QSortFilterProxyModel(this);
    filtered_->setSourceModel(model_);
    filtered_->setSortRole(ProblemsModel::kSortRole);
    filtered_->setFilterRole(ProblemsModel::kSearchRole);
    filtered_->setFilterKeyColumn(ProblemsModel::KindColumn);
    filtered_->setFilterCaseSensitivity(Qt::CaseInsensitive);
    table_ = new QTableView(this);
    table_->setObjectName("ProblemTable");
    table_->setModel(filtered_);
    table_->setSelectionMode(QAbstractItemView::SingleSelection);
    table_->setSelectionBehavior(QAbstractItemView::SelectRows);
    table_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    table_->setWordWrap(false);
    table_->verticalHeader()->hide();
    table_->horizontalHeader()->setStretchLastSection(true);
    // Until a header is clicked the rows stand in the order of their files.
    table_->horizontalHeader()->setSortIndicator(-1, Qt::AscendingOrder);
    table_->setSortingEnabled(true);
    layout->addWidget(table_, 1);

    status_ = new QLabel(this);
    status_->setObjectName("ProblemStatus");
    layout->addWidget(status_);

    connect(filter_, &QLineEdit::textChanged, this, [this] { FilterChanged(); });
    connect(table_, &QTableView::clicked, this,
            [this](const QModelIndex& index) { ShowOnMap(index.row()); });
    connect(table_, &QTableView::doubleClicked, this, [this] { EditCurrent(); });
    connect(editButton_, &QPushButton::clicked, this, [this] { EditCurrent(); });
    connect(table_->selectionModel(), &QItemSelectionModel::currentRowChanged, this, [this] {
        const int row = CurrentRow();
        editButton_->setEnabled(
            row >= 0 &&
            model_->At(filtered_->mapToSource(filtered_->index(row, 0)).row()).line > 0);
    });
}

void TProblemsForm::Clear() {
    model_->Clear();
    leftOut_ = 0;
    editButton_->setEnabled(false);
    counts_->setText(Tr("ProblemsForm", "Wczytywanie i sprawdzanie scenerii..."));
    SetStatus({});
}

void TProblemsForm::ShowProblems(std::vector<Problem> problems, std::uint64_t leftOut) {
    SortInFileOrder(problems, context_.scenery.Sources);
    model_->SetRows(RowsOf(std::move(problems), context_.scenery.Sources));
    leftOut_ = leftOut;
    editButton_->setEnabled(false);
    table_->resizeColumnsToContents();
    ShowCounts();
    FilterChanged();
}

int TProblemsForm::ProblemCount() const {
    return model_->rowCount();
}

const Problem* TProblemsForm::ProblemAt(int row) const {
    if (row < 0 || row >= filtered_->rowCount()) return nullptr;
    return &model_->At(filtered_->mapToSource(filtered_->index(row, 0)).row()).problem;
}

int TProblemsForm::CurrentRow() const {
    const QModelIndex current = table_->currentIndex();
    return current.isValid() ? current.row() : -1;
}

void TProblemsForm::ShowOnMap(int row) {
    const Problem* p = ProblemAt(row);
    if (!p || !context_.map.SceneryLoaded()) return;
    if (!p->where) {
        SetStatus(Tr("ProblemsForm", "Ten problem nie ma miejsca na mapie."));
        return;
    }
    // The map highlights tracks only; a problem of another layer is marked by its point alone.
    const bool track = p->segment && p->layer == SegmentKind::Track;
    context_.map.SetHighlight(track ? p->segment : nullptr);
    context_.map.CenterAndMark(p->where->x, p->where->y);
}

void TProblemsForm::EditCurrent() {
    const int row = CurrentRow();
    if (row < 0) return;
    const ProblemsModel::Row& r =
        model_->At(filtered_->mapToSource(filtered_->index(row, 0)).row());
    if (r.line == 0) {
        SetStatus(Tr("ProblemsForm", "Ten problem nie ma miejsca w pliku."));
        return;
    }
    emit editAt(r.path, r.line);
}

void TProblemsForm::FilterChanged() {
    filtered_->setFilterFixedString(filter_->text().trimmed());
    const int all = model_->rowCount();
    const int shown = filtered_->rowCount();
    QString text =
        shown == all ? QString() : Tr("ProblemsForm", "Pokazano %1 z %2.").arg(shown).arg(all);
    if (leftOut_ > 0) {
        if (!text.isEmpty()) text += ' ';
        text +=
            Tr("ProblemsForm", "Pominięto %1 dalszych problemów wczytywania (podano pierwsze %2).")
                .arg(leftOut_)
                .arg(kMostLoadProblems);
    }
    SetStatus(text);
}

void TProblemsForm::ShowCounts() {
    std::size_t errors = 0;
    std::size_t warnings = 0;
    QStringList perKind;
    for (const ProblemKind kind : kProblemKinds) {
        int n = 0;
        for (int row = 0; row < model_->rowCount(); ++row)
            n += model_->At(row).problem.kind == kind ? 1 : 0;
        if (n == 0) continue;
        (SeverityOf(kind) == Severity::Error ? errors : warnings) += static_cast<std::size_t>(n);
        perKind << ProblemKindLabel(kind) + QStringLiteral(": ") + QString::number(n);
    }
    counts_->setText(perKind.isEmpty()
                         ? Tr("ProblemsForm", "Nie znaleziono problemów.")
                         : ProblemCountText(errors, warnings) + QStringLiteral(" — ") +
                               perKind.join(QStringLiteral(" · ")));
}

void TProblemsForm::SetStatus(const QString& text) {
    status_->setText(text);
    status_->setVisible(!text.isEmpty());
}

void TProblemsForm::closeEvent(QCloseEvent* event) {
    QWidget::closeEvent(event);
    emit closedByUser();
}

}  // namespace tarvik
