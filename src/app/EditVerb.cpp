#include "EditVerb.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>
#include <QSaveFile>
#include <QStringList>

#include "DesktopRegistration.h"
#include "QtText.h"

namespace tarvik {
namespace {

const QString kEditGroup = QStringLiteral("[Desktop Action edit]");

// An argument of Exec: quoted, with ", `, $ and \ escaped, then the escapes of a string value
// (a backslash doubled) and a literal % doubled.
QString ExecArgument(const QString& argument) {
    QString quoted = QStringLiteral("\"");
    for (const QChar c : argument) {
        if (c == '"' || c == '`' || c == '$' || c == '\\') quoted += '\\';
        quoted += c;
    }
    quoted += '"';
    quoted.replace('\\', QStringLiteral("\\\\"));
    quoted.replace('%', QStringLiteral("%%"));
    return quoted;
}

// A locale string value on one line.
QString StringValue(const QString& text) {
    QString value = text;
    value.replace('\\', QStringLiteral("\\\\"));
    value.replace('\n', QStringLiteral("\\n"));
    value.replace('\r', QStringLiteral("\\r"));
    value.replace('\t', QStringLiteral("\\t"));
    return value;
}

bool IsGroupHeader(const QString& line) {
    return line.startsWith('[');
}

}  // namespace

bool HasEditAction(const QString& entryText) {
    const QStringList lines = entryText.split('\n');
    bool mainGroup = false;
    for (const QString& raw : lines) {
        const QString line = raw.trimmed();
        if (line == kEditGroup) return true;
        if (IsGroupHeader(line)) {
            mainGroup = line == QStringLiteral("[Desktop Entry]");
        } else if (mainGroup && line.startsWith(QStringLiteral("Actions="))) {
            const QStringList actions = line.mid(8).split(';', Qt::SkipEmptyParts);
            if (actions.contains(QStringLiteral("edit"))) return true;
        }
    }
    return false;
}

QString WithEditAction(const QString& entryText, const QString& editorName,
                       const QString& program) {
    QStringList lines = entryText.split('\n');
    if (!lines.isEmpty() && lines.back().isEmpty()) lines.removeLast();
    qsizetype mainStart = -1;
    qsizetype mainEnd = lines.size();
    qsizetype actionsLine = -1;
    for (qsizetype i = 0; i < lines.size(); ++i) {
        const QString line = lines[i].trimmed();
        if (IsGroupHeader(line)) {
            if (mainStart >= 0 && mainEnd == lines.size()) mainEnd = i;
            if (line == QStringLiteral("[Desktop Entry]")) mainStart = i;
        } else if (mainStart >= 0 && mainEnd == lines.size() &&
                   line.startsWith(QStringLiteral("Actions="))) {
            actionsLine = i;
        }
    }
    if (actionsLine >= 0) {
        QString& actions = lines[actionsLine];
        while (actions.endsWith(' ') || actions.endsWith('\r'))
            actions.chop(1);
        if (!actions.endsWith(';') && !actions.endsWith('=')) actions += ';';
        actions += QStringLiteral("edit;");
    } else if (mainStart >= 0) {
        // The last key of the group, before the blank lines that part it from the next.
        qsizetype at = mainEnd;
        while (at > mainStart + 1 && lines[at - 1].trimmed().isEmpty())
            --at;
        lines.insert(at, QStringLiteral("Actions=edit;"));
    }
    if (!lines.isEmpty() && !lines.back().trimmed().isEmpty()) lines << QString();
    lines << kEditGroup
          << QStringLiteral("Name=") + StringValue(Tr("EditVerb", "Edytuj w %1").arg(editorName))
          << QStringLiteral("Exec=") + ExecArgument(program) + QStringLiteral(" /e %f");
    return lines.join('\n') + '\n';
}

bool RegisterEditVerb(const QString& entryPath, const EditorSlot& firstEditor,
                      const QString& program) {
    if (firstEditor.name.empty()) return true;
    if (!QFileInfo(QFile::decodeName(QByteArray::fromStdString(firstEditor.exe))).isFile()) {
        return true;
    }
    QString text;
    QFile existing(entryPath);
    if (existing.open(QIODevice::ReadOnly)) {
        text = QString::fromUtf8(existing.readAll());
        existing.close();
    } else if (existing.exists()) {
        return false;
    } else {
        text = DesktopEntryText(program);
    }
    if (HasEditAction(text)) return true;
    if (!QDir().mkpath(QFileInfo(entryPath).absolutePath())) return false;
    QSaveFile file(entryPath);
    if (!file.open(QIODevice::WriteOnly)) return false;
    file.write(WithEditAction(text, QString::fromStdString(firstEditor.name), program).toUtf8());
    return file.commit();
}

}  // namespace tarvik
