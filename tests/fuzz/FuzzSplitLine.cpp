// Splits one line with arguments taken from the input's first bytes, and checks what any split
// must hold: tokens lie inside the line, in order, within the counts asked for.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string_view>

#include "LineTokenizer.h"
#include "ParseFailure.h"

namespace {

class Answer final : public tarvik::UserDialogs {
  public:
    explicit Answer(tarvik::MessageAnswer answer) : answer_(answer) {}
    tarvik::MessageAnswer MessageBox(std::string_view, std::string_view, tarvik::MessageIcon,
                                     tarvik::MessageButtons) override {
        return answer_;
    }
    bool InputQuery(std::string_view, std::string_view, std::string&) override { return false; }

  private:
    tarvik::MessageAnswer answer_;
};

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size < 5) return 0;
    const tarvik::SplitOptions options{
        .separator = static_cast<char>(data[0]),
        .collapse = (data[1] & 1) != 0,
        .marker = (data[1] & 8) ? std::string_view("//") : std::string_view(),
        .stripComment = (data[1] & 2) != 0,
        .maxCount = data[2],
        .minCount = data[3],
        .append = (data[1] & 4) != 0,
    };
    const tarvik::MessageAnswer answers[] = {
        tarvik::MessageAnswer::Abort, tarvik::MessageAnswer::Retry, tarvik::MessageAnswer::Ignore};
    Answer dialogs(answers[data[4] % 3]);
    const std::string_view line(reinterpret_cast<const char*>(data) + 5, size - 5);
    tarvik::TokenList tokens;
    if (options.append) tokens.Add(line.substr(0, 0));
    const std::size_t before = tokens.Count();
    try {
        tarvik::SplitLine(line, options, tokens, dialogs);
    } catch (const tarvik::ParseFailure&) {
        return 0;
    }
    const char* previous = line.data();
    for (std::size_t i = before; i < tokens.Count(); ++i) {
        const std::string_view t = tokens[i];
        if (t.data() < previous || t.data() + t.size() > line.data() + line.size()) std::abort();
        previous = t.data() + t.size();
    }
    if (options.maxCount > 0 && tokens.Count() - before > options.maxCount) std::abort();
    return 0;
}
