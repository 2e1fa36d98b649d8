#include "ColorsForm.h"

#include <QComboBox>
#include <QFrame>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QMouseEvent>
#include <QPixmap>
#include <QPushButton>
#include <QShowEvent>
#include <QVBoxLayout>
#include <algorithm>

#include "ColorPreview.h"
#include "ColorSchemes.h"
#include "QtColor.h"
#include "QtText.h"

namespace tarvik {
namespace {

constexpr int kSquareSize = 21;
constexpr int kPreviewWidth = 241;
constexpr int kPreviewHeight = 184;

// The rows of the "Kolory" group: a caption and the slots of its squares, which follow
// kColorSlotTable's order row by row.
struct SquareRow {
    const char* caption;
    int squares;
};
constexpr SquareRow kRows[] = {
    {QT_TRANSLATE_NOOP("ColorsForm", "Tło:"), 1},
    {QT_TRANSLATE_NOOP("ColorsForm", "Tory - standardowy:"), 1},
    {QT_TRANSLATE_NOOP("ColorsForm", "Gradient prędkości:"), 4},
    {QT_TRANSLATE_NOOP("ColorsForm", "Gradient wysokości:"), 4},
    {QT_TRANSLATE_NOOP("ColorsForm", "Gradient nachylenia:"), 4},
    {QT_TRANSLATE_NOOP("ColorsForm", "Trakcja:"), 1},
    {QT_TRANSLATE_NOOP("ColorsForm", "Drogi:"), 1},
    {QT_TRANSLATE_NOOP("ColorsForm", "Rzeki:"), 1},
};
static_assert([] {
    std::size_t n = 0;
    for (const SquareRow& row : kRows)
        n += static_cast<std::size_t>(row.squares);
    return n == kColorSlotTable.size();
}());

QString ShapeName(std::string_view slotName) {
    if (slotName == "Background") return QStringLiteral("BgShape");
    return ToQString(slotName) + QStringLiteral("Shape");
}

void Paint(QWidget& square, TColor color) {
    QPalette pal = square.palette();
    pal.setColor(QPalette::Window, ToQColor(color));
    square.setPalette(pal);
}

}  // namespace

TColorsForm::TColorsForm(ColorSlots& colorSlots, ViewerDialogs& dialogs, QWidget* parent)
    : QDialog(parent), slots_(colorSlots), dialogs_(dialogs), squares_(colorSlots) {
    setWindowTitle(Tr("ColorsForm", "Wybierz kolory"));

    auto* colorsBox = new QGroupBox(Tr("ColorsForm", "Kolory"), this);
    auto* grid = new QGridLayout(colorsBox);
    std::size_t slot = 0;
    for (int row = 0; row < static_cast<int>(std::size(kRows)); ++row) {
        grid->addWidget(new QLabel(Tr("ColorsForm", kRows[row].caption), colorsBox), row, 0);
        for (int column = 1; column <= kRows[row].squares; ++column, ++slot) {
            auto* square = new QFrame(colorsBox);
            square->setObjectName(ShapeName(kColorSlotTable[slot].name));
            square->setFrameShape(QFrame::Box);
            square->setFixedSize(kSquareSize, kSquareSize);
            square->setAutoFillBackground(true);
            square->setCursor(Qt::PointingHandCursor);
            square->installEventFilter(this);
            grid->addWidget(square, row, column);
            shapes_[slot] = square;
        }
    }

    auto* previewBox = new QGroupBox(Tr("ColorsForm", "Podgląd"), this);
    auto* previewLayout = new QVBoxLayout(previewBox);
    previewLabel_ = new QLabel(previewBox);
    previewLabel_->setObjectName(QStringLiteral("Preview"));
    previewLabel_->setFixedSize(kPreviewWidth, kPreviewHeight);
    previewLayout->addWidget(previewLabel_);
    previewLayout->addStretch();

    auto* schemeLabel = new QLabel(Tr("ColorsForm", "Schemat:"), this);
    scheme_ = new QComboBox(this);
    scheme_->setObjectName(QStringLiteral("SchemeBox"));
    for (const ColorScheme& scheme : kColorSchemes)
        scheme_->addItem(Tr("ColorSchemes", scheme.name.data()));
    // Shown while the squares match none of the schemes.
    scheme_->setPlaceholderText(Tr("ColorsForm", "(własny)"));
    schemeLabel->setBuddy(scheme_);

    auto* defaultButton = new QPushButton(Tr("ColorsForm", "Domyślne"), this);
    defaultButton->setObjectName(QStringLiteral("DefaultButton"));
    defaultButton->setAutoDefault(false);
    auto* cancelButton = new QPushButton(Tr("ColorsForm", "Anuluj"), this);
    cancelButton->setObjectName(QStringLiteral("CancelButton"));
    cancelButton->setAutoDefault(false);
    auto* okButton = new QPushButton(Tr("ColorsForm", "OK"), this);
    okButton->setObjectName(QStringLiteral("OkButton"));
    okButton->setDefault(true);

    auto* groups = new QHBoxLayout;
    groups->addWidget(colorsBox);
    groups->addWidget(previewBox);
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(defaultButton);
    buttons->addStretch();
    buttons->addWidget(cancelButton);
    buttons->addWidget(okButton);
    auto* schemeRow = new QHBoxLayout;
    schemeRow->addWidget(schemeLabel);
    schemeRow->addWidget(scheme_);
    schemeRow->addStretch();
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(schemeRow);
    layout->addLayout(groups);
    layout->addLayout(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);

    connect(scheme_, &QComboBox::activated, this, [this](int index) {
        if (index < 0) return;
        squares_ = kColorSchemes[static_cast<std::size_t>(index)].colors;
        ShowSquares();
    });
    connect(defaultButton, &QPushButton::clicked, this, [this] {
        squares_ = ColorSlots{};
        ShowSquares();
    });
    connect(cancelButton, &QPushButton::clicked, this, &QDialog::reject);
    connect(okButton, &QPushButton::clicked, this, [this] {
        slots_ = squares_;
        accept();
    });

    ShowSquares();
}

bool TColorsForm::Execute() {
    return exec() == QDialog::Accepted;
}

void TColorsForm::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    // A window restored by the system is shown again without being opened anew.
    if (event->spontaneous()) return;
    squares_ = slots_;
    ShowSquares();
}

bool TColorsForm::eventFilter(QObject* watched, QEvent* event) {
    const auto found = std::find(shapes_.begin(), shapes_.end(), watched);
    if (found == shapes_.end()) return QDialog::eventFilter(watched, event);
    const std::size_t slot = static_cast<std::size_t>(found - shapes_.begin());
    // The background square answers the release of the button, the others its press.
    const QEvent::Type trigger = kColorSlotTable[slot].slot == &ColorSlots::Background
                                     ? QEvent::MouseButtonRelease
                                     : QEvent::MouseButtonPress;
    if (event->type() != trigger) return QDialog::eventFilter(watched, event);
    TColor& color = squares_.*kColorSlotTable[slot].slot;
    if (const std::optional<TColor> chosen = dialogs_.ChooseColor(color)) {
        color = *chosen;
        ShowSquares();
    }
    return true;
}

void TColorsForm::ShowSquares() {
    for (std::size_t i = 0; i < shapes_.size(); ++i)
        Paint(*shapes_[i], squares_.*kColorSlotTable[i].slot);
    preview_ = MakeColorPreview(squares_, kPreviewWidth, kPreviewHeight);
    previewLabel_->setPixmap(QPixmap::fromImage(preview_));
    const auto match = std::find_if(kColorSchemes.begin(), kColorSchemes.end(),
                                    [this](const ColorScheme& s) { return s.colors == squares_; });
    scheme_->setCurrentIndex(
        match == kColorSchemes.end() ? -1 : static_cast<int>(match - kColorSchemes.begin()));
}

}  // namespace tarvik
