#pragma once

#include <QDialog>
#include <string>
#include <vector>

class QListWidget;

namespace tarvik {

// The chooser of the loaded files to open in one editor: a check list of the scenery file and
// its include files, all unchecked.
class TEditSourceForm2 : public QDialog {
    Q_OBJECT

  public:
    // editorName is UTF-8, files are file-system bytes in the order they were read.
    TEditSourceForm2(const std::string& editorName, const std::vector<std::string>& files,
                     QWidget* parent);

    // The checked files from top to bottom.
    std::vector<std::string> CheckedFiles() const;
    // Every entry to the opposite of the first one's state.
    void ToggleAllClick();

  private:
    QListWidget* checkList_ = nullptr;
};

}  // namespace tarvik
