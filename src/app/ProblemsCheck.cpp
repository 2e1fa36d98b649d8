#include "ProblemsCheck.h"

#include <optional>
#include <utility>

namespace tarvik {

void ProblemsCheck::Start(const TScenery& scenery, ModelCheckOptions options, Done done) {
    work_.Start(
        [&scenery, options = std::move(options)](
            std::stop_token stop) mutable -> std::optional<std::vector<Problem>> {
            options.stop = stop;
            return CheckModel(scenery, options);
        },
        std::move(done));
}

}  // namespace tarvik
