#include "RunSimForm.h"

#include <QAction>
#include <QApplication>
#include <QFile>
#include <QGridLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSplitter>
#include <QStatusBar>
#include <QStyle>
#include <QToolBar>
#include <QToolButton>
#include <QTreeWidget>
#include <QVBoxLayout>

#include "Cp1250.h"
#include "Cursors.h"
#include "ElapsedText.h"
#include "LaunchParams.h"
#include "QtText.h"
#include "Segment.h"
#include "TextNow.h"
#include "TimeTableForm.h"
#include "Translate.h"
#include "VehicleIcons.h"
#include "ViewerDialogs.h"

namespace tarvik {
namespace {

constexpr const char* kOldDefaultParams = "-s %r%s -v %v";
constexpr const char* kFreeCamera = "ghostview";
constexpr int kFreeCameraImage = 4;

void SetHint(QWidget& widget, const QString& hint) {
    widget.setToolTip(hint);
    widget.setStatusTip(hint);
}

void SetNode(QTreeWidgetItem& node, const std::string& rawText, int image) {
    node.setText(0, Cp1250ToQString(rawText));
    node.setData(0, TRunSimForm::kRawTextRole, QByteArray::fromStdString(rawText));
    node.setData(0, TRunSimForm::kImageRole, image);
    node.setIcon(0, VehicleIcon(image));
}

QTreeWidgetItem* MakeNode(const std::string& rawText, int image) {
    auto* node = new QTreeWidgetItem;
    SetNode(*node, rawText, image);
    return node;
}

std::string RawText(const QTreeWidgetItem& node) {
    return node.data(0, TRunSimForm::kRawTextRole).toByteArray().toStdString();
}

int Image(const QTreeWidgetItem& node) {
    return node.data(0, TRunSimForm::kImageRole).toInt();
}

// Images 0 and 2 are vehicles nobody drives and trainsets without such a vehicle.
bool Drivable(int image) {
    return image != 0 && image != 2;
}

std::string Bytes(const QString& path) {
    return QFile::encodeName(path).toStdString();
}

}  // namespace

void InsertMacro(QLineEdit& field, const QString& macro) {
    const bool selected = field.hasSelectedText();
    const int start = selected ? field.selectionStart() : field.cursorPosition();
    const int length = selected ? static_cast<int>(field.selectedText().size()) : 0;
    QString text = field.text();
    text.remove(start, length);
    text.insert(start, macro);
    field.setText(text);
    field.setCursorPosition(start + static_cast<int>(macro.size()));
}

TRunSimForm::TRunSimForm(ToolContext context, QWidget* parent)
    : QDialog(parent), context_(std::move(context)) {
    setObjectName(QStringLiteral("RunSimForm"));
    setWindowTitle(Tr("RunSimForm", "Wybierz skład"));
    setMinimumSize(300, 100);
    resize(kDesignedWidth, kDesignedHeight);

    auto* toolBar = new QToolBar(this);
    toolBar->setObjectName(QStringLiteral("ToolBar1"));
    timetableButton_ = new QToolButton(toolBar);
    timetableButton_->setObjectName(QStringLiteral("TimeTableToolButton"));
    timetableButton_->setIcon(style()->standardIcon(QStyle::SP_FileDialogInfoView));
    SetHint(*timetableButton_, Tr("RunSimForm", "Znajdź rozklad (F8)"));
    toolBar->addWidget(timetableButton_);

    tree_ = new QTreeWidget(this);
    tree_->setObjectName(QStringLiteral("TreeView1"));
    tree_->setColumnCount(1);
    tree_->header()->hide();
    tree_->setIndentation(24);
    tree_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    tree_->setSelectionMode(QAbstractItemView::SingleSelection);
    tree_->setSelectionBehavior(QAbstractItemView::SelectRows);
    tree_->setContextMenuPolicy(Qt::CustomContextMenu);
    SetHint(*tree_, Tr("RunSimForm", "Kliknij prawym klawiszem, aby zobaczyć dodatkowe opcje!"));
    // The chosen trainset stays marked while the user types the parameters.
    QPalette treePalette = tree_->palette();
    for (const QPalette::ColorRole role : {QPalette::Highlight, QPalette::HighlightedText}) {
        treePalette.setColor(QPalette::Inactive, role, treePalette.color(QPalette::Active, role));
    }
    tree_->setPalette(treePalette);

    description_ = new QPlainTextEdit(this);
    description_->setObjectName(QStringLiteral("Memo1"));
    description_->setReadOnly(true);
    description_->setMinimumHeight(50);
    QPalette infoPalette = description_->palette();
    infoPalette.setColor(QPalette::Base, infoPalette.color(QPalette::ToolTipBase));
    infoPalette.setColor(QPalette::Text, infoPalette.color(QPalette::ToolTipText));
    description_->setPalette(infoPalette);

    auto* splitter = new QSplitter(Qt::Vertical, this);
    splitter->setObjectName(QStringLiteral("Splitter1"));
    splitter->addWidget(tree_);
    splitter->addWidget(description_);
    splitter->setChildrenCollapsible(false);
    splitter->setStretchFactor(0, 1);
    splitter->setStretchFactor(1, 0);
    splitter->setSizes({kDesignedHeight - 180, 60});

    runPathEdit_ = new QLineEdit(this);
    runPathEdit_->setObjectName(QStringLiteral("RunPathEdit"));
    SetHint(*runPathEdit_, Tr("RunSimForm", "Plik symulatora"));
    auto* browseButton = new QPushButton(QStringLiteral("..."), this);
    browseButton->setObjectName(QStringLiteral("BrowseButton"));
    browseButton->setAutoDefault(false);
    browseButton->setFixedWidth(24);
    SetHint(*browseButton, Tr("RunSimForm", "Przeglądaj..."));
    auto* paramLabel = new QLabel(Tr("RunSimForm", "Parametry:"), this);
    paramEdit_ = new QLineEdit(this);
    paramEdit_->setObjectName(QStringLiteral("ParamEdit"));
    paramEdit_->setText(QString::fromLatin1(kDefaultRunSimParam));
    paramEdit_->setContextMenuPolicy(Qt::CustomContextMenu);
    SetHint(*paramEdit_,
            Tr("RunSimForm", "Parametry programu - naciśnij prawy klawisz myszy, aby edytować"));
    paramLabel->setBuddy(paramEdit_);
    runButton_ = new QPushButton(Tr("RunSimForm", "&Uruchom"), this);
    runButton_->setObjectName(QStringLiteral("RunButton"));
    runButton_->setDefault(true);
    runButton_->setEnabled(false);
    SetHint(*runButton_, Tr("RunSimForm", "Uruchom symulator"));
    auto* cancelButton = new QPushButton(Tr("RunSimForm", "Anuluj"), this);
    cancelButton->setObjectName(QStringLiteral("CancelButton"));
    cancelButton->setAutoDefault(false);

    auto* statusBar = new QStatusBar(this);
    statusBar->setObjectName(QStringLiteral("StatusBar1"));
    status_ = new QLabel(statusBar);
    statusBar->addWidget(status_, 1);

    auto* fields = new QGridLayout;
    fields->setContentsMargins(3, 3, 3, 3);
    fields->addWidget(runPathEdit_, 0, 0, 1, 2);
    fields->addWidget(browseButton, 0, 2);
    fields->addWidget(runButton_, 0, 4);
    fields->addWidget(paramLabel, 1, 0);
    fields->addWidget(paramEdit_, 1, 1);
    fields->addWidget(cancelButton, 1, 4);
    fields->setColumnStretch(1, 1);
    fields->setColumnMinimumWidth(3, 20);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(toolBar);
    layout->addWidget(splitter, 1);
    layout->addLayout(fields);
    layout->addWidget(statusBar);

    treeMenu_ = new QMenu(this);
    treeMenu_->setObjectName(QStringLiteral("TreeMenu"));
    runItem_ = treeMenu_->addAction(Tr("RunSimForm", "Uruchom symulator"));
    runItem_->setObjectName(QStringLiteral("RunSimMenuItem"));
    runItem_->setShortcuts({QKeySequence(Qt::Key_Return), QKeySequence(Qt::Key_Enter)});
    runItem_->setEnabled(false);
    treeMenu_->setDefaultAction(runItem_);
    treeMenu_->addSeparator();
    timetableItem_ = treeMenu_->addAction(Tr("RunSimForm", "Znajdź rozkład"));
    timetableItem_->setObjectName(QStringLiteral("TimeTableMenuItem"));
    timetableItem_->setShortcut(QKeySequence(Qt::Key_F8));
    timetableItem_->setEnabled(false);
    timetableButton_->setEnabled(false);
    // The menu's keys work anywhere in the dialog, as they did while the menu was closed.
    addAction(runItem_);
    addAction(timetableItem_);

    paramMenu_ = new QMenu(this);
    paramMenu_->setObjectName(QStringLiteral("ParamMenu"));
    const auto setParams = [this](const char* params) {
        return [this, params] { paramEdit_->setText(QString::fromLatin1(params)); };
    };
    const auto insert = [this](const char* macro) {
        return [this, macro] { InsertMacro(*paramEdit_, QString::fromLatin1(macro)); };
    };
    connect(paramMenu_->addAction(Tr("RunSimForm", "Wstaw domyślne parametry")),
            &QAction::triggered, this, setParams(kDefaultRunSimParam));
    connect(
        paramMenu_->addAction(Tr("RunSimForm", "Wstaw domyślne parametry (wersje sprzed 06.2003)")),
        &QAction::triggered, this, setParams(kOldDefaultParams));
    paramMenu_->addSeparator();
    connect(paramMenu_->addAction(Tr("RunSimForm", "Pełna ścieżka dostępu pliku scenerii (%p)")),
            &QAction::triggered, this, insert("%p"));
    connect(
        paramMenu_->addAction(Tr("RunSimForm", "Relatywna ścieżka dostępu pliku scenerii (%r)")),
        &QAction::triggered, this, insert("%r"));
    connect(paramMenu_->addAction(Tr("RunSimForm", "Nazwa pliku scenerii (%s)")),
            &QAction::triggered, this, insert("%s"));
    paramMenu_->addSeparator();
    connect(paramMenu_->addAction(Tr("RunSimForm", "Nazwa lokomotywy do prowadzenia (%v)")),
            &QAction::triggered, this, insert("%v"));

    connect(tree_, &QTreeWidget::itemSelectionChanged, this, [this] { TreeSelectionChanged(); });
    connect(tree_, &QTreeWidget::itemDoubleClicked, this, [this] { LaunchSimulator(); });
    connect(tree_, &QWidget::customContextMenuRequested, this,
            [this](const QPoint& p) { TreeContextMenu(p); });
    connect(paramEdit_, &QWidget::customContextMenuRequested, this,
            [this](const QPoint& p) { ParamContextMenu(p); });
    connect(runItem_, &QAction::triggered, this, [this] { LaunchSimulator(); });
    connect(runButton_, &QPushButton::clicked, this, [this] { LaunchSimulator(); });
    connect(timetableItem_, &QAction::triggered, this, [this] { ShowTimetableClick(); });
    connect(timetableButton_, &QToolButton::clicked, this, [this] { ShowTimetableClick(); });
    connect(browseButton, &QPushButton::clicked, this, [this] { BrowseSimulator(); });
    connect(cancelButton, &QPushButton::clicked, this, &QDialog::reject);
}

void TRunSimForm::Execute() {
    if (tree_->topLevelItemCount() == 0) BuildTrainsetTree();
    exec();
}

void TRunSimForm::BuildTrainsetTree() {
    SetStatusText(Tr("RunSimForm", "Tworzenie struktury składów..."));
    const Stopwatch stopwatch;
    {
        const OverrideCursor busy(context_.cursors.Cursor(CursorTable::kDrawing));
        tree_->setUpdatesEnabled(false);
        tree_->clear();
        const bool author = context_.mode.OwnerMode;
        // Each trainset goes on top, so the newest-first list comes out in file order; the
        // vehicles likewise.
        for (const TTrainsObj& trainset : context_.scenery.Trainsets) {
            std::string text = trainset.Name;
            if (author) {
                text += Translate("RunSimForm", " na ");
                text += trainset.Track ? std::string(trainset.Track->Name()) : "(!ERROR)";
            }
            auto* root = new QTreeWidgetItem;
            tree_->insertTopLevelItem(0, root);
            int locomotives = 0;
            int wagons = 0;
            bool drivable = false;
            for (const TVehicleObj& vehicle : trainset.Vehicles) {
                const int kind = static_cast<int>(vehicle.Kind);
                root->insertChild(0, MakeNode(vehicle.Name, kind));
                (kind <= 1 ? locomotives : wagons) += 1;
                drivable = drivable || kind == 1 || kind == 3;
            }
            text += " (" + std::to_string(locomotives) + "+" + std::to_string(wagons) + ")";
            const int image = (locomotives != 0 ? 0 : 2) + (drivable ? 1 : 0);
            SetNode(*root, text, image);
        }
        tree_->insertTopLevelItem(0, MakeNode(kFreeCamera, kFreeCameraImage));
        tree_->setUpdatesEnabled(true);
    }
    SetStatusText(
        ToQString(stopwatch.ElapsedText(Translate("RunSimForm", "Tworzenie struktury składów: "))));
}

void TRunSimForm::ClearTree() {
    tree_->clear();
}

std::string TRunSimForm::SelectedTrainsetName() const {
    const QList<QTreeWidgetItem*> selected = tree_->selectedItems();
    if (selected.isEmpty()) return {};
    const QTreeWidgetItem* node = selected.front();
    if (node->parent()) node = node->parent();
    const std::string text = RawText(*node);
    return text.substr(0, text.find(' '));
}

std::string TRunSimForm::SelectedVehicleName() const {
    const QList<QTreeWidgetItem*> selected = tree_->selectedItems();
    if (selected.isEmpty()) return {};
    const QTreeWidgetItem* node = selected.front();
    if (node->parent() || node->childCount() == 0) return RawText(*node);
    for (int i = 0; i < node->childCount(); ++i) {
        if (Drivable(Image(*node->child(i)))) return RawText(*node->child(i));
    }
    return {};
}

void TRunSimForm::TreeSelectionChanged() {
    description_->clear();
    const QList<QTreeWidgetItem*> selected = tree_->selectedItems();
    if (selected.isEmpty()) {
        runButton_->setEnabled(false);
        runItem_->setEnabled(false);
    } else {
        currentTrainset_ = SelectedTrainsetName();
        ShowSelectionStatus();
        std::string description;
        for (const TTrainsObj& trainset : context_.scenery.Trainsets) {
            if (trainset.Name == currentTrainset_) description += trainset.Description;
        }
        description_->setPlainText(Cp1250ToQString(description));
        const int image = Image(*selected.front());
        timetableItem_->setEnabled(image == 1);
        runButton_->setEnabled(Drivable(image));
        runItem_->setEnabled(Drivable(image));
    }
    timetableButton_->setEnabled(timetableItem_->isEnabled());
}

void TRunSimForm::TreeContextMenu(const QPoint& position) {
    if (QTreeWidgetItem* node = tree_->itemAt(position)) tree_->setCurrentItem(node);
    TreeSelectionChanged();
    treeMenu_->popup(tree_->viewport()->mapToGlobal(position));
}

void TRunSimForm::ParamContextMenu(const QPoint& position) {
    paramMenu_->popup(paramEdit_->mapToGlobal(position));
}

bool TRunSimForm::BrowseSimulator() {
    OpenFileRequest request;
    request.title = Translate("RunSimForm", "Wskaż plik programu symulatora");
    request.filter = Translate("RunSimForm", "Plik programu (*.exe)|*.exe");
    request.program = true;
    request.defaultExt = "exe";
    request.fileName = "eu07.exe";
    const std::optional<std::string> file = context_.dialogs.OpenFileName(request);
    if (!file) return false;
    runPathEdit_->setText(QFile::decodeName(QByteArray::fromStdString(*file)));
    return true;
}

void TRunSimForm::LaunchSimulator() {
    if (!runButton_->isEnabled()) return;
    SetStatusText(Tr("RunSimForm", "Uruchamiam symulator..."));
    const std::string vehicle = SelectedVehicleName();
    if (!context_.files.FileExists(Bytes(runPathEdit_->text())) && !BrowseSimulator()) {
        // Nothing is starting once the user has declined to point at the simulator.
        ShowSelectionStatus();
        return;
    }

    const std::string simulator = Bytes(runPathEdit_->text());
    const std::string scenery = ShortPathName(context_.sceneryPath);
    const RunParams run = ExpandRunParams(paramEdit_->text().toStdString(), scenery,
                                          ShortPathName(simulator), Cp1250ToUtf8(vehicle));
    if (!run.ok) {
        context_.dialogs.MessageBox(
            FormatText(
                Translate("RunSimForm",
                          "Nie można utworzyć relatywnej ścieżki dostępu do pliku %1\r%2\r%3"),
                {DisplayPath(scenery), DisplayPath(run.simulatorFolder), DisplayPath(run.params)}),
            Translate("RunSimForm", "Błąd"), MessageIcon::Error, MessageButtons::Ok);
        return;
    }
    const QString commandLine =
        runPathEdit_->text() + QLatin1Char(' ') + QString::fromStdString(DisplayPath(run.params));
    SetStatusText(Tr("RunSimForm", "Uruchamiam... ") + commandLine);
    std::string folder = FolderPart(simulator);
    if (folder.size() > 1) folder.pop_back();
    const StartResult started = runner_(PrepareStart(simulator, run.arguments, folder));
    if (!started.started) {
        SetStatusText(Tr("RunSimForm", "Nie uruchomiono: ") + commandLine);
        context_.dialogs.MessageBox(StartFailureText(simulator, started.reason),
                                    Translate("RunSimForm", "Błąd"), MessageIcon::Error,
                                    MessageButtons::Ok);
        return;
    }
    SetStatusText(Tr("RunSimForm", "Uruchomiono: ") + commandLine);
}

void TRunSimForm::ShowTimetableClick() {
    if (!timetable_) return;
    timetable_->show();
    timetable_->raise();
    timetable_->ShowTimetable(currentTrainset_);
}

void TRunSimForm::SetSimulator(const std::string& program, const std::string& parameters) {
    runPathEdit_->setText(QString::fromStdString(program));
    paramEdit_->setText(QString::fromStdString(parameters));
}

std::string TRunSimForm::SimulatorProgram() const {
    return runPathEdit_->text().toStdString();
}

std::string TRunSimForm::SimulatorParameters() const {
    return paramEdit_->text().toStdString();
}

QString TRunSimForm::StatusText() const {
    return status_->text();
}

void TRunSimForm::ShowSelectionStatus() {
    SetStatusText(Tr("RunSimForm", "Pociąg: ") + Cp1250ToQString(currentTrainset_) +
                  Tr("RunSimForm", "; Pojazd: ") + Cp1250ToQString(SelectedVehicleName()));
}

void TRunSimForm::SetStatusText(const QString& text) {
    SetTextNow(*status_, text);
}

}  // namespace tarvik
