#include "WorkModeForm.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalBlocker>
#include <QSlider>
#include <QVBoxLayout>

#include "QtText.h"
#include "Translate.h"

namespace tarvik {
namespace {

// Shown by "&Pomoc"; the message box turns each \r into a line break.
constexpr const char* kHelpText = QT_TRANSLATE_NOOP(
    "WorkModeForm",
    "WYBÓR TRYBU:\r"
    "==============\r"
    "* Tryb użytkownika:\r"
    "  ~~~~~~~~~~~~~~~~~~~~\r"
    "  + Szybkość działania\r"
    "  - Niedokładne obliczenia\r"
    "  - Brak listy nazwanych torów\r"
    "\r"
    "* Tryb autorski:\r"
    "  ~~~~~~~~~~~~~~~~~~~~\r"
    "  + Dokładne obliczenia\r"
    "  + Lista nazwanych torów\r"
    "  - Mała wydajność\r"
    "\r"
    "\r"
    "DOKŁADNOŚĆ:\r"
    "===============\r"
    "Określa, jaka dokładnośc ma być stosowana przy rysowaniu (nie odgrywa to roli na "
    "kształt lini) i obliczeniach.\r"
    "Przesuwając suwak w lewo zmniejsza się dokładność, ale wzrasta wydajność. Przesuwając "
    "suwak w prawo mamy większą dokładność, ale program wolniej pracuje.\r"
    "\r"
    "Uwaga: Dwa ostatnie położenia suwaka w Trybie Użytkownika odpowadają dwóm pierwszym "
    "położeniom w Trybie Autorskim. Pozostałe pozycje są mniej dokładne (tryb użytkownika) "
    "lub bardziej dokładne (tryb autorski). Tak więc jeśli np. zależy Ci na liście "
    "nazwanych torów, a nie potrzebujesz dużych dokładności wybierz Tryb Autorski i "
    "przesuń suwak maksymalnie w lewo.\r"
    "Pamiętaj, że taka konfiguracja i tak będzie wolniejsza od analogicznego ustawianie w "
    "Trybie Użytkownika (przedostatnia pozycja suwaka z prawej).");

void SetHint(QWidget& widget, const QString& text) {
    widget.setToolTip(text);
    widget.setStatusTip(text);
}

QPushButton* Button(const char* objectName, const QString& caption, QWidget* parent) {
    auto* button = new QPushButton(caption, parent);
    button->setObjectName(QString::fromUtf8(objectName));
    button->setAutoDefault(false);
    return button;
}

}  // namespace

TWorkModeForm::TWorkModeForm(TWorkMode& mode, ViewerDialogs& dialogs, QWidget* parent)
    : QDialog(parent), mode_(mode), dialogs_(dialogs) {
    setWindowTitle(Tr("WorkModeForm", "Tryb pracy"));

    // Siblings of one parent, so the two radio buttons exclude each other.
    userMode_ = new QRadioButton(Tr("WorkModeForm", "Użytkownika"), this);
    userMode_->setObjectName(QStringLiteral("UserMode"));
    SetHint(
        *userMode_,
        Tr("WorkModeForm",
           "Tryb użytkownika przeznaczony jest dla tych, którym zalezy na wydajności programu, a "
           "nie zależy na dokładności i pełnej funkcjonalnosci"));
    ownerMode_ = new QRadioButton(Tr("WorkModeForm", "Autorski"), this);
    ownerMode_->setObjectName(QStringLiteral("OwnerMode"));
    SetHint(*ownerMode_,
            Tr("WorkModeForm",
               "Tryb autorski przeznaczony dla autorów scenerii, ktrym zależy na pełnej "
               "funkcjonalności programu"));

    trackBar_ = new QSlider(Qt::Horizontal, this);
    trackBar_->setObjectName(QStringLiteral("TrackBar1"));
    trackBar_->setRange(kMinPrecision, kMaxPrecision);
    trackBar_->setPageStep(1);
    trackBar_->setTickPosition(QSlider::TicksBelow);
    trackBar_->setTickInterval(1);
    SetHint(
        *trackBar_,
        Tr("WorkModeForm",
           "Dokładność określa, z jaką precyzją maja być przeprowadzane obliczenia. Im suwak "
           "bardziej z lewej tym wydajność programu wzrasta, ale spada dokładność. Pamiętaj, że "
           "dokładność w dużej mierze zalezy od trybu pracy!"));
    auto* precisionLabel = new QLabel(Tr("WorkModeForm", "Dokładność:"), this);
    precisionLabel->setBuddy(trackBar_);

    simulatorReading_ = new QCheckBox(Tr("WorkModeForm", "Odczyt zgodny z symulatorem"), this);
    simulatorReading_->setObjectName(QStringLiteral("SimulatorReading"));
    SetHint(*simulatorReading_,
            Tr("WorkModeForm",
               "Czyta pliki scenerii tak jak symulator: węzły w jednym wierszu, dołączenia z "
               "parametrami (include;plik;p1;...;end), komentarze /* */ i wszystko po FirstInit. "
               "Wyłączony: odczyt wiersz po wierszu. Zmiana działa od następnego wczytania"));

    QPushButton* defaultButton = Button("MultiLineButton1", Tr("WorkModeForm", "Domyślnie"), this);
    SetHint(
        *defaultButton,
        Tr("WorkModeForm", "Domyślne ustawienie suwaka dokłasności w zależnosci od trybu pracy"));
    QPushButton* helpButton = Button("BitBtn3", Tr("WorkModeForm", "&Pomoc"), this);
    SetHint(*helpButton, Tr("WorkModeForm", "Pomoc na temat powyższych funkcji"));
    QPushButton* okButton = Button("BitBtn1", Tr("WorkModeForm", "&OK"), this);
    okButton->setDefault(true);
    QPushButton* cancelButton = Button("BitBtn2", Tr("WorkModeForm", "Anuluj"), this);

    auto* precision = new QGridLayout;
    precision->addWidget(precisionLabel, 0, 0, 1, 2);
    precision->addWidget(trackBar_, 1, 0, 1, 2);
    precision->addWidget(new QLabel(Tr("WorkModeForm", "Szybko"), this), 2, 0, Qt::AlignLeft);
    precision->addWidget(new QLabel(Tr("WorkModeForm", "Precyzyjnie"), this), 2, 1, Qt::AlignRight);
    auto* modes = new QHBoxLayout;
    modes->addWidget(userMode_);
    modes->addWidget(ownerMode_);
    modes->addStretch();
    modes->addWidget(defaultButton);
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(helpButton);
    buttons->addStretch();
    buttons->addWidget(okButton);
    buttons->addWidget(cancelButton);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(modes);
    layout->addLayout(precision);
    layout->addWidget(simulatorReading_);
    layout->addLayout(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);

    connect(ownerMode_, &QRadioButton::toggled, this,
            [this](bool checked) { mode_.OwnerMode = checked; });
    connect(trackBar_, &QSlider::valueChanged, this,
            [this](int position) { mode_.SetPosition(position); });
    connect(simulatorReading_, &QCheckBox::toggled, this, [this](bool checked) {
        mode_.Reading = checked ? SceneryReading::Simulator : SceneryReading::Classic;
    });
    connect(defaultButton, &QPushButton::clicked, this,
            [this] { trackBar_->setValue(TWorkMode::DefaultPosition(ownerMode_->isChecked())); });
    connect(helpButton, &QPushButton::clicked, this, [this] {
        dialogs_.MessageBox(Translate("WorkModeForm", kHelpText),
                            Translate("WorkModeForm", "Pomoc wyboru trybu"),
                            MessageIcon::Information, MessageButtons::Ok);
    });
    connect(okButton, &QPushButton::clicked, this, [this] {
        mode_.UpdateInterpolateSteps();
        accept();
    });
    connect(cancelButton, &QPushButton::clicked, this, &QDialog::reject);

    SyncFromMode();
}

bool TWorkModeForm::Execute() {
    return exec() == QDialog::Accepted;
}

void TWorkModeForm::SyncFromMode() {
    const QSignalBlocker userBlock(userMode_);
    const QSignalBlocker ownerBlock(ownerMode_);
    const QSignalBlocker trackBlock(trackBar_);
    const QSignalBlocker readingBlock(simulatorReading_);
    (mode_.OwnerMode ? ownerMode_ : userMode_)->setChecked(true);
    trackBar_->setValue(mode_.InterpolateStepsMode);
    simulatorReading_->setChecked(mode_.Reading == SceneryReading::Simulator);
}

}  // namespace tarvik
