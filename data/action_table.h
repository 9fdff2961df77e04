#pragma once
// The pet's actions: what each one shows, how long, and which sound goes with it.
#include <array>
#include <optional>
#include <string_view>

namespace tibbo::data {

inline constexpr int idleAction = 0;
inline constexpr int firstAction = 1;
inline constexpr int lastAction = 17;

// The three idle frames, relative to the animations folder.
inline constexpr std::array<std::string_view, 3> blinkFrames = {
    "blink/cat_blink0000.jpg", "blink/cat_blink0001.jpg", "blink/cat_blink0002.jpg"};
inline constexpr int blinkOpenMs = 500;   // eyes open, then half closed
inline constexpr int blinkHalfMs = 100;   // half closed, then closed
inline constexpr int idleRestMs = 2000;   // closed-eye frame stays while resting
inline constexpr int frameIntervalMs = 50;

enum class SoundCue {
  none,
  files,       // the row's file names, played in order
  randomFart,  // "fart00" + a random digit 1..3 + ".wav"
};

struct ActionRow {
  int number;
  std::string_view name;
  std::string_view framePrefix;  // folder and file prefix, ends in "00"
  int frameCount;
  std::optional<int> soundDelayMs;  // empty: the sound-sync timer is left alone
  SoundCue cue;
  std::array<std::string_view, 2> soundFiles;  // empty entries are unused
};

// Rows 1..17, in table order; index = number - 1.
extern const std::array<ActionRow, 17> actionTable;

// The row of action 1..17, or nullptr for any other number.
const ActionRow* findAction(int number);

}  // namespace tibbo::data
