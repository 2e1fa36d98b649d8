// The main window's part of the problems of a load: the checks over the model after a load,
// the count in the status line and the problems window.
#include <QAction>
#include <iterator>

#include "MainWindow.h"
#include "ProblemsForm.h"
#include "ProblemsLink.h"

namespace tarvik {

QString TForm1::ProblemsStatusText() const {
    return problemsStatus_->isVisibleTo(this) ? problemsStatus_->CountText() : QString();
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
    const bool any = !problems.empty();
    problemsStatus_->ShowCounts(errors, problems.size() - errors);
    tools_.problems->ShowProblems(std::move(problems), scenery_.LoadProblemsLeftOut);
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
