#include "LauncherTestSupport.h"

#include <QAbstractButton>
#include <chrono>
#include <fstream>
#include <thread>

namespace tarvik::test {

FakeProgram::FakeProgram(const TempDir& dir, const std::string& relative, bool native) {
    // Each run writes its own record under a temporary name and renames it when complete.
    const std::string body =
        "out=\"$0.run.$$\"\n"
        "{ pwd -P; for a in \"$@\"; do printf '%s\\n' \"$a\"; done; } > \"$out.tmp\" && "
        "mv \"$out.tmp\" \"$out\"\n";
    path_ = dir.Write(relative, native ? "#!/bin/sh\n" + body : body);
    std::filesystem::permissions(path_, std::filesystem::perms::owner_all);
}

std::vector<FakeProgram::Run> FakeProgram::WaitForRuns(std::size_t count) const {
    const std::filesystem::path program(path_);
    const std::string prefix = program.filename().string() + ".run.";
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(10);
    std::vector<Run> runs;
    while (true) {
        std::vector<std::filesystem::path> records;
        for (const auto& entry : std::filesystem::directory_iterator(program.parent_path())) {
            const std::string name = entry.path().filename().string();
            if (name.rfind(prefix, 0) == 0 && !name.ends_with(".tmp")) records.push_back(entry);
        }
        for (const std::filesystem::path& record : records) {
            std::ifstream in(record);
            Run run;
            std::getline(in, run.folder);
            for (std::string line; std::getline(in, line);)
                run.arguments.push_back(line);
            runs.push_back(std::move(run));
            std::filesystem::remove(record);
        }
        if (runs.size() >= count || std::chrono::steady_clock::now() > deadline) return runs;
        std::this_thread::sleep_for(std::chrono::milliseconds(20));
    }
}

PathPrefix::PathPrefix(const std::string& folder, bool only) : saved_(qgetenv("PATH")) {
    const QByteArray path = QByteArray::fromStdString(folder);
    qputenv("PATH", only ? path : path + ':' + saved_);
}

PathPrefix::~PathPrefix() {
    qputenv("PATH", saved_);
}

void AnswerMessageBox(QObject* context, std::optional<ShownMessage>& shown) {
    WhenModalOf<QMessageBox>(context, [&shown](QMessageBox& box) {
        shown = ShownMessage{box.windowTitle(), box.text(), box.icon()};
        box.button(QMessageBox::Ok)->click();
    });
}

LauncherHarness::LauncherHarness(const std::string& settingsText, Dialogs shown) {
    const std::string settings = dir.Write("Zorvan.conf", settingsText);
    store = std::make_unique<SettingsStore>(QString::fromStdString(settings));
    ViewerDialogs& used = shown == Dialogs::Real ? static_cast<ViewerDialogs&>(qtDialogs) : dialogs;
    window = std::make_unique<TForm1>(used, files, *store);
    qtDialogs.SetParent(window.get());
    window->FinishStartup();
}

ProgramRunner LauncherHarness::Recorder(bool run) {
    return [this, run](const ProgramStart& start) {
        starts.push_back(start);
        return run ? StartDetached(start) : StartResult{};
    };
}

std::string DemoScenery() {
    return TARVIK_SOURCE_DIR "/examples/demo/demo.scn";
}

}  // namespace tarvik::test
