// The scheduler against a recording host on a virtual clock.
#include "behaviour/scheduler.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "tests/fakes/recording_host.h"

namespace tibbo {
namespace {

using testing::RecordingHost;

const std::string blink0 = "/pet/animations/blink/cat_blink0000.jpg";
const std::string blink1 = "/pet/animations/blink/cat_blink0001.jpg";
const std::string blink2 = "/pet/animations/blink/cat_blink0002.jpg";

struct Expected {
  std::uint32_t at;
  std::string path;
};

void expectFrames(const RecordingHost& host, const std::vector<Expected>& expected) {
  ASSERT_GE(host.frames.size(), expected.size());
  for (std::size_t i = 0; i < expected.size(); ++i) {
    EXPECT_EQ(host.frames[i].at, expected[i].at) << "frame " << i;
    EXPECT_EQ(host.frames[i].path, expected[i].path) << "frame " << i;
  }
}

TEST(IdleCycle, BlinksOpenHalfClosedThenRestsTwoSeconds) {
  RecordingHost host;
  host.hideAt(5300);
  runAction(0);
  expectFrames(host, {{0, blink0}, {500, blink1}, {600, blink2},
                      {2600, blink0}, {3100, blink1}, {3200, blink2},
                      {5200, blink0}, {5700, blink1}, {5800, blink2}});
  EXPECT_TRUE(host.soundSyncPeriods.empty());
  EXPECT_EQ(host.openTimers, 0) << "every paced wait closes its timer";
}

TEST(IdleCycle, LoopEndsOnlyAfterTheStepInProgressWhenTheWindowHides) {
  RecordingHost host;
  host.hideAt(1000);  // during the two-second rest
  runAction(0);
  EXPECT_EQ(host.now, 2600u);
  EXPECT_EQ(host.frames.size(), 3u);
}

TEST(ActionRequest, DuringTheRestStartsAtOnceAndReturnsToTheFirstBlinkFrame) {
  RecordingHost host;
  bool busyWhenAccepted = false;
  host.at(700, [&] {
    runAction(3);  // cymbal: 13 frames, sound after 300 ms
    busyWhenAccepted = busy;
  });
  host.hideAt(1500);
  runAction(0);

  EXPECT_TRUE(busyWhenAccepted) << "busy is set as soon as the request is accepted";
  ASSERT_EQ(host.soundSyncPeriods.size(), 1u);
  EXPECT_EQ(host.soundSyncPeriods[0].at, 700u);
  EXPECT_EQ(host.soundSyncPeriods[0].ms, 300);
  // Three blink frames, thirteen cymbal frames every 50 ms after a first wait, then the
  // idle cycle from its first frame.
  ASSERT_EQ(host.frames.size(), 3u + 13u + 3u);
  EXPECT_EQ(host.frames[3].path, "/pet/animations/cymbal/cat_cymbal0001.jpg");
  EXPECT_EQ(host.frames[3].at, 750u);
  EXPECT_EQ(host.frames[15].path, "/pet/animations/cymbal/cat_cymbal0013.jpg");
  EXPECT_EQ(host.frames[15].at, 700u + 13 * 50);
  EXPECT_EQ(host.frames[16].path, blink0);
  EXPECT_EQ(host.frames[16].at, 700u + 13 * 50);
}

TEST(ActionRequest, DuringTheBlinkAbandonsTheRestOfIt) {
  RecordingHost host;
  host.at(200, [] { runAction(11); });  // while the eyes are open
  host.hideAt(300);
  runAction(0);
  const std::vector<std::string> paths = host.framePaths();
  ASSERT_GE(paths.size(), 2u);
  EXPECT_EQ(paths[0], blink0);
  EXPECT_EQ(paths[1], "/pet/animations/listen/cat_listen0001.jpg") << "no half-closed frame";
  EXPECT_EQ(host.frames[1].at, 250u);
}

TEST(ActionRequest, WhileBusyIsIgnoredAndNotRemembered) {
  RecordingHost host;
  host.at(700, [] { runAction(3); });
  host.at(800, [] { runAction(10); });  // during the cymbal
  host.hideAt(3000);
  runAction(0);
  for (const auto& path : host.framePaths())
    EXPECT_EQ(path.find("knockout"), std::string::npos) << path;
  ASSERT_EQ(host.soundSyncPeriods.size(), 1u);
}

TEST(ActionRequest, BusyAndActionDoneFollowTheAction) {
  RecordingHost host;
  std::vector<std::pair<bool, bool>> seen;  // busy, actionDone
  const auto look = [&] { seen.emplace_back(busy, actionDone); };
  host.at(700, [] { runAction(3); });
  host.at(900, look);                   // mid-action
  host.at(700 + 13 * 50 + 250, look);   // after it, in the blink that follows
  host.hideAt(2000);
  runAction(0);
  ASSERT_EQ(seen.size(), 2u);
  EXPECT_EQ(seen[0], std::make_pair(true, false));
  EXPECT_EQ(seen[1], std::make_pair(false, false)) << "the blink clears actionDone";
  EXPECT_EQ(currentAction, 0);
}

TEST(ActionRequest, ManyRequestsNeverDeepenThePumping) {
  RecordingHost host;
  for (std::uint32_t t = 100; t < 60000; t += 2000) host.at(t, [] { runAction(15); });
  host.hideAt(60000);
  runAction(0);
  EXPECT_EQ(host.maxPumpDepth, 1);
  EXPECT_EQ(host.soundSyncPeriods.size(), 30u) << "every request was accepted";
}

TEST(SoundSyncTimer, ArmedWithTheRowsDelayExceptForListen) {
  struct Case {
    int action;
    std::vector<int> periods;
  };
  const Case cases[] = {{11, {}}, {15, {500}}, {4, {1700}}, {9, {10}}, {1, {1200}}};
  for (const Case& c : cases) {
    RecordingHost host;
    host.at(100, [&] { runAction(c.action); });
    host.hideAt(200);
    runAction(0);
    std::vector<int> periods;
    for (const auto& write : host.soundSyncPeriods) periods.push_back(write.ms);
    EXPECT_EQ(periods, c.periods) << "action " << c.action;
  }
}

TEST(PacedWait, WithoutATimerStillWaitsItsTimeWhilePumping) {
  RecordingHost host;
  host.failTimerCreation = true;
  bool pumped = false;
  host.at(120, [&] { pumped = true; });
  pacedWait(300);
  EXPECT_EQ(host.now, 300u);
  EXPECT_TRUE(pumped);
}

}  // namespace
}  // namespace tibbo
