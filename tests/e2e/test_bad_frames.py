"""Frames that are missing or spoiled: the stage falls back to its built-in background, and
the pet keeps blinking (trying the files again), stays small, and still closes normally."""

import random
import shutil
import struct
import time
import unittest

import harness
from harness import BLINK_FRAMES

OPEN, HALF, CLOSED = BLINK_FRAMES
MEMORY_LIMIT_KB = 300 * 1024


def set_jpeg_size(jpeg: bytes, width: int, height: int) -> bytes:
    """The same JPEG with its frame header (SOFn) claiming another size."""
    position = 2  # after SOI
    while position + 4 <= len(jpeg):
        if jpeg[position] != 0xFF:
            raise ValueError("not at a JPEG marker")
        marker = jpeg[position + 1]
        length = struct.unpack(">H", jpeg[position + 2:position + 4])[0]
        if 0xC0 <= marker <= 0xCF and marker not in (0xC4, 0xC8, 0xCC):
            size_at = position + 5  # after marker, length and sample precision
            return jpeg[:size_at] + struct.pack(">HH", height, width) + jpeg[size_at + 4:]
        position += 2 + length
    raise ValueError("no frame header in the JPEG")


def each_frame(make):
    """A fixture that puts make(original bytes) in place of every blink frame."""
    def prepare(folder):
        for name in BLINK_FRAMES:
            folder.frame(name).write_bytes(make(folder.original_frame(name)))
    return prepare


def no_animations_folder(folder):
    shutil.rmtree(folder.animations)


def blink_is_a_file(folder):
    shutil.rmtree(folder.blink)
    folder.blink.write_bytes(b"not a folder")


def frames_are_folders(folder):
    for name in BLINK_FRAMES:
        folder.frame(name).unlink()
        folder.frame(name).mkdir()


def random_bytes(original):
    return random.Random(len(original)).randbytes(len(original))


# What the frames are, and whether the program can still be seen opening them.
BAD_FRAMES = {
    "no animations folder": (no_animations_folder, False),
    "a file where the blink folder should be": (blink_is_a_file, False),
    "folders named like the frame files": (frames_are_folders, True),
    "empty files": (each_frame(lambda original: b""), True),
    "JPEGs cut in half": (each_frame(lambda original: original[:len(original) // 2]), True),
    "random bytes": (each_frame(random_bytes), True),
    "text, not JPEG": (each_frame(lambda original: b"just some words\n" * 40), True),
    "JPEGs claiming 60000x60000 pixels": (
        each_frame(lambda original: set_jpeg_size(original, 60000, 60000)), True),
    # Small enough for a picture surface, big enough to take gigabytes if decoded.
    "JPEGs claiming 20000x20000 pixels": (
        each_frame(lambda original: set_jpeg_size(original, 20000, 20000)), True),
}


class BadFramesTest(unittest.TestCase):
    @classmethod
    def setUpClass(cls):
        # What the stage looks like with the real frames, and with the built-in background
        # alone. The background is the build's own picture, shown here as if it were each
        # frame: drawn over itself it shows just as it does with no frame at all.
        background = harness.build_dir() / "generated" / "stage_background.jpg"
        if not background.is_file():
            raise harness.HarnessError(f"the build has no {background}")
        with harness.running_pet() as run:
            cls.frame_stage = run.stage_while_showing(CLOSED)
            for name in BLINK_FRAMES:
                run.folder.replace_quietly(name, background.read_bytes())
            run.frames.wait_for_next(OPEN)
            cls.background_stage = run.stage_while_showing(CLOSED)

    def assert_shows_background(self, stage, why):
        differing = stage.differing_pixels(self.background_stage)
        self.assertTrue(stage.looks_like(self.background_stage),
                        f"{why}: {differing} stage pixels differ from the built-in background")

    def test_the_frames_differ_from_the_background(self):
        # Without this the comparisons below could not tell frames from background.
        self.assertFalse(self.frame_stage.looks_like(self.background_stage))
        self.assertGreater(len(self.background_stage.colour_counts()), 50,
                           "the built-in background looks like a flat fill")

    def test_bad_frames_show_the_background_and_the_pet_keeps_going(self):
        for case, (prepare, opens_seen) in BAD_FRAMES.items():
            with self.subTest(case), harness.running_pet(prepare, wait_for_idle=False) as run:
                if opens_seen:
                    # The whole first cycle was tried, and the next one begins: the pet is
                    # neither stuck nor ended by a frame it cannot show.
                    stage = run.stage_while_showing(CLOSED)
                    run.frames.wait_for_opens(OPEN, 3, timeout=10)
                else:
                    time.sleep(3)
                    stage = run.stage()
                self.assertTrue(run.still_alive(), "the pet is gone" + run.pet.output())
                self.assert_shows_background(stage, case)
                memory = run.pet.memory_kb()
                self.assertLess(memory["VmHWM"], MEMORY_LIMIT_KB, memory)
                run.display.key("Escape")
                self.assertEqual(run.pet.wait_exit(10), 0, run.pet.output())

    def test_frames_spoiled_and_mended_while_the_pet_runs(self):
        # Each frame is read when it is shown, so the stage follows the files as they
        # change: the background while they are spoiled, the frames again once mended.
        with harness.running_pet() as run:
            self.assertFalse(run.stage_while_showing(CLOSED).looks_like(self.background_stage))
            for name in BLINK_FRAMES:
                run.folder.replace_quietly(name, random_bytes(run.folder.original_frame(name)))
            run.frames.wait_for_next(OPEN)
            self.assert_shows_background(run.stage_while_showing(CLOSED), "spoiled frames")
            for name in BLINK_FRAMES:
                run.folder.replace_quietly(name, run.folder.original_frame(name))
            run.frames.wait_for_next(OPEN)
            mended = run.stage_while_showing(CLOSED)
            self.assertTrue(mended.looks_like(self.frame_stage),
                            f"{mended.differing_pixels(self.frame_stage)} pixels differ from "
                            "the closed-eyes frame after mending")
            self.assertTrue(run.still_alive())
            run.display.key("Escape")
            self.assertEqual(run.pet.wait_exit(10), 0, run.pet.output())


if __name__ == "__main__":
    harness.stop_on_sigterm()
    unittest.main()
