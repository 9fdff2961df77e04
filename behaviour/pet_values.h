#pragma once
// The values that the pet window prepares when it is created and that the cat's
// behaviour reads: where the frames and sounds are, and which sprite is the cat.
#include <string>

namespace tibbo {

extern std::string animationsDir;  // the program's folder + "/animations/"
extern std::string soundsDir;      // the program's folder + "/sounds/"
extern int catSprite;              // the stage's number for the cat's sprite; 0 until made

}  // namespace tibbo
