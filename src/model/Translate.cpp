#include "Translate.h"

#include <atomic>

namespace tarvik {
namespace {

// Loads run on worker threads, which translate their messages as they go.
std::atomic<Translator> installed{nullptr};

}  // namespace

void SetTranslator(Translator translator) {
    installed.store(translator);
}

std::string Translate(const char* context, const char* source) {
    const Translator translator = installed.load();
    return translator ? translator(context, source) : std::string(source);
}

std::string FormatText(std::string_view pattern, std::initializer_list<std::string_view> args) {
    std::string out;
    out.reserve(pattern.size());
    for (std::size_t i = 0; i < pattern.size(); ++i) {
        const char next = i + 1 < pattern.size() ? pattern[i + 1] : '\0';
        const auto n = static_cast<std::size_t>(next - '1');
        if (pattern[i] == '%' && next >= '1' && next <= '9' && n < args.size()) {
            out += *(args.begin() + n);
            ++i;
        } else {
            out += pattern[i];
        }
    }
    return out;
}

}  // namespace tarvik
