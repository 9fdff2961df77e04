"""The idle blink: which frame files the pet opens, in what order, and when.

Times come from inotify events as they reach the test, so each gap carries the
scheduling noise of a shared machine; the bounds are wide on purpose. Speed belongs in
the benchmarks.
"""

import statistics
import unittest

import harness
from harness import BLINK_FRAMES

OPEN, HALF, CLOSED = BLINK_FRAMES
CYCLES = 3  # whole idle cycles watched after the start


class IdleBlinkTest(unittest.TestCase):
    def test_blink_frames_are_opened_in_order_at_the_idle_pace(self):
        with harness.running_pet() as run:
            # The start shows the open eyes twice, then each cycle opens them once more.
            events = run.frames.wait_for_opens(OPEN, 2 + CYCLES, timeout=8 + 3.5 * CYCLES)
            run.display.key("Escape")
            self.assertEqual(run.pet.wait_exit(10), 0, run.pet.output())

        names = [name for _, name in events]
        times = [t for t, _ in events]
        # The first activation shows the first frame, and the idle cycle shows it again at
        # once: two opens in a row, with no frame between.
        self.assertEqual(names[:2], [OPEN, OPEN], names)
        self.assertLess(times[1] - times[0], 0.4, "the idle cycle did not start at once")
        # Then open, half closed, closed, over and over: each shown frame is read from its
        # file again, none kept from an earlier cycle.
        cycle = [OPEN, HALF, CLOSED]
        self.assertEqual(names[1:], (cycle * (CYCLES + 1))[:len(names) - 1], names)

        starts = [i for i in range(1, len(names)) if names[i] == OPEN]
        closed_gaps, periods = [], []
        for n, start in enumerate(starts[:-1]):
            with self.subTest(cycle=n):
                t = times[start]
                half, closed, following = times[start + 1], times[start + 2], times[starts[n + 1]]
                closed_gaps.append(closed - half)
                periods.append(following - t)
                # 500 ms of open eyes, 100 ms half closed, a 2000 ms rest: 2.6 s a cycle.
                self.assertGreaterEqual(half - t, 0.35)
                self.assertLessEqual(half - t, 0.9)
                self.assertGreaterEqual(closed - t, 0.45)
                self.assertLessEqual(closed - t, 1.0)
                self.assertLessEqual(closed - half, 0.45)
                self.assertGreaterEqual(following - t, 2.2)
                self.assertLessEqual(following - t, 3.0)
        # One late event can squeeze a single 100 ms gap to nothing; all of them cannot be.
        self.assertGreaterEqual(statistics.median(closed_gaps), 0.05,
                                f"half-closed frames shown for {closed_gaps}")
        self.assertEqual(len(periods), CYCLES, f"cycles of {periods} s")


if __name__ == "__main__":
    harness.stop_on_sigterm()
    unittest.main()
