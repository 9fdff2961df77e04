// Listening: one ear swivels forward and stands tall, the head tips towards the sound
// and the eyes glance up at it, then all settles back.
#include "props_face.h"
#include "scenes.h"

namespace tibbo::art {

SceneFrame scene_listen(int frame, int count) {
    SceneFrame out;
    if (frame >= count)
        return out;
    const double f = frame;
    const double last = count;
    const double ear = envelope(1, 4, last - 4, last, f);
    const double head = envelope(1.5, 5, last - 3.5, last, f);
    CatPose& p = out.pose;
    p.ear_right.perk = ear;
    p.ear_right.angle = 16.0 * ear;
    p.ear_left.angle = -10.0 * ear;
    p.ear_left.flatten = 0.15 * ear;
    p.head_tilt = 11.0 * head;
    p.head_dx = 4.0 * head;
    p.gaze_x = 0.75 * head;
    p.gaze_y = -0.5 * head;
    p.pupil = 0.3 + 0.25 * head;
    p.eye_left.open = p.eye_right.open = 1.0 + 0.0 * head;
    p.whisker_twitch = 0.5 * ear;
    return out;
}

}  // namespace tibbo::art
