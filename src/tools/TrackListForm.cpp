#include "TrackListForm.h"

#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QComboBox>
#include <QHeaderView>
#include <QLabel>
#include <QPainter>
#include <QStatusBar>
#include <QToolBar>
#include <QToolButton>
#include <QTreeView>
#include <QVBoxLayout>
#include <algorithm>

#include "ElapsedText.h"
#include "ProperytyForm.h"
#include "QtText.h"
#include "SourceMap.h"
#include "TextNow.h"
#include "TrackListBuilder.h"
#include "TrackListModel.h"
#include "Translate.h"

namespace tarvik {
namespace {

class UpdatesSuspended {
  public:
    explicit UpdatesSuspended(QWidget& widget) : widget_(widget) {
        widget_.setUpdatesEnabled(false);
    }
    ~UpdatesSuspended() { widget_.setUpdatesEnabled(true); }
    UpdatesSuspended(const UpdatesSuspended&) = delete;
    UpdatesSuspended& operator=(const UpdatesSuspended&) = delete;

  private:
    QWidget& widget_;
};

// The images of the tool-bar buttons, 16 pixels square.
QIcon DrawnIcon(const std::function<void(QPainter&)>& draw) {
    QPixmap pixmap(16, 16);
    pixmap.fill(Qt::transparent);
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);
    draw(p);
    return QIcon(pixmap);
}

void DrawTrack(QPainter& p) {
    p.setPen(QPen(QColor(90, 90, 90), 1.5));
    p.drawLine(QPointF(1, 14), QPointF(14, 1));
}

void DrawLens(QPainter& p, QPointF centre, qreal radius) {
    p.setPen(QPen(Qt::black, 1.5));
    p.setBrush(QColor(180, 220, 255, 200));
    p.drawEllipse(centre, radius, radius);
    p.setPen(QPen(Qt::black, 2.5, Qt::SolidLine, Qt::RoundCap));
    const qreal d = radius * 0.72;
    p.drawLine(centre + QPointF(d, d), centre + QPointF(d + 4, d + 4));
}

QIcon ShowOnMapIcon() {
    return DrawnIcon([](QPainter& p) {
        DrawTrack(p);
        DrawLens(p, {6.5, 6.5}, 4.5);
    });
}

QIcon AnimateIcon() {
    return DrawnIcon([](QPainter& p) {
        p.setBrush(Qt::NoBrush);
        for (int i = 0; i < 3; ++i) {
            p.setPen(QPen(QColor(0, 0, 128, 90 + 80 * i), 1));
            const qreal inset = 0.5 + 2.5 * i;
            p.drawRect(QRectF(inset, inset, 15 - 2 * inset, 15 - 2 * inset));
        }
        p.setPen(QPen(QColor(200, 0, 0), 1.5));
        p.drawLine(QPointF(5.5, 8), QPointF(10.5, 8));
        p.drawLine(QPointF(8, 5.5), QPointF(8, 10.5));
    });
}

QIcon PropertiesIcon() {
    return DrawnIcon([](QPainter& p) {
        p.setPen(QPen(Qt::black, 1));
        p.setBrush(Qt::white);
        p.drawRect(QRectF(2.5, 0.5, 11, 15));
        p.setPen(QPen(QColor(0, 0, 128), 1));
        for (int y = 4; y <= 12; y += 3) {
            p.drawLine(QPointF(4.5, y), QPointF(7, y));
            p.drawLine(QPointF(8.5, y), QPointF(11.5, y));
        }
    });
}

QToolButton* ToolButton(QToolBar* bar, const char* name, const QString& hint, const QIcon& icon) {
    auto* button = new QToolButton(bar);
    button->setObjectName(name);
    button->setCheckable(true);
    button->setAutoRaise(true);
    button->setIcon(icon);
    button->setToolTip(hint);
    button->setStatusTip(hint);
    bar->addWidget(button);
    return button;
}

// The source places of a list's rows: each file's shown name is worked out once, as a list of
// every track of a large scenery has many rows per file.
class SourcePlaces {
  public:
    explicit SourcePlaces(const TScenery& scenery)
        : store_(scenery.Segments), sources_(scenery.Sources), files_(sources_.FileCount()) {}

    QString Of(const TSegmentObj* segment) {
        if (!segment) return {};
        const SourceLocation at = sources_.Locate(store_.ReadAt(*segment));
        if (!at.Known()) return {};
        QString& file = files_[at.file];
        if (file.isNull()) file = ToQString(ShownSourceFile(sources_, at.file));
        return file + QLatin1Char(':') + QString::number(at.line);
    }

  private:
    const SegmentStore& store_;
    const SourceMap& sources_;
    std::vector<QString> files_;
};

bool IsLeft(const QEvent* event) {
    return static_cast<const QMouseEvent*>(event)->button() == Qt::LeftButton;
}

}  // namespace

TTrackListForm::TTrackListForm(ToolContext context, QWidget* parent)
    : QMainWindow(parent, Qt::Tool), context_(std::move(context)) {
    setObjectName("TrackListForm");
    setWindowTitle(Tr("TrackListForm", "Lista nazwanych torów"));
    setMinimumSize(40, 40);
    resize(kDesignedWidth, 440);

    QToolBar* bar = addToolBar(Tr("TrackListForm", "Narzędzia"));
    bar->setObjectName("ToolBar1");
    bar->setMovable(false);
    bar->setFloatable(false);
    bar->setIconSize({16, 16});
    bar->toggleViewAction()->setVisible(false);
    showOnMapButton_ = ToolButton(bar, "ShowOnMapToolButton",
                                  Tr("TrackListForm", "Pokazuj tor na mapie"), ShowOnMapIcon());
    animateButton_ = ToolButton(bar, "AnimateZoomToolButton",
                                Tr("TrackListForm", "Animowane powiększenie"), AnimateIcon());
    bar->addSeparator();
    propertiesButton_ = ToolButton(bar, "PropertiesToolButton",
                                   Tr("TrackListForm", "Okno właściwości"), PropertiesIcon());
    propertiesButton_->setEnabled(false);

    auto* centre = new QWidget(this);
    auto* layout = new QVBoxLayout(centre);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(2);
    comboBox_ = new QComboBox(centre);
    comboBox_->setObjectName("ComboBox");
    for (const TrackListViewTexts& texts : kTrackListViewTexts)
        comboBox_->addItem(Tr("TrackListBuilder", texts.entry));
    comboBox_->setCurrentIndex(-1);
    layout->addWidget(comboBox_);

    model_ = new TrackListModel(this);
    list_ = new QTreeView(centre);
    list_->setObjectName("TrackList");
    list_->setModel(model_);
    list_->setRootIsDecorated(false);
    list_->setItemsExpandable(false);
    list_->setUniformRowHeights(true);
    list_->setAllColumnsShowFocus(true);
    list_->setSelectionMode(QAbstractItemView::SingleSelection);
    list_->setSelectionBehavior(QAbstractItemView::SelectRows);
    list_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    list_->setSortingEnabled(false);
    list_->header()->setSectionsClickable(false);
    list_->header()->setSectionsMovable(false);
    list_->header()->setStretchLastSection(false);
    list_->header()->setSectionResizeMode(QHeaderView::ResizeToContents);
    layout->addWidget(list_, 1);
    setCentralWidget(centre);

    status_ = new QLabel(this);
    status_->setObjectName("StatusBar1");
    statusBar()->addWidget(status_, 1);
    statusBar()->setSizeGripEnabled(true);

    connect(comboBox_, &QComboBox::currentIndexChanged, this, [this] { ComboBoxChange(); });
    // The map draws whatever entry is selected, however the selection came about.
    connect(list_->selectionModel(), &QItemSelectionModel::selectionChanged, this,
            [this] { context_.map.SetHighlight(SelectedSegment()); });
    connect(showOnMapButton_, &QToolButton::clicked, this, [this] { TrackListClick(); });
    connect(animateButton_, &QToolButton::clicked, this, &TTrackListForm::animateZoomClicked);
    connect(propertiesButton_, &QToolButton::clicked, this, [this] { PropertiesButtonClick(); });
    list_->installEventFilter(this);
    list_->viewport()->installEventFilter(this);
    comboBox_->installEventFilter(this);
}

TTrackListForm::~TTrackListForm() {
    if (properties_) properties_->onHidden = nullptr;
}

bool TTrackListForm::ListEmpty() const {
    return model_->rowCount() == 0;
}

void TTrackListForm::ClearList() {
    model_->Clear();
    shownSelection_ = nullptr;
    context_.map.SetHighlight(nullptr);
}

void TTrackListForm::BuildTrackList() {
    const int view = comboBox_->currentIndex();
    if (view < 0 || view >= kTrackListViews) return;
    SetStatus(Tr("TrackListForm", "Tworzenie listy..."));
    const Stopwatch stopwatch;
    {
        const OverrideCursor busy(context_.cursors.Cursor(CursorTable::kDrawing));
        const UpdatesSuspended frozen(*list_);
        ClearList();
        const TrackListViewTexts& texts = kTrackListViewTexts[static_cast<std::size_t>(view)];
        model_->SetHeaders(Tr("TrackListBuilder", texts.first),
                           Tr("TrackListBuilder", texts.second));
        const TScenery& scenery = context_.scenery;
        const std::vector<TrackListEntry> entries = BuildTrackEntries(
            static_cast<TrackListView>(view), scenery.Tracks(), scenery.Trainsets);
        std::vector<TrackListModel::Row> rows;
        rows.reserve(entries.size());
        SourcePlaces places(scenery);
        for (const TrackListEntry& e : entries) {
            rows.push_back({Cp1250ToQString(e.caption), Cp1250ToQString(e.second), e.segment,
                            places.Of(e.segment)});
        }
        // Sorted once, when every entry is there.
        SortByCaption(rows);
        model_->SetRows(std::move(rows));
    }
    // Laid out now, columns sized to their contents, as part of the building: on the next turn
    // of the event loop the map's drawing after a load would wait for it.
    list_->doItemsLayout();
    SetStatus(ToQString(stopwatch.ElapsedText(Translate("TrackListForm", "Tworzenie listy: "))));
}

const TSegmentObj* TTrackListForm::SelectedSegment() const {
    const QModelIndexList selected = list_->selectionModel()->selectedIndexes();
    return selected.isEmpty() ? nullptr : model_->Segment(selected.front().row());
}

bool TTrackListForm::HasSelection() const {
    return list_->selectionModel()->hasSelection();
}

int TTrackListForm::ShownView() const {
    const int view = comboBox_->currentIndex();
    return view >= 0 && view < kTrackListViews ? view
                                               : static_cast<int>(TrackListView::NamedTracks);
}

bool TTrackListForm::HoldsTrack(const TSegmentObj& track) const {
    if (!ListEmpty()) return model_->RowOf(track) >= 0;
    const TScenery& scenery = context_.scenery;
    const std::vector<TrackListEntry> entries = BuildTrackEntries(
        static_cast<TrackListView>(ShownView()), scenery.Tracks(), scenery.Trainsets);
    return std::any_of(entries.begin(), entries.end(), [&track](const TrackListEntry& e) {
        return EntryStandsFor(e.segment, track) != StandsFor::No;
    });
}

void TTrackListForm::SelectTrack(const TSegmentObj& track) {
    // Choosing the view builds the list.
    if (comboBox_->currentIndex() != ShownView()) comboBox_->setCurrentIndex(ShownView());
    if (ListEmpty()) BuildTrackList();
    const int row = model_->RowOf(track);
    if (row < 0) return;
    const QModelIndex entry = model_->index(row, 0);
    list_->setCurrentIndex(entry);
    list_->scrollTo(entry);
    TrackListClick();
}

void TTrackListForm::SetAnimateZoom(bool animate) {
    animateButton_->setChecked(animate);
}

void TTrackListForm::SetProperties(TProperytyForm* properties) {
    properties_ = properties;
    properties_->onHidden = [this] { propertiesButton_->setChecked(false); };
}

QString TTrackListForm::TrackText() const {
    const TSegmentObj* s = SelectedSegment();
    if (!s) return {};
    return s->HasName() ? Cp1250ToQString(s->Name()) : Tr("TrackListForm", "(!Nienazwany)");
}

void TTrackListForm::SetStatus(const QString& text) {
    SetTextNow(*status_, text);
}

void TTrackListForm::ComboBoxChange() {
    // The highlight of the old view's entry goes from the map with the entry.
    const bool highlighted = SelectedSegment() != nullptr;
    BuildTrackList();
    if (highlighted) context_.map.Redraw();
}

void TTrackListForm::TrackListClick() {
    if (!HasSelection()) {
        propertiesButton_->setEnabled(false);
        return;
    }
    propertiesButton_->setEnabled(true);
    SetStatus(Tr("TrackListForm", "Tor: %1").arg(TrackText()));
    const TSegmentObj* selected = SelectedSegment();
    // The map may highlight another track since, picked on the map itself.
    const bool highlightTaken = context_.map.Highlight() != selected;
    if (highlightTaken) context_.map.SetHighlight(selected);
    if (showOnMapButton_->isChecked()) {
        ShowTrackOnMap();
    } else if (selected != shownSelection_ || highlightTaken) {
        context_.map.Redraw();
    }
    shownSelection_ = selected;
    if (properties_ && properties_->isVisible()) properties_->ShowSegmentProperties(selected);
}

void TTrackListForm::ShowTrackOnMap() {
    if (searchBusy_) return;
    searchBusy_ = true;
    searchCursor_.emplace(context_.cursors.Cursor(CursorTable::kDrawing));
    const QString track = TrackText();
    SetStatus(Tr("TrackListForm", "Tor: %1 -> Wyszukiwanie...").arg(track));
    if (const TSegmentObj* segment = SelectedSegment()) {
        context_.map.ZoomTo(*segment, [this, track] { EndSearch(track); });
    } else {
        EndSearch(track);
    }
}

void TTrackListForm::EndSearch(const QString& track) {
    SetStatus(Tr("TrackListForm", "Tor: %1").arg(track));
    searchCursor_.reset();
    searchBusy_ = false;
}

void TTrackListForm::PropertiesButtonClick() {
    if (!properties_) return;
    if (properties_->isVisible()) {
        properties_->close();
        return;
    }
    properties_->show();
    propertiesButton_->setChecked(true);
    properties_->ShowSegmentProperties(SelectedSegment());
}

void TTrackListForm::closeEvent(QCloseEvent* event) {
    QMainWindow::closeEvent(event);
    emit closedByUser();
    if (properties_ && properties_->isVisible()) properties_->close();
}

bool TTrackListForm::eventFilter(QObject* watched, QEvent* event) {
    if (watched == list_) {
        switch (event->type()) {
            case QEvent::KeyPress: {
                const auto* key = static_cast<const QKeyEvent*>(event);
                // The main window takes the release of its own keys, so they must not hold
                // the searches back.
                if (!context_.isMainWindowKey(key->key(), key->modifiers())) {
                    searchBusy_ = true;
                    keyHeld_ = true;
                }
                break;
            }
            case QEvent::KeyRelease:
                if (static_cast<const QKeyEvent*>(event)->isAutoRepeat()) break;
                if (keyHeld_) {
                    keyHeld_ = false;
                    searchBusy_ = false;
                }
                TrackListClick();
                break;
            case QEvent::FocusOut:
                // A key let go elsewhere would otherwise keep the searches blocked.
                if (keyHeld_) {
                    keyHeld_ = false;
                    searchBusy_ = false;
                }
                break;
            default:
                break;
        }
    } else if (watched == list_->viewport()) {
        if (event->type() == QEvent::MouseButtonRelease && IsLeft(event)) {
            if (afterDoubleClick_) {
                afterDoubleClick_ = false;
            } else {
                TrackListClick();
            }
        } else if (event->type() == QEvent::MouseButtonDblClick && IsLeft(event)) {
            afterDoubleClick_ = true;
            ShowTrackOnMap();
        }
    } else if (watched == comboBox_ && event->type() == QEvent::FocusIn) {
        const Qt::FocusReason reason = static_cast<const QFocusEvent*>(event)->reason();
        if (reason == Qt::TabFocusReason || reason == Qt::BacktabFocusReason) {
            comboBox_->showPopup();
        }
    }
    return QMainWindow::eventFilter(watched, event);
}

}  // namespace tarvik
