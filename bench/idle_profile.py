#!/usr/bin/env python3
"""The pet at rest, measured from outside: time from exec to the first frame on the stage,
resident memory, and CPU while it blinks for a minute. Runs the built program under its own
Xvfb and openbox, like the end-to-end tests.

    bench/idle_profile.py [--seconds 60] [--runs 5]      (TIBBO_BUILD_DIR: default build/)
"""

import argparse
import os
import pathlib
import statistics
import sys
import time

sys.path.insert(0, str(pathlib.Path(__file__).resolve().parents[1] / "tests" / "e2e"))
import harness  # noqa: E402

TICKS = os.sysconf("SC_CLK_TCK")


def cpu_seconds(pid: int) -> float:
    fields = pathlib.Path(f"/proc/{pid}/stat").read_text().rsplit(")", 1)[1].split()
    return (int(fields[11]) + int(fields[12])) / TICKS  # utime + stime


def time_to_first_frame(display) -> float:
    """Seconds from starting the program to the first frame being read for the stage,
    which happens once the window has been painted and activated."""
    with harness.PetFolder() as folder, harness.FrameOpens(folder.animations) as frames:
        started = time.monotonic()
        with harness.Pet(folder, display):
            events = frames.wait_for_opens(harness.BLINK_FRAMES[0], 1)
        return events[0][0] - started


def main() -> int:
    parser = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    parser.add_argument("--seconds", type=float, default=60.0)
    parser.add_argument("--runs", type=int, default=5, help="starts timed for the first frame")
    args = parser.parse_args()
    harness.require_tools()

    with harness.Display() as display:
        starts = [time_to_first_frame(display) for _ in range(args.runs)]
    print(f"exec to first frame: median {statistics.median(starts) * 1000:.0f} ms "
          f"(min {min(starts) * 1000:.0f}, max {max(starts) * 1000:.0f}, {args.runs} starts)")

    with harness.running_pet() as run:
        pid = run.pet.pid
        before, cpu_before = time.monotonic(), cpu_seconds(pid)
        time.sleep(args.seconds)
        elapsed, cpu = time.monotonic() - before, cpu_seconds(pid) - cpu_before
        memory = run.pet.memory_kb()
        cycles = run.frames.count(harness.BLINK_FRAMES[0])
        run.display.key("Escape")
        run.pet.wait_exit()
    print(f"idle CPU over {elapsed:.0f} s: {cpu:.2f} s of CPU = {100 * cpu / elapsed:.2f} % of a core "
          f"({cycles} blink cycles)")
    print(f"resident memory: {memory['VmRSS'] / 1024:.1f} MB (peak {memory['VmHWM'] / 1024:.1f} MB)")
    return 0


if __name__ == "__main__":
    sys.exit(main())
