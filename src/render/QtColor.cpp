#include "QtColor.h"

#include <QGuiApplication>
#include <QPalette>

namespace tarvik {
namespace {

QColor SystemColor(unsigned index) {
    const QPalette palette = QGuiApplication::instance() ? QGuiApplication::palette() : QPalette();
    switch (index) {
        case 0:   // scroll bar
        case 15:  // button face
        case 22:  // 3-D light
            return palette.color(QPalette::Button);
        case 1:   // desktop
        case 12:  // application work space
            return palette.color(QPalette::Dark);
        case 2:   // active caption
        case 13:  // highlight
        case 27:  // gradient of the active caption
            return palette.color(QPalette::Highlight);
        case 3:  // inactive caption
        case 28:
            return palette.color(QPalette::Mid);
        case 4:  // menu
        case 5:  // window
            return palette.color(QPalette::Base);
        case 6:   // window frame
        case 21:  // 3-D dark shadow
            return palette.color(QPalette::Shadow);
        case 7:  // menu text
        case 8:  // window text
            return palette.color(QPalette::Text);
        case 9:   // caption text
        case 14:  // highlighted text
            return palette.color(QPalette::HighlightedText);
        case 10:  // active border
        case 11:  // inactive border
            return palette.color(QPalette::Window);
        case 16:  // button shadow
            return palette.color(QPalette::Dark);
        case 17:  // grey text
        case 19:  // inactive caption text
            return palette.color(QPalette::Disabled, QPalette::Text);
        case 18:  // button text
            return palette.color(QPalette::ButtonText);
        case 20:  // button highlight
            return palette.color(QPalette::Light);
        case 23:  // tool tip text
            return palette.color(QPalette::ToolTipText);
        case 24:  // tool tip background
            return palette.color(QPalette::ToolTipBase);
        default:
            return palette.color(QPalette::Window);
    }
}

}  // namespace

QColor ToQColor(TColor color) {
    if ((color & 0xFF000000u) == 0x80000000u) return SystemColor(color & 0xFF);
    // clNone and clDefault draw as black; every other value is read as $00BBGGRR.
    if ((color & 0xFF000000u) != 0) return QColor(0, 0, 0);
    return QColor(static_cast<int>(RedOf(color)), static_cast<int>(GreenOf(color)),
                  static_cast<int>(BlueOf(color)));
}

}  // namespace tarvik
