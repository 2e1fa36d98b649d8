#include <QApplication>
#include <QFile>
#include <QRect>

#include "LegendForm.h"
#include "MainWindow.h"
#include "QtViewerDialogs.h"

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QApplication::setApplicationName(tarvik::kApplicationTitle);
    tarvik::QtViewerDialogs dialogs;
    const tarvik::PosixFileSystem files;
    tarvik::TForm1 window(dialogs, files);
    dialogs.SetParent(&window);
    window.show();
    // Beside the main window, as the tool windows first open.
    const QRect frame = window.frameGeometry();
    window.MiniMapWindow().move(frame.right() + 13, frame.top());
    window.Legend().move(frame.right() + 13,
                         frame.top() + window.MiniMapWindow().frameGeometry().height() + 12);
    window.ShowToolWindows();
    const QStringList args = QApplication::arguments();
    if (args.size() > 1) window.LoadScenery(QFile::encodeName(args[1]).toStdString());
    return QApplication::exec();
}
