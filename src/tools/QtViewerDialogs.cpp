#include "QtViewerDialogs.h"

#include <QColorDialog>
#include <QFile>
#include <QFileDialog>
#include <QInputDialog>
#include <QMessageBox>
#include <QPrintDialog>
#include <QPrinter>

#include "QtColor.h"
#include "QtText.h"

namespace tarvik {
namespace {

// Our texts break lines with "\r" or "\r\n", as the system's message boxes read them.
QString MessageText(std::string_view text) {
    QString result = ToQString(text);
    result.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    result.replace(QLatin1Char('\r'), QLatin1Char('\n'));
    return result;
}

QMessageBox::Icon ToQtIcon(MessageIcon icon) {
    switch (icon) {
        case MessageIcon::Information:
            return QMessageBox::Information;
        case MessageIcon::Warning:
            return QMessageBox::Warning;
        case MessageIcon::Error:
            return QMessageBox::Critical;
        case MessageIcon::Question:
            return QMessageBox::Question;
        case MessageIcon::None:
            break;
    }
    return QMessageBox::NoIcon;
}

MessageAnswer ToAnswer(QMessageBox::StandardButton button) {
    switch (button) {
        case QMessageBox::Yes:
            return MessageAnswer::Yes;
        case QMessageBox::No:
            return MessageAnswer::No;
        case QMessageBox::Abort:
            return MessageAnswer::Abort;
        case QMessageBox::Retry:
            return MessageAnswer::Retry;
        case QMessageBox::Ignore:
            return MessageAnswer::Ignore;
        default:
            return MessageAnswer::Ok;
    }
}

// "Description|pattern|Description|pattern" as Qt's name filters. Patterns are separated by
// ';'. Scenery files come from Windows, where names ignore case, so each pattern is also given
// in upper case, and "*.*" becomes "*" to list names without a dot. The patterns go into a
// second pair of brackets, hidden from the user, so that the description is shown as it is.
QStringList NameFilters(std::string_view filter) {
    const QStringList parts = ToQString(filter).split(QLatin1Char('|'));
    QStringList result;
    for (qsizetype i = 0; i + 1 < parts.size(); i += 2) {
        QStringList patterns;
        for (const QString& part : parts[i + 1].split(QLatin1Char(';'), Qt::SkipEmptyParts)) {
            QString pattern = part.trimmed();
            if (pattern == QStringLiteral("*.*")) pattern = QStringLiteral("*");
            if (pattern.isEmpty()) continue;
            patterns << pattern;
            const QString upper = pattern.toUpper();
            if (upper != pattern) patterns << upper;
        }
        patterns.removeDuplicates();
        result << parts[i].trimmed() + QStringLiteral(" (") + patterns.join(QLatin1Char(' ')) +
                      QLatin1Char(')');
    }
    return result;
}

}  // namespace

MessageAnswer QtViewerDialogs::MessageBox(std::string_view text, std::string_view caption,
                                          MessageIcon icon, MessageButtons buttons) {
    QMessageBox box(parent_);
    box.setWindowTitle(ToQString(caption));
    box.setTextFormat(Qt::PlainText);
    box.setText(MessageText(text));
    box.setIcon(ToQtIcon(icon));
    switch (buttons) {
        case MessageButtons::Ok:
            box.setStandardButtons(QMessageBox::Ok);
            box.setEscapeButton(QMessageBox::Ok);
            break;
        case MessageButtons::YesNo:
            box.setStandardButtons(QMessageBox::Yes | QMessageBox::No);
            box.setEscapeButton(QMessageBox::No);
            break;
        case MessageButtons::AbortRetryIgnore:
            box.setStandardButtons(QMessageBox::Abort | QMessageBox::Retry | QMessageBox::Ignore);
            // Qt would take Abort, which ends the program or the load; Escape should neither
            // end nor discard anything, so it goes on as Ignore does.
            box.setEscapeButton(QMessageBox::Ignore);
            break;
    }
    box.exec();
    return ToAnswer(box.standardButton(box.clickedButton()));
}

bool QtViewerDialogs::InputQuery(std::string_view caption, std::string_view prompt,
                                 std::string& value) {
    bool ok = false;
    const QString entered = QInputDialog::getText(parent_, ToQString(caption), ToQString(prompt),
                                                  QLineEdit::Normal, ToQString(value), &ok);
    if (ok) value = entered.toStdString();
    return ok;
}

std::optional<std::string> QtViewerDialogs::OpenFileName(std::string_view title,
                                                         std::string_view filter,
                                                         bool fileMustExist) {
    QFileDialog dialog(parent_, ToQString(title));
    dialog.setAcceptMode(QFileDialog::AcceptOpen);
    dialog.setFileMode(fileMustExist ? QFileDialog::ExistingFile : QFileDialog::AnyFile);
    dialog.setOption(QFileDialog::HideNameFilterDetails);
    dialog.setNameFilters(NameFilters(filter));
    if (dialog.exec() != QDialog::Accepted) return std::nullopt;
    const QStringList files = dialog.selectedFiles();
    if (files.isEmpty()) return std::nullopt;
    return QFile::encodeName(files.front()).toStdString();
}

std::optional<std::string> QtViewerDialogs::SaveFileName(std::string_view title,
                                                         std::string_view filter,
                                                         int& filterIndex) {
    QFileDialog dialog(parent_, ToQString(title));
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setFileMode(QFileDialog::AnyFile);
    dialog.setOption(QFileDialog::HideNameFilterDetails);
    const QStringList filters = NameFilters(filter);
    dialog.setNameFilters(filters);
    if (filterIndex >= 1 && filterIndex <= filters.size()) {
        dialog.selectNameFilter(filters[filterIndex - 1]);
    }
    if (dialog.exec() != QDialog::Accepted) return std::nullopt;
    const QStringList files = dialog.selectedFiles();
    if (files.isEmpty()) return std::nullopt;
    filterIndex = static_cast<int>(filters.indexOf(dialog.selectedNameFilter())) + 1;
    return QFile::encodeName(files.front()).toStdString();
}

bool QtViewerDialogs::PrintDialog(QPrinter& printer) {
    QPrintDialog dialog(&printer, parent_);
    return dialog.exec() == QDialog::Accepted;
}

std::optional<TColor> QtViewerDialogs::ChooseColor(TColor initial) {
    const QColor chosen = QColorDialog::getColor(ToQColor(initial), parent_);
    if (!chosen.isValid()) return std::nullopt;
    return RGBColor(static_cast<unsigned>(chosen.red()), static_cast<unsigned>(chosen.green()),
                    static_cast<unsigned>(chosen.blue()));
}

}  // namespace tarvik
