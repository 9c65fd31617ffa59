#!/usr/bin/env python3
"""Reads the JSON files of the benchmarks (medians) and prints every figure
against its target and the floor ratios. Used by scripts/bench."""
import json
import sys

TO_MS = {"ns": 1e-6, "us": 1e-3, "ms": 1.0, "s": 1e3}

# (benchmark, what is measured, limit, what the target says)
TARGETS = [
    ("startOnTheLargestCard", "cpu_ms", 10, "Start on the largest card, in process"),
    ("startOnTheLargestCard", "floor_ratio", 40, "  ... as a multiple of the floor"),
    ("startOnTheSampleCard", "cpu_ms", None, "Start on the sample card, in process"),
    ("cliVersion/manual_time", "real_ms", 5, "tallowmere-cli version, whole process"),
    ("cliStartOnTheLargestCard/manual_time", "real_ms", 20,
     "tallowmere-cli start, largest card, whole process"),
    ("cliStartOnTheLargestCard/manual_time", "peak_MB", 16, "  ... its peak memory (MB)"),
    ("cliStartOnTheSampleCard/manual_time", "real_ms", 8,
     "tallowmere-cli start, sample card, whole process"),
    ("showARaceOfTheLargestCard", "cpu_ms", 0.5, "Showing a race"),
    ("scratchOnTheLargestCard", "cpu_ms", 1, "A scratch"),
    ("autoRecordOfTheLargestCard", "cpu_ms", None, "Auto Record, 20-race chart"),
    ("summaryOfTheLargestCard", "cpu_ms", None, "The summary"),
    ("programViewOfTheLargestCard", "cpu_ms", None, "The program view, largest card"),
    ("allTracksProfile/15000", "cpu_ms", None, "Betting profile, 15,000 archive lines"),
    ("allTracksProfile/100000", "cpu_ms", 50, "Betting profile, 100,000 archive lines"),
    ("allTracksProfile/100000", "peak_MB", 64, "  ... its peak memory (MB)"),
    ("BM_ReplaySeason/100", "cpu_ms", 2000, "Replay of 100 cards"),
    ("startToFirstPaintOfTheLargestCard", "real_ms", 300,
     "Window: Start to first frame, largest card (window made; Qt already up)"),
]
FLOOR = "floorReadTheFiveTablesOfTheLargestCard"


def medians(paths):
    found = {}
    for path in paths:
        with open(path) as file:
            for run in json.load(file).get("benchmarks", []):
                if run.get("run_type") == "aggregate" and run.get("aggregate_name") != "median":
                    continue
                scale = TO_MS[run.get("time_unit", "ns")]
                figures = {"real_ms": run["real_time"] * scale, "cpu_ms": run["cpu_time"] * scale}
                for counter in ("peak_MB", "child_cpu_ms"):
                    if counter in run:
                        figures[counter] = run[counter]
                found[run["run_name"]] = figures
    return found


def main():
    figures = medians(sys.argv[1:])
    floor = figures.get(FLOOR, {}).get("cpu_ms")
    print()
    print("Medians in ms. CPU is the benchmark's own, or the child's for a whole process;")
    print("the multiple of the floor is of the CPU time.")
    for name, value in sorted(figures.items()):
        cpu = value.get("child_cpu_ms", value["cpu_ms"])
        extra = f"  peak {value['peak_MB']:.1f} MB" if "peak_MB" in value else ""
        ratio = f"  {cpu / floor:6.1f} x floor" if floor else ""
        print(f"  {name:45s} real {value['real_ms']:9.3f}  cpu {cpu:9.3f}{extra}{ratio}")
    print()
    print(f"Floor: the five tables of the largest card, read: {floor:.3f} ms" if floor
          else "Floor: not measured")
    print()
    print("Targets:")
    for name, measure, limit, label in TARGETS:
        value = figures.get(name)
        if value is None:
            print(f"  {label:72s} not measured")
            continue
        if measure == "floor_ratio":
            figure = value.get("child_cpu_ms", value["cpu_ms"]) / floor if floor else None
        elif measure == "cpu_ms":
            figure = value.get("child_cpu_ms", value["cpu_ms"])
        else:
            figure = value.get(measure)
        if figure is None:
            print(f"  {label:72s} not measured")
            continue
        verdict = "" if limit is None else ("met" if figure <= limit else "MISSED")
        bound = "" if limit is None else f"<= {limit:g}"
        print(f"  {label:72s} {figure:9.3f} {bound:>8s} {verdict}")


if __name__ == "__main__":
    main()
