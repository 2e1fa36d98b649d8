#include "QtTranslations.h"

#include <QCoreApplication>
#include <QLibraryInfo>

namespace tarvik {

QtTranslations::QtTranslations() {
    if (translator_.load(QStringLiteral("qtbase_pl"),
                         QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
        installed_ = QCoreApplication::installTranslator(&translator_);
    }
}

QtTranslations::~QtTranslations() {
    if (installed_) QCoreApplication::removeTranslator(&translator_);
}

}  // namespace tarvik
