#include "ProperytyForm.h"

#include <QApplication>
#include <QGridLayout>
#include <QGroupBox>
#include <QHideEvent>
#include <QLabel>
#include <QListWidget>
#include <QTreeWidget>
#include <QVBoxLayout>

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

QGroupBox* Group(const QString& title, QGridLayout*& grid) {
    auto* group = new QGroupBox(title);
    grid = new QGridLayout(group);
    grid->setContentsMargins(4, 2, 4, 4);
    grid->setSpacing(2);
    return group;
}

}  // namespace

TProperytyForm::TProperytyForm(const TScenery& scenery, const TWorkMode& mode,
                               const CursorTable& cursors, QWidget* parent)
    : QWidget(parent, Qt::Tool), scenery_(scenery), mode_(mode), cursors_(cursors) {
    setObjectName("ProperytyForm");
    setWindowTitle(QStringLiteral("Właściwości toru"));
    setFixedSize(kClientWidth, kClientHeight);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(4, 4, 4, 4);
    layout->setSpacing(3);

    auto* top = new QHBoxLayout;
    top->addWidget(Caption(QStringLiteral("Nazwa toru:")));
    trackName_ = Value("TrackName");
    Colour(trackName_, kNavy, true);
    top->addWidget(trackName_, 1);
    layout->addLayout(top);

    QGridLayout* grid = nullptr;
    layout->addWidget(Group(QStringLiteral("Współrzędne końców:"), grid));
    const char* columns[] = {"X:", "Y:", "Vx:", "Vy:", "H:"};
    const char* fields[] = {"X", "Y", "Vx", "Vy", "H"};
    for (int c = 0; c < 5; ++c)
        grid->addWidget(Caption(QString::fromLatin1(columns[c])), 0, c + 1);
    for (int r = 0; r < 3; ++r) {
        const QString point = QStringLiteral("P%1").arg(r + 1);
        QLabel* caption = Caption(point + ":", r == 2 ? "P3Label" : nullptr);
        grid->addWidget(caption, r + 1, 0);
        for (int c = 0; c < 5; ++c) {
            const QByteArray name = (point + fields[c]).toLatin1();
            QLabel* value = Value(name.constData());
            points_[static_cast<std::size_t>(r)][static_cast<std::size_t>(c)] = value;
            if (r == 2) Colour(value, kMaroon);
            grid->addWidget(value, r + 1, c + 1);
        }
        if (r == 2) {
            p3Label_ = caption;
            Colour(caption, kMaroon);
        }
    }
    for (int c = 1; c <= 5; ++c)
        grid->setColumnStretch(c, 1);

    layout->addWidget(Group(QStringLiteral("Informacje dodatkowe:"), grid));
    velocity_ = Value("Velocity");
    length12_ = Value("Length12");
    gradient12_ = Value("Gradient12");
    switchLabel_ = new QLabel(QStringLiteral("Dla zwrotnicy:"));
    switchLabel_->setObjectName("SwitchLabel");
    switchLabel_->setAlignment(Qt::AlignCenter);
    length13Label_ = Caption(QStringLiteral("Długość P1-P3:"), "Length13Label");
    length13_ = Value("Length13");
    gradient13Label_ = Caption(QStringLiteral("Nachylenie |P1-P3|:"), "Gradient13Label");
    gradient13_ = Value("Gradient13");
    for (QLabel* l : {switchLabel_, length13Label_, length13_, gradient13Label_, gradient13_})
        Colour(l, kMaroon);
    grid->addWidget(Caption(QStringLiteral("Prędkość szlakowa:")), 0, 0);
    grid->addWidget(velocity_, 0, 1);
    grid->addWidget(Caption(QStringLiteral("Długość P1-P2:")), 1, 0);
    grid->addWidget(length12_, 1, 1);
    grid->addWidget(Caption(QStringLiteral("Nachylenie |P1-P2|:")), 2, 0);
    grid->addWidget(gradient12_, 2, 1);
    grid->addWidget(switchLabel_, 3, 0, 1, 2);
    grid->addWidget(length13Label_, 4, 0);
    grid->addWidget(length13_, 4, 1);
    grid->addWidget(gradient13Label_, 5, 0);
    grid->addWidget(gradient13_, 5, 1);
    grid->setColumnStretch(1, 1);

    trainGroup_ = Group(QStringLiteral("Skład na torze:"), grid);
    trainGroup_->setObjectName("TrainGroup");
    layout->addWidget(trainGroup_, 3);
    QLabel* trainCaption = Caption(QStringLiteral("Nazwa składu:"));
    Colour(trainCaption, kGreen, true);
    trainName_ = Value("TrainName");
    Colour(trainName_, kGreen, true);
    locomotives_ = Value("Locomotives");
    wagons_ = Value("Wagons");
    drivableLocomotives_ = Value("DrivableLocomotives");
    drivableWagons_ = Value("DrivableWagons");
    grid->addWidget(trainCaption, 0, 0);
    grid->addWidget(trainName_, 0, 1, 1, 3);
    grid->addWidget(Caption(QStringLiteral("Lokomotyw:")), 1, 0);
    grid->addWidget(locomotives_, 1, 1);
    grid->addWidget(Caption(QStringLiteral("Wagonów:")), 1, 2);
    grid->addWidget(wagons_, 1, 3);
    grid->addWidget(Caption(QStringLiteral("W tym można prowdzić:")), 2, 0);
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

    QGroupBox* eventGroup = Group(QStringLiteral("Lista zdarzeń:"), grid);
    layout->addWidget(eventGroup, 1);
    events_ = new QListWidget;
    events_->setObjectName("EventList");
    events_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    events_->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Ignored);
    grid->addWidget(events_, 0, 0);
}

void TProperytyForm::Clear() {
    for (QLabel* count : {locomotives_, wagons_, drivableLocomotives_, drivableWagons_})
        Put(count, QStringLiteral("0"));
    for (QLabel* value :
         {trackName_, velocity_, length12_, gradient12_, length13_, gradient13_, trainName_}) {
        Put(value, {});
    }
    for (const PointFields& row : points_) {
        for (QLabel* value : row)
            Put(value, {});
    }
    tree_->clear();
    events_->clear();
    for (QLabel* l :
         {p3Label_, switchLabel_, length13Label_, gradient13Label_, length13_, gradient13_}) {
        l->setEnabled(false);
    }
    for (QLabel* value : points_[2])
        value->setEnabled(false);
    trainGroup_->setEnabled(false);
}

void TProperytyForm::ShowSegmentProperties(const TSegmentObj* seg) {
    if (!seg) return;
    const OverrideCursor busy(cursors_.Cursor(CursorTable::kRecalculating));
    Clear();

    Put(trackName_,
        seg->HasName() ? Cp1250ToQString(seg->Name()) : QStringLiteral("(!Nie nazwany)"));
    for (const TEventRef& e : seg->Events())
        events_->addItem(Cp1250ToQString(e.Key) + " : " + Cp1250ToQString(e.EventName));

    Put(velocity_, QString::fromStdString(SpeedText(seg->Velocity)));
    const TControlPoints* control = seg->Control();
    const auto fillPoint = [](const PointFields& row, double x, double y, const double* vx,
                              const double* vy, double h) {
        Put(row[0], Number(x));
        Put(row[1], Number(y));
        Put(row[2], vx ? Number(*vx) : QStringLiteral("0"));
        Put(row[3], vy ? Number(*vy) : QStringLiteral("0"));
        Put(row[4], Number(h));
    };
    fillPoint(points_[0], seg->X1, seg->Y1, control ? &control->CX1 : nullptr,
              control ? &control->CY1 : nullptr, seg->Height1);
    fillPoint(points_[1], seg->X2, seg->Y2, control ? &control->CX2 : nullptr,
              control ? &control->CY2 : nullptr, seg->Height2);
    Put(length12_, QString::fromStdString(LengthText(SegmentLength(*seg, false, mode_))));
    Put(gradient12_, QString::fromStdString(GradientText(SegmentGradient(*seg, mode_))));

    // The two pieces of a switch follow each other with one name and share their start point;
    // the second piece's end is the third end of the switch.
    const TSegmentObj* nx = seg->Next();
    const bool pair = nx && seg->HasName() && nx->HasName() && seg->Name() == nx->Name();
    if (pair) {
        for (QLabel* l :
             {p3Label_, switchLabel_, length13Label_, gradient13Label_, length13_, gradient13_}) {
            l->setEnabled(true);
        }
        for (QLabel* value : points_[2])
            value->setEnabled(true);
        const TControlPoints* second = nx->Control();
        fillPoint(points_[2], nx->X2, nx->Y2, second ? &second->CX2 : nullptr,
                  second ? &second->CY2 : nullptr, nx->Height2);
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
        auto* none = new QTreeWidgetItem(tree_, QStringList{QStringLiteral("Brak")});
        none->setData(0, kImageRole, -1);
    }
}

void TProperytyForm::hideEvent(QHideEvent* event) {
    QWidget::hideEvent(event);
    // A hide by the window system (the main window minimised) is no closing.
    if (!event->spontaneous() && onHidden) onHidden();
}

}  // namespace tarvik
