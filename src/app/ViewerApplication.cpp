#include "ViewerApplication.h"

#include <cstdio>
#include <string>

namespace tarvik {

void ReportError(std::string_view text, UserDialogs* dialogs) {
    if (dialogs) {
        dialogs->MessageBox(text, kApplicationTitle, MessageIcon::Error, MessageButtons::Ok);
        return;
    }
    std::fprintf(stderr, "%s: %s\n", kApplicationTitle, std::string(text).c_str());
}

}  // namespace tarvik
