#include <gtest/gtest.h>

#include <QCheckBox>
#include <QPushButton>
#include <QRadioButton>
#include <QSlider>
#include <QTest>
#include <QTimer>
#include <algorithm>

#include "ScriptedViewerDialogs.h"
#include "WorkModeForm.h"

namespace tarvik {
namespace {

class WorkModeFormTest : public ::testing::Test {
  protected:
    QRadioButton* Radio(const char* name) { return form.findChild<QRadioButton*>(name); }
    QSlider* Slider() { return form.findChild<QSlider*>("TrackBar1"); }
    void Click(const char* button) {
        QTest::mouseClick(form.findChild<QPushButton*>(button), Qt::LeftButton);
    }
    template <typename Steps>
    bool Execute(Steps steps) {
        QTimer::singleShot(0, &form, steps);
        return form.Execute();
    }

    TWorkMode mode;
    test::ScriptedViewerDialogs dialogs;
    TWorkModeForm form{mode, dialogs, nullptr};
};

TEST_F(WorkModeFormTest, SyncFromModeSetsTheControlsWithoutTouchingTheMode) {
    EXPECT_TRUE(Radio("UserMode")->isChecked());
    EXPECT_EQ(Slider()->value(), 2);
    mode.OwnerMode = true;
    // A stored position from outside the slider's range stays as read until the user moves.
    mode.InterpolateStepsMode = 12;
    mode.InterpolateSteps = 42;
    form.SyncFromMode();
    EXPECT_TRUE(Radio("OwnerMode")->isChecked());
    EXPECT_FALSE(Radio("UserMode")->isChecked());
    EXPECT_EQ(Slider()->value(), 10);
    EXPECT_TRUE(mode.OwnerMode);
    EXPECT_EQ(mode.InterpolateStepsMode, 12);
    EXPECT_EQ(mode.InterpolateSteps, 42);
}

TEST_F(WorkModeFormTest, DefaultInAuthorModeMovesTheSliderAndOkRecomputesTheSteps) {
    const bool ok = Execute([this] {
        Radio("OwnerMode")->click();
        EXPECT_TRUE(mode.OwnerMode);
        Click("MultiLineButton1");
        EXPECT_EQ(Slider()->value(), 7);
        EXPECT_EQ(mode.InterpolateStepsMode, 7);
        EXPECT_EQ(mode.InterpolateSteps, 3);
        Click("BitBtn1");
    });
    EXPECT_TRUE(ok);
    EXPECT_EQ(mode.InterpolateSteps, 750);

    // Back in the user mode the default position is 2.
    Radio("UserMode")->click();
    Click("MultiLineButton1");
    EXPECT_FALSE(mode.OwnerMode);
    EXPECT_EQ(mode.InterpolateStepsMode, 2);
    EXPECT_EQ(mode.InterpolateSteps, 750);
}

TEST_F(WorkModeFormTest, CancelKeepsTheModeButNotTheSteps) {
    const bool ok = Execute([this] {
        Radio("OwnerMode")->click();
        Slider()->setValue(5);
        Click("BitBtn2");
    });
    EXPECT_FALSE(ok);
    EXPECT_TRUE(mode.OwnerMode);
    EXPECT_EQ(mode.InterpolateStepsMode, 5);
    EXPECT_EQ(mode.InterpolateSteps, 3);

    // Opening again shows what the user left, not what was confirmed.
    const bool again = Execute([this] {
        EXPECT_TRUE(Radio("OwnerMode")->isChecked());
        EXPECT_EQ(Slider()->value(), 5);
        Click("BitBtn1");
    });
    EXPECT_TRUE(again);
    EXPECT_EQ(mode.InterpolateSteps, 300);
}

TEST_F(WorkModeFormTest, TheSimulatorReadingBoxIsTheModesReadingAtOnce) {
    QCheckBox* box = form.findChild<QCheckBox*>("SimulatorReading");
    ASSERT_NE(box, nullptr);
    EXPECT_EQ(box->text(), QString::fromUtf8("Odczyt zgodny z symulatorem"));
    EXPECT_FALSE(box->toolTip().isEmpty());
    EXPECT_FALSE(box->isChecked());
    const bool ok = Execute([&] {
        QTest::mouseClick(box, Qt::LeftButton);
        EXPECT_EQ(mode.Reading, SceneryReading::Simulator);
        Click("BitBtn2");
    });
    // Like the mode, the reading keeps what the user left whichever button closed the dialog.
    EXPECT_FALSE(ok);
    EXPECT_EQ(mode.Reading, SceneryReading::Simulator);
    mode.Reading = SceneryReading::Classic;
    form.SyncFromMode();
    EXPECT_FALSE(box->isChecked());
    EXPECT_EQ(mode.Reading, SceneryReading::Classic);
}

TEST_F(WorkModeFormTest, HelpShowsTheModeHelp) {
    Click("BitBtn3");
    ASSERT_EQ(dialogs.Messages().size(), 1u);
    const auto& message = dialogs.Messages()[0];
    EXPECT_EQ(message.caption, "Pomoc wyboru trybu");
    EXPECT_EQ(message.icon, MessageIcon::Information);
    EXPECT_EQ(message.buttons, MessageButtons::Ok);
    const std::string& text = message.text;
    EXPECT_TRUE(text.starts_with("WYBÓR TRYBU:\r==============\r* Tryb użytkownika:\r"));
    EXPECT_NE(text.find("  - Mała wydajność\r\r\rDOKŁADNOŚĆ:\r===============\r"),
              std::string::npos);
    EXPECT_TRUE(text.ends_with(
        "wolniejsza od analogicznego ustawianie w Trybie Użytkownika (przedostatnia pozycja "
        "suwaka z prawej)."));
    EXPECT_EQ(std::count(text.begin(), text.end(), '\r'), 21);
    EXPECT_EQ(text.find('\n'), std::string::npos);
    EXPECT_EQ(text.size(), 1121u);
}

}  // namespace
}  // namespace tarvik
