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
    {Qt::Key_P, kAlt, &MainActions::PrintPreviewMenuItem},
    {Qt::Key_C, kCtrlShift, &MainActions::CopyMap},
};

const KeyBinding* BindingFor(int key, Qt::KeyboardModifiers modifiers) {
    // The keypad flag says where a key is, not which modifier is held.
    const Qt::KeyboardModifiers held = modifiers & ~Qt::KeypadModifier;
    for (const KeyBinding& b : kKeyBindings) {
        if (b.key == key && b.modifiers == held) return &b;
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

QString KeyText(QAction* MainActions::*command) {
    for (const KeyBinding& b : kKeyBindings) {
        if (b.action == command) {
            return QKeySequence(QKeyCombination(b.modifiers, Qt::Key(b.key)))
                .toString(QKeySequence::PortableText);
        }
    }
    return {};
}

MainActions CreateMainActions(QMainWindow& window, const CursorTable& cursors) {
    using A = MainActions;
    MainActions a;
    QMenuBar* bar = window.menuBar();

    QMenu* file = bar->addMenu("Plik");
    a.OpenMenuItem = Item(file, "OpenMenuItem", "Ładuj plik scenerii...", &A::OpenMenuItem);
    a.MRUMenu = file->addMenu("Ostatnio otwarte");
    a.MRUMenu->setObjectName("MRUMenu");
    a.MRUMenu->setToolTipsVisible(true);
    for (std::size_t i = 0; i < a.MRUList.size(); ++i) {
        QAction* item = a.MRUMenu->addAction(QString());
        item->setObjectName(QString("MRUList%1").arg(i + 1));
        item->setVisible(false);
        a.MRUList[i] = item;
    }
    a.EditSource = Item(file, "EditSource", "Edytuj źródła...", &A::EditSource);
    file->addSeparator();
    a.Zapiszobrazsceneriidopliku1 =
        Item(file, "Zapiszobrazsceneriidopliku1", "Zapisz obraz scenerii do pliku...",
             &A::Zapiszobrazsceneriidopliku1);
    a.CopyMap = Item(file, "CopyMap", "Kopiuj mapę", &A::CopyMap);
    a.Drukujobrazscenerii1 =
        Item(file, "Drukujobrazscenerii1", "Drukuj obraz scenerii...", &A::Drukujobrazscenerii1);
    a.PrintPreviewMenuItem =
        Item(file, "PrintPreviewMenuItem", "Podgląd wydruku", &A::PrintPreviewMenuItem);
    file->addSeparator();
    a.Uruchomsymulator1 =
        Item(file, "Uruchomsymulator1", "Uruchom symulator...", &A::Uruchomsymulator1);
    a.SceneryProperyty = Item(file, "SceneryProperyty", "Właściwości...");
    file->addSeparator();
    a.Zamknij1 = Item(file, "Zamknij1", "Zamknij", &A::Zamknij1);

    QMenu* tools = bar->addMenu("Narzędzia");
    a.ToolGroup = new QActionGroup(&window);
    a.ToolGroup->setExclusionPolicy(QActionGroup::ExclusionPolicy::Exclusive);
    a.apa1 = Check(tools, "apa1", "Łapa", &A::apa1);
    a.Lupa1 = Check(tools, "Lupa1", "Lupa", &A::Lupa1);
    a.Linijka1 = Check(tools, "Linijka1", "Linijka", &A::Linijka1);
    a.Informacja1 = Check(tools, "Informacja1", "Informacja", &A::Informacja1);
    for (QAction* item : {a.apa1, a.Lupa1, a.Linijka1, a.Informacja1})
        a.ToolGroup->addAction(item);
    Hint(a.apa1, "Łapa (Ctrl+1)");
    Hint(a.Lupa1, "Lupa (Ctrl+2)");
    Hint(a.Linijka1, "Linijka (Ctrl+3)");
    Hint(a.Informacja1, "Informacja o obiekcie na mapie");
    tools->addSeparator();
    a.GoTo = Item(tools, "GoTo", "Przejdź do...", &A::GoTo);

    QMenu* windows = bar->addMenu("Okna");
    a.LegendMenu = windows->addMenu("Legenda");
    a.LegendMenu->setObjectName("LegendMenu");
    a.ShowLegend = Check(a.LegendMenu, "ShowLegend", "Pokaż", &A::ShowLegend);
    a.LegendOnMap = Check(a.LegendMenu, "LegendOnMap", "Rysuj na mapie", &A::LegendOnMap);
    a.MiniMapMenu = windows->addMenu("Miniaturka");
    a.MiniMapMenu->setObjectName("MiniMapMenu");
    a.ShowMiniMap = Check(a.MiniMapMenu, "ShowMiniMap", "Pokaż", &A::ShowMiniMap);
    a.MiniMapOnMap = Check(a.MiniMapMenu, "MiniMapOnMap", "Rysuj na mapie", &A::MiniMapOnMap);
    a.TrackListSubmenu = windows->addMenu("Lista nazwanych torów");
    a.TrackListMenu = a.TrackListSubmenu->menuAction();
    a.TrackListMenu->setObjectName("TrackListMenu");
    a.ShowTrackList = Check(a.TrackListSubmenu, "ShowTrackList", "Pokaż");
    a.AnimateZoom = Check(a.TrackListSubmenu, "AnimateZoom", "Animowane powiększenie");
    windows->addSeparator();
    a.PaintTransparentMenu = Check(windows, "PaintTransparentMenu", "Rysuj półprzezroczyste");
    for (const auto& [show, text] :
         {std::pair{a.ShowLegend, "Legenda"}, std::pair{a.ShowMiniMap, "Miniaturka"},
          std::pair{a.ShowTrackList, "Lista torów"}}) {
        show->setIconText(text);
        Hint(show, text);
    }

    QMenu* options = bar->addMenu("Opcje");
    QMenu* paint = options->addMenu("Rysuj");
    a.PaintTrack = Check(paint, "PaintTrack", "Tory", &A::PaintTrack);
    a.PaintTraction = Check(paint, "PaintTraction", "Trakcję", &A::PaintTraction);
    a.PaintRoad = Check(paint, "PaintRoad", "Drogi", &A::PaintRoad);
    a.PaintRiver = Check(paint, "PaintRiver", "Rzeki", &A::PaintRiver);
    paint->addSeparator();
    a.PaintSpeedLimit = Check(paint, "PaintSpeedLimit", "Ograniczenia");
    a.PaintElevation = Check(paint, "PaintElevation", "Wzniesienia");
    QMenu* mapType = options->addMenu("Typ mapy");
    a.MapTypes = new QActionGroup(&window);
    a.MapTypeVelocity = Check(mapType, "MapTypeVelocity", "Prędkość szlakowa");
    a.MapTypeHipsometric = Check(mapType, "MapTypeHipsometric", "Hipsometryczna");
    a.MapTypeElevation = Check(mapType, "MapTypeElevation", "Wzniesieniowa");
    a.MapTypeNormal = Check(mapType, "MapTypeNormal", "Zwykła");
    for (QAction* item :
         {a.MapTypeVelocity, a.MapTypeHipsometric, a.MapTypeElevation, a.MapTypeNormal}) {
        a.MapTypes->addAction(item);
    }
    options->addSeparator();
    a.Kolory = Item(options, "Kolory", "Kolory...");
    a.WorkMode = Item(options, "WorkMode", "Tryb pracy...");

    QMenu* help = bar->addMenu("Pomoc");
    a.HelpMenuItem = Item(help, "HelpMenuItem", "Pomoc", &A::HelpMenuItem);
    a.AboutMenuItem = Item(help, "AboutMenuItem", "O programie...");

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
    a.EditorSettings = Item(a.EditorsMenu, "EditorSettings", "Ustawienia...", &A::EditSource);

    a.PaintButton = new QAction(&window);
    a.PaintButton->setObjectName("PaintButton");
    a.PaintButton->setText("Przerysuj scenerię");
    a.EditFiles = new QAction(&window);
    a.EditFiles->setObjectName("EditFiles");
    a.EditFiles->setText("Edytuj źródła");
    Hint(a.OpenMenuItem, "Ładuj plik scenerii (Ctrl+O)");
    a.OpenMenuItem->setIconText("Ostatnio otwarte");
    Hint(a.EditFiles, "Edytuj źródła (Ctrl+E)");
    Hint(a.PaintButton, "Przerysuj scenerię");
    Hint(a.Zapiszobrazsceneriidopliku1, "Zapisz obraz scenerii do pliku (Ctrl+S)");
    Hint(a.Drukujobrazscenerii1, "Drukuj obraz scenerii (Ctrl+P); Podgląd wydruku (Alt+P)");
    Hint(a.Uruchomsymulator1, "Uruchom symulator z bierzącą scenerią");

    a.ToolBar = window.addToolBar("Narzędzia");
    a.ToolBar->setObjectName("ToolBar");
    a.ToolBar->setMovable(false);
    QToolBar* tb = a.ToolBar;
    const QStyle* style = QApplication::style();
    a.OpenToolButton = Button(tb, "OpenToolButton", a.OpenMenuItem,
                              style->standardIcon(QStyle::SP_DialogOpenButton));
    DropDown(a.OpenToolButton, a.MRUMenu, Qt::ToolButtonTextBesideIcon);
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
    return a;
}

}  // namespace tarvik
