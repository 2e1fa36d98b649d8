#include "ProperytyForm.h"

#include <QApplication>
#include <QGridLayout>
#include <QGroupBox>
#include <QHideEvent>
#include <QLabel>
#include <QListWidget>
#include <QTreeWidget>
#include <QVBoxLayout>
#include <algorithm>
#include <array>

#include "Cp1250.h"
#include "PropertyText.h"
#include "QtText.h"
#include "SegmentGeometry.h"
#include "TextNow.h"
#include "VehicleIcons.h"

namespace tarvik {
namespace {

const QColor kNavy(0, 0, 128);
const QColor kMaroon(128, 0, 0);
const QColor kGreen(0, 128, 0);

QString Number(double value) {
    return QString::fromStdString(GeneralText(value));
}

// Only the enabled look takes the colour, so that a disabled field still shows greyed.
void Colour(QWidget* widget, const QColor& colour, bool bold = false) {
    QPalette p = widget->palette();
    p.setColor(QPalette::Active, QPalette::WindowText, colour);
    p.setColor(QPalette::Inactive, QPalette::WindowText, colour);
    widget->setPalette(p);
    if (bold) {
        QFont f = widget->font();
        f.setBold(true);
        widget->setFont(f);
    }
}

QLabel* Sunken(const QString& text, Qt::Alignment alignment, const char* name) {
    auto* label = new QLabel(text);
    label->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    label->setAlignment(alignment | Qt::AlignVCenter);
    if (name) label->setObjectName(name);
    return label;
}

QLabel* Caption(const QString& text, const char* name = nullptr) {
    return Sunken(text, Qt::AlignRight, name);
}

QLabel* Value(const char* name) {
    QLabel* value = Sunken({}, Qt::AlignHCenter, name);
    value->setMinimumWidth(36);
    return value;
}

// Each value shows at once, while the rest of the window is still being filled.
void Put(QLabel* label, const QString& text) {
    SetTextNow(*label, text);
}

void SetImage(QTreeWidgetItem* item, int index) {
    QIcon icon = VehicleIcon(index);
    for (const QSize& size : icon.availableSizes())
        icon.addPixmap(icon.pixmap(size), QIcon::Selected);
    item->setIcon(0, icon);
    item->setData(0, TProperytyForm::kImageRole, index);
}

// A path too long for its field loses its middle; the field never widens the window.
class ElidedLabel : public QLabel {
  public:
    void SetFullText(const QString& text) {
        full_ = text;
        Elide();
        repaint();
    }

  protected:
    void resizeEvent(QResizeEvent* event) override {
        QLabel::resizeEvent(event);
        Elide();
    }

  private:
    void Elide() {
        // A framed label keeps half an "x" between its frame and the text.
        const int room =
            contentsRect().width() - fontMetrics().horizontalAdvance(QLatin1Char('x')) / 2;
        setText(fontMetrics().elidedText(full_, Qt::ElideMiddle, room));
    }

    QString full_;
};

QGroupBox* Group(const QString& title, QGridLayout*& grid) {
    auto* group = new QGroupBox(title);
    grid = new QGridLayout(group);
    grid->setContentsMargins(4, 2, 4, 4);
    grid->setSpacing(2);
    return group;
}

// A grid of the three end points, one column per coordinate; the third point (a switch's) in
// maroon. Returns the column captions.
template <std::size_t N>
std::array<QLabel*, N> PointGrid(QGridLayout& grid, const std::array<const char*, N>& columns,
                                 const std::array<const char*, N>& fields,
                                 const QString& namePrefix,
                                 std::array<std::array<QLabel*, N>, 3>& rows, QLabel*& p3Caption) {
    std::array<QLabel*, N> captions{};
    for (std::size_t c = 0; c < N; ++c) {
        captions[c] = Caption(QString::fromLatin1(columns[c]));
        grid.addWidget(captions[c], 0, static_cast<int>(c) + 1);
    }
    for (int r = 0; r < 3; ++r) {
        const QString point = QStringLiteral("P%1").arg(r + 1);
        const QByteArray p3Name = (namePrefix + "P3Label").toLatin1();
        QLabel* caption = Caption(point + ":", r == 2 ? p3Name.constData() : nullptr);
        grid.addWidget(caption, r + 1, 0);
        for (std::size_t c = 0; c < N; ++c) {
            const QByteArray name = (point + fields[c]).toLatin1();
            QLabel* value = Value(name.constData());
            rows[static_cast<std::size_t>(r)][c] = value;
            if (r == 2) Colour(value, kMaroon);
            grid.addWidget(value, r + 1, static_cast<int>(c) + 1);
        }
        if (r == 2) {
            p3Caption = caption;
            Colour(caption, kMaroon);
        }
    }
    for (int c = 1; c <= static_cast<int>(N); ++c)
        grid.setColumnStretch(c, 1);
    return captions;
}

}  // namespace

TProperytyForm::TProperytyForm(const TScenery& scenery, const TWorkMode& mode,
                               const CursorTable& cursors, QWidget* parent)
    : QWidget(parent, Qt::Tool), scenery_(scenery), mode_(mode), cursors_(cursors) {
    setObjectName("ProperytyForm");
    setWindowTitle(Tr("ProperytyForm", "Właściwości toru"));
    setFixedSize(kClientWidth, kClientHeight);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(4, 4, 4, 4);
    layout->setSpacing(3);

    auto* top = new QGridLayout;
    top->setSpacing(3);
    nameCaption_ = Caption(Tr("ProperytyForm", "Nazwa toru:"), "NameCaption");
    top->addWidget(nameCaption_, 0, 0);
    trackName_ = Value("TrackName");
    Colour(trackName_, kNavy, true);
    top->addWidget(trackName_, 0, 1);
    top->addWidget(Caption(Tr("ProperytyForm", "Plik:")), 1, 0);
    auto* file = new ElidedLabel;
    file->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    file->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    file->setObjectName("SourceFile");
    file->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Preferred);
    sourceFile_ = file;
    top->addWidget(sourceFile_, 1, 1);
    top->addWidget(Caption(Tr("ProperytyForm", "Wiersz:")), 2, 0);
    sourceLine_ = Value("SourceLine");
    top->addWidget(sourceLine_, 2, 1);
    top->setColumnStretch(1, 1);
    layout->addLayout(top);

    QGridLayout* grid = nullptr;
    layout->addWidget(Group(Tr("ProperytyForm", "Współrzędne końców:"), grid));
    const auto mapColumns = PointGrid<5>(*grid, {"X:", "Y:", "Vx:", "Vy:", "H:"},
                                         {"X", "Y", "Vx", "Vy", "H"}, "", points_, p3Label_);
    std::copy(mapColumns.begin() + 2, mapColumns.end(), vectorAndHeightCaptions_.begin());

    // The same ends as the scenery's files write them: x and z are the map's X and Y turned
    // round, y is the height.
    layout->addWidget(Group(Tr("ProperytyForm", "Współrzędne końców w plikach scenerii:"), grid));
    fileHeightCaption_ = PointGrid<3>(*grid, {"x:", "y:", "z:"}, {"FileX", "FileY", "FileZ"},
                                      "File", filePoints_, fileP3Label_)[1];

    layout->addWidget(Group(Tr("ProperytyForm", "Informacje dodatkowe:"), grid));
    velocity_ = Value("Velocity");
    length12_ = Value("Length12");
    gradient12_ = Value("Gradient12");
    switchLabel_ = new QLabel(Tr("ProperytyForm", "Dla zwrotnicy:"));
    switchLabel_->setObjectName("SwitchLabel");
    switchLabel_->setAlignment(Qt::AlignCenter);
    length13Label_ = Caption(Tr("ProperytyForm", "Długość P1-P3:"), "Length13Label");
    length13_ = Value("Length13");
    gradient13Label_ = Caption(Tr("ProperytyForm", "Nachylenie |P1-P3|:"), "Gradient13Label");
    gradient13_ = Value("Gradient13");
    for (QLabel* l : {switchLabel_, length13Label_, length13_, gradient13Label_, gradient13_})
        Colour(l, kMaroon);
    velocityCaption_ = Caption(Tr("ProperytyForm", "Prędkość szlakowa:"), "VelocityCaption");
    grid->addWidget(velocityCaption_, 0, 0);
    grid->addWidget(velocity_, 0, 1);
    grid->addWidget(Caption(Tr("ProperytyForm", "Długość P1-P2:")), 1, 0);
    grid->addWidget(length12_, 1, 1);
    gradient12Caption_ = Caption(Tr("ProperytyForm", "Nachylenie |P1-P2|:"), "Gradient12Caption");
    grid->addWidget(gradient12Caption_, 2, 0);
    grid->addWidget(gradient12_, 2, 1);
    grid->addWidget(switchLabel_, 3, 0, 1, 2);
    grid->addWidget(length13Label_, 4, 0);
    grid->addWidget(length13_, 4, 1);
    grid->addWidget(gradient13Label_, 5, 0);
    grid->addWidget(gradient13_, 5, 1);
    grid->setColumnStretch(1, 1);

    trainGroup_ = Group(Tr("ProperytyForm", "Skład na torze:"), grid);
    trainGroup_->setObjectName("TrainGroup");
    layout->addWidget(trainGroup_, 3);
    QLabel* trainCaption = Caption(Tr("ProperytyForm", "Nazwa składu:"));
    Colour(trainCaption, kGreen, true);
    trainName_ = Value("TrainName");
    Colour(trainName_, kGreen, true);
    locomotives_ = Value("Locomotives");
    wagons_ = Value("Wagons");
    drivableLocomotives_ = Value("DrivableLocomotives");
    drivableWagons_ = Value("DrivableWagons");
    grid->addWidget(trainCaption, 0, 0);
    grid->addWidget(trainName_, 0, 1, 1, 3);
    grid->addWidget(Caption(Tr("ProperytyForm", "Lokomotyw:")), 1, 0);
    grid->addWidget(locomotives_, 1, 1);
    grid->addWidget(Caption(Tr("ProperytyForm", "Wagonów:")), 1, 2);
    grid->addWidget(wagons_, 1, 3);
    grid->addWidget(Caption(Tr("ProperytyForm", "W tym można prowdzić:")), 2, 0);
    grid->addWidget(drivableLocomotives_, 2, 1);
    grid->addWidget(drivableWagons_, 2, 3);
    tree_ = new QTreeWidget;
    tree_->setObjectName("TrainTree");
    tree_->setHeaderHidden(true);
    tree_->setIndentation(24);
    tree_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    tree_->setSelectionMode(QAbstractItemView::SingleSelection);
    // The two lists share what the fixed window leaves, whatever their contents.
    tree_->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Ignored);
    grid->addWidget(tree_, 3, 0, 1, 4);
    grid->setRowStretch(3, 1);

    eventGroup_ = Group(Tr("ProperytyForm", "Lista zdarzeń:"), grid);
    eventGroup_->setObjectName("EventGroup");
    layout->addWidget(eventGroup_, 1);
    events_ = new QListWidget;
    events_->setObjectName("EventList");
    events_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    events_->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Ignored);
    grid->addWidget(events_, 0, 0);
}

void TProperytyForm::Clear() {
    for (QLabel* count : {locomotives_, wagons_, drivableLocomotives_, drivableWagons_})
        Put(count, QStringLiteral("0"));
    for (QLabel* value : {trackName_, sourceLine_, velocity_, length12_, gradient12_, length13_,
                          gradient13_, trainName_}) {
        Put(value, {});
    }
    static_cast<ElidedLabel*>(sourceFile_)->SetFullText({});
    sourceFile_->setToolTip({});
    for (const PointFields& row : points_) {
        for (QLabel* value : row)
            Put(value, {});
    }
    for (const FilePointFields& row : filePoints_) {
        for (QLabel* value : row)
            Put(value, {});
    }
    tree_->clear();
    events_->clear();
    for (QLabel* l : {p3Label_, fileP3Label_, switchLabel_, length13Label_, gradient13Label_,
                      length13_, gradient13_}) {
        l->setEnabled(false);
    }
    for (QLabel* value : points_[2])
        value->setEnabled(false);
    for (QLabel* value : filePoints_[2])
        value->setEnabled(false);
    trainGroup_->setEnabled(false);
    ShowKind(SegmentKind::Track);
}

void TProperytyForm::ShowKind(SegmentKind kind) {
    struct Look {
        const char* title;
        const char* nameCaption;
    };
    // A wire's name is not read: its row says what it is instead.
    static constexpr Look kLooks[kSegmentKindCount] = {
        {QT_TRANSLATE_NOOP("ProperytyForm", "Właściwości toru"),
         QT_TRANSLATE_NOOP("ProperytyForm", "Nazwa toru:")},
        {QT_TRANSLATE_NOOP("ProperytyForm", "Właściwości drogi"),
         QT_TRANSLATE_NOOP("ProperytyForm", "Nazwa drogi:")},
        {QT_TRANSLATE_NOOP("ProperytyForm", "Właściwości rzeki"),
         QT_TRANSLATE_NOOP("ProperytyForm", "Nazwa rzeki:")},
        {QT_TRANSLATE_NOOP("ProperytyForm", "Właściwości sieci trakcyjnej"),
         QT_TRANSLATE_NOOP("ProperytyForm", "Rodzaj:")},
    };
    const Look& look = kLooks[static_cast<std::size_t>(kind)];
    setWindowTitle(Tr("ProperytyForm", look.title));
    nameCaption_->setText(Tr("ProperytyForm", look.nameCaption));
    // Line speeds are the railway's; a wire is read without heights or control vectors.
    const bool track = kind == SegmentKind::Track;
    const bool heights = kind != SegmentKind::Traction;
    velocityCaption_->setEnabled(track);
    velocity_->setEnabled(track);
    gradient12Caption_->setEnabled(heights);
    gradient12_->setEnabled(heights);
    for (QLabel* caption : vectorAndHeightCaptions_)
        caption->setEnabled(heights);
    fileHeightCaption_->setEnabled(heights);
    for (std::size_t r = 0; r < 2; ++r) {
        for (std::size_t c = 2; c < 5; ++c)
            points_[r][c]->setEnabled(heights);
        filePoints_[r][1]->setEnabled(heights);
    }
    eventGroup_->setEnabled(heights);
}

void TProperytyForm::ShowSource(SourceLine line) {
    const SourceMap& sources = scenery_.Sources;
    const SourceLocation at = sources.Locate(line);
    if (!at.Known()) return;
    static_cast<ElidedLabel*>(sourceFile_)
        ->SetFullText(ToQString(ShownSourceFile(sources, at.file)));
    sourceFile_->setToolTip(ToQString(DisplayPath(sources.Path(at.file))));
    Put(sourceLine_, QString::number(at.line));
}

void TProperytyForm::ShowPoint(std::size_t row, double x, double y, const double* vx,
                               const double* vy, const double* h) {
    const PointFields& map = points_[row];
    Put(map[0], Number(x));
    Put(map[1], Number(y));
    if (h) {
        Put(map[2], vx ? Number(*vx) : QStringLiteral("0"));
        Put(map[3], vy ? Number(*vy) : QStringLiteral("0"));
        Put(map[4], Number(*h));
    }
    const FilePointFields& file = filePoints_[row];
    Put(file[0], Number(-x));
    if (h) Put(file[1], Number(*h));
    Put(file[2], Number(-y));
}

void TProperytyForm::ShowSegmentProperties(const TSegmentObj* seg, SegmentKind kind) {
    if (!seg) return;
    const OverrideCursor busy(cursors_.Cursor(CursorTable::kRecalculating));
    Clear();
    ShowKind(kind);
    const bool track = kind == SegmentKind::Track;
    const bool wire = kind == SegmentKind::Traction;

    if (wire) {
        Put(trackName_, Tr("ProperytyForm", "Sieć trakcyjna"));
    } else if (seg->HasName()) {
        Put(trackName_, Cp1250ToQString(seg->Name()));
    } else {
        Put(trackName_,
            track ? Tr("ProperytyForm", "(!Nie nazwany)") : Tr("ProperytyForm", "(!Nie nazwana)"));
    }
    ShowSource(scenery_.Segments.ReadAt(*seg));
    for (const TEventRef& e : seg->Events())
        events_->addItem(Cp1250ToQString(e.Key) + " : " + Cp1250ToQString(e.EventName));

    if (track) Put(velocity_, QString::fromStdString(SpeedText(seg->Velocity)));
    const TControlPoints* control = seg->Control();
    ShowPoint(0, seg->X1, seg->Y1, control ? &control->CX1 : nullptr,
              control ? &control->CY1 : nullptr, wire ? nullptr : &seg->Height1);
    ShowPoint(1, seg->X2, seg->Y2, control ? &control->CX2 : nullptr,
              control ? &control->CY2 : nullptr, wire ? nullptr : &seg->Height2);
    Put(length12_, QString::fromStdString(LengthText(SegmentLength(*seg, false, mode_))));
    if (!wire) Put(gradient12_, QString::fromStdString(GradientText(SegmentGradient(*seg, mode_))));
    // Switches and trainsets are the tracks' only.
    if (!track) return;

    // The two pieces of a switch follow each other with one name and share their start point;
    // the second piece's end is the third end of the switch.
    const TSegmentObj* nx = seg->Next();
    const bool pair = nx && seg->HasName() && nx->HasName() && seg->Name() == nx->Name();
    if (pair) {
        for (QLabel* l : {p3Label_, fileP3Label_, switchLabel_, length13Label_, gradient13Label_,
                          length13_, gradient13_}) {
            l->setEnabled(true);
        }
        for (QLabel* value : points_[2])
            value->setEnabled(true);
        for (QLabel* value : filePoints_[2])
            value->setEnabled(true);
        const TControlPoints* second = nx->Control();
        ShowPoint(2, nx->X2, nx->Y2, second ? &second->CX2 : nullptr,
                  second ? &second->CY2 : nullptr, &nx->Height2);
        Put(length13_, QString::fromStdString(LengthText(SegmentLength(*nx, false, mode_))));
        Put(gradient13_, QString::fromStdString(GradientText(SegmentGradient(*nx, mode_))));
    }

    // A trainset is bound to the newer piece of its track's name, which is the first of a
    // pair; either piece of a pair counts as the track.
    const TTrainsObj* train = nullptr;
    for (const TTrainsObj& t : scenery_.Trainsets) {
        if (t.Track == seg || (pair && t.Track == nx)) {
            train = &t;
            break;
        }
    }
    if (train) {
        trainGroup_->setEnabled(true);
        Put(trainName_, Cp1250ToQString(train->Name));
        auto* root = new QTreeWidgetItem(tree_, QStringList{Cp1250ToQString(train->Name)});
        int locomotives = 0;
        int wagons = 0;
        int drivableLocomotives = 0;
        int drivableWagons = 0;
        for (const TVehicleObj& v : train->Vehicles) {
            const int kind = static_cast<int>(v.Kind);
            // Vehicles are held newest first: putting each in front restores the file order.
            auto* child = new QTreeWidgetItem(QStringList{Cp1250ToQString(v.Name)});
            root->insertChild(0, child);
            SetImage(child, kind);
            if (root->childCount() == 1) root->setExpanded(true);
            const bool drivable = v.Kind == VehicleKind::Driver || v.Kind == VehicleKind::Passenger;
            if (v.Kind == VehicleKind::DumbDriver || v.Kind == VehicleKind::Driver) {
                Put(locomotives_, QString::number(++locomotives));
                if (drivable) Put(drivableLocomotives_, QString::number(++drivableLocomotives));
            } else {
                Put(wagons_, QString::number(++wagons));
                if (drivable) Put(drivableWagons_, QString::number(++drivableWagons));
            }
        }
        const int image =
            (locomotives > 0 ? 0 : 2) + (drivableLocomotives + drivableWagons > 0 ? 1 : 0);
        SetImage(root, image);
    }
    if (tree_->topLevelItemCount() == 0) {
        auto* none = new QTreeWidgetItem(tree_, QStringList{Tr("ProperytyForm", "Brak")});
        none->setData(0, kImageRole, -1);
    }
}

void TProperytyForm::hideEvent(QHideEvent* event) {
    QWidget::hideEvent(event);
    // A hide by the window system (the main window minimised) is no closing.
    if (!event->spontaneous() && onHidden) onHidden();
}

}  // namespace tarvik
