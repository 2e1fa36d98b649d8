#pragma once

#include <QTranslator>

namespace tarvik {

// Qt's own texts, the buttons of message boxes and the file, colour and print dialogs, in the
// program's language, Polish, whatever the system's locale. They come from Qt's translations
// (Debian's qt6-translations-l10n); without them Qt's texts stay English. Installed for the
// object's life.
class QtTranslations {
  public:
    QtTranslations();
    ~QtTranslations();
    QtTranslations(const QtTranslations&) = delete;
    QtTranslations& operator=(const QtTranslations&) = delete;

    bool Installed() const { return installed_; }

  private:
    QTranslator translator_;
    bool installed_ = false;
};

}  // namespace tarvik
