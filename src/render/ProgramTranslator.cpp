#include "ProgramTranslator.h"

#include <QCoreApplication>

#include "Translate.h"

namespace tarvik {
namespace {

std::string TranslateWithQt(const char* context, const char* source) {
    return QCoreApplication::translate(context, source).toStdString();
}

}  // namespace

ProgramTranslator::ProgramTranslator(UiLanguage language) {
    if (language == UiLanguage::Polish) return;
    const QString name = QStringLiteral("tarvik_") + QString::fromUtf8(LanguageCode(language));
    if (translator_.load(name, Folder())) {
        installed_ = QCoreApplication::installTranslator(&translator_);
    }
    if (installed_) SetTranslator(TranslateWithQt);
}

ProgramTranslator::~ProgramTranslator() {
    if (!installed_) return;
    SetTranslator(nullptr);
    QCoreApplication::removeTranslator(&translator_);
}

QString ProgramTranslator::Folder() {
    return QCoreApplication::applicationDirPath() + QStringLiteral("/../share/tarvik/translations");
}

}  // namespace tarvik
