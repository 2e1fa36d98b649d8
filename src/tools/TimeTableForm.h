#pragma once

#include <QFont>
#include <QPoint>
#include <QStringList>
#include <QWidget>
#include <string>
#include <vector>

#include "ToolContext.h"

class QPlainTextEdit;
class QPrinter;

namespace tarvik {

// Each tab up to the next stop of eight columns, as the printout needs it.
QString ExpandTabs(QString line);

// One text of a printed page: where its top left corner goes, in device pixels, and its font.
struct PrintedText {
    QFont font;
    QPoint position;
    QString text;
};

// The page of a timetable printout, for a page pageHeight pixels high: the caption, the lines
// with their tabs expanded as far as they fit, and the program's banner.
std::vector<PrintedText> TimetablePage(const QString& caption, const QStringList& lines,
                                       int pageHeight);

// The timetable viewer ("Rozkład"): the timetable file of one trainset, read beside the
// scenery, shown as fixed-pitch text and printed on one page.
class TTimeTableForm : public QWidget {
    Q_OBJECT

  public:
    static constexpr int kDesignedWidth = 642;
    static constexpr int kDesignedHeight = 457;

    TTimeTableForm(ToolContext context, QWidget* parent);

    // Shows the timetable of the trainset (the model's CP1250 bytes), or says that there is
    // none and closes.
    void ShowTimetable(const std::string& trainset);
    void PrintTimetable();

    // The lines of the text box.
    const QStringList& Lines() const { return lines_; }

  private:
    ToolContext context_;
    QStringList lines_;
    QPlainTextEdit* text_ = nullptr;
};

}  // namespace tarvik
