#include "TimeTableForm.h"

#include <QFontMetrics>
#include <QGuiApplication>
#include <QPainter>
#include <QPlainTextEdit>
#include <QPrinter>
#include <QScreen>
#include <QToolBar>
#include <QToolButton>
#include <QVBoxLayout>
#include <algorithm>
#include <fstream>
#include <iterator>

#include "Cp1250.h"
#include "LaunchParams.h"
#include "ProgramInfo.h"
#include "QtText.h"
#include "Translate.h"
#include "ViewerDialogs.h"

namespace tarvik {
namespace {

constexpr int kTabStop = 8;
constexpr int kCaptionX = 100;
constexpr int kCaptionY = 100;
constexpr int kLinesX = 5;
constexpr int kFirstLineY = 250;
constexpr int kLineStep = 36;
constexpr int kBannerX = 5;
constexpr int kBannerY = 5;
// The positions on the page are printer pixels laid out for this resolution; finer pixels
// would crowd the 8-point lines on top of each other.
constexpr int kPrintResolution = 300;

QFont PrinterFont(const char* family, int points, bool bold, bool fixedPitch) {
    QFont font(QString::fromLatin1(family));
    font.setPointSize(points);
    font.setBold(bold);
    if (fixedPitch) {
        font.setStyleHint(QFont::TypeWriter);
        font.setFixedPitch(true);
    }
    return font;
}

// Lines end with CR LF, LF or CR; a break at the very end starts no further line.
QStringList SplitLines(const QString& text) {
    QStringList lines;
    QString line;
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text[i];
        if (c == QLatin1Char('\r') || c == QLatin1Char('\n')) {
            lines << line;
            line.clear();
            if (c == QLatin1Char('\r') && i + 1 < text.size() && text[i + 1] == QLatin1Char('\n'))
                ++i;
        } else {
            line += c;
        }
    }
    if (!line.isEmpty()) lines << line;
    return lines;
}

// Timetables are written in CP1250; one saved as UTF-8 is read as such.
QString DecodeText(const std::string& bytes) {
    return QString::fromStdString(IsValidUtf8(bytes) ? bytes : Cp1250ToUtf8(bytes));
}

// A print job that did not start, named by where it was to go: a file or a printer.
std::string PrintStartFailureText(const QPrinter& printer) {
    if (!printer.outputFileName().isEmpty()) {
        return FormatText(
            Translate("TimeTableForm", "Nie można rozpocząć drukowania rozkładu do pliku %1."),
            {printer.outputFileName().toStdString()});
    }
    if (!printer.printerName().isEmpty()) {
        return FormatText(
            Translate("TimeTableForm", "Nie można rozpocząć drukowania rozkładu na drukarce %1."),
            {printer.printerName().toStdString()});
    }
    return Translate("TimeTableForm", "Nie można rozpocząć drukowania rozkładu.");
}

}  // namespace

QString ExpandTabs(QString line) {
    qsizetype tab = 0;
    while ((tab = line.indexOf(QLatin1Char('\t'))) >= 0) {
        line.replace(tab, 1, QString(kTabStop - tab % kTabStop, QLatin1Char(' ')));
    }
    return line;
}

std::vector<PrintedText> TimetablePage(const QString& caption, const QStringList& lines,
                                       int pageHeight) {
    std::vector<PrintedText> page;
    page.push_back({PrinterFont("Arial", 14, true, false), {kCaptionX, kCaptionY}, caption});
    const QFont lineFont = PrinterFont("Courier", 8, false, true);
    for (qsizetype i = 0; i < lines.size(); ++i) {
        const int top = kFirstLineY + kLineStep * static_cast<int>(i);
        if (top >= pageHeight) break;
        page.push_back({lineFont, {kLinesX, top}, ExpandTabs(lines[i])});
    }
    page.push_back({PrinterFont("Small Fonts", 6, false, false),
                    {kBannerX, kBannerY},
                    Tr("TimeTableForm", "%1, wersja %2")
                        .arg(QString::fromUtf8(kApplicationTitle), QString::fromUtf8(kVersion))});
    return page;
}

TTimeTableForm::TTimeTableForm(ToolContext context, QWidget* parent)
    : QWidget(parent, Qt::Tool), context_(std::move(context)) {
    setObjectName(QStringLiteral("TimeTableForm"));
    setWindowTitle(Tr("TimeTableForm", "Rozkład"));
    resize(kDesignedWidth, kDesignedHeight);

    auto* toolBar = new QToolBar(this);
    toolBar->setObjectName(QStringLiteral("ToolBar1"));
    auto* printButton = new QToolButton(toolBar);
    printButton->setObjectName(QStringLiteral("PrintButton"));
    printButton->setText(Tr("TimeTableForm", "Drukuj"));
    printButton->setToolTip(Tr("TimeTableForm", "Drukuj rozkład"));
    printButton->setStatusTip(Tr("TimeTableForm", "Drukuj rozkład"));
    toolBar->addWidget(printButton);

    text_ = new QPlainTextEdit(this);
    text_->setObjectName(QStringLiteral("Memo1"));
    text_->setReadOnly(true);
    text_->setLineWrapMode(QPlainTextEdit::NoWrap);
    text_->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    text_->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    QFont font(QStringLiteral("Courier"));
    font.setStyleHint(QFont::TypeWriter);
    font.setFixedPitch(true);
    font.setPixelSize(11);
    font.setBold(true);
    text_->setFont(font);
    // Timetables line up their columns with tabs every eight characters.
    text_->setTabStopDistance(kTabStop * QFontMetricsF(font).horizontalAdvance(QLatin1Char(' ')));

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(toolBar);
    layout->addWidget(text_, 1);

    if (const QScreen* screen = QGuiApplication::primaryScreen()) {
        const QRect area = screen->geometry();
        move(area.x() + (area.width() - width()) / 2, area.y() + (area.height() - height()) / 2);
    }
    connect(printButton, &QToolButton::clicked, this, [this] { PrintTimetable(); });
}

void TTimeTableForm::ShowTimetable(const std::string& trainset) {
    const std::string folder = FolderPart(ShortPathName(context_.sceneryPath));
    const std::string path = folder + trainset + ".txt";
    text_->clear();
    lines_.clear();
    // The name comes from the scenery file; it must not lead the viewer to other folders.
    if (trainset.find('/') != std::string::npos || trainset.find("..") != std::string::npos) {
        context_.dialogs.MessageBox(
            FormatText(Translate("TimeTableForm",
                                 "Nazwa pociągu %1 zawiera \"/\" lub \"..\", a rozkład może leżeć "
                                 "tylko w folderze scenerii: %2"),
                       {Cp1250ToUtf8(trainset), DisplayPath(folder)}),
            Translate("TimeTableForm", "Brak rozkładu"), MessageIcon::Error, MessageButtons::Ok);
        close();
        return;
    }
    std::string found = path;
    // A timetable copied from Windows keeps its CP1250 name; one made here has it in UTF-8.
    if (!context_.files.FileExists(found) && !IsValidUtf8(trainset)) {
        found = folder + Cp1250ToUtf8(trainset) + ".txt";
    }
    std::ifstream file;
    if (context_.files.FileExists(found)) file.open(found, std::ios::binary);
    if (!file.is_open()) {
        context_.dialogs.MessageBox(
            FormatText(Translate("TimeTableForm",
                                 "Nie odnaleziono rozkładu dla pociągu %1\n\r"
                                 "Rozkładu spodziewano się w: %2"),
                       {Cp1250ToUtf8(trainset), DisplayPath(path)}),
            Translate("TimeTableForm", "Brak rozkładu"), MessageIcon::Error, MessageButtons::Ok);
        close();
        return;
    }
    setWindowTitle(Tr("TimeTableForm", "Rozkład dla %1").arg(Cp1250ToQString(trainset)));
    const std::string bytes{std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>()};
    lines_ = SplitLines(DecodeText(bytes));
    text_->setPlainText(lines_.join(QLatin1Char('\n')));
}

void TTimeTableForm::PrintTimetable() {
    QPrinter printer(QPrinter::HighResolution);
    if (!context_.dialogs.PrintDialog(printer)) return;
    printer.setResolution(kPrintResolution);
    printer.setDocName(windowTitle());
    // Where the printer cannot make copies itself (a PDF file), the page is printed again.
    const int copies = printer.supportsMultipleCopies() ? 1 : std::max(1, printer.copyCount());
    const std::vector<PrintedText> page = TimetablePage(windowTitle(), Lines(), printer.height());
    QPainter painter;
    if (!painter.begin(&printer)) {
        context_.dialogs.MessageBox(PrintStartFailureText(printer),
                                    Translate("TimeTableForm", "Błąd"), MessageIcon::Error,
                                    MessageButtons::Ok);
        return;
    }
    for (int copy = 0; copy < copies; ++copy) {
        if (copy > 0) printer.newPage();
        for (const PrintedText& text : page) {
            painter.setFont(text.font);
            painter.drawText(QRect(text.position, QSize(1, 1)),
                             Qt::AlignLeft | Qt::AlignTop | Qt::TextDontClip, text.text);
        }
    }
}

}  // namespace tarvik
