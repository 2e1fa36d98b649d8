#pragma once

#include <QDialog>
#include <QUrl>
#include <functional>

namespace tarvik {

inline constexpr const char* kAuthorMail = TARVIK_AUTHOR_MAIL;
inline constexpr const char* kHomePage = TARVIK_HOME_PAGE;

// The about box ("O programie..."): title, version, a mail link to the authors, the home page
// and the simulator the program serves. A click on the picture shows the splash once more.
class TAboutForm : public QDialog {
  public:
    // openUrl opens a link through the desktop; tests pass their own.
    TAboutForm(QWidget* parent, std::function<void(const QUrl&)> openUrl);

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    std::function<void(const QUrl&)> openUrl_;
    QWidget* picture_ = nullptr;
};

}  // namespace tarvik
