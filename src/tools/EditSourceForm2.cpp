#include "EditSourceForm2.h"

#include <QHBoxLayout>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

#include "Cp1250.h"
#include "QtText.h"

namespace tarvik {
namespace {

constexpr int kFileRole = Qt::UserRole;

}  // namespace

TEditSourceForm2::TEditSourceForm2(const std::string& editorName,
                                   const std::vector<std::string>& files, QWidget* parent)
    : QDialog(parent) {
    setObjectName(QStringLiteral("EditSourceForm2"));
    setWindowTitle(Tr("EditSourceForm2", "Wybierz pliki do edycji w '") +
                   QString::fromStdString(editorName) + QStringLiteral("':"));
    setMinimumSize(380, 100);

    checkList_ = new QListWidget(this);
    checkList_->setObjectName(QStringLiteral("CheckListBox"));
    for (const std::string& file : files) {
        auto* item = new QListWidgetItem(QString::fromStdString(DisplayPath(file)), checkList_);
        item->setFlags(Qt::ItemIsEnabled | Qt::ItemIsSelectable | Qt::ItemIsUserCheckable);
        item->setCheckState(Qt::Unchecked);
        item->setData(kFileRole, QByteArray::fromStdString(file));
    }

    auto* toggleButton = new QPushButton(Tr("EditSourceForm2", "Zaznacz/odznacz &wszystkie"), this);
    toggleButton->setObjectName(QStringLiteral("ToggleAllButton"));
    toggleButton->setAutoDefault(false);
    auto* okButton = new QPushButton(Tr("EditSourceForm2", "OK"), this);
    okButton->setObjectName(QStringLiteral("OkButton"));
    okButton->setDefault(true);
    auto* cancelButton = new QPushButton(Tr("EditSourceForm2", "Anuluj"), this);
    cancelButton->setObjectName(QStringLiteral("CancelButton"));
    cancelButton->setAutoDefault(false);

    auto* buttons = new QHBoxLayout;
    buttons->addWidget(toggleButton);
    buttons->addStretch();
    buttons->addWidget(cancelButton);
    buttons->addWidget(okButton);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(checkList_, 1);
    layout->addLayout(buttons);

    connect(toggleButton, &QPushButton::clicked, this, [this] { ToggleAllClick(); });
    connect(okButton, &QPushButton::clicked, this, &QDialog::accept);
    connect(cancelButton, &QPushButton::clicked, this, &QDialog::reject);
}

std::vector<std::string> TEditSourceForm2::CheckedFiles() const {
    std::vector<std::string> checked;
    for (int i = 0; i < checkList_->count(); ++i) {
        const QListWidgetItem* item = checkList_->item(i);
        if (item->checkState() == Qt::Checked) {
            checked.push_back(item->data(kFileRole).toByteArray().toStdString());
        }
    }
    return checked;
}

void TEditSourceForm2::ToggleAllClick() {
    if (checkList_->count() == 0) return;
    const Qt::CheckState state =
        checkList_->item(0)->checkState() == Qt::Checked ? Qt::Unchecked : Qt::Checked;
    for (int i = 0; i < checkList_->count(); ++i)
        checkList_->item(i)->setCheckState(state);
}

}  // namespace tarvik
