#include <gtest/gtest.h>

#include <QGroupBox>
#include <QListWidget>
#include <QRegularExpression>
#include <QTreeWidget>
#include <limits>

#include "PropertyText.h"
#include "TrackListFixture.h"

namespace tarvik {
namespace {

using test::Piece;
using test::Trainset;
using test::Vehicle;

TEST(PropertyText, NumberFormatsUseTheComma) {
    EXPECT_EQ(GeneralText(1234.5), "1234,5");
    EXPECT_EQ(GeneralText(-0.0), "0");
    EXPECT_EQ(GeneralText(0.1 + 0.2), "0,3");
    EXPECT_EQ(GeneralText(123456789012345.0), "123456789012345");
    EXPECT_EQ(GeneralText(1e15), "1E15");
    EXPECT_EQ(GeneralText(0.0001), "0,0001");
    EXPECT_EQ(GeneralText(-1.5e-5), "-1,5E-5");

    EXPECT_EQ(LengthText(12.345), "12,35m");
    EXPECT_EQ(LengthText(0.004), "0,00m");
    EXPECT_EQ(LengthText(99.995), "100,00m");
    EXPECT_EQ(GradientText(4.45), "4,5‰");
    EXPECT_EQ(GradientText(12), "12,0‰");
    EXPECT_EQ(DecimalText(-0.004, 2), "0,00");
    EXPECT_EQ(DecimalText(-2.5, 0), "-3");
    EXPECT_EQ(LengthText(std::numeric_limits<double>::infinity()), "INFm");
    EXPECT_EQ(SpeedText(40), "40 km/h");
}

// In file order: an unnamed straight piece, a curve, two pieces whose names differ in case
// only, and a switch carrying a speed and two events.
std::string PropertiesText() {
    test::PieceSpec curve;
    curve.name = "luk";
    curve.x1 = 0;
    curve.z1 = 200;
    curve.h2 = 2;
    curve.x2 = 20;
    curve.z2 = 300;
    curve.c1x = 1.5;
    curve.c1z = 30;
    curve.c2x = -2.25;
    curve.c2z = -30;
    return Piece("none", 0, 0, 0, 100) + test::TrackNode(curve) + Piece("Tor_c", 100, 0, 100, 100) +
           Piece("tor_c", 100, 100, 100, 150) +
           test::Switch("zwr", 400, 500, -10,
                        {"velocity 40", "event0 przestaw", "eventall zwr_semafor"}) +
           "FirstInit\r\n" +
           Trainset(
               "Osobowy", "zwr",
               Vehicle("L", "headdriver") + Vehicle("W1", "nobody") + Vehicle("W2", "nobody")) +
           Trainset("Wagony", "luk", Vehicle("W3", "nobody") + Vehicle("P", "passenger")) +
           Trainset("Manewry", "tor_c",
                    Vehicle("SM", "headdriver", "SM42dumb") + Vehicle("W4", "nobody")) +
           Trainset("Zgubiony", "brak", Vehicle("X", "headdriver"));
}

class TrackPropertiesTest : public test::TrackListFixture {
  protected:
    void SetUp() override { Load(PropertiesText()); }

    const TSegmentObj* Track(std::string_view name) const {
        for (const TSegmentObj& s : window->Scenery().Tracks()) {
            if (s.Name() == name) return &s;
        }
        return nullptr;
    }
    void Show(std::string_view name) { properties->ShowSegmentProperties(Track(name)); }
    QLabel* Field(const char* name) const { return properties->findChild<QLabel*>(name); }
    QString Value(const char* name) const { return Field(name)->text(); }
    QTreeWidget* Tree() const { return properties->findChild<QTreeWidget*>("TrainTree"); }
    bool TrainGroupEnabled() const {
        return properties->findChild<QGroupBox*>("TrainGroup")->isEnabled();
    }
    QStringList Events() const {
        QStringList lines;
        const auto* list = properties->findChild<QListWidget*>("EventList");
        for (int i = 0; i < list->count(); ++i)
            lines << list->item(i)->text();
        return lines;
    }
    static int Image(const QTreeWidgetItem* item) {
        return item->data(0, TProperytyForm::kImageRole).toInt();
    }
    void ExpectNoSwitch() const {
        for (const char* name : {"P3Label", "SwitchLabel", "Length13Label", "Gradient13Label"})
            EXPECT_FALSE(Field(name)->isEnabled()) << name;
        for (const char* name : {"P3X", "P3Y", "P3Vx", "P3Vy", "P3H", "Length13", "Gradient13"})
            EXPECT_EQ(Value(name), "") << name;
    }
};

TEST_F(TrackPropertiesTest, UnnamedStraightSegment) {
    properties->ShowSegmentProperties(test::Segments(window->Scenery().Tracks()).back());
    EXPECT_EQ(Value("TrackName"), "(!Nie nazwany)");
    for (const char* name : {"P1Vx", "P1Vy", "P2Vx", "P2Vy"})
        EXPECT_EQ(Value(name), "0") << name;
    EXPECT_EQ(Value("P2Y"), "-100");
    EXPECT_EQ(Value("Velocity"), "160 km/h");
    EXPECT_EQ(Value("Length12"), "100,00m");
    EXPECT_EQ(Value("Gradient12"), "0,0‰");
    ExpectNoSwitch();
    EXPECT_FALSE(TrainGroupEnabled());
    ASSERT_EQ(Tree()->topLevelItemCount(), 1);
    EXPECT_EQ(Tree()->topLevelItem(0)->text(0), "Brak");
    EXPECT_TRUE(Tree()->topLevelItem(0)->icon(0).isNull());
    for (const char* name : {"Locomotives", "Wagons", "DrivableLocomotives", "DrivableWagons"})
        EXPECT_EQ(Value(name), "0") << name;
    EXPECT_EQ(Value("TrainName"), "");
    EXPECT_TRUE(Events().isEmpty());

    // Nothing to show leaves the window as it is.
    properties->ShowSegmentProperties(nullptr);
    EXPECT_EQ(Value("TrackName"), "(!Nie nazwany)");
}

TEST_F(TrackPropertiesTest, CurveShowsItsControlVectorsAsStoredAndItsTrainset) {
    Show("luk");
    EXPECT_EQ(Value("TrackName"), "luk");
    EXPECT_EQ(Value("P1X"), "0");
    EXPECT_EQ(Value("P1Y"), "-200");
    EXPECT_EQ(Value("P1Vx"), "-1,5");
    EXPECT_EQ(Value("P1Vy"), "-30");
    EXPECT_EQ(Value("P2X"), "-20");
    EXPECT_EQ(Value("P2Vx"), "2,25");
    EXPECT_EQ(Value("P2Vy"), "30");
    EXPECT_EQ(Value("P2H"), "2");
    ExpectNoSwitch();

    // Two wagons, one of them with a passenger: no locomotive, the drivable wagon's image.
    EXPECT_TRUE(TrainGroupEnabled());
    EXPECT_EQ(Value("TrainName"), "Wagony");
    EXPECT_EQ(Value("Locomotives"), "0");
    EXPECT_EQ(Value("Wagons"), "2");
    EXPECT_EQ(Value("DrivableLocomotives"), "0");
    EXPECT_EQ(Value("DrivableWagons"), "1");
    ASSERT_EQ(Tree()->topLevelItemCount(), 1);
    EXPECT_EQ(Image(Tree()->topLevelItem(0)), 3);
}

TEST_F(TrackPropertiesTest, NamesDifferingInCaseAreNoSwitch) {
    Show("tor_c");
    EXPECT_EQ(Value("TrackName"), "tor_c");
    ExpectNoSwitch();
    // The trainset is bound ignoring case, to the newer piece; a driver's place on a "dumb"
    // vehicle is a locomotive that cannot be driven.
    EXPECT_EQ(Value("TrainName"), "Manewry");
    EXPECT_EQ(Value("Locomotives"), "1");
    EXPECT_EQ(Value("DrivableLocomotives"), "0");
    EXPECT_EQ(Image(Tree()->topLevelItem(0)), 0);
    EXPECT_EQ(Image(Tree()->topLevelItem(0)->child(0)), 0);
    Show("Tor_c");
    ExpectNoSwitch();
    EXPECT_EQ(Tree()->topLevelItem(0)->text(0), "Brak");
}

TEST_F(TrackPropertiesTest, SwitchPairWithItsThirdEndTrainsetAndEvents) {
    Show("zwr");
    EXPECT_EQ(Value("Velocity"), "40 km/h");
    // The first piece in the list is the diverging one; the other piece ends at P3.
    EXPECT_EQ(Value("P2X"), "10");
    EXPECT_EQ(Value("P2Y"), "-500");
    EXPECT_EQ(Value("P2H"), "1,5");
    EXPECT_EQ(Value("P1Vy"), "-10");
    EXPECT_EQ(Value("P2Vy"), "10");
    for (const char* name : {"P3Label", "SwitchLabel", "Length13Label", "Gradient13Label", "P3X"})
        EXPECT_TRUE(Field(name)->isEnabled()) << name;
    EXPECT_EQ(Value("P3X"), "0");
    EXPECT_EQ(Value("P3Y"), "-500");
    EXPECT_EQ(Value("P3Vx"), "0");
    EXPECT_EQ(Value("P3Vy"), "0");
    EXPECT_EQ(Value("P3H"), "0");
    EXPECT_EQ(Value("Length13"), "100,00m");
    EXPECT_EQ(Value("Gradient13"), "0,0‰");
    EXPECT_TRUE(QRegularExpression("^10\\d,\\d\\dm$").match(Value("Length12")).hasMatch())
        << Value("Length12").toStdString();

    EXPECT_EQ(Events(), (QStringList{"event0 : przestaw", "eventall : zwr_semafor"}));

    // One drivable locomotive and two wagons, in the order of the file.
    EXPECT_EQ(Value("TrainName"), "Osobowy");
    EXPECT_EQ(Value("Locomotives"), "1");
    EXPECT_EQ(Value("Wagons"), "2");
    EXPECT_EQ(Value("DrivableLocomotives"), "1");
    EXPECT_EQ(Value("DrivableWagons"), "0");
    ASSERT_EQ(Tree()->topLevelItemCount(), 1);
    const QTreeWidgetItem* root = Tree()->topLevelItem(0);
    EXPECT_EQ(root->text(0), "Osobowy");
    EXPECT_EQ(Image(root), 1);
    EXPECT_TRUE(root->isExpanded());
    ASSERT_EQ(root->childCount(), 3);
    EXPECT_EQ(root->child(0)->text(0), "L");
    EXPECT_EQ(Image(root->child(0)), 1);
    EXPECT_EQ(root->child(2)->text(0), "W2");
    EXPECT_EQ(Image(root->child(2)), 2);
    EXPECT_FALSE(root->child(0)->icon(0).isNull());
}

TEST_F(TrackPropertiesTest, OpenedFilledAndClosedFromTheList) {
    ShowList();
    ChooseView(2);
    QToolButton* button = ListButton("PropertiesToolButton");
    ClickRow(RowOf("Osobowy"));
    button->click();
    ASSERT_TRUE(properties->isVisible());
    EXPECT_TRUE(button->isChecked());
    EXPECT_EQ(Value("TrackName"), "zwr");
    EXPECT_EQ(properties->size(), QSize(349, 680));

    ClickRow(RowOf("Wagony"));
    EXPECT_EQ(Value("TrackName"), "luk");
    // A trainset without a track keeps what is shown.
    ClickRow(RowOf("Zgubiony"));
    EXPECT_EQ(Value("TrackName"), "luk");

    button->click();
    EXPECT_FALSE(properties->isVisible());
    EXPECT_FALSE(button->isChecked());
    // Closed by the user, the window releases the button too; the texts stay.
    button->click();
    EXPECT_TRUE(button->isChecked());
    properties->close();
    EXPECT_FALSE(button->isChecked());
    EXPECT_EQ(Value("TrackName"), "luk");
    // A closed window is not filled.
    ClickRow(RowOf("Osobowy"));
    EXPECT_EQ(Value("TrackName"), "luk");

    // A new load leaves no track of the old scenery in the window.
    button->click();
    ASSERT_EQ(Value("TrackName"), "zwr");
    Load(PropertiesText());
    EXPECT_EQ(Value("TrackName"), "");
    EXPECT_EQ(Tree()->topLevelItemCount(), 0);
    EXPECT_TRUE(Events().isEmpty());
}

}  // namespace
}  // namespace tarvik
