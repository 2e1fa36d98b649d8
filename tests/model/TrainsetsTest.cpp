#include <gtest/gtest.h>

#include <iterator>
#include <string>
#include <vector>

#include "Scenery.h"
#include "TestSupport.h"
#include "Trainsets.h"

namespace tarvik {
namespace {

using test::CrLf;
using test::PieceSpec;
using test::TrackNode;

class TrainsetTest : public ::testing::Test {
  protected:
    LoadResult Load(const std::string& text, const TWorkMode& mode = test::AuthorMode()) {
        const std::string path = dir.Write("main.scn", text);
        return test::LoadFile(scenery, path, mode, dialogs);
    }
    std::vector<const TTrainsObj*> Trainsets() const {
        std::vector<const TTrainsObj*> out;
        for (const TTrainsObj& t : scenery.Trainsets)
            out.push_back(&t);
        return out;
    }
    static std::vector<std::string> VehicleNames(const TTrainsObj& t) {
        std::vector<std::string> names;
        for (const TVehicleObj& v : t.Vehicles)
            names.push_back(v.Name);
        return names;
    }

    test::TempDir dir;
    TScenery scenery;
    test::ScriptedDialogs dialogs;
};

std::string Track(const std::string& name, double z) {
    PieceSpec p;
    p.name = name;
    p.z1 = z, p.x2 = 10, p.z2 = z;
    return TrackNode(p);
}

std::string Vehicle(const std::string& name, const std::string& t7, const std::string& t9) {
    return "node 800 0 " + name + " dynamic PKP\\ET22_v1 201E-135.tga " + t7 + " 0.0 " + t9 +
           " 3 0 enddynamic";
}

TEST(VehicleKind, FromTheDriverTokenAndTheDumbMarker) {
    EXPECT_EQ(VehicleKindOf("6bsII", "headdriver"), VehicleKind::Driver);
    EXPECT_EQ(VehicleKindOf("EN57dumb", "RearDriver"), VehicleKind::DumbDriver);
    EXPECT_EQ(VehicleKindOf("EN57DUMB", "reardriver"), VehicleKind::Driver);
    EXPECT_EQ(VehicleKindOf("dumb", "PASSENGER"), VehicleKind::Passenger);
    EXPECT_EQ(VehicleKindOf("x", "nobody"), VehicleKind::Other);
    EXPECT_EQ(VehicleKindOf("", ""), VehicleKind::Other);
}

TEST_F(TrainsetTest, ListsAreNewestFirstAndTheLastDescriptionWins) {
    Load(Track("tor1", 0) +
         CrLf({"FirstInit", "trainset Os1 tor1 0.0 0.0", "//$o Pierwszy",
               Vehicle("loco", "201E", "headdriver"), Vehicle("car", "A", "passenger"),
               "//$o Drugi opis ", "endtrainset", "trainset Os2 tor1", "endtrainset"}));
    const auto trains = Trainsets();
    ASSERT_EQ(trains.size(), 2u);
    EXPECT_EQ(trains[0]->Name, "Os2");
    EXPECT_EQ(trains[1]->Name, "Os1");
    EXPECT_EQ(trains[1]->Description, "Drugi opis ");
    EXPECT_EQ(VehicleNames(*trains[1]), (std::vector<std::string>{"car", "loco"}));
    EXPECT_EQ(trains[1]->Vehicles.front().Kind, VehicleKind::Passenger);
    EXPECT_EQ(trains[1]->Track, scenery.Tracks().Head());
    EXPECT_EQ(trains[0]->Track, scenery.Tracks().Head());
    EXPECT_TRUE(dialogs.messages.empty());
}

TEST_F(TrainsetTest, SwitchNameBindsToTheNewerSegment) {
    Load(CrLf({"node -1 0 zwr track switch 34.0 1.435 0.24 15.0 20 2 flat vis", " mat", "0 0 0",
               "0 0 0", "0 0 0", "0 0 34", "0", "0 0 0", "0 0 0", "0 0 0", "2 0 34", "0",
               "endtrack", "FirstInit", "trainset t ZWR", "endtrainset"}));
    ASSERT_EQ(scenery.Tracks().Count(), 2u);
    EXPECT_EQ(scenery.Trainsets.front().Track, scenery.Tracks().Head());
}

TEST_F(TrainsetTest, MissingTrackIsAskedForUntilFoundOrDeclined) {
    dialogs.answers = {MessageAnswer::Yes, MessageAnswer::Yes};
    dialogs.inputs = {std::string("zły"), std::string("Tor_A")};
    Load(Track("tor_a", 0) + CrLf({"FirstInit", "trainset Os \xB3\xF3\x64\x9F", "endtrainset"}));
    ASSERT_EQ(dialogs.messages.size(), 2u);
    EXPECT_EQ(dialogs.messages[0].text,
              "Nie odnaleziono toru łódź, do którego przypisany jest pociąg Os\r"
              "Czy chcesz sam przypisac pociąg do toru?");
    EXPECT_EQ(dialogs.messages[0].caption, "Nieodnaleziony tor");
    EXPECT_EQ(dialogs.messages[0].icon, MessageIcon::Warning);
    EXPECT_EQ(dialogs.messages[0].buttons, MessageButtons::YesNo);
    EXPECT_NE(dialogs.messages[1].text.find("toru zły,"), std::string::npos);
    ASSERT_EQ(dialogs.queries.size(), 2u);
    EXPECT_EQ(dialogs.queries[0].caption, "Przypisanie do toru");
    EXPECT_EQ(dialogs.queries[0].prompt, "Przypisz pociąg Os do toru:");
    EXPECT_EQ(dialogs.queries[0].initial, "łódź");
    EXPECT_EQ(scenery.Trainsets.front().Track, scenery.Tracks().Head());
}

TEST_F(TrainsetTest, NoOrCancelLeavesTheTrainsetWithoutTrack) {
    dialogs.answers = {MessageAnswer::No, MessageAnswer::Yes};
    dialogs.inputs = {std::nullopt};
    Load(Track("tor_a", 0) +
         CrLf({"FirstInit", "trainset A brak", "endtrainset", "trainset B brak", "endtrainset"}));
    EXPECT_EQ(dialogs.messages.size(), 2u);
    EXPECT_EQ(dialogs.queries.size(), 1u);
    for (const TTrainsObj& t : scenery.Trainsets)
        EXPECT_EQ(t.Track, nullptr);
}

TEST_F(TrainsetTest, PolishLetterInADifferentCaseIsAnotherName) {
    Load(Track("\xA3\xF3\x64\x9F", 0) +
         CrLf({"FirstInit", "trainset A \xB3\xF3\x64\x9F", "endtrainset",
               "trainset B \xA3\xD3\x44\x9F", "endtrainset"}));
    const auto trains = Trainsets();
    ASSERT_EQ(trains.size(), 2u);
    EXPECT_EQ(trains[0]->Track, nullptr) << "Ó is not ó";
    EXPECT_EQ(trains[1]->Track, nullptr);
    EXPECT_EQ(dialogs.messages.size(), 2u);
}

TEST_F(TrainsetTest, UserModeNeverBindsAndNeverAsks) {
    Load(Track("tor1", 0) + CrLf({"FirstInit", "trainset Os1 tor1", "endtrainset",
                                  "trainset Os2 nothing", "endtrainset"}),
         test::UserMode());
    for (const TTrainsObj& t : scenery.Trainsets)
        EXPECT_EQ(t.Track, nullptr);
    EXPECT_TRUE(dialogs.messages.empty());
}

TEST_F(TrainsetTest, ShortLinesTakeMissingTokensAsEmpty) {
    Load(CrLf({"FirstInit", "trainset", "node 1 0", "node 1 0 loco x x x headdriver", "endtrainset",
               "trainset Solo"}),
         test::UserMode());
    const auto trains = Trainsets();
    ASSERT_EQ(trains.size(), 2u);
    EXPECT_EQ(trains[0]->Name, "Solo");
    EXPECT_EQ(trains[1]->Name, "");
    EXPECT_EQ(VehicleNames(*trains[1]), (std::vector<std::string>{"loco", ""}));
    EXPECT_EQ(trains[1]->Vehicles.front().Kind, VehicleKind::Other);
}

TEST_F(TrainsetTest, IncludesInTheFirstInitPartReadOnlyTrainsets) {
    dir.Write("sub/trains.inc",
              Track("ignored", 50) + CrLf({"origin 100 0 0", "trainset Inc tor1", "endtrainset"}));
    Load(Track("tor1", 0) + CrLf({"FirstInit", "// include is ignored when commented",
                                  "include sub/trains.inc", Vehicle("stray", "x", "headdriver"),
                                  "//$n Not a name", "trainset Own tor1", "endtrainset"}));
    const auto trains = Trainsets();
    ASSERT_EQ(trains.size(), 2u);
    EXPECT_EQ(trains[0]->Name, "Own");
    EXPECT_EQ(trains[1]->Name, "Inc");
    EXPECT_EQ(trains[1]->Track, scenery.Tracks().Head());
    EXPECT_EQ(scenery.Tracks().Count(), 1u);
    EXPECT_TRUE(trains[0]->Vehicles.empty());
    EXPECT_EQ(scenery.SceneryName, "");
}

TEST_F(TrainsetTest, SegmentsAfterAFirstInitIncludeKeepTheTrackValid) {
    // An include read before FirstInit in the top file may itself hold a FirstInit part;
    // segments of the including file that follow can absorb the bound track.
    dir.Write("first.inc", Track("run", 0) + CrLf({"FirstInit", "trainset T run", "endtrainset"}));
    PieceSpec next;
    next.name = "run";
    next.x1 = 10, next.x2 = 20;
    Load(CrLf({"include first.inc"}) + TrackNode(next));
    ASSERT_EQ(scenery.Tracks().Count(), 1u);
    EXPECT_EQ(scenery.Trainsets.front().Track, scenery.Tracks().Head());
    EXPECT_EQ(scenery.Tracks().Head()->X1, 0);
    EXPECT_EQ(scenery.Tracks().Head()->X2, -20);
}

}  // namespace
}  // namespace tarvik
