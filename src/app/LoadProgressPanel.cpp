#include "LoadProgressPanel.h"

#include <QHBoxLayout>
#include <QProgressBar>
#include <QPushButton>
#include <algorithm>

#include "QtText.h"

namespace tarvik {
namespace {

// Steps of the bar: tenths of a percent, so that a large file moves it visibly.
constexpr int kSteps = 1000;

}  // namespace

LoadProgressPanel::LoadProgressPanel(QWidget* parent) : QWidget(parent) {
    setObjectName("LoadProgressPanel");
    bar_ = new QProgressBar(this);
    bar_->setObjectName("LoadProgressBar");
    bar_->setRange(0, kSteps);
    bar_->setFixedWidth(150);
    stop_ = new QPushButton(Tr("LoadProgressPanel", "Przerwij"), this);
    stop_->setObjectName("StopLoadButton");
    stop_->setToolTip(Tr("LoadProgressPanel", "Przerwij wczytywanie scenerii (Esc)"));
    // A click must not take the focus from the map, which keeps the keys after the load.
    stop_->setFocusPolicy(Qt::NoFocus);
    auto* layout = new QHBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(bar_);
    layout->addWidget(stop_);
}

void LoadProgressPanel::ShowShare(std::uint64_t done, std::uint64_t size) {
    if (size == 0) {
        bar_->setRange(0, 0);
        return;
    }
    bar_->setRange(0, kSteps);
    bar_->setValue(static_cast<int>(std::min<std::uint64_t>(done, size) * kSteps / size));
}

void LoadProgressPanel::Reset() {
    bar_->setRange(0, kSteps);
    bar_->setValue(0);
    stop_->setEnabled(true);
}

}  // namespace tarvik
