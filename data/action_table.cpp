#include "data/action_table.h"

namespace tibbo::data {

// clang-format off
const std::array<ActionRow, 17> actionTable = {{
    //  no  name            frame folder and prefix               frames  delay  cue                    sound files
    {  1, "scratch",      "scratch/cat_scratch00",                56, 1200, SoundCue::files,      {"scratch_kratzen.wav", ""}},
    {  2, "angry-tail",   "angry-tail/cat_angry00",               26,  500, SoundCue::files,      {"angry.wav", ""}},
    {  3, "cymbal",       "cymbal/cat_cymbal00",                  13,  300, SoundCue::files,      {"cymbal.wav", ""}},
    {  4, "drink",        "drink/cat_drink00",                    81, 1700, SoundCue::files,      {"pour_milk.wav", "p_drink_milk.wav"}},
    {  5, "eat",          "eat/cat_eat00",                        40,  500, SoundCue::files,      {"p_eat.wav", ""}},
    {  6, "fart",         "fart/cat_fart00",                      28,  300, SoundCue::randomFart, {"", ""}},
    {  7, "foot-left",    "foot-left/cat_foot_left00",            30,  300, SoundCue::files,      {"p_foot3.wav", ""}},
    {  8, "foot-right",   "foot-right/cat_foot_right00",          30,  300, SoundCue::files,      {"p_foot4.wav", ""}},
    {  9, "happy",        "happy/cat_happy00",                    30,   10, SoundCue::files,      {"purr.wav", ""}},
    { 10, "knockout",     "knockout/cat_knockout00",              80,  300, SoundCue::files,      {"p_stars2s.wav", ""}},
    { 11, "listen",       "listen/cat_listen00",                  11, std::nullopt, SoundCue::none, {"", ""}},
    { 12, "pie",          "pie/pie00",                            22,  800, SoundCue::files,      {"slap2.wav", ""}},
    { 13, "sneeze",       "sneeze/cat_sneeze00",                  30,   10, SoundCue::files,      {"p_sneeze.wav", ""}},
    { 14, "stomach",      "stomach/cat_stomach00",                33,  500, SoundCue::files,      {"p_meuu.wav", ""}},
    { 15, "happy-simple", "happy-simple/cat_happy_simple00",      24,  500, SoundCue::none,       {"", ""}},
    { 16, "talk",         "talk/cat_talk00",                      15,  300, SoundCue::files,      {"p_belly1.wav", ""}},
    { 17, "yawn",         "yawn/cat_zeh00",                       30,  300, SoundCue::files,      {"p_belly2.wav", ""}},
}};
// clang-format on

const ActionRow* findAction(int number) {
  if (number < firstAction || number > lastAction) return nullptr;
  return &actionTable[static_cast<std::size_t>(number - firstAction)];
}

}  // namespace tibbo::data
