#include "MainActions.h"

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
    KeyCommand command;
};

constexpr Qt::KeyboardModifiers kNone = Qt::NoModifier;
constexpr Qt::KeyboardModifiers kCtrl = Qt::ControlModifier;
constexpr Qt::KeyboardModifiers kAlt = Qt::AltModifier;
const Qt::KeyboardModifiers kCtrlAlt = Qt::ControlModifier | Qt::AltModifier;

const KeyBinding kKeyBindings[] = {
    {Qt::Key_F1, kNone, KeyCommand::Help},
    {Qt::Key_F9, kNone, KeyCommand::RunSimulator},
    {Qt::Key_F10, kNone, KeyCommand::Close},
    {Qt::Key_1, kCtrl, KeyCommand::HandTool},
    {Qt::Key_2, kCtrl, KeyCommand::ZoomTool},
    {Qt::Key_3, kCtrl, KeyCommand::RulerTool},
    {Qt::Key_D, kCtrl, KeyCommand::ToggleRoads},
    {Qt::Key_E, kCtrl, KeyCommand::EditFiles},
    {Qt::Key_L, kCtrl, KeyCommand::ToggleLegend},
    {Qt::Key_M, kCtrl, KeyCommand::ToggleMiniMap},
    {Qt::Key_O, kCtrl, KeyCommand::Open},
    {Qt::Key_P, kCtrl, KeyCommand::Print},
    {Qt::Key_R, kCtrl, KeyCommand::ToggleRivers},
    {Qt::Key_S, kCtrl, KeyCommand::Save},
    {Qt::Key_T, kCtrl, KeyCommand::ToggleTracks},
    {Qt::Key_V, kCtrl, KeyCommand::ToggleTraction},
    {Qt::Key_E, kCtrlAlt, KeyCommand::EditorSettings},
    {Qt::Key_L, kCtrlAlt, KeyCommand::ToggleLegendOnMap},
    {Qt::Key_M, kCtrlAlt, KeyCommand::ToggleMiniMapOnMap},
    {Qt::Key_P, kAlt, KeyCommand::PrintPreview},
};

// The shortcut text a menu item shows for a command.
QString KeyText(KeyCommand command) {
    for (const KeyBinding& b : kKeyBindings) {
        if (b.command == command) {
            return QKeySequence(QKeyCombination(b.modifiers, Qt::Key(b.key)))
                .toString(QKeySequence::PortableText);
        }
    }
    return {};
}

QAction* Item(QMenu* menu, const char* name, const QString& caption,
              std::optional<KeyCommand> key = std::nullopt) {
    QAction* action = menu->addAction(key ? caption + '\t' + KeyText(*key) : caption);
    action->setObjectName(name);
    return action;
}

QAction* Check(QMenu* menu, const char* name, const QString& caption, bool checked,
               std::optional<KeyCommand> key = std::nullopt) {
    QAction* action = Item(menu, name, caption, key);
    action->setCheckable(true);
    action->setChecked(checked);
    return action;
}

QToolButton* Button(QToolBar* bar, const char* name, const QString& hint, const QIcon& icon,
                    const QString& text = {}) {
    auto* button = new QToolButton(bar);
    button->setObjectName(name);
    button->setToolTip(hint);
    button->setStatusTip(hint);
    button->setToolTipDuration(10000);
    button->setIcon(icon);
    button->setText(text.isEmpty() ? hint : text);
    button->setToolButtonStyle(text.isEmpty() ? Qt::ToolButtonIconOnly
                                              : Qt::ToolButtonTextBesideIcon);
    bar->addWidget(button);
    return button;
}

}  // namespace

std::optional<KeyCommand> KeyCommandFor(int key, Qt::KeyboardModifiers modifiers) {
    // The keypad flag says where a key is, not which modifier is held.
    const Qt::KeyboardModifiers held = modifiers & ~Qt::KeypadModifier;
    for (const KeyBinding& b : kKeyBindings) {
        if (b.key == key && b.modifiers == held) return b.command;
    }
    return std::nullopt;
}

MainActions CreateMainActions(QMainWindow& window, const CursorTable& cursors) {
    MainActions a;
    QMenuBar* bar = window.menuBar();

    QMenu* file = bar->addMenu("Plik");
    a.OpenMenuItem = Item(file, "OpenMenuItem", "Ładuj plik scenerii...", KeyCommand::Open);
    a.MRUMenu = file->addMenu("Ostatnio otwarte");
    a.MRUMenu->setObjectName("MRUMenu");
    a.MRUMenu->setToolTipsVisible(true);
    for (std::size_t i = 0; i < a.MRUList.size(); ++i) {
        QAction* item = a.MRUMenu->addAction(QString());
        item->setObjectName(QString("MRUList%1").arg(i + 1));
        item->setVisible(false);
        a.MRUList[i] = item;
    }
    a.EditSource = Item(file, "EditSource", "Edytuj źródła...", KeyCommand::EditorSettings);
    file->addSeparator();
    a.Zapiszobrazsceneriidopliku1 = Item(file, "Zapiszobrazsceneriidopliku1",
                                         "Zapisz obraz scenerii do pliku...", KeyCommand::Save);
    a.Drukujobrazscenerii1 =
        Item(file, "Drukujobrazscenerii1", "Drukuj obraz scenerii...", KeyCommand::Print);
    a.PrintPreviewMenuItem =
        Item(file, "PrintPreviewMenuItem", "Podgląd wydruku", KeyCommand::PrintPreview);
    file->addSeparator();
    a.Uruchomsymulator1 =
        Item(file, "Uruchomsymulator1", "Uruchom symulator...", KeyCommand::RunSimulator);
    a.SceneryProperyty = Item(file, "SceneryProperyty", "Właściwości...");
    file->addSeparator();
    a.Zamknij1 = Item(file, "Zamknij1", "Zamknij", KeyCommand::Close);
    for (QAction* item : {a.Zapiszobrazsceneriidopliku1, a.Drukujobrazscenerii1,
                          a.PrintPreviewMenuItem, a.Uruchomsymulator1, a.SceneryProperyty}) {
        item->setEnabled(false);
    }

    QMenu* tools = bar->addMenu("Narzędzia");
    a.ToolGroup = new QActionGroup(&window);
    a.ToolGroup->setExclusionPolicy(QActionGroup::ExclusionPolicy::Exclusive);
    a.apa1 = Check(tools, "apa1", "Łapa", false, KeyCommand::HandTool);
    a.Lupa1 = Check(tools, "Lupa1", "Lupa", false, KeyCommand::ZoomTool);
    a.Linijka1 = Check(tools, "Linijka1", "Linijka", false, KeyCommand::RulerTool);
    for (QAction* item : {a.apa1, a.Lupa1, a.Linijka1}) {
        a.ToolGroup->addAction(item);
        item->setEnabled(false);
    }

    QMenu* windows = bar->addMenu("Okna");
    a.LegendMenu = windows->addMenu("Legenda");
    a.LegendMenu->setObjectName("LegendMenu");
    a.ShowLegend = Check(a.LegendMenu, "ShowLegend", "Pokaż", true, KeyCommand::ToggleLegend);
    a.LegendOnMap =
        Check(a.LegendMenu, "LegendOnMap", "Rysuj na mapie", false, KeyCommand::ToggleLegendOnMap);
    a.MiniMapMenu = windows->addMenu("Miniaturka");
    a.MiniMapMenu->setObjectName("MiniMapMenu");
    a.ShowMiniMap = Check(a.MiniMapMenu, "ShowMiniMap", "Pokaż", true, KeyCommand::ToggleMiniMap);
    a.MiniMapOnMap = Check(a.MiniMapMenu, "MiniMapOnMap", "Rysuj na mapie", false,
                           KeyCommand::ToggleMiniMapOnMap);
    a.TrackListSubmenu = windows->addMenu("Lista nazwanych torów");
    a.TrackListMenu = a.TrackListSubmenu->menuAction();
    a.TrackListMenu->setObjectName("TrackListMenu");
    a.ShowTrackList = Check(a.TrackListSubmenu, "ShowTrackList", "Pokaż", false);
    a.AnimateZoom = Check(a.TrackListSubmenu, "AnimateZoom", "Animowane powiększenie", false);
    windows->addSeparator();
    a.PaintTransparentMenu = Check(windows, "PaintTransparentMenu", "Rysuj półprzezroczyste", true);

    QMenu* options = bar->addMenu("Opcje");
    QMenu* paint = options->addMenu("Rysuj");
    a.PaintTrack = Check(paint, "PaintTrack", "Tory", true, KeyCommand::ToggleTracks);
    a.PaintTraction = Check(paint, "PaintTraction", "Trakcję", false, KeyCommand::ToggleTraction);
    a.PaintRoad = Check(paint, "PaintRoad", "Drogi", true, KeyCommand::ToggleRoads);
    a.PaintRiver = Check(paint, "PaintRiver", "Rzeki", true, KeyCommand::ToggleRivers);
    paint->addSeparator();
    a.PaintSpeedLimit = Check(paint, "PaintSpeedLimit", "Ograniczenia", false);
    a.PaintElevation = Check(paint, "PaintElevation", "Wzniesienia", false);
    QMenu* mapType = options->addMenu("Typ mapy");
    a.MapTypes = new QActionGroup(&window);
    a.MapTypeVelocity = Check(mapType, "MapTypeVelocity", "Prędkość szlakowa", true);
    a.MapTypeHipsometric = Check(mapType, "MapTypeHipsometric", "Hipsometryczna", false);
    a.MapTypeElevation = Check(mapType, "MapTypeElevation", "Wzniesieniowa", false);
    a.MapTypeNormal = Check(mapType, "MapTypeNormal", "Zwykła", false);
    for (QAction* item :
         {a.MapTypeVelocity, a.MapTypeHipsometric, a.MapTypeElevation, a.MapTypeNormal}) {
        a.MapTypes->addAction(item);
    }
    options->addSeparator();
    a.Kolory = Item(options, "Kolory", "Kolory...");
    a.WorkMode = Item(options, "WorkMode", "Tryb pracy...");

    QMenu* help = bar->addMenu("Pomoc");
    a.HelpMenuItem = Item(help, "HelpMenuItem", "Pomoc", KeyCommand::Help);
    a.AboutMenuItem = Item(help, "AboutMenuItem", "O programie...");

    a.EditorsMenu = new QMenu(&window);
    a.EditorsMenu->setObjectName("EditorsMenu");
    a.EditorsMenu->setToolTipsVisible(true);
    for (std::size_t i = 0; i < a.EditorItems.size(); ++i) {
        a.EditorItems[i] = Item(a.EditorsMenu, "", QString("%1.").arg(i + 1),
                                i == 0 ? std::optional(KeyCommand::EditFiles) : std::nullopt);
        a.EditorItems[i]->setObjectName(QString("EditorItem%1").arg(i + 1));
    }
    a.EditorsMenu->setDefaultAction(a.EditorItems[0]);
    a.EditorsMenu->addSeparator();
    a.EditorSettings =
        Item(a.EditorsMenu, "EditorSettings", "Ustawienia...", KeyCommand::EditorSettings);

    a.ToolBar = window.addToolBar("Narzędzia");
    a.ToolBar->setObjectName("ToolBar");
    a.ToolBar->setMovable(false);
    QToolBar* tb = a.ToolBar;
    const QStyle* style = QApplication::style();
    a.OpenToolButton = Button(tb, "OpenToolButton", QString(),
                              style->standardIcon(QStyle::SP_DialogOpenButton), "Ostatnio otwarte");
    a.OpenToolButton->setToolTip(QString());
    a.OpenToolButton->setStatusTip(QString());
    a.OpenToolButton->setMenu(a.MRUMenu);
    a.OpenToolButton->setPopupMode(QToolButton::MenuButtonPopup);
    a.EditSourceToolButton = Button(tb, "EditSourceToolButton", "Edytuj źródła (Ctrl+E)",
                                    style->standardIcon(QStyle::SP_FileDialogContentsView));
    a.EditSourceToolButton->setMenu(a.EditorsMenu);
    a.EditSourceToolButton->setPopupMode(QToolButton::MenuButtonPopup);
    tb->addSeparator();
    a.PaintToolButton = Button(tb, "PaintToolButton", "Przerysuj scenerię",
                               style->standardIcon(QStyle::SP_BrowserReload));
    a.SaveToolButton = Button(tb, "SaveToolButton", "Zapisz obraz scenerii do pliku (Ctrl+S)",
                              style->standardIcon(QStyle::SP_DialogSaveButton));
    a.PrintToolButton =
        Button(tb, "PrintToolButton", "Drukuj obraz scenerii (Ctrl+P); Podgląd wydruku (Alt+P)",
               style->standardIcon(QStyle::SP_FileDialogDetailedView));
    a.RunSimToolButton = Button(tb, "RunSimToolButton", "Uruchom symulator z bierzącą scenerią",
                                style->standardIcon(QStyle::SP_MediaPlay));
    tb->addSeparator();
    const auto cursorIcon = [&](int slot) { return QIcon(cursors.Cursor(slot).pixmap()); };
    a.HandToolButton = Button(tb, "HandToolButton", "Łapa (Ctrl+1)", cursorIcon(3));
    a.ZoomToolButton = Button(tb, "ZoomToolButton", "Lupa (Ctrl+2)", cursorIcon(1));
    a.LengthToolButton = Button(tb, "LengthToolButton", "Linijka (Ctrl+3)",
                                style->standardIcon(QStyle::SP_ArrowRight));
    tb->addSeparator();
    a.LegendToolButton = Button(tb, "LegendToolButton", "Legenda", QIcon(), "Legenda");
    a.LegendToolButton->setMenu(a.LegendMenu);
    a.MiniMapToolButton = Button(tb, "MiniMapToolButton", "Miniaturka", QIcon(), "Miniaturka");
    a.MiniMapToolButton->setMenu(a.MiniMapMenu);
    a.TrackListToolButton =
        Button(tb, "TrackListToolButton", "Lista torów", QIcon(), "Lista torów");
    a.TrackListToolButton->setMenu(a.TrackListSubmenu);
    for (QToolButton* b : {a.LegendToolButton, a.MiniMapToolButton, a.TrackListToolButton}) {
        b->setCheckable(true);
        b->setPopupMode(QToolButton::MenuButtonPopup);
        b->setToolButtonStyle(Qt::ToolButtonTextOnly);
    }
    for (QToolButton* b : {a.HandToolButton, a.ZoomToolButton, a.LengthToolButton}) {
        b->setCheckable(true);
        b->setAutoExclusive(true);
    }
    for (QToolButton* b :
         {a.EditSourceToolButton, a.PaintToolButton, a.SaveToolButton, a.PrintToolButton,
          a.RunSimToolButton, a.HandToolButton, a.ZoomToolButton, a.LengthToolButton}) {
        b->setEnabled(false);
    }
    return a;
}

}  // namespace tarvik
