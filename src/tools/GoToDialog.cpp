#include "GoToDialog.h"

#include <QCompleter>
#include <QDialogButtonBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QStringListModel>
#include <QVBoxLayout>

#include "QtText.h"

namespace tarvik {

GoToDialog::GoToDialog(const GoToRequest& request, QWidget* parent)
    : QDialog(parent), request_(request) {
    setObjectName("GoToDialog");
    setWindowTitle(Tr("GoToDialog", "Przejdź do"));

    auto* prompt = new QLabel(ToQString(request.prompt), this);
    prompt->setObjectName("GoToPrompt");
    edit_ = new QLineEdit(this);
    edit_->setObjectName("GoToText");
    edit_->setMinimumWidth(320);
    prompt->setBuddy(edit_);
    if (!request.names.empty()) {
        QStringList names;
        names.reserve(static_cast<qsizetype>(request.names.size()));
        for (const std::string& name : request.names)
            names << ToQString(name);
        // Sorted as the completer searches, so that it finds the names by halving.
        names.sort(Qt::CaseInsensitive);
        auto* completer = new QCompleter(new QStringListModel(names, this), this);
        completer->setObjectName("GoToCompleter");
        completer->setCaseSensitivity(Qt::CaseInsensitive);
        completer->setModelSorting(QCompleter::CaseInsensitivelySortedModel);
        completer->setMaxVisibleItems(12);
        edit_->setCompleter(completer);
    }
    message_ = new QLabel(this);
    message_->setObjectName("GoToMessage");
    message_->setWordWrap(true);
    message_->setStyleSheet(QStringLiteral("color: #b00000"));
    message_->hide();

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    buttons->button(QDialogButtonBox::Ok)->setText(Tr("GoToDialog", "OK"));
    buttons->button(QDialogButtonBox::Cancel)->setText(Tr("GoToDialog", "Anuluj"));
    connect(buttons, &QDialogButtonBox::accepted, this, &GoToDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &GoToDialog::reject);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(prompt);
    layout->addWidget(edit_);
    layout->addWidget(message_);
    layout->addWidget(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);
}

std::string GoToDialog::Text() const {
    return edit_->text().toStdString();
}

void GoToDialog::accept() {
    const std::string message = request_.check ? request_.check(Text()) : std::string();
    if (message.empty()) {
        QDialog::accept();
        return;
    }
    message_->setText(ToQString(message));
    message_->show();
    // The text stays, chosen, to be typed over or corrected.
    edit_->selectAll();
    edit_->setFocus();
}

}  // namespace tarvik
