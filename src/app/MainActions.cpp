#include "MainActions.h"

#include <QAction>
#include <QActionGroup>
#include <QApplication>
#include <QMainWindow>
#include <QMenuBar>
#include <QStyle>
#include <QToolBar>
#include <QToolButton>

#include "Cursors.h"
#include "QtText.h"

namespace tarvik {
namespace {

struct KeyBinding {
    int key;
    Qt::KeyboardModifiers modifiers;
    QAction* MainActions::*action;
    // The key acts also while the item is disabled: the tools before the first load, the
    // first editor, and "Rysuj na mapie" while its window is hidden.
    bool whileDisabled = false;
};

constexpr Qt::KeyboardModifiers kNone = Qt::NoModifier;
constexpr Qt::KeyboardModifiers kCtrl = Qt::ControlModifier;
constexpr Qt::KeyboardModifiers kAlt = Qt::AltModifier;
const Qt::KeyboardModifiers kCtrlAlt = Qt::ControlModifier | Qt::AltModifier;
const Qt::KeyboardModifiers kCtrlShift = Qt::ControlModifier | Qt::ShiftModifier;

const KeyBinding kKeyBindings[] = {
    {Qt::Key_F1, kNone, &MainActions::HelpMenuItem},
    {Qt::Key_F9, kNone, &MainActions::Uruchomsymulator1},
    {Qt::Key_F5, kNone, &MainActions::Reload},
    {Qt::Key_F10, kNone, &MainActions::Zamknij1},
    {Qt::Key_1, kCtrl, &MainActions::apa1, true},
    {Qt::Key_2, kCtrl, &MainActions::Lupa1, true},
    {Qt::Key_3, kCtrl, &MainActions::Linijka1, true},
    {Qt::Key_4, kCtrl, &MainActions::Informacja1, true},
    {Qt::Key_D, kCtrl, &MainActions::PaintRoad},
    {Qt::Key_E, kCtrl, &MainActions::EditFiles, true},
    {Qt::Key_G, kCtrl, &MainActions::GoTo},
    {Qt::Key_L, kCtrl, &MainActions::ShowLegend},
    {Qt::Key_M, kCtrl, &MainActions::ShowMiniMap},
    {Qt::Key_O, kCtrl, &MainActions::OpenMenuItem},
    {Qt::Key_P, kCtrl, &MainActions::Drukujobrazscenerii1},
    {Qt::Key_R, kCtrl, &MainActions::PaintRiver},
    {Qt::Key_S, kCtrl, &MainActions::Zapiszobrazsceneriidopliku1},
    {Qt::Key_T, kCtrl, &MainActions::PaintTrack},
    {Qt::Key_V, kCtrl, &MainActions::PaintTraction},
    {Qt::Key_E, kCtrlAlt, &MainActions::EditSource},
    {Qt::Key_L, kCtrlAlt, &MainActions::LegendOnMap, true},
    {Qt::Key_M, kCtrlAlt, &MainActions::MiniMapOnMap, true},
    {Qt::Key_P, kCtrlShift, &MainActions::ShowProblems},
    {Qt::Key_P, kAlt, &MainActions::PrintPreviewMenuItem},
    {Qt::Key_C, kCtrlShift, &MainActions::CopyMap},
};

constexpr Qt::KeyboardModifiers kShiftKey = Qt::ShiftModifier;

// Keys that act on press: held, they move the map step by step. "+" is typed with Shift on
// many layouts, and the keypad's keys count as the main ones.
const KeyBinding kPressBindings[] = {
    {Qt::Key_Left, kNone, &MainActions::PanLeft},  {Qt::Key_Right, kNone, &MainActions::PanRight},
    {Qt::Key_Up, kNone, &MainActions::PanUp},      {Qt::Key_Down, kNone, &MainActions::PanDown},
    {Qt::Key_Plus, kNone, &MainActions::ZoomIn},   {Qt::Key_Plus, kShiftKey, &MainActions::ZoomIn},
    {Qt::Key_Equal, kNone, &MainActions::ZoomIn},  {Qt::Key_Minus, kNone, &MainActions::ZoomOut},
    {Qt::Key_Home, kNone, &MainActions::ShowAll},  {Qt::Key_Left, kAlt, &MainActions::PreviousView},
    {Qt::Key_Right, kAlt, &MainActions::NextView},
};

template <std::size_t N>
const KeyBinding* Find(const KeyBinding (&table)[N], int key, Qt::KeyboardModifiers modifiers) {
    // The keypad flag says where a key is, not which modifier is held.
    const Qt::KeyboardModifiers held = modifiers & ~Qt::KeypadModifier;
    for (const KeyBinding& b : table) {
        if (b.key == key && b.modifiers == held) return &b;
    }
    return nullptr;
}

const KeyBinding* BindingFor(int key, Qt::KeyboardModifiers modifiers) {
    return Find(kKeyBindings, key, modifiers);
}

// The first key of a command, the one its item shows.
template <std::size_t N>
const KeyBinding* FirstFor(const KeyBinding (&table)[N], QAction* MainActions::*command) {
    for (const KeyBinding& b : table) {
        if (b.action == command) return &b;
    }
    return nullptr;
}

// What QAction::trigger does, without its refusal of a disabled action.
void TriggerEvenIfDisabled(QAction& action) {
    if (action.isCheckable()) {
        const QActionGroup* group = action.actionGroup();
        const bool keepsCheck =
            action.isChecked() && group &&
            group->exclusionPolicy() == QActionGroup::ExclusionPolicy::Exclusive;
        if (!keepsCheck) action.setChecked(!action.isChecked());
    }
    emit action.triggered(action.isChecked());
}

// An item showing the key of a command, which may be another item's.
QAction* Item(QMenu* menu, const char* name, const QString& caption,
              QAction* MainActions::*keyOf = nullptr) {
    const QString key = keyOf ? KeyText(keyOf) : QString();
    QAction* action = menu->addAction(key.isEmpty() ? caption : caption + '\t' + key);
    action->setObjectName(name);
    return action;
}

QAction* Check(QMenu* menu, const char* name, const QString& caption,
               QAction* MainActions::*keyOf = nullptr) {
    QAction* action = Item(menu, name, caption, keyOf);
    action->setCheckable(true);
    return action;
}

// The tool bar's hint of a command, as its tool tip and status line text.
void Hint(QAction* action, const QString& hint) {
    action->setToolTip(hint);
    action->setStatusTip(hint);
}

QToolButton* Button(QToolBar* bar, const char* name, QAction* action, const QIcon& icon = {}) {
    // The menus show no pictures.
    action->setIconVisibleInMenu(false);
    if (!icon.isNull()) action->setIcon(icon);
    auto* button = new QToolButton(bar);
    button->setObjectName(name);
    button->setToolTipDuration(10000);
    button->setDefaultAction(action);
    bar->addWidget(button);
    return button;
}

// A button whose drop-down is a menu of more commands.
void DropDown(QToolButton* button, QMenu* menu, Qt::ToolButtonStyle style) {
    button->setMenu(menu);
    button->setPopupMode(QToolButton::MenuButtonPopup);
    button->setToolButtonStyle(style);
}

}  // namespace

QAction* ActionForKey(const MainActions& actions, int key, Qt::KeyboardModifiers modifiers) {
    const KeyBinding* b = BindingFor(key, modifiers);
    return b ? actions.*b->action : nullptr;
}

bool IsMainWindowKey(int key, Qt::KeyboardModifiers modifiers) {
    return BindingFor(key, modifiers) != nullptr;
}

bool TriggerKey(const MainActions& actions, int key, Qt::KeyboardModifiers modifiers) {
    const KeyBinding* b = BindingFor(key, modifiers);
    if (!b) return false;
    QAction& action = *(actions.*b->action);
    if (action.isEnabled()) {
        action.trigger();
    } else if (b->whileDisabled) {
        TriggerEvenIfDisabled(action);
    }
    return true;
}

bool TriggerKeyRelease(const MainActions& actions, int key, Qt::KeyboardModifiers held,
                       Qt::KeyboardModifiers atPress) {
    if (TriggerKey(actions, key, held)) return true;
    const bool letGoFirst = held != atPress && (held & ~atPress) == Qt::NoModifier;
    return letGoFirst && TriggerKey(actions, key, atPress);
}

bool TriggerKeyPress(const MainActions& actions, int key, Qt::KeyboardModifiers modifiers) {
    const KeyBinding* b = Find(kPressBindings, key, modifiers);
    if (!b) return false;
    QAction& action = *(actions.*b->action);
    if (action.isEnabled()) action.trigger();
    return true;
}

QString KeyText(QAction* MainActions::*command) {
    const KeyBinding* b = FirstFor(kKeyBindings, command);
    if (!b) b = FirstFor(kPressBindings, command);
    if (!b) return {};
    return QKeySequence(QKeyCombination(b->modifiers, Qt::Key(b->key)))
        .toString(QKeySequence::PortableText);
}

MainActions CreateMainActions(QMainWindow& window, const CursorTable& cursors) {
    using A = MainActions;
    MainActions a;
    QMenuBar* bar = window.menuBar();

    QMenu* file = bar->addMenu(Tr("MainActions", "Plik"));
    a.OpenMenuItem =
        Item(file, "OpenMenuItem", Tr("MainActions", "Ładuj plik scenerii..."), &A::OpenMenuItem);
    a.MRUMenu = file->addMenu(Tr("MainActions", "Ostatnio otwarte"));
    a.MRUMenu->setObjectName("MRUMenu");
    a.MRUMenu->setToolTipsVisible(true);
    for (std::size_t i = 0; i < a.MRUList.size(); ++i) {
        QAction* item = a.MRUMenu->addAction(QString());
        item->setObjectName(QString("MRUList%1").arg(i + 1));
        item->setVisible(false);
        a.MRUList[i] = item;
    }
    a.Reload = Item(file, "Reload", Tr("MainActions", "Przeładuj"), &A::Reload);
    a.EditSource = Item(file, "EditSource", Tr("MainActions", "Edytuj źródła..."), &A::EditSource);
    file->addSeparator();
    a.Zapiszobrazsceneriidopliku1 = Item(file, "Zapiszobrazsceneriidopliku1",
                                         Tr("MainActions", "Zapisz obraz scenerii do pliku..."),
                                         &A::Zapiszobrazsceneriidopliku1);
    a.CopyMap = Item(file, "CopyMap", Tr("MainActions", "Kopiuj mapę"), &A::CopyMap);
    a.Drukujobrazscenerii1 =
        Item(file, "Drukujobrazscenerii1", Tr("MainActions", "Drukuj obraz scenerii..."),
             &A::Drukujobrazscenerii1);
    a.PrintPreviewMenuItem = Item(file, "PrintPreviewMenuItem",
                                  Tr("MainActions", "Podgląd wydruku"), &A::PrintPreviewMenuItem);
    file->addSeparator();
    a.Uruchomsymulator1 = Item(file, "Uruchomsymulator1", Tr("MainActions", "Uruchom symulator..."),
                               &A::Uruchomsymulator1);
    a.SceneryProperyty = Item(file, "SceneryProperyty", Tr("MainActions", "Właściwości..."));
    file->addSeparator();
    a.Zamknij1 = Item(file, "Zamknij1", Tr("MainActions", "Zamknij"), &A::Zamknij1);

    QMenu* tools = bar->addMenu(Tr("MainActions", "Narzędzia"));
    a.ToolGroup = new QActionGroup(&window);
    a.ToolGroup->setExclusionPolicy(QActionGroup::ExclusionPolicy::Exclusive);
    a.apa1 = Check(tools, "apa1", Tr("MainActions", "Łapa"), &A::apa1);
    a.Lupa1 = Check(tools, "Lupa1", Tr("MainActions", "Lupa"), &A::Lupa1);
    a.Linijka1 = Check(tools, "Linijka1", Tr("MainActions", "Linijka"), &A::Linijka1);
    a.Informacja1 = Check(tools, "Informacja1", Tr("MainActions", "Informacja"), &A::Informacja1);
    for (QAction* item : {a.apa1, a.Lupa1, a.Linijka1, a.Informacja1})
        a.ToolGroup->addAction(item);
    Hint(a.apa1, Tr("MainActions", "Łapa (Ctrl+1)"));
    Hint(a.Lupa1, Tr("MainActions", "Lupa (Ctrl+2)"));
    Hint(a.Linijka1, Tr("MainActions", "Linijka (Ctrl+3)"));
    Hint(a.Informacja1, Tr("MainActions", "Informacja o obiekcie na mapie"));
    tools->addSeparator();
    a.GoTo = Item(tools, "GoTo", Tr("MainActions", "Przejdź do..."), &A::GoTo);
    tools->addSeparator();
    a.PreviousView =
        Item(tools, "PreviousView", Tr("MainActions", "Poprzedni widok"), &A::PreviousView);
    a.NextView = Item(tools, "NextView", Tr("MainActions", "Następny widok"), &A::NextView);

    QMenu* windows = bar->addMenu(Tr("MainActions", "Okna"));
    a.LegendMenu = windows->addMenu(Tr("MainActions", "Legenda"));
    a.LegendMenu->setObjectName("LegendMenu");
    a.ShowLegend = Check(a.LegendMenu, "ShowLegend", Tr("MainActions", "Pokaż"), &A::ShowLegend);
    a.LegendOnMap =
        Check(a.LegendMenu, "LegendOnMap", Tr("MainActions", "Rysuj na mapie"), &A::LegendOnMap);
    a.MiniMapMenu = windows->addMenu(Tr("MainActions", "Miniaturka"));
    a.MiniMapMenu->setObjectName("MiniMapMenu");
    a.ShowMiniMap =
        Check(a.MiniMapMenu, "ShowMiniMap", Tr("MainActions", "Pokaż"), &A::ShowMiniMap);
    a.MiniMapOnMap =
        Check(a.MiniMapMenu, "MiniMapOnMap", Tr("MainActions", "Rysuj na mapie"), &A::MiniMapOnMap);
    a.TrackListSubmenu = windows->addMenu(Tr("MainActions", "Lista nazwanych torów"));
    a.TrackListMenu = a.TrackListSubmenu->menuAction();
    a.TrackListMenu->setObjectName("TrackListMenu");
    a.ShowTrackList = Check(a.TrackListSubmenu, "ShowTrackList", Tr("MainActions", "Pokaż"));
    a.AnimateZoom =
        Check(a.TrackListSubmenu, "AnimateZoom", Tr("MainActions", "Animowane powiększenie"));
    a.ShowProblems =
        Check(windows, "ShowProblems", Tr("MainActions", "Problemy scenerii"), &A::ShowProblems);
    Hint(a.ShowProblems,
         Tr("MainActions", "Problemy znalezione przy wczytaniu scenerii (Ctrl+Shift+P)"));
    windows->addSeparator();
    a.PaintTransparentMenu =
        Check(windows, "PaintTransparentMenu", Tr("MainActions", "Rysuj półprzezroczyste"));
    for (const auto& [show, text] :
         {std::pair{a.ShowLegend, Tr("MainActions", "Legenda")},
          std::pair{a.ShowMiniMap, Tr("MainActions", "Miniaturka")},
          std::pair{a.ShowTrackList, Tr("MainActions", "Lista torów")}}) {
        show->setIconText(text);
        Hint(show, text);
    }

    QMenu* options = bar->addMenu(Tr("MainActions", "Opcje"));
    QMenu* paint = options->addMenu(Tr("MainActions", "Rysuj"));
    a.PaintTrack = Check(paint, "PaintTrack", Tr("MainActions", "Tory"), &A::PaintTrack);
    a.PaintTraction =
        Check(paint, "PaintTraction", Tr("MainActions", "Trakcję"), &A::PaintTraction);
    a.PaintRoad = Check(paint, "PaintRoad", Tr("MainActions", "Drogi"), &A::PaintRoad);
    a.PaintRiver = Check(paint, "PaintRiver", Tr("MainActions", "Rzeki"), &A::PaintRiver);
    paint->addSeparator();
    a.PaintSpeedLimit = Check(paint, "PaintSpeedLimit", Tr("MainActions", "Ograniczenia"));
    a.PaintElevation = Check(paint, "PaintElevation", Tr("MainActions", "Wzniesienia"));
    a.PaintTrackNames = Check(paint, "PaintTrackNames", Tr("MainActions", "Nazwy torów"));
    Hint(a.PaintTrackNames,
         Tr("MainActions", "Nazwy torów wzdłuż ich prostych odcinków (tryb autorski)"));
    QMenu* mapType = options->addMenu(Tr("MainActions", "Typ mapy"));
    a.MapTypes = new QActionGroup(&window);
    a.MapTypeVelocity = Check(mapType, "MapTypeVelocity", Tr("MainActions", "Prędkość szlakowa"));
    a.MapTypeHipsometric =
        Check(mapType, "MapTypeHipsometric", Tr("MainActions", "Hipsometryczna"));
    a.MapTypeElevation = Check(mapType, "MapTypeElevation", Tr("MainActions", "Wzniesieniowa"));
    a.MapTypeNormal = Check(mapType, "MapTypeNormal", Tr("MainActions", "Zwykła"));
    for (QAction* item :
         {a.MapTypeVelocity, a.MapTypeHipsometric, a.MapTypeElevation, a.MapTypeNormal}) {
        a.MapTypes->addAction(item);
    }
    a.NavigationMenu = options->addMenu(Tr("MainActions", "Nawigacja"));
    a.NavigationMenu->setObjectName("NavigationMenu");
    a.WheelZoomsAtPointer = Check(a.NavigationMenu, "WheelZoomsAtPointer",
                                  Tr("MainActions", "Kółko przybliża pod kursorem"));
    a.KeepPointer =
        Check(a.NavigationMenu, "KeepPointer", Tr("MainActions", "Nie przesuwaj kursora"));
    a.AppearanceMenu = options->addMenu(Tr("MainActions", "Wygląd"));
    a.AppearanceMenu->setObjectName("AppearanceMenu");
    a.SmoothLines = Check(a.AppearanceMenu, "SmoothLines", Tr("MainActions", "Wygładzanie linii"));
    Hint(a.SmoothLines,
         Tr("MainActions",
            "Linie i znaki na mapie i w zapisanych obrazach z wygładzonymi brzegami"));
    // Texts are given as the windows are built, so the language changes at the next start.
    a.LanguageMenu = options->addMenu(Tr("MainActions", "Język"));
    a.LanguageMenu->setObjectName("LanguageMenu");
    const QString languageHint =
        Tr("MainActions", "Zmiana języka działa od następnego uruchomienia programu");
    a.LanguageMenu->menuAction()->setStatusTip(languageHint);
    a.Languages = new QActionGroup(&window);
    a.LanguagePolish = Check(a.LanguageMenu, "LanguagePolish", Tr("MainActions", "Polski"));
    a.LanguageEnglish = Check(a.LanguageMenu, "LanguageEnglish", Tr("MainActions", "English"));
    a.LanguageSystem = Check(a.LanguageMenu, "LanguageSystem", Tr("MainActions", "Systemowy"));
    for (QAction* item : {a.LanguagePolish, a.LanguageEnglish, a.LanguageSystem}) {
        a.Languages->addAction(item);
        item->setStatusTip(languageHint);
    }
    options->addSeparator();
    a.Kolory = Item(options, "Kolory", Tr("MainActions", "Kolory..."));
    a.WorkMode = Item(options, "WorkMode", Tr("MainActions", "Tryb pracy..."));
    options->addSeparator();
    a.ProblemsAfterLoad =
        Check(options, "ProblemsAfterLoad", Tr("MainActions", "Pokazuj problemy po wczytaniu"));
    Hint(a.ProblemsAfterLoad,
         Tr("MainActions", "Okno problemów otwiera się samo, gdy wczytanie znajdzie problemy"));
    a.ParseErrorsUnasked =
        Check(options, "ParseErrorsUnasked", Tr("MainActions", "Nie pytaj o błędy parsowania"));
    Hint(a.ParseErrorsUnasked,
         Tr("MainActions", "Błędne wiersze są pomijane bez pytania i trafiają na listę problemów"));

    QMenu* help = bar->addMenu(Tr("MainActions", "Pomoc"));
    a.HelpMenuItem = Item(help, "HelpMenuItem", Tr("MainActions", "Pomoc"), &A::HelpMenuItem);
    a.AboutMenuItem = Item(help, "AboutMenuItem", Tr("MainActions", "O programie..."));

    a.EditorsMenu = new QMenu(&window);
    a.EditorsMenu->setObjectName("EditorsMenu");
    a.EditorsMenu->setToolTipsVisible(true);
    for (std::size_t i = 0; i < a.EditorItems.size(); ++i) {
        a.EditorItems[i] =
            Item(a.EditorsMenu, "", QString("%1.").arg(i + 1), i == 0 ? &A::EditFiles : nullptr);
        a.EditorItems[i]->setObjectName(QString("EditorItem%1").arg(i + 1));
    }
    a.EditorsMenu->setDefaultAction(a.EditorItems[0]);
    a.EditorsMenu->addSeparator();
    a.EditorSettings =
        Item(a.EditorsMenu, "EditorSettings", Tr("MainActions", "Ustawienia..."), &A::EditSource);

    const auto command = [&window](const char* name, const QString& text) {
        auto* action = new QAction(text, &window);
        action->setObjectName(name);
        return action;
    };
    a.PanLeft = command("PanLeft", Tr("MainActions", "Przesuń w lewo"));
    a.PanRight = command("PanRight", Tr("MainActions", "Przesuń w prawo"));
    a.PanUp = command("PanUp", Tr("MainActions", "Przesuń w górę"));
    a.PanDown = command("PanDown", Tr("MainActions", "Przesuń w dół"));
    a.ZoomIn = command("ZoomIn", Tr("MainActions", "Przybliż"));
    a.ZoomOut = command("ZoomOut", Tr("MainActions", "Oddal"));
    a.ShowAll = command("ShowAll", Tr("MainActions", "Pokaż całą scenerię"));

    a.PaintButton = new QAction(&window);
    a.PaintButton->setObjectName("PaintButton");
    a.PaintButton->setText(Tr("MainActions", "Przerysuj scenerię"));
    a.EditFiles = new QAction(&window);
    a.EditFiles->setObjectName("EditFiles");
    a.EditFiles->setText(Tr("MainActions", "Edytuj źródła"));
    Hint(a.OpenMenuItem, Tr("MainActions", "Ładuj plik scenerii (Ctrl+O)"));
    a.OpenMenuItem->setIconText(Tr("MainActions", "Ostatnio otwarte"));
    Hint(a.EditFiles, Tr("MainActions", "Edytuj źródła (Ctrl+E)"));
    Hint(a.Reload, Tr("MainActions", "Przeładuj scenerię (F5)"));
    Hint(a.PaintButton, Tr("MainActions", "Przerysuj scenerię"));
    Hint(a.Zapiszobrazsceneriidopliku1,
         Tr("MainActions", "Zapisz obraz scenerii do pliku (Ctrl+S)"));
    Hint(a.Drukujobrazscenerii1,
         Tr("MainActions", "Drukuj obraz scenerii (Ctrl+P); Podgląd wydruku (Alt+P)"));
    Hint(a.Uruchomsymulator1, Tr("MainActions", "Uruchom symulator z bierzącą scenerią"));

    a.ToolBar = window.addToolBar(Tr("MainActions", "Narzędzia"));
    a.ToolBar->setObjectName("ToolBar");
    a.ToolBar->setMovable(false);
    QToolBar* tb = a.ToolBar;
    const QStyle* style = QApplication::style();
    a.OpenToolButton = Button(tb, "OpenToolButton", a.OpenMenuItem,
                              style->standardIcon(QStyle::SP_DialogOpenButton));
    DropDown(a.OpenToolButton, a.MRUMenu, Qt::ToolButtonTextBesideIcon);
    // Its text tells it from the redraw's picture.
    a.Reload->setIconText(Tr("MainActions", "Przeładuj"));
    a.ReloadToolButton = Button(tb, "ReloadToolButton", a.Reload);
    a.ReloadToolButton->setToolButtonStyle(Qt::ToolButtonTextOnly);
    a.EditSourceToolButton = Button(tb, "EditSourceToolButton", a.EditFiles,
                                    style->standardIcon(QStyle::SP_FileDialogContentsView));
    DropDown(a.EditSourceToolButton, a.EditorsMenu, Qt::ToolButtonIconOnly);
    tb->addSeparator();
    a.PaintToolButton =
        Button(tb, "PaintToolButton", a.PaintButton, style->standardIcon(QStyle::SP_BrowserReload));
    a.SaveToolButton = Button(tb, "SaveToolButton", a.Zapiszobrazsceneriidopliku1,
                              style->standardIcon(QStyle::SP_DialogSaveButton));
    a.PrintToolButton = Button(tb, "PrintToolButton", a.Drukujobrazscenerii1,
                               style->standardIcon(QStyle::SP_FileDialogDetailedView));
    a.RunSimToolButton = Button(tb, "RunSimToolButton", a.Uruchomsymulator1,
                                style->standardIcon(QStyle::SP_MediaPlay));
    tb->addSeparator();
    const auto cursorIcon = [&](int slot) { return QIcon(cursors.Cursor(slot).pixmap()); };
    a.HandToolButton = Button(tb, "HandToolButton", a.apa1, cursorIcon(CursorTable::kHand));
    a.ZoomToolButton = Button(tb, "ZoomToolButton", a.Lupa1, cursorIcon(CursorTable::kZoomIn));
    a.LengthToolButton =
        Button(tb, "LengthToolButton", a.Linijka1, style->standardIcon(QStyle::SP_ArrowRight));
    a.InfoToolButton =
        Button(tb, "InfoToolButton", a.Informacja1, cursorIcon(CursorTable::kIdentify));
    tb->addSeparator();
    a.LegendToolButton = Button(tb, "LegendToolButton", a.ShowLegend);
    DropDown(a.LegendToolButton, a.LegendMenu, Qt::ToolButtonTextOnly);
    a.MiniMapToolButton = Button(tb, "MiniMapToolButton", a.ShowMiniMap);
    DropDown(a.MiniMapToolButton, a.MiniMapMenu, Qt::ToolButtonTextOnly);
    a.TrackListToolButton = Button(tb, "TrackListToolButton", a.ShowTrackList);
    DropDown(a.TrackListToolButton, a.TrackListSubmenu, Qt::ToolButtonTextOnly);

    // Until the first load there is nothing to draw, save, copy, print, start, edit, measure or
    // identify.
    for (QAction* item : {a.EditFiles, a.PaintButton, a.Zapiszobrazsceneriidopliku1, a.CopyMap,
                          a.Drukujobrazscenerii1, a.PrintPreviewMenuItem, a.Uruchomsymulator1,
                          a.SceneryProperyty, a.apa1, a.Lupa1, a.Linijka1, a.Informacja1, a.GoTo}) {
        item->setEnabled(false);
    }
    // Nor anything to reload or move over.
    for (QAction* item : {a.Reload, a.PreviousView, a.NextView, a.PanLeft, a.PanRight, a.PanUp,
                          a.PanDown, a.ZoomIn, a.ZoomOut, a.ShowAll}) {
        item->setEnabled(false);
    }
    return a;
}

}  // namespace tarvik
