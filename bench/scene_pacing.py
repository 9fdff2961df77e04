#!/usr/bin/env python3
"""The pacing of the longest scene (drink, 81 frames) against 50 ms, measured from outside:
the times at which the frame files are opened. Runs `scene_pacing_pet` (the pet, starting
with that scene) under its own Xvfb and openbox, and reports the frames' sizes too.

    bench/scene_pacing.py [--runs 3]      (TIBBO_BUILD_DIR: default build/)
"""

import argparse
import pathlib
import shutil
import statistics
import sys

sys.path.insert(0, str(pathlib.Path(__file__).resolve().parents[1] / "tests" / "e2e"))
import harness  # noqa: E402

SCENE = "drink/"
FRAMES = 81
INTERVAL_MS = 50


def use_pacing_pet(folder) -> None:
    shutil.copy2(folder.source / "scene_pacing_pet", folder.path / "tibbo")


def one_run() -> list[float]:
    with harness.running_pet(prepare=use_pacing_pet, wait_for_idle=False) as run:
        events = run.frames.wait_for(
            lambda evs: sum(1 for _, n in evs if n.startswith(SCENE)) >= FRAMES, 30,
            f"{FRAMES} frames of {SCENE}")
        run.display.key("Escape")
        run.pet.wait_exit()
    times = [t for t, name in events if name.startswith(SCENE)]
    return [(b - a) * 1000 for a, b in zip(times, times[1:])]


def main() -> int:
    parser = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    parser.add_argument("--runs", type=int, default=3)
    args = parser.parse_args()
    harness.require_tools()
    gaps = [gap for _ in range(args.runs) for gap in one_run()]
    late = [gap - INTERVAL_MS for gap in gaps]
    print(f"{SCENE} frame spacing over {args.runs} runs ({len(gaps)} gaps): "
          f"mean {statistics.mean(gaps):.2f} ms, median {statistics.median(gaps):.2f} ms, "
          f"min {min(gaps):.2f}, max {max(gaps):.2f}, stdev {statistics.pstdev(gaps):.2f}; "
          f"beyond {INTERVAL_MS} ms: mean {statistics.mean(late):.2f} ms")
    scene_total = 80 * statistics.mean(gaps) + INTERVAL_MS
    print(f"whole scene: about {scene_total / 1000:.2f} s for {FRAMES} frames")

    animations = harness.build_dir() / "animations"
    sizes = [p.stat().st_size for p in animations.rglob("*.jpg")]
    print(f"frames: {len(sizes)} files, {sum(sizes) / 1e6:.2f} MB in all, "
          f"mean {statistics.mean(sizes) / 1000:.1f} KB, largest {max(sizes) / 1000:.1f} KB")
    return 0


if __name__ == "__main__":
    sys.exit(main())
