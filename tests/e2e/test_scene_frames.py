"""A whole scene played by the real program: the pet that starts with the longest scene
(drink, 81 frames) reads every frame in order, one about every 50 ms, and then goes back
to blinking, also when many of the scene's frames are missing or spoiled."""

import random
import shutil
import unittest

import harness
from harness import BLINK_FRAMES

SCENE = "drink/"
FRAMES = 81
INTERVAL = 0.050


def drink_frame(number: int) -> str:
    return f"drink/cat_drink00{number:02d}.jpg"


def use_pacing_pet(damage=None):
    def prepare(folder):
        shutil.copy2(folder.source / "scene_pacing_pet", folder.path / "tibbo")
        if damage is not None:
            damage(folder)
    return prepare


def spoil_some_frames(folder):
    """Frames 10-19 missing, 20-29 cut short, 30-39 noise, 40-49 empty."""
    for number in range(10, 50):
        path = folder.frame(drink_frame(number))
        data = path.read_bytes()
        if number < 20:
            path.unlink()
        elif number < 30:
            path.write_bytes(data[: len(data) // 2])
        elif number < 40:
            path.write_bytes(random.Random(number).randbytes(len(data)))
        else:
            path.write_bytes(b"")


class WholeScene(unittest.TestCase):
    def play(self, damage=None):
        with harness.running_pet(prepare=use_pacing_pet(damage), wait_for_idle=False) as run:
            events = run.frames.wait_for_opens(BLINK_FRAMES[0], 1, timeout=30)
            self.assertTrue(run.still_alive(), run.pet.output())
            run.display.key("Escape")
            self.assertEqual(run.pet.wait_exit(), 0, run.pet.output())
        return events

    def assert_played_in_order(self, events, present):
        scene = [(t, name) for t, name in events if name.startswith(SCENE)]
        self.assertEqual([name for _, name in scene], [drink_frame(n) for n in present])
        blink_at = next(t for t, name in events if name == BLINK_FRAMES[0])
        # Frame 1 comes one interval after the scene starts, the blink right after frame 81.
        # Generous bounds: the machine is shared.
        started = scene[0][0] - INTERVAL * present[0]
        self.assertGreater(blink_at - started, FRAMES * INTERVAL * 0.9)
        self.assertLess(blink_at - started, FRAMES * INTERVAL * 2.0)

    def test_every_frame_is_read_in_order_then_the_cat_blinks(self):
        self.assert_played_in_order(self.play(), list(range(1, FRAMES + 1)))

    def test_spoiled_frames_are_passed_over_in_time(self):
        # A missing file is never opened; the others are opened and fail to decode.
        present = [n for n in range(1, FRAMES + 1) if not 10 <= n < 20]
        self.assert_played_in_order(self.play(spoil_some_frames), present)

    def test_a_missing_scene_folder_still_takes_the_scenes_time(self):
        with harness.running_pet(prepare=use_pacing_pet(lambda f: shutil.rmtree(f.animations / "drink")),
                                 wait_for_idle=False) as run:
            shown = run.frames.wait_for_opens(BLINK_FRAMES[0], 1, timeout=30)
            # No frame of the scene could be opened; the first blink still waited for all
            # 81 frame times after the window came up.
            blink_at = next(t for t, name in shown if name == BLINK_FRAMES[0])
            self.assertGreater(blink_at - run.window_found_at, FRAMES * INTERVAL * 0.9)
            self.assertTrue(run.still_alive(), run.pet.output())
            run.display.key("Escape")
            self.assertEqual(run.pet.wait_exit(), 0, run.pet.output())


if __name__ == "__main__":
    unittest.main()
