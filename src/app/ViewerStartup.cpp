#include "ViewerStartup.h"

#include <unistd.h>

#include <QApplication>
#include <QProxyStyle>
#include <QSocketNotifier>
#include <QStyleOptionMenuItem>
#include <algorithm>
#include <csignal>
#include <cstdio>
#include <cstring>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "Artwork.h"
#include "DesktopRegistration.h"
#include "MainWindow.h"
#include "ProgramTranslator.h"
#include "QtTranslations.h"
#include "QtViewerDialogs.h"
#include "SplashScreenForm.h"
#include "Translate.h"
#include "UiLanguage.h"
#include "ViewerApplication.h"

namespace tarvik {
namespace {

// The command-line summary that "--help" prints.
std::string Usage() {
    return Translate("tarvik-viewer",
                     "użycie: tarvik-viewer [SCENERIA]\n"
                     "       tarvik-viewer /o SCENERIA    otwiera scenerię\n"
                     "       tarvik-viewer /e SCENERIA    otwiera ją, edytuje jej pliki, zamyka\n"
                     "       tarvik-viewer /p SCENERIA    otwiera ją, drukuje jej mapę, zamyka\n"
                     "       tarvik-viewer --help | --version\n");
}

// The language the settings ask for; read before any window is made, since the texts are
// given as the windows are built.
UiLanguage ChosenLanguage() {
    SettingsStore store;
    return ResolveLanguage(ReadLanguageChoice(store));
}

// Hints of the controls show after 750 ms. The menus show no pictures, although the commands
// that the tool bar shares with them have some, so their items keep no room for one.
class ViewerStyle final : public QProxyStyle {
  public:
    int styleHint(StyleHint hint, const QStyleOption* option, const QWidget* widget,
                  QStyleHintReturn* returnData) const override {
        if (hint == SH_ToolTip_WakeUpDelay) return 750;
        return QProxyStyle::styleHint(hint, option, widget, returnData);
    }

    QSize sizeFromContents(ContentsType type, const QStyleOption* option, const QSize& size,
                           const QWidget* widget) const override {
        if (type == CT_MenuItem) {
            if (const auto* item = qstyleoption_cast<const QStyleOptionMenuItem*>(option)) {
                QStyleOptionMenuItem plain(*item);
                plain.maxIconWidth = 0;
                return QProxyStyle::sizeFromContents(type, &plain, size, widget);
            }
        }
        return QProxyStyle::sizeFromContents(type, option, size, widget);
    }

    void drawControl(ControlElement element, const QStyleOption* option, QPainter* painter,
                     const QWidget* widget) const override {
        if (element == CE_MenuItem) {
            if (const auto* item = qstyleoption_cast<const QStyleOptionMenuItem*>(option)) {
                QStyleOptionMenuItem plain(*item);
                plain.maxIconWidth = 0;
                QProxyStyle::drawControl(element, &plain, painter, widget);
                return;
            }
        }
        QProxyStyle::drawControl(element, option, painter, widget);
    }
};

// A termination request from the system (log-out, kill) closes the main window the usual way,
// so that the settings are written. The signal handler only writes to a pipe.
int closePipe[2] = {-1, -1};

void OnTerminate(int) {
    const char byte = 1;
    [[maybe_unused]] const ssize_t n = write(closePipe[1], &byte, 1);
}

void InstallTerminationHandler() {
    if (pipe(closePipe) != 0) return;
    struct sigaction action;
    std::memset(&action, 0, sizeof action);
    action.sa_handler = OnTerminate;
    sigemptyset(&action.sa_mask);
    action.sa_flags = SA_RESTART;
    for (const int signal : {SIGTERM, SIGINT, SIGHUP})
        sigaction(signal, &action, nullptr);
}

bool HasDisplay() {
    return !qEnvironmentVariableIsEmpty("DISPLAY") ||
           !qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY") ||
           !qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM");
}

}  // namespace

int RunViewer(int argc, char** argv) {
    if (argc > 1 && std::strcmp(argv[1], "--help") == 0) {
        const QCoreApplication app(argc, argv);
        const ProgramTranslator texts(ChosenLanguage());
        std::fputs(Usage().c_str(), stdout);
        return 0;
    }
    if (argc > 1 && std::strcmp(argv[1], "--version") == 0) {
        std::printf("tarvik-viewer %s\n", kVersion);
        return 0;
    }
    if (!HasDisplay()) {
        const QCoreApplication app(argc, argv);
        const ProgramTranslator texts(ChosenLanguage());
        std::fputs(Translate("tarvik-viewer",
                             "tarvik-viewer: brak ekranu, na którym można otworzyć okno (DISPLAY "
                             "i WAYLAND_DISPLAY nie są ustawione)\n")
                       .c_str(),
                   stderr);
        return 1;
    }
    InstallTerminationHandler();
    // The dialogs outlive the application, which reports through them to its end.
    QtViewerDialogs dialogs;
    ViewerApplication app(argc, argv);
    app.SetDialogs(&dialogs);
    QApplication::setApplicationName(kApplicationTitle);
    QApplication::setDesktopFileName("tarvik-viewer");
    QApplication::setWindowIcon(MakeApplicationIcon());
    QApplication::setStyle(new ViewerStyle);
    const UiLanguage language = ChosenLanguage();
    const ProgramTranslator texts(language);
    // Qt's own texts follow: Polish from Qt's translations, English as Qt writes them.
    std::optional<QtTranslations> qtTexts;
    if (texts.Language() == UiLanguage::Polish) qtTexts.emplace();

    auto splash = std::make_unique<TSplashScreenForm>(nullptr, true);
    splash->show();
    splash->repaint();
    QCoreApplication::processEvents();
    splash->ShowProgress(Translate("tarvik-viewer", "0% Czyt. konfig...."));

    const PosixFileSystem files;
    SettingsStore store;
    std::unique_ptr<TForm1> window;
    try {
        window = std::make_unique<TForm1>(dialogs, files, store, [&splash](std::string_view text) {
            if (splash) splash->ShowProgress(text);
        });
        window->SetManualLanguage(language);
        dialogs.SetParent(window.get());
        window->show();
        RegisterSceneryFileType(DesktopRegistration::InDataHome(),
                                QCoreApplication::applicationFilePath());
        window->FinishStartup();
    } catch (const std::exception& e) {
        splash.reset();
        ReportError(e.what(), &dialogs);
        if (!window) return 1;
    }
    splash.reset();

    // A request during the command line's load stops the load; the window closes after it.
    std::unique_ptr<QSocketNotifier> terminate;
    if (closePipe[0] >= 0) {
        terminate = std::make_unique<QSocketNotifier>(closePipe[0], QSocketNotifier::Read);
        QObject::connect(terminate.get(), &QSocketNotifier::activated, window.get(), [&window] {
            char byte = 0;
            [[maybe_unused]] const ssize_t n = read(closePipe[0], &byte, 1);
            window->close();
        });
    }
    // Taken as the bytes they came as: a path that is not UTF-8 would not survive a QString.
    // Qt has removed its own options from argv by now.
    const int count = std::clamp(argc - 1, 0, 2);
    const std::vector<std::string> arguments(argv + 1, argv + 1 + count);
    // Not yet in the event loop, which reports the errors of the commands it runs.
    DeliverOrReport(
        [&] {
            window->RunCommandLine(arguments);
            return true;
        },
        &dialogs);
    // "/e" and "/p" close the window before the event loop would start, and so does a
    // termination request during the load.
    if (!window->isVisible()) return 0;
    return QApplication::exec();
}

}  // namespace tarvik
