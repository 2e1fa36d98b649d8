#pragma once

#include <gtest/gtest.h>

#include <QComboBox>
#include <QLabel>
#include <QTest>
#include <QToolButton>
#include <QTreeView>
#include <fstream>
#include <memory>
#include <string>

#include "MainWindow.h"
#include "ProperytyForm.h"
#include "ScriptedViewerDialogs.h"
#include "TrackListForm.h"

namespace tarvik::test {

// Scenery texts in file coordinates: map x = -file x, map y = -file z.
inline std::string Piece(const std::string& name, double x1, double z1, double x2, double z2,
                         std::vector<std::string> extra = {}) {
    PieceSpec p;
    p.name = name;
    p.x1 = x1;
    p.z1 = z1;
    p.x2 = x2;
    p.z2 = z2;
    p.extraLines = std::move(extra);
    return TrackNode(p);
}

// A switch: a straight piece and a diverging curve from one start point.
inline std::string Switch(const std::string& name, double z1, double z2, double xDiverging,
                          std::vector<std::string> extra = {}) {
    std::string text = "node -1 0 " + name + " track switch 34.0 1.435 0.24 15.0 20 0 flat vis\r\n";
    text += " Rail_screw_used1 4 Rail_screw_used1 0.2 2.75 2.5\r\n";
    const std::string a = std::to_string(z1);
    const std::string b = std::to_string(z2);
    text += "0 0 " + a + " 0.0 //point 1\r\n0 0 0\r\n0 0 0\r\n0 0 " + b + " 0.0 //point 2\r\n0\r\n";
    text += "0 0 " + a + " 0.0 //point 1\r\n0 0 10\r\n0 0 -10\r\n" + std::to_string(xDiverging) +
            " 1.5 " + b + " 0.0 //point 2\r\n300.0\r\n";
    for (const std::string& line : extra)
        text += line + "\r\n";
    return text + "endtrack\r\n";
}

// A vehicle line; driver is token 9 ("headdriver", "passenger", "nobody"), type token 7.
inline std::string Vehicle(const std::string& name, const std::string& driver,
                           const std::string& type = "EU07") {
    return "node -1 0 " + name + " dynamic PKP\\v skin.tga " + type + " 0.0 " + driver +
           " 3 0 enddynamic\r\n";
}

inline std::string Trainset(const std::string& name, const std::string& track,
                            const std::string& vehicles) {
    return "trainset " + name + " " + track + " 0.0 0.0\r\n" + vehicles + "endtrainset\r\n";
}

// A real main window with its list and properties window as at start-up, in the author mode
// unless told otherwise.
class TrackListFixture : public ::testing::Test {
  protected:
    explicit TrackListFixture(const std::string& settings = "[General]\nOwnerMode=1\n") {
        std::ofstream(dir.Path() / "Zorvan.conf") << settings;
        store = std::make_unique<SettingsStore>(ConfPath());
        window = std::make_unique<TForm1>(dialogs, files, *store);
        window->resize(800, 600);
        window->show();
        window->FinishStartup();
        EXPECT_TRUE(QTest::qWaitForWindowExposed(window.get()));
        list = window->Tools().trackList;
        properties = window->Tools().properties;
    }

    QString ConfPath() const {
        return QString::fromStdString((dir.Path() / "Zorvan.conf").string());
    }

    void Load(const std::string& text) { window->LoadScenery(dir.Write("test.scn", text)); }

    void ShowList() {
        list->show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(list));
    }

    QTreeView* View() const { return list->findChild<QTreeView*>("TrackList"); }
    int Rows() const { return View()->model()->rowCount(); }
    QString Cell(int row, int column) const {
        return View()->model()->index(row, column).data().toString();
    }
    QString Header(int column) const {
        return View()->model()->headerData(column, Qt::Horizontal).toString();
    }
    int RowOf(const QString& caption) const {
        for (int r = 0; r < Rows(); ++r) {
            if (Cell(r, 0) == caption) return r;
        }
        return -1;
    }
    void ChooseView(int index) { list->findChild<QComboBox*>("ComboBox")->setCurrentIndex(index); }
    void ClickRow(int row) {
        View()->scrollTo(View()->model()->index(row, 0));
        const QRect r = View()->visualRect(View()->model()->index(row, 0));
        QTest::mouseClick(View()->viewport(), Qt::LeftButton, {}, r.center());
    }
    QToolButton* ListButton(const char* name) const { return list->findChild<QToolButton*>(name); }
    QString ListStatus() const { return list->findChild<QLabel*>("StatusBar1")->text(); }

    TempDir dir;
    ScriptedViewerDialogs dialogs;
    PosixFileSystem files;
    std::unique_ptr<SettingsStore> store;
    std::unique_ptr<TForm1> window;
    TTrackListForm* list = nullptr;
    TProperytyForm* properties = nullptr;
};

}  // namespace tarvik::test
