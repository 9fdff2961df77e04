"""Ending the pet: the ways that close it (all with exit code 0), keys that must not, and
a start without a display."""

import time
import unittest

import harness
from harness import BUTTON


def button_centre(run):
    x, y, w, h = BUTTON
    run.click_in_window(x + w // 2, y + h // 2)


class ClosingTest(unittest.TestCase):
    def test_each_way_of_closing_ends_with_exit_code_0(self):
        ways = {
            "the Quisa button": button_centre,
            "Esc": lambda run: run.display.key("Escape"),
            "Alt+F4 to the window manager": lambda run: run.display.key("alt+F4"),
            "a close request through the window manager":
                lambda run: run.display.request_close(run.window),
        }
        for way, close in ways.items():
            with self.subTest(way), harness.running_pet() as run:
                close(run)
                self.assertEqual(run.pet.wait_exit(10), 0, run.pet.output())

    def test_esc_with_a_modifier_does_not_close(self):
        with harness.running_pet() as run:
            for keys in ("ctrl+Escape", "shift+Escape", "alt+Escape"):
                with self.subTest(keys):
                    run.display.key(keys)
                    time.sleep(0.8)
                    self.assertTrue(run.still_alive(), f"{keys} closed the pet" + run.pet.output())
            # Still listening: Esc alone closes it.
            run.display.key("Escape")
            self.assertEqual(run.pet.wait_exit(10), 0, run.pet.output())

    def test_a_click_beside_the_button_does_not_close(self):
        x, y, w, h = BUTTON
        with harness.running_pet() as run:
            run.click_in_window(x - 4, y + h // 2)  # on the label, just left of the button
            run.click_in_window(x + w // 2, y - 4)  # on the stage, just above it
            time.sleep(0.8)
            self.assertTrue(run.still_alive(), "a click beside the button closed the pet")
            run.click_in_window(x + 3, y + 3)  # just inside its top-left corner
            self.assertEqual(run.pet.wait_exit(10), 0, run.pet.output())

    def test_without_a_display_it_says_so_and_ends_with_exit_code_255(self):
        with harness.PetFolder() as folder, harness.Pet(folder, display=None) as pet:
            self.assertEqual(pet.wait_exit(20), 255, pet.output())
            self.assertIn("display", pet.stderr().lower(), pet.output())


if __name__ == "__main__":
    harness.stop_on_sigterm()
    unittest.main()
