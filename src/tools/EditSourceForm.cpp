#include "EditSourceForm.h"

#include <QAction>
#include <QComboBox>
#include <QFile>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QShowEvent>
#include <QSignalBlocker>
#include <QVBoxLayout>
#include <algorithm>
#include <vector>

#include "EditSourceForm2.h"
#include "QtText.h"
#include "RunSimForm.h"
#include "Translate.h"
#include "ViewerDialogs.h"

namespace tarvik {
namespace {

OpenFileRequest EditorProgramRequest() {
    OpenFileRequest request;
    request.title = Translate("EditSourceForm", "Wybierz edytor tekstowy...");
    request.filter = Translate("EditSourceForm",
                               "Programy (*.exe; *.com)|*.exe; *.com|Wszystkie pliki (*.*)|*.*");
    request.program = true;
    request.defaultExt = "exe";
    return request;
}

void SetHint(QWidget& widget, const QString& hint) {
    widget.setToolTip(hint);
    widget.setStatusTip(hint);
}

QString FromBytes(const std::string& path) {
    return QFile::decodeName(QByteArray::fromStdString(path));
}

std::string ToBytes(const QString& path) {
    return QFile::encodeName(path).toStdString();
}

}  // namespace

QString EditorEntryText(int index, const std::string& name) {
    return QString::number(index + 1) + QStringLiteral(". ") +
           (name.empty() ? Tr("EditSourceForm", "(!Niezdefiniowany)")
                         : QString::fromStdString(name));
}

TEditSourceForm::TEditSourceForm(ToolContext context, QWidget* parent)
    : QDialog(parent), context_(std::move(context)) {
    setObjectName(QStringLiteral("EditSourceForm"));
    setWindowTitle(Tr("EditSourceForm", "Edytuj źródła..."));

    auto* editorGroup = new QGroupBox(Tr("EditSourceForm", "Edytor"), this);
    editorList_ = new QComboBox(editorGroup);
    editorList_->setObjectName(QStringLiteral("EditorList"));
    editorList_->setMaxVisibleItems(10);
    auto* editorLayout = new QVBoxLayout(editorGroup);
    editorLayout->addWidget(editorList_);

    auto* slotGroup = new QGroupBox(Tr("EditSourceForm", "Konfiguracja edytora"), this);
    auto* nameLabel = new QLabel(Tr("EditSourceForm", "Nazwa:"), slotGroup);
    editorName_ = new QLineEdit(slotGroup);
    editorName_->setObjectName(QStringLiteral("EditorName"));
    nameLabel->setBuddy(editorName_);
    exeLabel_ = new QLabel(Tr("EditSourceForm", "Plik edytora:"), slotGroup);
    exeEdit_ = new QLineEdit(slotGroup);
    exeEdit_->setObjectName(QStringLiteral("ExeEdit"));
    exeEdit_->setMinimumWidth(280);
    exeEdit_->setContextMenuPolicy(Qt::CustomContextMenu);
    SetHint(*exeEdit_, Tr("EditSourceForm", "Podaj plik edytora"));
    exeLabel_->setBuddy(exeEdit_);
    browseButton_ = new QPushButton(QStringLiteral("..."), slotGroup);
    browseButton_->setObjectName(QStringLiteral("BrowseButton"));
    browseButton_->setAutoDefault(false);
    browseButton_->setFixedWidth(24);
    SetHint(*browseButton_, Tr("EditSourceForm", "Przeglądaj"));
    paramLabel_ = new QLabel(Tr("EditSourceForm", "Parametry:"), slotGroup);
    paramEdit_ = new QLineEdit(slotGroup);
    paramEdit_->setObjectName(QStringLiteral("ParamEdit"));
    paramEdit_->setContextMenuPolicy(Qt::CustomContextMenu);
    SetHint(*paramEdit_, Tr("EditSourceForm", "Podaj parametry uruchomieniowe dla edytora"));
    paramLabel_->setBuddy(paramEdit_);
    auto* slotLayout = new QGridLayout(slotGroup);
    slotLayout->addWidget(nameLabel, 0, 0);
    slotLayout->addWidget(editorName_, 0, 1, 1, 2);
    slotLayout->addWidget(exeLabel_, 1, 0);
    slotLayout->addWidget(exeEdit_, 1, 1);
    slotLayout->addWidget(browseButton_, 1, 2);
    slotLayout->addWidget(paramLabel_, 2, 0);
    slotLayout->addWidget(paramEdit_, 2, 1, 1, 2);

    editSceneryButton_ = new QPushButton(Tr("EditSourceForm", "Edytuj scenerię"), this);
    editSceneryButton_->setObjectName(QStringLiteral("EditSceneryButton"));
    editSceneryButton_->setAutoDefault(false);
    editSceneryButton_->setEnabled(false);
    auto* okButton = new QPushButton(Tr("EditSourceForm", "OK"), this);
    okButton->setObjectName(QStringLiteral("OkButton"));
    okButton->setDefault(true);
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(editSceneryButton_);
    buttons->addStretch();
    buttons->addWidget(okButton);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(editorGroup);
    layout->addWidget(slotGroup);
    layout->addLayout(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);

    exeMenu_ = new QMenu(this);
    exeMenu_->setObjectName(QStringLiteral("ExeMenu"));
    connect(exeMenu_->addAction(Tr("EditSourceForm", "Notatnik")), &QAction::triggered, this,
            [this] { NotepadClick(); });
    paramMenu_ = new QMenu(this);
    paramMenu_->setObjectName(QStringLiteral("ParamMenu"));
    connect(paramMenu_->addAction(Tr("EditSourceForm", "Nazwa pliku (%f)")), &QAction::triggered,
            this, [this] { InsertMacro(*paramEdit_, QStringLiteral("%f")); });
    connect(paramMenu_->addAction(Tr("EditSourceForm", "Numer wiersza (%l)")), &QAction::triggered,
            this, [this] { InsertMacro(*paramEdit_, QStringLiteral("%l")); });
    connect(exeEdit_, &QWidget::customContextMenuRequested, this,
            [this](const QPoint& p) { exeMenu_->popup(exeEdit_->mapToGlobal(p)); });
    connect(paramEdit_, &QWidget::customContextMenuRequested, this,
            [this](const QPoint& p) { paramMenu_->popup(paramEdit_->mapToGlobal(p)); });

    for (QLineEdit* field : {editorName_, exeEdit_, paramEdit_})
        field->installEventFilter(this);
    connect(editorName_, &QLineEdit::textChanged, this, [this] { NameChanged(); });
    connect(editorList_, &QComboBox::currentIndexChanged, this, [this](int index) {
        // Edits of the slot shown so far are kept, however the list was moved.
        if (shownIndex_ >= 0 && shownIndex_ != index) StoreEditorSlot(shownIndex_);
        ShowEditorSlot(index);
    });
    connect(browseButton_, &QPushButton::clicked, this, [this] { BrowseEditor(); });
    connect(editSceneryButton_, &QPushButton::clicked, this, [this] {
        StoreEditorSlot(SelectedIndex());
        EditFiles(SelectedIndex());
    });
    connect(okButton, &QPushButton::clicked, this, &QDialog::accept);
    EnableSlotFields();
}

void TEditSourceForm::Execute() {
    exec();
    emit editorsChanged();
}

int TEditSourceForm::SelectedIndex() const {
    return editorList_->currentIndex();
}

void TEditSourceForm::EnableSlotFields() {
    const bool named = !editorName_->text().isEmpty();
    for (QWidget* w : std::initializer_list<QWidget*>{exeEdit_, paramEdit_, browseButton_,
                                                      exeLabel_, paramLabel_}) {
        w->setEnabled(named);
    }
}

void TEditSourceForm::NameChanged() {
    const int index = SelectedIndex();
    if (index >= 0)
        editorList_->setItemText(index, EditorEntryText(index, editorName_->text().toStdString()));
    EnableSlotFields();
}

void TEditSourceForm::ShowEditorSlot(int index) {
    if (index < 0 || index >= std::min(editorList_->count(), kEditorSlots)) return;
    const EditorSlot& slot = slots_[static_cast<std::size_t>(index)];
    shownIndex_ = index;
    editorName_->setText(QString::fromStdString(slot.name));
    exeEdit_->setText(QString::fromStdString(slot.exe));
    paramEdit_->setText(QString::fromStdString(slot.param));
    EnableSlotFields();
}

void TEditSourceForm::StoreEditorSlot(int index) {
    if (index < 0 || index >= std::min(editorList_->count(), kEditorSlots)) return;
    slots_[static_cast<std::size_t>(index)] = {editorName_->text().toStdString(),
                                               exeEdit_->text().toStdString(),
                                               paramEdit_->text().toStdString()};
    if (index == 0) emit firstEditorChanged();
}

bool TEditSourceForm::BrowseEditor() {
    const std::optional<std::string> file = context_.dialogs.OpenFileName(EditorProgramRequest());
    if (!file) return false;
    exeEdit_->setText(FromBytes(*file));
    StoreEditorSlot(SelectedIndex());
    return true;
}

void TEditSourceForm::ChooseEditorProgram(int index) {
    const std::optional<std::string> file = context_.dialogs.OpenFileName(EditorProgramRequest());
    if (!file) return;
    slots_[static_cast<std::size_t>(index)].exe = FromBytes(*file).toStdString();
    // Otherwise leaving a field would put the old program back.
    if (shownIndex_ == index) exeEdit_->setText(FromBytes(*file));
}

void TEditSourceForm::NotepadClick() {
    editorName_->setText(Tr("EditSourceForm", "Notatnik"));
    exeEdit_->setText(FromBytes(DesktopTextEditor()));
    paramEdit_->setText(QStringLiteral("%f"));
}

bool TEditSourceForm::ActivateEditor(int slot) {
    activeEditor_ = slot >= 0 && slot < kEditorSlots ? slot : -1;
    if (activeEditor_ < 0 || !context_.map.SceneryLoaded()) return false;
    if (!context_.files.FileExists(ToBytes(QString::fromStdString(Slot(slot).exe)))) {
        ChooseEditorProgram(slot);
    }
    return true;
}

void TEditSourceForm::EditAt(const std::string& file, std::uint64_t line) {
    if (ActivateEditor(0)) OpenInEditor(file, line);
}

void TEditSourceForm::EditFiles(int slot) {
    if (!ActivateEditor(slot)) return;
    std::vector<std::string> files;
    for (const TIncFile& file : context_.scenery.IncFiles)
        files.push_back(file.FileName);
    TEditSourceForm2 chooser(Slot(slot).name, files, parentWidget());
    if (chooser.exec() != QDialog::Accepted) return;
    for (const std::string& file : chooser.CheckedFiles()) {
        // The editor is asked for once more at the first file; after that one message is
        // enough, the next files would fail the same way.
        if (!OpenInEditor(file)) return;
    }
}

bool TEditSourceForm::OpenInEditor(const std::string& file, std::uint64_t line) {
    if (activeEditor_ < 0) return false;
    const auto program = [this] {
        return ToBytes(QString::fromStdString(Slot(activeEditor_).exe));
    };
    if (!context_.files.FileExists(program())) ChooseEditorProgram(activeEditor_);
    const ProgramStart start =
        PrepareStart(program(), ExpandEditorParams(Slot(activeEditor_).param, file, line), {});
    const std::string obstacle = StartObstacle(start);
    const StartResult started = obstacle.empty() ? runner_(start) : StartResult{false, obstacle};
    if (!started.started) ReportStartFailure(program(), started.reason);
    return started.started;
}

void TEditSourceForm::ReportStartFailure(const std::string& program, const std::string& reason) {
    context_.dialogs.MessageBox(StartFailureText(program, reason),
                                Translate("EditSourceForm", "Błąd"), MessageIcon::Error,
                                MessageButtons::Ok);
}

void TEditSourceForm::SetSlots(const std::array<EditorSlot, kEditorSlots>& stored, int count) {
    slots_ = stored;
    {
        const QSignalBlocker block(editorList_);
        editorList_->clear();
        for (int i = 0; i < std::clamp(count, 0, kEditorSlots); ++i)
            editorList_->addItem(EditorEntryText(i, slots_[static_cast<std::size_t>(i)].name));
        editorList_->setCurrentIndex(editorList_->count() > 0 ? 0 : -1);
    }
    shownIndex_ = -1;
    ShowEditorSlot(SelectedIndex());
    emit editorsChanged();
}

void TEditSourceForm::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    if (event->spontaneous()) return;
    editSceneryButton_->setEnabled(context_.map.SceneryLoaded());
    if (exeEdit_->text().isEmpty()) {
        NotepadClick();
        emit firstEditorChanged();
    }
}

bool TEditSourceForm::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::FocusOut) StoreEditorSlot(SelectedIndex());
    return QDialog::eventFilter(watched, event);
}

void TEditSourceForm::done(int result) {
    StoreEditorSlot(SelectedIndex());
    QDialog::done(result);
}

}  // namespace tarvik
