#pragma once

namespace tarvik {

class TColorsForm;
class TEditSourceForm;
class TLegendForm;
class TMiniMapForm;
class TProblemsForm;
class TProperytyForm;
class TRunSimForm;
class TSceneryProperytyForm;
class TTimeTableForm;
class TTrackListForm;
class TWorkModeForm;

// The windows beside the main window, in the order of their creation at start-up. The main
// window owns them; each lives for the whole run.
struct ToolWindows {
    TEditSourceForm* editors = nullptr;
    TColorsForm* colors = nullptr;
    TLegendForm* legend = nullptr;
    TMiniMapForm* miniMap = nullptr;
    TTrackListForm* trackList = nullptr;
    TRunSimForm* launcher = nullptr;
    TProperytyForm* properties = nullptr;
    TSceneryProperytyForm* statistics = nullptr;
    TWorkModeForm* workMode = nullptr;
    TTimeTableForm* timetable = nullptr;
    TProblemsForm* problems = nullptr;
};

}  // namespace tarvik
