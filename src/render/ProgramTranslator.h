#pragma once

#include <QString>
#include <QTranslator>

#include "UiLanguage.h"

namespace tarvik {

// The program's texts in the chosen language, for the object's life: Qt's translation of them
// (tarvik_en.qm beside the programs, in ../share/tarvik/translations) serves both Tr and the
// model's Translate. Polish needs none, the texts are written in it; an English file that
// cannot be found leaves them Polish too.
class ProgramTranslator {
  public:
    explicit ProgramTranslator(UiLanguage language);
    ~ProgramTranslator();
    ProgramTranslator(const ProgramTranslator&) = delete;
    ProgramTranslator& operator=(const ProgramTranslator&) = delete;

    // The language the texts are in, Polish when the translation was not found.
    UiLanguage Language() const { return installed_ ? UiLanguage::English : UiLanguage::Polish; }

    // Where the programs find their translations: the build tree and an installed system alike
    // keep them in share/tarvik/translations beside the bin folder.
    static QString Folder();

  private:
    QTranslator translator_;
    bool installed_ = false;
};

}  // namespace tarvik
