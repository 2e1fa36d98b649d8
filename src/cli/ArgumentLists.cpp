#include "ArgumentLists.h"

#include <charconv>
#include <cmath>
#include <sstream>

#include "Translate.h"

namespace tarvik {

std::vector<std::string> SplitList(const std::string& list) {
    std::vector<std::string> items;
    std::stringstream in(list);
    std::string item;
    while (std::getline(in, item, ',')) {
        if (!item.empty()) items.push_back(item);
    }
    return items;
}

std::optional<std::string> ParseLayers(const std::string& list, KindSet& layers) {
    layers = {};
    for (const std::string& item : SplitList(list)) {
        if (item == "tracks") {
            layers[static_cast<int>(SegmentKind::Track)] = true;
        } else if (item == "roads") {
            layers[static_cast<int>(SegmentKind::Road)] = true;
        } else if (item == "rivers") {
            layers[static_cast<int>(SegmentKind::River)] = true;
        } else if (item == "traction" || item == "tractions") {  // as the output names them
            layers[static_cast<int>(SegmentKind::Traction)] = true;
        } else {
            return FormatText(Translate("tarvik", "nieznana warstwa %1"), {item});
        }
    }
    return std::nullopt;
}

std::optional<double> ParseFiniteNumber(const std::string& text) {
    double value = 0;
    const char* end = text.data() + text.size();
    const auto [ptr, ec] = std::from_chars(text.data(), end, value);
    if (ec != std::errc() || ptr != end || !std::isfinite(value)) return std::nullopt;
    return value;
}

}  // namespace tarvik
