#include "QtViewerDialogs.h"

#include <QColorDialog>
#include <QFile>
#include <QFileDialog>
#include <QFileInfo>
#include <QFileSystemModel>
#include <QInputDialog>
#include <QMessageBox>
#include <QPrintDialog>
#include <QPrinter>
#include <QPushButton>
#include <QSortFilterProxyModel>
#include <algorithm>
#include <functional>
#include <vector>

#include "GoToDialog.h"
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

// One entry of a name filter as Qt shows it.
struct FilterEntry {
    QString description;
    QStringList patterns;
    // Lists only the files one may run, whatever their names.
    bool programsOnly = false;

    QString Text() const {
        return description + QStringLiteral(" (") + patterns.join(QLatin1Char(' ')) +
               QLatin1Char(')');
    }
    // "gif" of a first pattern "*.gif"; empty when the first pattern names no extension.
    QString Extension() const {
        if (patterns.isEmpty() || !patterns.front().startsWith(QStringLiteral("*."))) return {};
        const QString extension = patterns.front().mid(2);
        return extension.contains(QLatin1Char('*')) || extension.contains(QLatin1Char('?'))
                   ? QString()
                   : extension;
    }
    bool HasExtension(const QString& extension) const {
        return patterns.contains(QStringLiteral("*.") + extension, Qt::CaseInsensitive);
    }
};

// "Description|pattern|Description|pattern" as Qt's name filters. Patterns are separated by
// ';'. Scenery files come from Windows, where names ignore case, so each pattern is also given
// in upper case, and "*.*" becomes "*" to list names without a dot. The patterns go into a
// second pair of brackets, hidden from the user, so that the description is shown as it is.
std::vector<FilterEntry> FilterEntries(std::string_view filter) {
    const QStringList parts = ToQString(filter).split(QLatin1Char('|'));
    std::vector<FilterEntry> result;
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
        result.push_back({parts[i].trimmed(), patterns});
    }
    return result;
}

// A program to run on this system has no fixed extension; the Windows ones the filters name
// are not all there is. All files are offered once: an entry that lists them may be there.
void AddProgramEntries(std::vector<FilterEntry>& entries) {
    const QStringList everything{QStringLiteral("*")};
    const bool listed = std::any_of(entries.begin(), entries.end(),
                                    [&](const FilterEntry& e) { return e.patterns == everything; });
    entries.push_back({Tr("QtViewerDialogs", "Programy wykonywalne"), everything, true});
    if (!listed) entries.push_back({Tr("QtViewerDialogs", "Wszystkie pliki (*)"), everything});
}

QStringList Texts(const std::vector<FilterEntry>& entries) {
    QStringList texts;
    for (const FilterEntry& e : entries)
        texts << e.Text();
    return texts;
}

// The entry Qt reports as chosen: by its whole text, or only by its description when the
// details are hidden. -1 when none matches.
int IndexOf(const std::vector<FilterEntry>& entries, const QString& chosen) {
    const QString shown = chosen.simplified();
    for (std::size_t i = 0; i < entries.size(); ++i) {
        if (entries[i].Text() == chosen || entries[i].description.simplified() == shown) {
            return static_cast<int>(i);
        }
    }
    return -1;
}

// Hides the files that cannot be run while the entry of programs is chosen; folders stay, to
// be gone through.
class ProgramsOnlyModel final : public QSortFilterProxyModel {
  public:
    void SetActive(bool active) {
        if (active == active_) return;
        active_ = active;
        invalidateFilter();
    }

  protected:
    bool filterAcceptsRow(int row, const QModelIndex& parent) const override {
        if (!active_) return true;
        const auto* files = qobject_cast<const QFileSystemModel*>(sourceModel());
        if (!files) return true;
        const QFileInfo info = files->fileInfo(files->index(row, 0, parent));
        return info.isDir() || info.isExecutable();
    }

  private:
    bool active_ = false;
};

// The dialog as the viewer shows it. Qt's own dialog rather than the desktop's: its texts
// follow the program's language whatever the system's, and it lets the viewer follow the
// chosen filter entry.
void Prepare(QFileDialog& dialog, const char* name, const std::vector<FilterEntry>& entries) {
    dialog.setObjectName(QString::fromLatin1(name));
    dialog.setOption(QFileDialog::DontUseNativeDialog);
    dialog.setOption(QFileDialog::HideNameFilterDetails);
    dialog.setNameFilters(Texts(entries));
}

// Calls chosen with each entry the user picks from the filter list.
void OnEntryChosen(QFileDialog& dialog, const std::vector<FilterEntry>& entries,
                   const std::function<void(const FilterEntry&)>& chosen) {
    QObject::connect(&dialog, &QFileDialog::filterSelected, &dialog,
                     [entries, chosen](const QString& text) {
                         const int index = IndexOf(entries, text);
                         if (index >= 0) chosen(entries[static_cast<std::size_t>(index)]);
                     });
}

}  // namespace

MessageAnswer QtViewerDialogs::MessageBox(std::string_view text, std::string_view caption,
                                          MessageIcon icon, MessageButtons buttons) {
    QMessageBox box(parent_);
    box.setObjectName(QStringLiteral("MessageBox"));
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
            // The program's messages tell which of them to click by these words.
            box.button(QMessageBox::Abort)->setText(Tr("QtViewerDialogs", "Przerwij"));
            box.button(QMessageBox::Retry)->setText(Tr("QtViewerDialogs", "Ponów"));
            box.button(QMessageBox::Ignore)->setText(Tr("QtViewerDialogs", "Ignoruj"));
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

std::optional<std::string> QtViewerDialogs::OpenFileName(const OpenFileRequest& request) {
    std::vector<FilterEntry> entries = FilterEntries(request.filter);
    if (request.program) AddProgramEntries(entries);
    QFileDialog dialog(parent_, ToQString(request.title));
    Prepare(dialog, "OpenFileDialog", entries);
    dialog.setAcceptMode(QFileDialog::AcceptOpen);
    dialog.setFileMode(request.fileMustExist ? QFileDialog::ExistingFile : QFileDialog::AnyFile);
    ProgramsOnlyModel* programs = nullptr;
    if (request.program) {
        // The dialog takes it as its child.
        programs = new ProgramsOnlyModel;
        dialog.setProxyModel(programs);
    }
    const QString extension = ToQString(request.defaultExt);
    const auto follow = [&dialog, programs, extension](const FilterEntry& entry) {
        // Qt adds the suffix also to a name typed for a file that must exist, so it is only
        // offered while the files listed carry it.
        dialog.setDefaultSuffix(entry.HasExtension(extension) ? extension : QString());
        if (programs) programs->SetActive(entry.programsOnly);
    };
    if (!entries.empty()) follow(entries.front());
    OnEntryChosen(dialog, entries, follow);
    if (!request.folder.empty()) dialog.setDirectory(QFile::decodeName(request.folder.c_str()));
    if (!request.fileName.empty()) dialog.selectFile(ToQString(request.fileName));
    if (dialog.exec() != QDialog::Accepted) return std::nullopt;
    const QStringList files = dialog.selectedFiles();
    if (files.isEmpty()) return std::nullopt;
    return QFile::encodeName(files.front()).toStdString();
}

std::optional<std::string> QtViewerDialogs::SaveFileName(std::string_view title,
                                                         std::string_view filter,
                                                         int& filterIndex) {
    const std::vector<FilterEntry> entries = FilterEntries(filter);
    QFileDialog dialog(parent_, ToQString(title));
    Prepare(dialog, "SaveFileDialog", entries);
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setFileMode(QFileDialog::AnyFile);
    const auto follow = [&dialog](const FilterEntry& entry) {
        dialog.setDefaultSuffix(entry.Extension());
    };
    if (filterIndex >= 1 && filterIndex <= static_cast<int>(entries.size())) {
        const FilterEntry& shown = entries[static_cast<std::size_t>(filterIndex - 1)];
        dialog.selectNameFilter(shown.Text());
        follow(shown);
    } else if (!entries.empty()) {
        follow(entries.front());
    }
    OnEntryChosen(dialog, entries, follow);
    if (dialog.exec() != QDialog::Accepted) return std::nullopt;
    const QStringList files = dialog.selectedFiles();
    if (files.isEmpty()) return std::nullopt;
    filterIndex = IndexOf(entries, dialog.selectedNameFilter()) + 1;
    return QFile::encodeName(files.front()).toStdString();
}

bool QtViewerDialogs::PrintDialog(QPrinter& printer) {
    QPrintDialog dialog(&printer, parent_);
    dialog.setObjectName(QStringLiteral("PrintDialog"));
    return dialog.exec() == QDialog::Accepted;
}

std::optional<TColor> QtViewerDialogs::ChooseColor(TColor initial) {
    QColorDialog dialog(ToQColor(initial), parent_);
    dialog.setObjectName(QStringLiteral("ColorDialog"));
    // Qt's own chooser: its texts follow the program's language whatever the system's.
    dialog.setOption(QColorDialog::DontUseNativeDialog);
    if (dialog.exec() != QDialog::Accepted) return std::nullopt;
    const QColor chosen = dialog.selectedColor();
    return RGBColor(static_cast<unsigned>(chosen.red()), static_cast<unsigned>(chosen.green()),
                    static_cast<unsigned>(chosen.blue()));
}

std::optional<std::string> QtViewerDialogs::GoTo(const GoToRequest& request) {
    GoToDialog dialog(request, parent_);
    if (dialog.exec() != QDialog::Accepted) return std::nullopt;
    return dialog.Text();
}

}  // namespace tarvik
