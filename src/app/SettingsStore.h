#pragma once

#include <QSettings>
#include <QString>
#include <functional>
#include <memory>
#include <stdexcept>
#include <string>
#include <string_view>

#include "Color.h"

namespace tarvik {

// A setting that cannot be read or written; its text is shown to the user.
class SettingsError : public std::runtime_error {
  public:
    explicit SettingsError(const std::string& message) : std::runtime_error(message) {}
};

// The program's settings: one INI file, a group per key below the settings key, the values of
// the settings key itself outside any group. Booleans are stored as 0 and 1, colours as colour
// texts. Strings are bytes: UTF-8 texts, and paths as the file system has them.
class SettingsStore {
  public:
    // $XDG_CONFIG_HOME/Hollvik/Zorvan.conf, ~/.config/Hollvik/Zorvan.conf by default.
    static QString DefaultPath();

    explicit SettingsStore(const QString& path = DefaultPath());
    ~SettingsStore();
    SettingsStore(const SettingsStore&) = delete;
    SettingsStore& operator=(const SettingsStore&) = delete;

    QString Path() const;

    // Opens a key below the settings key; "" is the settings key itself.
    void OpenKey(std::string_view key);

    // Each returns the stored value, or the default when there is none; a stored value of the
    // wrong type throws SettingsError.
    bool ReadBoolDef(std::string_view name, bool def) const;
    int ReadIntegerDef(std::string_view name, int def) const;
    std::string ReadStringDef(std::string_view name, std::string_view def) const;
    TColor ReadColorDef(std::string_view name, std::string_view defaultText) const;

    void WriteBool(std::string_view name, bool value);
    void WriteInteger(std::string_view name, int value);
    void WriteString(std::string_view name, std::string_view value);
    void WriteColor(std::string_view name, TColor value);

    // Writes everything to the file; throws SettingsError when the file cannot be written.
    void Flush();

    // Told of every value written, as "Key/Name" ("Name" for the settings key itself): the
    // order of writes cannot be seen in the file, which keeps its groups sorted.
    void SetWriteObserver(std::function<void(const QString& key)> observer) {
        observer_ = std::move(observer);
    }

  private:
    QString Key(std::string_view name) const;
    bool Has(std::string_view name) const;

    void Written(std::string_view name) const;

    std::unique_ptr<QSettings> settings_;
    std::function<void(const QString& key)> observer_;
    QString group_;
};

}  // namespace tarvik
