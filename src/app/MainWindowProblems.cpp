// The main window's part of the problems of a load: the checks over the model after a load,
// the count in the status line and the problems window.
#include <QAction>
#include <QLabel>
#include <iterator>

#include "MainWindow.h"
#include "ProblemTexts.h"
#include "ProblemsForm.h"

namespace tarvik {

QString TForm1::ProblemsStatusText() const {
    return problemsStatus_->isVisibleTo(this) ? problemsCount_ : QString();
}

void TForm1::StartProblemsCheck() {
    check_.Start(scenery_, ModelCheckOptions{},
                 [this](std::vector<Problem> found) { ProblemsFound(std::move(found)); });
}

void TForm1::ProblemsFound(std::vector<Problem> found) {
    std::vector<Problem> problems = scenery_.LoadProblems;
    problems.insert(problems.end(), std::make_move_iterator(found.begin()),
                    std::make_move_iterator(found.end()));
    std::size_t errors = 0;
    for (const Problem& p : problems)
        errors += SeverityOf(p.kind) == Severity::Error ? 1 : 0;
    problemsCount_ = ProblemCountText(errors, problems.size() - errors);
    const bool any = !problems.empty();
    tools_.problems->ShowProblems(std::move(problems), scenery_.LoadProblemsLeftOut);
    problemsStatus_->setText(QStringLiteral("<a href=\"problems\">") +
                             problemsCount_.toHtmlEscaped() + QStringLiteral("</a>"));
    problemsStatus_->setVisible(any);
    if (any && actions_.ProblemsAfterLoad->isChecked()) OpenProblemsWindow();
}

void TForm1::OpenProblemsWindow() {
    actions_.ShowProblems->setChecked(true);
    ShowProblemsClick();
}

void TForm1::ShowProblemsClick() {
    TProblemsForm& window = *tools_.problems;
    if (!actions_.ShowProblems->isChecked()) {
        window.hide();
        return;
    }
    window.show();
    window.raise();
}

}  // namespace tarvik
