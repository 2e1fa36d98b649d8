#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "Color.h"

class QPrinter;
#include "UserDialogs.h"

namespace tarvik {

// Every modal interaction of the viewer, so that tests can script the answers and run without
// a screen. Message boxes and text input come from UserDialogs; texts are UTF-8, paths are the
// file system's bytes.
class ViewerDialogs : public UserDialogs {
  public:
    // The open dialog; filter is a list of "Description|pattern" pairs joined by '|'. Returns
    // the chosen path, or nothing when the dialog is cancelled.
    virtual std::optional<std::string> OpenFileName(std::string_view title, std::string_view filter,
                                                    bool fileMustExist) = 0;
    // The save dialog with the same kind of filter; filterIndex (from 1) is the entry shown
    // first and receives the one chosen. An existing file is confirmed before it is returned.
    virtual std::optional<std::string> SaveFileName(std::string_view title, std::string_view filter,
                                                    int& filterIndex) = 0;
    // The system colour chooser preset to initial; nothing when it is cancelled.
    virtual std::optional<TColor> ChooseColor(TColor initial) = 0;
    // The print dialog for printer (the printer, the number of copies); false when cancelled.
    virtual bool PrintDialog(QPrinter& printer) = 0;
};

}  // namespace tarvik
