"""The pet's window as the desktop sees it: size, place, caption, no frame, and what it shows."""

import unittest

import harness
from harness import BUTTON, LABEL, STAGE_HEIGHT, TITLE, WINDOW_HEIGHT, WINDOW_WIDTH


def is_dark(pixel) -> bool:
    return max(pixel) < 100


class WindowTest(unittest.TestCase):
    def test_size_and_centred_place_on_screens_of_several_sizes(self):
        # Centred by the 320-pixel width the window is drawn up with, although it shows 317;
        # the odd sizes check that halves are rounded down.
        for width, height in ((1024, 768), (1025, 769), (800, 600)):
            expected = {"x": (width - harness.TEMPLATE_WIDTH) // 2,
                        "y": (height - WINDOW_HEIGHT) // 2,
                        "width": WINDOW_WIDTH, "height": WINDOW_HEIGHT}
            with self.subTest(screen=f"{width}x{height}"), \
                    harness.running_pet(screen=(width, height)) as run:
                def placed():
                    info = run.geometry()
                    return {k: info.get(k) for k in expected} == expected
                harness.wait_until(placed, timeout=3)
                info = run.geometry()
                self.assertEqual({k: info.get(k) for k in expected}, expected)

    def test_caption_and_no_window_manager_frame(self):
        with harness.running_pet() as run:
            self.assertEqual(run.display.window_name(run.window), TITLE)
            # The program asks for no decorations (Motif hints: flags has "decorations",
            # decorations are none) ...
            hints = run.display.property(run.window, "_MOTIF_WM_HINTS")
            self.assertIsNotNone(hints, "no _MOTIF_WM_HINTS on the window")
            flags, _functions, decorations = (int(v, 16) for v in hints.split(",")[:3])
            self.assertTrue(flags & 2, f"decorations not set in {hints}")
            self.assertEqual(decorations, 0, hints)
            # ... and gets none: the window manager's frame is exactly the window.
            frame = run.display.window_info(run.display.parent(run.window))
            client = run.geometry()
            for key in ("x", "y", "width", "height"):
                self.assertEqual(frame[key], client[key], f"frame {frame}, window {client}")
            self.assertEqual(run.display.property(run.window, "_NET_FRAME_EXTENTS"),
                             "0, 0, 0, 0")

    def test_screen_shows_the_stage_above_the_label_and_the_button(self):
        with harness.running_pet() as run:
            stage = run.stage_while_showing()
            left, top = run.window_place()
            shot = run.display.screenshot()
            # From y=480 down lies the plain window background, with the label and button.
            below = shot.crop(left, top + STAGE_HEIGHT, WINDOW_WIDTH, WINDOW_HEIGHT - STAGE_HEIGHT)
            plain, plain_count = below.colour_counts().most_common(1)[0]
            self.assertGreater(plain_count, below.width * below.height // 3,
                               "no plain background below the stage")
            # The stage shows a picture, hardly any of it in the plain background colour.
            self.assertLess(stage.colour_counts()[plain], stage.width * stage.height // 20,
                            "the stage shows the plain window background")
            self.assertNotEqual(stage.crop(0, stage.height - 8, stage.width, 8).colour_counts()
                                .most_common(1)[0][0], plain, "the stage ends above y=472")
            # The label's black text and the button's caption are drawn where they belong.
            x, y, w, h = LABEL
            label = shot.crop(left + x, top + y + 2, w, h - 2)
            self.assertGreater(label.count_pixels(is_dark), 30, "no label text")
            x, y, w, h = BUTTON
            button = shot.crop(left + x + 4, top + y + 4, w - 8, h - 8)
            self.assertGreater(button.count_pixels(is_dark), 15, "no button caption")


if __name__ == "__main__":
    harness.stop_on_sigterm()
    unittest.main()
