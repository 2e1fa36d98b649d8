#include "SettingsStore.h"

#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>

#include "ColorText.h"
#include "Cp1250.h"
#include "QtText.h"

namespace tarvik {
namespace {

std::string Quoted(std::string_view format, std::string_view what) {
    std::string text(format);
    text.replace(text.find("%s"), 2, what);
    return text;
}

}  // namespace

QString SettingsStore::DefaultPath() {
    return QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation) +
           "/Hollvik/Zorvan.conf";
}

SettingsStore::SettingsStore(const QString& path)
    : settings_(std::make_unique<QSettings>(path, QSettings::IniFormat)) {}

SettingsStore::~SettingsStore() = default;

QString SettingsStore::Path() const {
    return settings_->fileName();
}

void SettingsStore::OpenKey(std::string_view key) {
    group_ = ToQString(key);
}

QString SettingsStore::Key(std::string_view name) const {
    return group_.isEmpty() ? ToQString(name) : group_ + "/" + ToQString(name);
}

bool SettingsStore::Has(std::string_view name) const {
    return settings_->contains(Key(name));
}

bool SettingsStore::ReadBoolDef(std::string_view name, bool def) const {
    if (!Has(name)) return def;
    const QString text = settings_->value(Key(name)).toString().trimmed();
    if (text.compare("true", Qt::CaseInsensitive) == 0) return true;
    if (text.compare("false", Qt::CaseInsensitive) == 0) return false;
    bool ok = false;
    const qlonglong value = text.toLongLong(&ok);
    if (!ok) throw SettingsError(Quoted("Invalid data type for '%s'", name));
    return value != 0;
}

int SettingsStore::ReadIntegerDef(std::string_view name, int def) const {
    if (!Has(name)) return def;
    bool ok = false;
    const int value = settings_->value(Key(name)).toString().trimmed().toInt(&ok);
    if (!ok) throw SettingsError(Quoted("Invalid data type for '%s'", name));
    return value;
}

std::string SettingsStore::ReadStringDef(std::string_view name, std::string_view def) const {
    if (!Has(name)) return std::string(def);
    const QVariant value = settings_->value(Key(name));
    // Bytes that are no UTF-8 were written in Qt's escaped form.
    if (value.typeId() == QMetaType::QByteArray) return value.toByteArray().toStdString();
    // A list (a text with unquoted commas in the file) is not a string value.
    if (value.typeId() == QMetaType::QStringList) {
        throw SettingsError(Quoted("Invalid data type for '%s'", name));
    }
    return value.toString().toStdString();
}

TColor SettingsStore::ReadColorDef(std::string_view name, std::string_view defaultText) const {
    const std::string text = ReadStringDef(name, defaultText);
    const std::optional<TColor> color = TextToColor(text);
    if (!color) throw SettingsError(Quoted("'%s' is not a valid integer value", text));
    return *color;
}

void SettingsStore::WriteBool(std::string_view name, bool value) {
    settings_->setValue(Key(name), value ? 1 : 0);
    Written(name);
}

void SettingsStore::WriteInteger(std::string_view name, int value) {
    settings_->setValue(Key(name), value);
    Written(name);
}

void SettingsStore::WriteString(std::string_view name, std::string_view value) {
    // A path as the file system has it may be no UTF-8 (a name in CP1250 from an old archive);
    // such bytes go in Qt's escaped form, @ByteArray(...) with \xNN, and come back unchanged.
    // Any other text is written as it is, so files written before still read.
    if (IsValidUtf8(value)) {
        settings_->setValue(Key(name), ToQString(value));
    } else {
        settings_->setValue(Key(name),
                            QByteArray(value.data(), static_cast<qsizetype>(value.size())));
    }
    Written(name);
}

void SettingsStore::WriteColor(std::string_view name, TColor value) {
    WriteString(name, ColorToText(value));
}

void SettingsStore::Written(std::string_view name) const {
    if (observer_) observer_(Key(name));
}

void SettingsStore::Flush() {
    QDir().mkpath(QFileInfo(Path()).absolutePath());
    settings_->sync();
    if (settings_->status() != QSettings::NoError) {
        throw SettingsError(Quoted("Failed to set data for '%s'", Path().toStdString()));
    }
}

}  // namespace tarvik
