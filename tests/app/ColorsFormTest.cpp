#include <gtest/gtest.h>

#include <QComboBox>
#include <QLabel>
#include <QPushButton>
#include <QTest>
#include <QTimer>

#include "ColorPreview.h"
#include "ColorSchemes.h"
#include "ColorsForm.h"
#include "ScriptedViewerDialogs.h"

namespace tarvik {
namespace {

class ColorsFormTest : public ::testing::Test {
  protected:
    ColorsFormTest() {
        stored.Background = 0x123456;
        stored.Speed2 = 0x00AA00;
        stored.Speed3 = 0x0000AA;
        stored.River = 0x804000;
    }

    QWidget* Square(const char* name) { return form.findChild<QWidget*>(name); }
    void Click(const char* button) {
        QTest::mouseClick(form.findChild<QPushButton*>(button), Qt::LeftButton);
    }
    // Opens the dialog modally, runs the steps while it is open, and returns Execute's result.
    template <typename Steps>
    bool Execute(Steps steps) {
        QTimer::singleShot(0, &form, steps);
        return form.Execute();
    }

    ColorSlots stored;
    test::ScriptedViewerDialogs dialogs;
    TColorsForm form{stored, dialogs, nullptr};
};

TEST_F(ColorsFormTest, ShowingLoadsTheSlotsAndDrawsThePreview) {
    EXPECT_EQ(form.windowTitle(), "Wybierz kolory");
    form.show();
    EXPECT_EQ(form.Squares(), stored);
    EXPECT_EQ(form.Preview(), MakeColorPreview(stored));
    const QWidget* river = Square("RiverShape");
    EXPECT_EQ(river->palette().color(QPalette::Window), QColor(0x00, 0x40, 0x80));
    EXPECT_EQ(river->size(), QSize(21, 21));
    EXPECT_EQ(river->cursor().shape(), Qt::PointingHandCursor);
    const QLabel* preview = form.findChild<QLabel*>("Preview");
    EXPECT_EQ(preview->pixmap().toImage().convertToFormat(QImage::Format_RGB32), form.Preview());

    // The next showing forgets edits that OK did not store.
    Click("DefaultButton");
    form.hide();
    form.show();
    EXPECT_EQ(form.Squares(), stored);
}

TEST_F(ColorsFormTest, DefaultsThenCancelKeepTheSlots) {
    const ColorSlots before = stored;
    const bool ok = Execute([this] {
        Click("DefaultButton");
        EXPECT_EQ(form.Squares(), ColorSlots{});
        EXPECT_EQ(form.Preview(), MakeColorPreview(ColorSlots{}));
        Click("CancelButton");
    });
    EXPECT_FALSE(ok);
    EXPECT_EQ(stored, before);
}

TEST_F(ColorsFormTest, PressOnASquareChoosesItsColourAndOkStoresIt) {
    dialogs.colorAnswers.push_back(0xABCDEF);
    const bool ok = Execute([this] {
        QTest::mousePress(Square("Speed2Shape"), Qt::LeftButton);
        Click("OkButton");
    });
    EXPECT_TRUE(ok);
    EXPECT_EQ(dialogs.colorRequests, std::vector<TColor>{0x00AA00});
    ColorSlots expected = stored;
    expected.Speed2 = 0xABCDEF;
    EXPECT_EQ(form.Squares(), expected);
    EXPECT_EQ(form.Preview(), MakeColorPreview(expected));
    EXPECT_EQ(stored.Speed2, 0xABCDEFu);
    EXPECT_EQ(stored.Background, 0x123456u);
}

TEST_F(ColorsFormTest, BackgroundSquareActsOnReleaseOthersOnPress) {
    form.show();
    dialogs.colorAnswers = {0x00FF00};
    QTest::mousePress(Square("BgShape"), Qt::LeftButton);
    EXPECT_TRUE(dialogs.colorRequests.empty());
    QTest::mouseRelease(Square("BgShape"), Qt::LeftButton);
    EXPECT_EQ(dialogs.colorRequests, std::vector<TColor>{0x123456});
    EXPECT_EQ(form.Squares().Background, 0x00FF00u);
    EXPECT_EQ(form.Preview().pixel(120, 150), qRgb(0, 0xFF, 0));

    QTest::mouseRelease(Square("Speed3Shape"), Qt::LeftButton);
    EXPECT_EQ(dialogs.colorRequests.size(), 1u);
    // A cancelled chooser leaves the square and the preview.
    const QImage preview = form.Preview();
    QTest::mousePress(Square("Speed3Shape"), Qt::RightButton);
    EXPECT_EQ(dialogs.colorRequests.back(), 0x0000AAu);
    EXPECT_EQ(form.Squares().Speed3, 0x0000AAu);
    EXPECT_EQ(form.Preview(), preview);
    // Nothing is stored before OK.
    EXPECT_EQ(stored.Background, 0x123456u);
}

TEST_F(ColorsFormTest, SchemeFillsTheSquaresWhichStayEditable) {
    auto* scheme = form.findChild<QComboBox*>("SchemeBox");
    ASSERT_NE(scheme, nullptr);
    ASSERT_EQ(scheme->count(), 2);
    EXPECT_EQ(scheme->itemText(0), QString::fromUtf8("Domyślny"));
    EXPECT_EQ(scheme->itemText(1), "Jasny");
    dialogs.colorAnswers.push_back(0x0000FF);
    const bool ok = Execute([&] {
        // The stored colours are no scheme's.
        EXPECT_EQ(scheme->currentIndex(), -1);
        QTest::keyClick(scheme, Qt::Key_End);
        EXPECT_EQ(scheme->currentText(), "Jasny");
        EXPECT_EQ(form.Squares(), kLightColors);
        EXPECT_EQ(form.Preview(), MakeColorPreview(kLightColors));
        EXPECT_EQ(Square("BgShape")->palette().color(QPalette::Window), QColor(0xF8, 0xF6, 0xEE));
        // One square changed afterwards leaves the scheme behind.
        QTest::mousePress(Square("Speed1Shape"), Qt::LeftButton);
        EXPECT_EQ(scheme->currentIndex(), -1);
        Click("OkButton");
    });
    EXPECT_TRUE(ok);
    ColorSlots expected = kLightColors;
    expected.Speed1 = 0x0000FF;
    EXPECT_EQ(stored, expected);

    // Showing again finds no scheme; "Domyślne" is the first one.
    form.show();
    EXPECT_EQ(scheme->currentIndex(), -1);
    Click("DefaultButton");
    EXPECT_EQ(scheme->currentIndex(), 0);
}

TEST_F(ColorsFormTest, SchemeThenCancelKeepsTheSlots) {
    const ColorSlots before = stored;
    const bool ok = Execute([this] {
        auto* scheme = form.findChild<QComboBox*>("SchemeBox");
        QTest::keyClick(scheme, Qt::Key_End);
        QTest::keyClick(scheme, Qt::Key_Home);
        EXPECT_EQ(form.Squares(), ColorSlots{});
        Click("CancelButton");
    });
    EXPECT_FALSE(ok);
    EXPECT_EQ(stored, before);
}

// The light scheme keeps every line apart from its background: no pale scale colour, roads and
// rivers apart from it, and tracks apart from roads and rivers.
TEST(ColorSchemes, LightSchemeLinesStandOutOnItsBackground) {
    const auto lightness = [](TColor c) {
        return (299 * (c & 0xFF) + 587 * ((c >> 8) & 0xFF) + 114 * ((c >> 16) & 0xFF)) / 1000;
    };
    const ColorSlots& c = kLightColors;
    const int background = static_cast<int>(lightness(c.Background));
    EXPECT_GT(background, 200);
    for (const TColor line : {c.Track, c.Speed1, c.Speed2, c.Speed3, c.Speed4, c.Hipsometric1,
                              c.Hipsometric2, c.Hipsometric3, c.Hipsometric4, c.Elevation1,
                              c.Elevation2, c.Elevation3, c.Elevation4, c.Traction}) {
        EXPECT_GT(background - static_cast<int>(lightness(line)), 70) << std::hex << line;
    }
    for (const TColor wide : {c.Road, c.River}) {
        EXPECT_GT(background - static_cast<int>(lightness(wide)), 40) << std::hex << wide;
        EXPECT_GT(static_cast<int>(lightness(wide)) - static_cast<int>(lightness(c.Track)), 80);
    }
}

}  // namespace
}  // namespace tarvik
