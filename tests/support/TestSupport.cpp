#include "TestSupport.h"

#include <unistd.h>

#include <cstdlib>
#include <fstream>
#include <sstream>
#include <stdexcept>

namespace tarvik::test {

MessageAnswer ScriptedDialogs::MessageBox(std::string_view text, std::string_view caption,
                                          MessageIcon icon, MessageButtons buttons) {
    messages.push_back({std::string(text), std::string(caption), icon, buttons});
    if (whileAsked) whileAsked();
    if (!answers.empty()) {
        const MessageAnswer a = answers.front();
        answers.pop_front();
        return a;
    }
    switch (buttons) {
        case MessageButtons::AbortRetryIgnore:
            return MessageAnswer::Ignore;
        case MessageButtons::YesNo:
            return MessageAnswer::No;
        case MessageButtons::Ok:
            break;
    }
    return MessageAnswer::Ok;
}

bool ScriptedDialogs::InputQuery(std::string_view caption, std::string_view prompt,
                                 std::string& value) {
    queries.push_back({std::string(caption), std::string(prompt), value});
    if (whileAsked) whileAsked();
    if (inputs.empty()) return false;
    const std::optional<std::string> input = inputs.front();
    inputs.pop_front();
    if (!input) return false;
    value = *input;
    return true;
}

KeepWorkingFolder::KeepWorkingFolder() : folder_(std::filesystem::current_path()) {
    if (const char* pwd = std::getenv("PWD")) pwd_ = pwd;
}

KeepWorkingFolder::~KeepWorkingFolder() {
    std::error_code ec;
    std::filesystem::current_path(folder_, ec);
    if (pwd_) {
        ::setenv("PWD", pwd_->c_str(), 1);
    } else {
        ::unsetenv("PWD");
    }
}

void KeepWorkingFolder::Enter(const std::filesystem::path& folder) {
    std::filesystem::current_path(folder);
    ::setenv("PWD", folder.c_str(), 1);
}

TempDir::TempDir(Place place) {
    std::error_code ec;
    const std::filesystem::path base =
        place == Place::Memory && std::filesystem::is_directory("/dev/shm", ec)
            ? std::filesystem::path("/dev/shm")
            : std::filesystem::temp_directory_path();
    std::string pattern = (base / "tarvik-test-XXXXXX").string();
    if (!::mkdtemp(pattern.data())) throw std::runtime_error("mkdtemp failed");
    path_ = pattern;
}

TempDir::~TempDir() {
    std::error_code ec;
    std::filesystem::permissions(path_, std::filesystem::perms::owner_all,
                                 std::filesystem::perm_options::add, ec);
    std::filesystem::remove_all(path_, ec);
}

std::string TempDir::Write(const std::string& relative, std::string_view bytes) const {
    const std::filesystem::path file = path_ / relative;
    std::filesystem::create_directories(file.parent_path());
    std::ofstream out(file, std::ios::binary);
    out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    return file.string();
}

LoadResult LoadFile(TScenery& scenery, const std::string& path, const TWorkMode& mode,
                    UserDialogs& dialogs, RecordingStatus* status) {
    RecordingStatus ignored;
    PosixFileSystem files;
    return LoadSceneryModel(scenery, path, mode, files, dialogs, status ? *status : ignored);
}

std::string CrLf(std::initializer_list<std::string_view> lines) {
    std::string out;
    for (const std::string_view line : lines) {
        out.append(line);
        out.append("\r\n");
    }
    return out;
}

std::string TrackNode(const PieceSpec& p) {
    std::ostringstream s;
    s << "node -1 0 " << p.name << " track " << p.subKind
      << " 34.0 1.435 0.24 15.0 20 0 flat vis\r\n"
      << " Rail_screw_used1 4 Rail_screw_used1 0.2 2.75 2.5\r\n"
      << p.x1 << " " << p.h1 << " " << p.z1 << " 0.0 //point 1\r\n"
      << p.c1x << " 0.0 " << p.c1z << " //control vector 1\r\n"
      << p.c2x << " 0.0 " << p.c2z << " //control vector 2\r\n"
      << p.x2 << " " << p.h2 << " " << p.z2 << " 0.0 //point 2\r\n"
      << "0\r\n";
    for (const std::string& line : p.extraLines)
        s << line << "\r\n";
    s << "endtrack\r\n";
    return s.str();
}

std::vector<const TSegmentObj*> Segments(const SegmentList& list) {
    std::vector<const TSegmentObj*> out;
    for (const TSegmentObj& s : list)
        out.push_back(&s);
    return out;
}

std::string ReadAndClose(std::FILE* file) {
    std::rewind(file);
    std::string text;
    char buffer[4096];
    while (const std::size_t n = std::fread(buffer, 1, sizeof buffer, file))
        text.append(buffer, n);
    std::fclose(file);
    return text;
}

std::optional<std::filesystem::path> SharedSceneries() {
    const std::filesystem::path dir = TARVIK_SHARED_SCENERIES;
    if (!std::filesystem::is_directory(dir)) return std::nullopt;
    return dir;
}

}  // namespace tarvik::test
