// The main window's part of the windows beside it: their creation in the start-up order, what
// each is given, and how they and the main window's commands talk to each other.
#include <QAction>
#include <QCoreApplication>
#include <QDesktopServices>

#include "AboutForm.h"
#include "ColorsForm.h"
#include "DesktopRegistration.h"
#include "EditSourceForm.h"
#include "EditVerb.h"
#include "LegendForm.h"
#include "MainWindow.h"
#include "MiniMapForm.h"
#include "ProblemsForm.h"
#include "ProperytyForm.h"
#include "RunSimForm.h"
#include "SceneryProperytyForm.h"
#include "TimeTableForm.h"
#include "TrackListForm.h"
#include "Translate.h"
#include "WorkModeForm.h"

namespace tarvik {

ToolContext TForm1::Context() {
    return {scenery_, sceneryShortPath_, mode_, dialogs_, files_, cursors_, *this, IsMainWindowKey};
}

void TForm1::CreateToolWindows(const std::function<void(std::string_view)>& progress) {
    const auto step = [&progress](std::string_view text) {
        if (progress) progress(text);
    };
    tools_.editors = new TEditSourceForm(Context(), this);
    tools_.colors = new TColorsForm(colors_, dialogs_, this);
    step(Translate("TForm1", "20% Legenda"));
    tools_.legend = new TLegendForm(options_, scenery_, colors_, this);
    step(Translate("TForm1", "30% MiniMap"));
    tools_.miniMap = new TMiniMapForm(*this, this);
    step(Translate("TForm1", "40% TrackList"));
    tools_.trackList = new TTrackListForm(Context(), this);
    step(Translate("TForm1", "50% RunSim"));
    tools_.launcher = new TRunSimForm(Context(), this);
    step(Translate("TForm1", "60% Properyty"));
    tools_.properties = new TProperytyForm(scenery_, mode_, cursors_, this);
    step(Translate("TForm1", "70% SceneryProperyty"));
    tools_.statistics =
        new TSceneryProperytyForm(scenery_, mode_, colors_, cursors_, sceneryShortPath_, this);
    step(Translate("TForm1", "80% WorkMode"));
    tools_.workMode = new TWorkModeForm(mode_, dialogs_, this);
    step(Translate("TForm1", "90% Czyt. konfig..."));
    // Shown from the modal launcher, it must belong to it to take the user's input.
    tools_.timetable = new TTimeTableForm(Context(), tools_.launcher);
    tools_.problems = new TProblemsForm(Context(), this);
}

void TForm1::ConnectToolWindows() {
    const MainActions& a = actions_;
    const ToolWindows& t = tools_;
    const auto on = [this](QAction* action, auto handler) {
        connect(action, &QAction::triggered, this, handler);
    };
    for (QAction* settings : {a.EditSource, a.EditorSettings})
        on(settings, [this] { tools_.editors->Execute(); });
    on(a.EditFiles, [this] { tools_.editors->EditFiles(0); });
    for (std::size_t i = 0; i < a.EditorItems.size(); ++i)
        on(a.EditorItems[i], [this, i] { tools_.editors->EditFiles(static_cast<int>(i)); });
    on(a.Uruchomsymulator1, [this] {
        if (SceneryLoaded()) tools_.launcher->Execute();
    });
    on(a.SceneryProperyty, [this] {
        if (SceneryLoaded()) tools_.statistics->exec();
    });
    on(a.AnimateZoom, [this](bool animate) { tools_.trackList->SetAnimateZoom(animate); });

    connect(t.editors, &TEditSourceForm::editorsChanged, this, [this] { ShowEditorsMenu(); });
    connect(t.editors, &TEditSourceForm::firstEditorChanged, this, [this] { RegisterEditVerb(); });
    t.legend->onUserClose = [this] {
        actions_.ShowLegend->setChecked(false);
        ShowLegendClick(tools_.legend);
    };
    t.miniMap->onUserClose = [this] {
        actions_.ShowMiniMap->setChecked(false);
        ShowMiniMapClick(tools_.miniMap);
    };
    t.trackList->SetProperties(t.properties);
    connect(t.trackList, &TTrackListForm::closedByUser, this, [this] {
        actions_.ShowTrackList->setChecked(false);
        ShowTrackListClick();
    });
    t.trackList->SetAnimateZoom(a.AnimateZoom->isChecked());
    connect(t.trackList, &TTrackListForm::animateZoomClicked, a.AnimateZoom, &QAction::setChecked);
    t.launcher->SetTimetableForm(t.timetable);
    connect(t.problems, &TProblemsForm::closedByUser, this,
            [this] { actions_.ShowProblems->setChecked(false); });
    connect(t.problems, &TProblemsForm::editAt, this,
            [this](const std::string& path, std::uint64_t line) {
                tools_.editors->EditAt(path, line);
            });
    ShowEditorsMenu();
}

void TForm1::ShowEditorsMenu() {
    const auto& items = actions_.EditorItems;
    for (std::size_t i = 0; i < items.size(); ++i) {
        const EditorSlot& slot = tools_.editors->Slot(static_cast<int>(i));
        QString caption = EditorEntryText(static_cast<int>(i), slot.name);
        caption.replace(QLatin1Char('&'), QStringLiteral("&&"));
        if (i == 0) caption += '\t' + KeyText(&MainActions::EditFiles);
        items[i]->setText(caption);
        const QString hint =
            slot.name.empty() ? QString() : QString::fromStdString(slot.exe + " " + slot.param);
        items[i]->setToolTip(hint);
        items[i]->setStatusTip(hint);
        items[i]->setEnabled(!slot.name.empty());
    }
}

void TForm1::RegisterEditVerb() {
    tarvik::RegisterEditVerb(DesktopRegistration::InDataHome().desktopEntry,
                             tools_.editors->Slot(0), QCoreApplication::applicationFilePath());
}

void TForm1::AboutMenuItemClick() {
    TAboutForm about(this, [](const QUrl& url) { QDesktopServices::openUrl(url); });
    about.exec();
}

}  // namespace tarvik
