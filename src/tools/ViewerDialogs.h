#pragma once

#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "Color.h"

class QPrinter;
#include "UserDialogs.h"

namespace tarvik {

// What the open dialog asks for.
struct OpenFileRequest {
    std::string title;
    // "Description|pattern|Description|pattern", patterns separated by ';'.
    std::string filter;
    bool fileMustExist = true;
    // A program to run: the filter is followed by one for the programs of this system (files
    // one may run, whatever their names) and by one for all files.
    bool program = false;
    // Added to a typed name without an extension while a filter entry of that extension is
    // chosen; empty for none.
    std::string defaultExt;
    // The name proposed in the name field; empty for none.
    std::string fileName;
    // The folder shown first (file-system bytes); empty for the dialog's own choice.
    std::string folder;
};

// What the go-to dialog asks for and how it judges what is typed.
struct GoToRequest {
    std::string prompt;
    // Offered as the user types, in any letter case (UTF-8); none in the user mode.
    std::vector<std::string> names;
    // Judges the text confirmed: empty lets the dialog close with it, any other text is shown
    // in the dialog, which stays open for another try.
    std::function<std::string(const std::string& text)> check;
};

// Every modal interaction of the viewer, so that tests can script the answers and run without
// a screen. Message boxes and text input come from UserDialogs; texts are UTF-8, paths are the
// file system's bytes.
class ViewerDialogs : public UserDialogs {
  public:
    // The open dialog. Returns the chosen path, or nothing when the dialog is cancelled.
    virtual std::optional<std::string> OpenFileName(const OpenFileRequest& request) = 0;
    // The save dialog with the same kind of filter; filterIndex (from 1) is the entry shown
    // first and receives the one chosen. A typed name without an extension gets the first
    // extension of the chosen entry. An existing file is confirmed before it is returned.
    virtual std::optional<std::string> SaveFileName(std::string_view title, std::string_view filter,
                                                    int& filterIndex) = 0;
    // The system colour chooser preset to initial; nothing when it is cancelled.
    virtual std::optional<TColor> ChooseColor(TColor initial) = 0;
    // The print dialog for printer (the printer, the number of copies); false when cancelled.
    virtual bool PrintDialog(QPrinter& printer) = 0;
    // The go-to dialog: the text it was closed with, which check accepted, or nothing when it
    // is cancelled.
    virtual std::optional<std::string> GoTo(const GoToRequest& request) = 0;
};

}  // namespace tarvik
