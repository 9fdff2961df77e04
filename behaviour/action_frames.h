#pragma once
#include <string>
#include <string_view>

namespace tibbo {

// Plays the frames of the action in `currentAction`, one every 50 ms after a paced wait,
// and sets `actionDone` after the last. Nothing is preloaded: each frame is read and
// decoded when its time comes.
void playActionFrames();

// The frame file of frame `number` (1..99) of a series: prefix, two digits, ".jpg".
std::string actionFrameName(std::string_view prefix, int number);

}  // namespace tibbo
