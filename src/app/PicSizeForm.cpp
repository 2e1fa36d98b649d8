#include "PicSizeForm.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QSpinBox>
#include <QVBoxLayout>
#include <algorithm>

namespace tarvik {
namespace {

constexpr int kMinSide = 10;
constexpr int kMaxSide = 3000;

QSpinBox* SideField(const char* name, const char* hint, int value, QWidget* parent) {
    auto* field = new QSpinBox(parent);
    field->setObjectName(name);
    field->setRange(kMinSide, kMaxSide);
    field->setSingleStep(10);
    field->setValue(value);
    field->setToolTip(hint);
    field->setStatusTip(hint);
    // Out-of-range numbers are pulled in when the field is left, not refused while typing.
    field->setCorrectionMode(QAbstractSpinBox::CorrectToNearestValue);
    return field;
}

int SideOf(const QSpinBox& field) {
    bool ok = false;
    const int value = field.cleanText().trimmed().toInt(&ok);
    return ok ? std::clamp(value, kMinSide, kMaxSide) : kMinSide;
}

}  // namespace

TPicSizeForm::TPicSizeForm(QWidget* parent) : QDialog(parent) {
    setObjectName("PicSizeForm");
    setWindowTitle("Podaj rozmiar obrazu");
    width_ = SideField("SpinEdit1", "Szerokość", 800, this);
    height_ = SideField("SpinEdit2", "Wysokość", 600, this);
    auto* ok = new QPushButton("OK", this);
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
    return {SideOf(*width_), SideOf(*height_)};
}

}  // namespace tarvik
