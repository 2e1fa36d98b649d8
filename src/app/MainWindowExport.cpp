// The map leaving the main window: saved as a picture, copied to the clipboard, printed, or
// previewed in the colours of a printout, each drawn from the current view.
#include <QClipboard>
#include <QFont>
#include <QGuiApplication>
#include <QPainter>
#include <QPrinter>
#include <cmath>

#include "Artwork.h"
#include "Cp1250.h"
#include "MainWindow.h"
#include "MapWidget.h"
#include "PicSizeForm.h"
#include "PictureWriter.h"
#include "QtColor.h"
#include "Translate.h"

namespace tarvik {
namespace {

std::string PictureFilter() {
    return Translate(
        "TForm1",
        "Bitmapa (*.bmp)|*.bmp|Format GIF (*.gif)|*.gif|Format JPEG (*.jpg)|*.jpg;*.jpeg|"
        "Format PNG (*.png)|*.png|Grafika wektorowa SVG (*.svg)|*.svg|Dokument PDF (*.pdf)|*.pdf");
}

QString BannerText() {
    return QString("Tarvik Track Viewer %1 © 2026").arg(kVersion);
}

// The banner's top-left corner at (5, 5), over whatever is drawn there.
void DrawBanner(QPainter& painter, const QFont& font) {
    painter.setFont(font);
    painter.setPen(Qt::black);
    painter.drawText(5, 5 + painter.fontMetrics().ascent(), BannerText());
}

PictureFormat FormatOfFilter(int filterIndex) {
    const int last = static_cast<int>(PictureFormat::Pdf);
    return filterIndex >= 1 && filterIndex <= last ? static_cast<PictureFormat>(filterIndex)
                                                   : PictureFormat::Bmp;
}

// A vector picture's unit is a pixel of a picture (a point of a PDF page), whatever resolution
// its device gives for point sizes: the banner takes the pixel size it has on a picture.
QFont PictureFont() {
    QFont font;
    if (font.pixelSize() < 0) {
        const QImage probe(1, 1, QImage::Format_RGB32);
        font.setPixelSize(std::max(
            1, static_cast<int>(std::lround(font.pointSizeF() * probe.logicalDpiY() / 72))));
    }
    return font;
}

}  // namespace

void TForm1::SaveImageButtonClick() {
    if (!SceneryLoaded()) return;
    int filterIndex = 1;
    const std::optional<std::string> path = dialogs_.SaveFileName(
        Translate("TForm1", "Zapisz mapę jako..."), PictureFilter(), filterIndex);
    if (!path) return;
    QSize size;
    {
        TPicSizeForm sizeForm(this);
        sizeForm.exec();
        size = sizeForm.PictureSize();
    }
    PictureFormat format = FormatOfFilter(filterIndex);
    if (settings_.SaveFormatFromExtension) {
        if (const std::optional<PictureFormat> named = PictureFormatOfName(*path)) format = *named;
    }
    std::optional<std::string> error;
    if (IsVectorFormat(format)) {
        const Drawing draw = [&](QPainter& painter) {
            PaintMainMap(painter, size, MapPurpose::Export, nullptr, true);
            DrawBanner(painter, PictureFont());
        };
        error = WriteVectorPicture(draw, size, *path, format);
    } else {
        QImage picture(size, QImage::Format_RGB32);
        picture.fill(ToRgb(colors_.Background));
        {
            QPainter painter(&picture);
            PaintMainMap(painter, size, MapPurpose::Export);
            DrawBanner(painter, QFont());
        }
        error = WritePicture(picture, *path, format);
    }
    if (error) {
        dialogs_.MessageBox(*error, kApplicationTitle, MessageIcon::Error, MessageButtons::Ok);
    }
}

void TForm1::CopyMapClick() {
    if (!SceneryLoaded()) return;
    QGuiApplication::clipboard()->setImage(map_->Picture());
}

void TForm1::PrintButtonClick() {
    QPrinter printer(QPrinter::PrinterResolution);
    if (!dialogs_.PrintDialog(printer)) return;
    printer.setDocName(QString::fromStdString(DisplayPath(lastOpenedPath_)));
    // A printer that cannot make copies itself gets one page per copy.
    int pages = 1;
    if (!printer.supportsMultipleCopies()) {
        pages = std::max(1, printer.copyCount());
        printer.setCopyCount(1);
    }
    QPainter painter;
    if (!painter.begin(&printer)) {
        dialogs_.MessageBox(FormatText(Translate("TForm1", "Nie można rozpocząć wydruku na %1"),
                                       {printer.printerName().toStdString()}),
                            kApplicationTitle, MessageIcon::Error, MessageButtons::Ok);
        return;
    }
    QFont banner("Small Fonts", 6);
    banner.setStyleHint(QFont::SansSerif);
    try {
        for (int page = 0; page < pages; ++page) {
            if (page > 0) printer.newPage();
            PaintMainMap(painter, QSize(printer.width(), printer.height()), MapPurpose::Print);
            DrawBanner(painter, banner);
        }
    } catch (const std::exception& e) {
        painter.end();
        dialogs_.MessageBox(e.what(), kApplicationTitle, MessageIcon::Error, MessageButtons::Ok);
        return;
    }
    painter.end();
}

void TForm1::PrintPreviewMenuItemClick() {
    if (!SceneryLoaded()) return;
    // The preview takes the place of the drawing a resize waits for.
    FinishResize();
    QImage& picture = map_->Picture();
    if (picture.width() < 1 || picture.height() < 1) return;
    {
        // The navigation tools keep the scale of the last ordinary drawing.
        QPainter painter(&picture);
        PaintMainMap(painter, picture.size(), MapPurpose::Print, nullptr, false, map_->Ratio());
    }
    map_->update();
}

}  // namespace tarvik
