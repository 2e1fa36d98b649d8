#include "SceneryProperytyForm.h"

#include <QApplication>
#include <QBitmap>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QPlainTextEdit>
#include <QSignalBlocker>
#include <QSlider>
#include <QToolButton>
#include <QTreeWidget>
#include <QVBoxLayout>

#include "Cp1250.h"
#include "NumberText.h"
#include "QtText.h"

namespace tarvik {
namespace {

constexpr int kGraphWidth = 365;
constexpr int kGraphHeight = 209;
constexpr const char* kLengthHint =
    QT_TRANSLATE_NOOP("SceneryProperytyForm", "Długość łączna (dokładność zależy od trybu pracy)");
constexpr const char* kSliderHint = QT_TRANSLATE_NOOP(
    "SceneryProperytyForm",
    "Przesuń suwak, aby zmienić skalę wykresu. Linie przerywane na wykresie oznaczają, że "
    "wykres wychodzi poza skalę.");

QLabel* Value(QWidget* parent, const char* name, const char* hint = nullptr) {
    auto* label = new QLabel(parent);
    label->setObjectName(name);
    label->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    if (hint) label->setToolTip(Tr("SceneryProperytyForm", hint));
    return label;
}

QString Kilometres(double metres) {
    return ToQString(FormatFixed(metres / 1000, 1, true));
}

QString FileItemText(const TIncFile& file) {
    return ToQString(DisplayPath(file.FileName) + " (" +
                     FormatFixed(static_cast<double>(file.FileSize) / 1024, 2, true) + " kB)");
}

// The graph with its white shown as the dialog's own background.
QPixmap Transparent(const QImage& graph) {
    QPixmap pixmap = QPixmap::fromImage(graph);
    pixmap.setMask(QBitmap::fromImage(graph.createMaskFromColor(qRgb(255, 255, 255))));
    return pixmap;
}

QSlider* ScaleSliderControl(const char* name, QWidget* parent) {
    auto* slider = new QSlider(Qt::Vertical, parent);
    slider->setObjectName(name);
    slider->setMinimum(1);
    slider->setMaximum(1);
    // The minimum at the top: moving the thumb up enlarges the scale.
    slider->setInvertedAppearance(true);
    slider->setInvertedControls(true);
    slider->setToolTip(Tr("SceneryProperytyForm", kSliderHint));
    slider->setFixedHeight(kGraphHeight);
    return slider;
}

}  // namespace

TSceneryProperytyForm::TSceneryProperytyForm(const TScenery& scenery, const TWorkMode& mode,
                                             const ColorSlots& colors, const CursorTable& cursors,
                                             const std::string& sceneryPath, QWidget* parent)
    : QDialog(parent),
      scenery_(scenery),
      mode_(mode),
      colors_(colors),
      cursors_(cursors),
      sceneryPath_(sceneryPath),
      speedGraph_(kGraphWidth, kGraphHeight, QImage::Format_RGB32),
      elevationGraph_(kGraphWidth, kGraphHeight, QImage::Format_RGB32) {
    setObjectName("SceneryProperytyForm");
    setWindowTitle(Tr("SceneryProperytyForm", "Właściwości scenerii"));

    title_ = new QLabel(this);
    title_->setObjectName("StaticText1");
    QFont bold = title_->font();
    bold.setBold(true);
    bold.setPointSizeF(bold.pointSizeF() * 1.3);
    title_->setFont(bold);
    title_->setWordWrap(true);
    headFileName_ = new QLabel(this);
    headFileName_->setObjectName("HeadFileName");
    filesButton_ = new QToolButton(this);
    filesButton_->setObjectName("SpeedButton1");
    filesButton_->setText(">>");
    filesButton_->setCheckable(true);
    connect(filesButton_, &QToolButton::toggled, this, [this](bool on) { ShowFiles(on); });
    loadedFiles_ = new QTreeWidget(this);
    loadedFiles_->setObjectName("LoadedFiles");
    loadedFiles_->setHeaderHidden(true);
    loadedFiles_->installEventFilter(this);
    loadedFiles_->hide();

    trackCount_ = Value(this, "TrackCount");
    roadCount_ = Value(this, "RoadCount");
    riverCount_ = Value(this, "RiverCount");
    tractionCount_ = Value(this, "TractionCount");
    trackLength_ = Value(this, "TrackLength", kLengthHint);
    roadLength_ = Value(this, "RoadLength", kLengthHint);
    riverLength_ = Value(this, "RiverLength", kLengthHint);
    tractionLength_ = Value(this, "TractionLength", kLengthHint);
    srVel_ = Value(this, "SrVel");
    srElevation_ = Value(this, "SrElevation");
    pow_ = Value(this, "Pow");
    ram_ = Value(this, "RAM");

    auto* figures = new QGroupBox(Tr("SceneryProperytyForm", "Scenerię tworzą:"), this);
    auto* grid = new QGridLayout(figures);
    grid->addWidget(new QLabel(Tr("SceneryProperytyForm", "Liczba"), figures), 0, 1,
                    Qt::AlignRight);
    grid->addWidget(new QLabel(Tr("SceneryProperytyForm", "Długość [km]"), figures), 0, 2,
                    Qt::AlignRight);
    const std::pair<const char*, std::pair<QLabel*, QLabel*>> rows[] = {
        {QT_TRANSLATE_NOOP("SceneryProperytyForm", "Tory:"), {trackCount_, trackLength_}},
        {QT_TRANSLATE_NOOP("SceneryProperytyForm", "Drogi:"), {roadCount_, roadLength_}},
        {QT_TRANSLATE_NOOP("SceneryProperytyForm", "Rzeki:"), {riverCount_, riverLength_}},
        {QT_TRANSLATE_NOOP("SceneryProperytyForm", "Trakcja:"), {tractionCount_, tractionLength_}}};
    int row = 1;
    for (const auto& [caption, fields] : rows) {
        grid->addWidget(new QLabel(Tr("SceneryProperytyForm", caption), figures), row, 0);
        grid->addWidget(fields.first, row, 1);
        grid->addWidget(fields.second, row, 2);
        ++row;
    }
    const std::pair<const char*, QLabel*> more[] = {
        {QT_TRANSLATE_NOOP("SceneryProperytyForm", "Średnia prędkość:"), srVel_},
        {QT_TRANSLATE_NOOP("SceneryProperytyForm", "Średnie wzniesienie:"), srElevation_},
        {QT_TRANSLATE_NOOP("SceneryProperytyForm", "Powierzchnia:"), pow_},
        {QT_TRANSLATE_NOOP("SceneryProperytyForm", "Obciążenie pamięci:"), ram_}};
    for (const auto& [caption, field] : more) {
        grid->addWidget(new QLabel(Tr("SceneryProperytyForm", caption), figures), row, 0);
        grid->addWidget(field, row, 1, 1, 2);
        ++row;
    }

    memo_ = new QPlainTextEdit(this);
    memo_->setObjectName("Memo1");
    memo_->setReadOnly(true);
    memo_->setMaximumHeight(70);

    speedPicture_ = new QLabel(this);
    speedPicture_->setObjectName("SpeedGraph");
    speedPicture_->setFixedSize(kGraphWidth, kGraphHeight);
    elevationPicture_ = new QLabel(this);
    elevationPicture_->setObjectName("ElevationGraph");
    elevationPicture_->setFixedSize(kGraphWidth, kGraphHeight);
    speedMax_ = ScaleSliderControl("SpeedMax", this);
    elevationMax_ = ScaleSliderControl("ElevationMax", this);
    connect(speedMax_, &QSlider::valueChanged, this, [this](int position) {
        speedScale_.position = position;
        DrawSpeedGraph();
    });
    connect(elevationMax_, &QSlider::valueChanged, this, [this](int position) {
        elevationScale_.position = position;
        DrawElevationGraph();
    });
    const auto graphBox = [this](const QString& caption, QLabel* picture, QSlider* slider,
                                 const QString& left, const QString& right) {
        auto* box = new QGroupBox(caption, this);
        auto* layout = new QGridLayout(box);
        layout->addWidget(slider, 0, 0);
        layout->addWidget(picture, 0, 1, 1, 2);
        layout->addWidget(new QLabel(left, box), 1, 1, Qt::AlignLeft);
        layout->addWidget(new QLabel(right, box), 1, 2, Qt::AlignRight);
        return box;
    };

    auto* head = new QHBoxLayout;
    head->addWidget(headFileName_, 1);
    head->addWidget(filesButton_);
    auto* left = new QVBoxLayout;
    left->addWidget(title_);
    left->addLayout(head);
    left->addWidget(loadedFiles_);
    left->addWidget(figures);
    left->addWidget(new QLabel(Tr("SceneryProperytyForm", "Opis:"), this));
    left->addWidget(memo_);
    left->addStretch();
    auto* right = new QVBoxLayout;
    right->addWidget(graphBox(Tr("SceneryProperytyForm", "Typ trasy:"), speedPicture_, speedMax_,
                              Tr("SceneryProperytyForm", "0 km/h Wolna"),
                              Tr("SceneryProperytyForm", "Szybka 160km/h")));
    right->addWidget(graphBox(
        Tr("SceneryProperytyForm", "Typ terenu (wg torów):"), elevationPicture_, elevationMax_,
        Tr("SceneryProperytyForm", "Płaski"), Tr("SceneryProperytyForm", "Górzysty")));
    auto* layout = new QHBoxLayout(this);
    layout->addLayout(left);
    layout->addLayout(right);
    ResetDisplays();
}

bool TSceneryProperytyForm::event(QEvent* event) {
    // Showing is the first activation of the modal dialog; either computes once per load.
    if ((event->type() == QEvent::WindowActivate || event->type() == QEvent::Show) && !computed_) {
        Compute();
    }
    return QDialog::event(event);
}

bool TSceneryProperytyForm::eventFilter(QObject* watched, QEvent* event) {
    // The file tree takes every key; Esc hides it.
    if (watched == loadedFiles_ && event->type() == QEvent::KeyPress) {
        if (static_cast<QKeyEvent*>(event)->key() == Qt::Key_Escape)
            filesButton_->setChecked(false);
        return static_cast<QKeyEvent*>(event)->key() == Qt::Key_Escape;
    }
    return QDialog::eventFilter(watched, event);
}

void TSceneryProperytyForm::ShowFiles(bool shown) {
    loadedFiles_->setVisible(shown);
    filesButton_->setText(shown ? "<<" : ">>");
    if (shown) loadedFiles_->setFocus();
}

void TSceneryProperytyForm::ResetDisplays() {
    for (QLabel* field : {trackCount_, roadCount_, riverCount_, tractionCount_, trackLength_,
                          roadLength_, riverLength_, tractionLength_}) {
        field->setText("0");
    }
    srVel_->setText("0 km/h");
    srElevation_->setText("0‰");
    pow_->setText("0 km2");
    ram_->setText("0,0 MB");
    loadedFiles_->clear();
    speedGraph_.fill(Qt::white);
    elevationGraph_.fill(Qt::white);
    speedPicture_->setPixmap(Transparent(speedGraph_));
    elevationPicture_->setPixmap(Transparent(elevationGraph_));
}

void TSceneryProperytyForm::Compute() {
    const OverrideCursor busy(cursors_.Cursor(CursorTable::kRecalculating));
    ResetDisplays();
    if (!scenery_.IncFiles.empty()) {
        auto it = scenery_.IncFiles.begin();
        auto* root = new QTreeWidgetItem(loadedFiles_, {FileItemText(*it)});
        headFileName_->setText(ToQString(DisplayPath(it->FileName)));
        for (++it; it != scenery_.IncFiles.end(); ++it)
            new QTreeWidgetItem(root, {FileItemText(*it)});
        root->setExpanded(true);
    } else {
        headFileName_->clear();
    }
    statistics_ = ComputeStatistics(scenery_, mode_);
    const SceneryStatistics& st = statistics_;
    pow_->setText(ToQString(FormatFixed(st.areaKm2, 0, true) + " km2"));
    ram_->setText(ToQString(FormatFixed(st.memoryBytes / 1024 / 1024, 2, true) + " MB"));
    trackLength_->setText(Kilometres(st.tracks.length));
    trackCount_->setText(QString::number(st.tracks.count));
    srVel_->setText(QString::number(st.MeanSpeed()) + " km/h");
    DrawSpeedGraph();
    srElevation_->setText(ToQString(FormatFixed(st.MeanGradient(), 1, false) + " ‰"));
    DrawElevationGraph();
    roadCount_->setText(QString::number(st.roads.count));
    roadLength_->setText(Kilometres(st.roads.length));
    riverCount_->setText(QString::number(st.rivers.count));
    riverLength_->setText(Kilometres(st.rivers.length));
    tractionCount_->setText(QString::number(st.tractions.count));
    tractionLength_->setText(Kilometres(st.tractions.length));
    computed_ = true;
    const std::string name = scenery_.SceneryName.empty() ? DisplayPath(sceneryPath_)
                                                          : Cp1250ToUtf8(scenery_.SceneryName);
    title_->setText(ToQString(name));
    memo_->setPlainText(Cp1250ToQString(scenery_.SceneryDescription));
}

void TSceneryProperytyForm::DrawSpeedGraph() {
    const Histogram h =
        BuildHistogram(statistics_.speedClasses.data(), SceneryStatistics::kSpeedClasses, 0.00625);
    FitSlider(h, speedScale_);
    {
        const QSignalBlocker block(speedMax_);
        speedMax_->setMaximum(speedScale_.maximum);
        speedMax_->setValue(speedScale_.position);
    }
    DrawHistogram(speedGraph_, h, speedScale_.Scale(), colors_.SpeedScale(), colors_.Track);
    speedPicture_->setPixmap(Transparent(speedGraph_));
}

void TSceneryProperytyForm::DrawElevationGraph() {
    const Histogram h = BuildHistogram(statistics_.gradientClasses.data(),
                                       SceneryStatistics::kGradientClasses, 0.02);
    FitSlider(h, elevationScale_);
    {
        const QSignalBlocker block(elevationMax_);
        elevationMax_->setMaximum(elevationScale_.maximum);
        elevationMax_->setValue(elevationScale_.position);
    }
    DrawHistogram(elevationGraph_, h, elevationScale_.Scale(), colors_.ElevationScale(),
                  colors_.Track);
    elevationPicture_->setPixmap(Transparent(elevationGraph_));
}

}  // namespace tarvik
