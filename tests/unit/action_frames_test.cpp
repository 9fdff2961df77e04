#include "behaviour/action_frames.h"

#include <gtest/gtest.h>

#include "behaviour/scheduler.h"
#include "data/action_table.h"
#include "tests/fakes/recording_host.h"

namespace tibbo {
namespace {

using testing::RecordingHost;

TEST(ActionFrameName, TwoDigitsWithALeadingZeroBelowTen) {
  EXPECT_EQ(actionFrameName("scratch/cat_scratch00", 1), "scratch/cat_scratch0001.jpg");
  EXPECT_EQ(actionFrameName("scratch/cat_scratch00", 9), "scratch/cat_scratch0009.jpg");
  EXPECT_EQ(actionFrameName("scratch/cat_scratch00", 10), "scratch/cat_scratch0010.jpg");
  EXPECT_EQ(actionFrameName("drink/cat_drink00", 81), "drink/cat_drink0081.jpg");
}

TEST(PlayActionFrames, MissingFilesStillTakeTheirTimeAndFinish) {
  RecordingHost host;  // no files at all
  currentAction = 4;   // drink, 81 frames
  playActionFrames();
  EXPECT_TRUE(actionDone);
  EXPECT_EQ(host.now, 81u * 50);
  ASSERT_EQ(host.frames.size(), 81u);
  for (const auto& frame : host.frames) EXPECT_FALSE(frame.hadPicture);
  EXPECT_EQ(host.frames.back().path, "/pet/animations/drink/cat_drink0081.jpg");
}

TEST(PlayActionFrames, SoundSyncTickArrivesMidSeriesWhileFramesGoOn) {
  RecordingHost host;
  std::uint32_t tickAt = 0;
  int framesBeforeTick = 0;
  host.at(1725, [&] {
    tickAt = host.now;
    framesBeforeTick = static_cast<int>(host.frames.size());
  });
  currentAction = 4;
  playActionFrames();
  EXPECT_EQ(tickAt, 1725u);
  EXPECT_EQ(framesBeforeTick, 34);
  EXPECT_EQ(host.frames.size(), 81u);
  for (std::size_t i = 0; i < host.frames.size(); ++i)
    EXPECT_EQ(host.frames[i].at, 50u * (i + 1)) << "frame " << i + 1;
}

}  // namespace
}  // namespace tibbo
