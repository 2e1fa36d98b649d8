#include "PicSizeForm.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QSpinBox>
#include <QVBoxLayout>
#include <algorithm>

#include "QtText.h"

namespace tarvik {
namespace {

constexpr int kMinSide = 10;
constexpr int kMaxSide = 3000;

bool AllDigits(const QString& text) {
    return !text.isEmpty() && std::all_of(text.begin(), text.end(), [](QChar c) {
        return c >= QLatin1Char('0') && c <= QLatin1Char('9');
    });
}

// A text without a number counts as the smallest side; any number is pulled into the range.
int SideOfText(const QString& text) {
    const QString number = text.trimmed();
    bool ok = false;
    const int value = number.toInt(&ok);
    if (ok) return std::clamp(value, kMinSide, kMaxSide);
    // Digits too many for an int are a number above the range all the same.
    return AllDigits(number) ? kMaxSide : kMinSide;
}

// A side field that takes any whole number while it is typed, also one above 3000, and pulls
// it into the range when the field is left.
class SideSpinBox final : public QSpinBox {
  public:
    using QSpinBox::QSpinBox;

  protected:
    QValidator::State validate(QString& text, int& pos) const override {
        const QValidator::State state = QSpinBox::validate(text, pos);
        if (state == QValidator::Invalid && AllDigits(text.trimmed())) {
            return QValidator::Intermediate;
        }
        return state;
    }
    void fixup(QString& text) const override { text = QString::number(SideOfText(text)); }
};

QSpinBox* SideField(const char* name, const QString& hint, int value, QWidget* parent) {
    auto* field = new SideSpinBox(parent);
    field->setObjectName(name);
    field->setRange(kMinSide, kMaxSide);
    field->setSingleStep(10);
    field->setValue(value);
    field->setToolTip(hint);
    field->setStatusTip(hint);
    return field;
}

}  // namespace

TPicSizeForm::TPicSizeForm(QWidget* parent) : QDialog(parent) {
    setObjectName("PicSizeForm");
    setWindowTitle(Tr("PicSizeForm", "Podaj rozmiar obrazu"));
    width_ = SideField("SpinEdit1", Tr("PicSizeForm", "Szerokość"), 800, this);
    height_ = SideField("SpinEdit2", Tr("PicSizeForm", "Wysokość"), 600, this);
    auto* ok = new QPushButton(Tr("PicSizeForm", "OK"), this);
    ok->setObjectName("OkButton");
    ok->setDefault(true);
    connect(ok, &QPushButton::clicked, this, &QDialog::accept);
    auto* fields = new QHBoxLayout;
    fields->addWidget(width_);
    fields->addWidget(new QLabel("x", this));
    fields->addWidget(height_);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(fields);
    layout->addWidget(ok, 0, Qt::AlignRight);
    layout->setSizeConstraint(QLayout::SetFixedSize);
}

QSize TPicSizeForm::PictureSize() const {
    return {SideOfText(width_->cleanText()), SideOfText(height_->cleanText())};
}

}  // namespace tarvik
