#include "QtText.h"

#include <QCoreApplication>

#include "Cp1250.h"

namespace tarvik {

QString ToQString(std::string_view utf8) {
    return QString::fromUtf8(utf8.data(), static_cast<qsizetype>(utf8.size()));
}

QString Cp1250ToQString(std::string_view cp1250) {
    return ToQString(Cp1250ToUtf8(cp1250));
}

QString Tr(const char* context, const char* source) {
    return QCoreApplication::translate(context, source);
}

}  // namespace tarvik
