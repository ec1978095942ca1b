#!/usr/bin/python3
# Generates the 10k/100k/1M-entity site plans and times opening them in RIDE, LibreCAD and ezdxf, alternating.
"""Open + first render of large site plans: RIDE (bench_open) beside LibreCAD (dxf2pdf) and ezdxf (readfile);
then startup to the first paint of the main window beside a bare Qt window (bench_startup).

Usage: bench/compare_open.py [--bin build/bin] [--plans DIR] [--runs N] [--sizes 10000,100000,1000000]

The plans are written once with ezdxf into DIR (default /tmp/ride-plans) and reused. Every tool runs
as its own process, in turn, N times per plan; time is wall clock of the whole process, memory its
peak resident set. A tool that is not installed is skipped with a note.
"""
import argparse
import os
import random
import shutil
import statistics
import subprocess
import sys
import tempfile
import time

HERE = os.path.dirname(os.path.abspath(__file__))
LOT = 40.0
PER_LOT = 10  # four lines, two circles, two arcs, two closed polylines


def generate(path, entities):
    """A site plan of square lots on a few layers, written by ezdxf without $INSUNITS."""
    import ezdxf
    doc = ezdxf.new("R2000")
    if "$INSUNITS" in doc.header:
        del doc.header["$INSUNITS"]  # metres make LibreCAD's fit-to-page output unusable
    for name, color in (("ROADS", 8), ("BUILDINGS", 5), ("LAMPS", 2), ("BOUNDARY", 1), ("TREES", 3)):
        doc.layers.add(name, color=color)
    msp = doc.modelspace()
    rng = random.Random(7)
    lots = entities // PER_LOT
    side = max(1, int(round(lots ** 0.5)))
    for n in range(lots):
        x, y = (n % side) * LOT, (n // side) * LOT
        w, h = 18 + rng.uniform(0, 6), 14 + rng.uniform(0, 6)
        msp.add_line((x, y + 2), (x + LOT, y + 2), dxfattribs={"layer": "ROADS"})
        msp.add_line((x + 2, y), (x + 2, y + LOT), dxfattribs={"layer": "ROADS"})
        msp.add_line((x + 4, y + 36), (x + 36, y + 36), dxfattribs={"layer": "BOUNDARY"})
        msp.add_line((x + 36, y + 4), (x + 36, y + 36), dxfattribs={"layer": "BOUNDARY"})
        msp.add_circle((x + 34, y + 34), 0.6, dxfattribs={"layer": "LAMPS"})
        msp.add_circle((x + 34, y + 20), 1.5, dxfattribs={"layer": "TREES"})
        msp.add_arc((x + 6, y + 6), 4, 180, 270, dxfattribs={"layer": "ROADS"})
        msp.add_arc((x + 30, y + 10), 3, 0, 135, dxfattribs={"layer": "ROADS"})
        msp.add_lwpolyline([(x + 8, y + 8), (x + 8 + w, y + 8), (x + 8 + w, y + 8 + h), (x + 8, y + 8 + h)],
                           close=True, dxfattribs={"layer": "BUILDINGS"})
        msp.add_lwpolyline([(x + 10, y + 24), (x + 16, y + 24), (x + 16, y + 30), (x + 10, y + 30)],
                           close=True, dxfattribs={"layer": "BUILDINGS"})
    doc.saveas(path)


def write_in_child(path, entities):
    """Writes a plan in a process of its own, so that this one stays small: a child's peak memory
    counts what it held before it started its program."""
    subprocess.run(["/usr/bin/python3", os.path.abspath(__file__), "--write", path, str(entities)], check=True)


def run(command, env=None):
    """Wall seconds and peak MiB of one process; None when it failed."""
    started = time.perf_counter()
    proc = subprocess.Popen(command, stdout=subprocess.PIPE, stderr=subprocess.PIPE, env=env)
    _, status, usage = os.wait4(proc.pid, 0)
    seconds = time.perf_counter() - started
    proc.returncode = os.waitstatus_to_exitcode(status)
    out = proc.stdout.read().decode(errors="replace") + proc.stderr.read().decode(errors="replace")
    if proc.returncode != 0:
        print(f"  {command[0]} failed ({proc.returncode}): {out.strip()[:300]}", file=sys.stderr)
        return None
    return seconds, usage.ru_maxrss / 1024.0


def tools(bench_open, before, scratch):
    env = dict(os.environ, QT_QPA_PLATFORM="offscreen")
    found = {}
    if os.access(bench_open, os.X_OK):
        found["RIDE"] = lambda plan: run([bench_open, plan], env)
    else:
        print(f"note: {bench_open} not built (configure with -DRIDE_BENCH=ON); RIDE skipped")
    if before:
        found["RIDE-before"] = lambda plan: run([before, plan], env)
    if shutil.which("librecad"):
        pdf = os.path.join(scratch, "plan.pdf")
        found["LibreCAD"] = lambda plan: run(["librecad", "dxf2pdf", "-o", pdf, plan], env)
    else:
        print("note: librecad not installed (apt-get install librecad); LibreCAD skipped")
    if subprocess.run(["/usr/bin/python3", "-c", "import ezdxf"], capture_output=True).returncode == 0:
        found["ezdxf"] = lambda plan: run(["/usr/bin/python3", "-c", "import sys, ezdxf; ezdxf.readfile(sys.argv[1])", plan])
    else:
        print("note: python3-ezdxf not installed; ezdxf skipped (and no plans can be generated)")
    return found


def ratio(a, b):
    return f"{a / b:.2f}x" if a and b else "-"


def main():
    parser = argparse.ArgumentParser(description=__doc__, formatter_class=argparse.RawDescriptionHelpFormatter)
    parser.add_argument("--bin", default=os.path.join(HERE, "..", "build", "bin"), help="folder of the benchmarks")
    parser.add_argument("--plans", default=os.path.join(tempfile.gettempdir(), "ride-plans"))
    parser.add_argument("--runs", type=int, default=5)
    parser.add_argument("--sizes", default="10000,100000,1000000", help="empty: startup only")
    parser.add_argument("--before", help="folder of another build's benchmarks, run alongside as RIDE-before")
    parser.add_argument("--write", nargs=2, help=argparse.SUPPRESS)
    args = parser.parse_args()
    if args.write:
        generate(args.write[0], int(args.write[1]))
        return
    os.makedirs(args.plans, exist_ok=True)
    before = os.path.join(os.path.abspath(args.before), "bench_open") if args.before else None
    with tempfile.TemporaryDirectory() as scratch:
        found = tools(os.path.join(os.path.abspath(args.bin), "bench_open"), before, scratch)
        for size in (int(s) for s in args.sizes.split(",") if s):
            plan = os.path.join(args.plans, f"site_{size}.dxf")
            if not os.path.exists(plan):
                print(f"writing {plan} ...", flush=True)
                write_in_child(plan + ".part", size)
                os.replace(plan + ".part", plan)
            results = {name: [] for name in found}
            for _ in range(args.runs):
                for name, go in found.items():  # alternating, so load on the machine hits all alike
                    r = go(plan)
                    if r:
                        results[name].append(r)
            print(f"\n{size} entities, {os.path.getsize(plan) / 2**20:.1f} MB, {args.runs} runs each (medians):")
            med = {}
            for name, rs in results.items():
                if rs:
                    med[name] = (statistics.median(r[0] for r in rs), statistics.median(r[1] for r in rs))
                    print(f"  {name:11s} {med[name][0]:8.3f} s {med[name][1]:8.1f} MiB")
            ride, lc, ez, old = med.get("RIDE"), med.get("LibreCAD"), med.get("ezdxf"), med.get("RIDE-before")
            if ride and lc:
                print(f"  RIDE / LibreCAD: time {ratio(ride[0], lc[0])} (goal <= 0.5x), "
                      f"memory {ratio(ride[1], lc[1])} (goal <= 1x)")
            if ride and ez:
                print(f"  RIDE / ezdxf:    time {ratio(ride[0], ez[0])}")
            if ride and old:
                print(f"  RIDE / before:   time {ratio(ride[0], old[0])}, memory {ratio(ride[1], old[1])}")
                if lc:
                    print(f"  before / LibreCAD: time {ratio(old[0], lc[0])}, memory {ratio(old[1], lc[1])}")
    startup(os.path.join(os.path.abspath(args.bin), "bench_startup"), args.runs, "RIDE")
    if args.before:
        startup(os.path.join(os.path.abspath(args.before), "bench_startup"), args.runs, "RIDE-before")


def startup(program, runs, label):
    """Startup to the first paint, the main window against a bare window of its size (and that window with one
    line of text), alternating."""
    if not os.access(program, os.X_OK):
        print(f"\nnote: {program} not built; startup skipped")
        return
    env = dict(os.environ, QT_QPA_PLATFORM="offscreen")
    times = {"main": [], "bare": [], "label": []}
    for _ in range(max(runs, 9)):
        for kind in times:
            r = run([program, kind], env)
            if r:
                times[kind].append(r[0])
    if times["main"] and times["bare"]:
        main_s, bare_s = statistics.median(times["main"]), statistics.median(times["bare"])
        print(f"\n{label} startup to the first paint (process wall time, medians): main window {main_s * 1000:.0f} ms, "
              f"bare window {bare_s * 1000:.0f} ms, ratio {ratio(main_s, bare_s)} (goal <= 1.5x)")
    if times["label"] and times["bare"]:
        label_s = statistics.median(times["label"])
        print(f"  the bare window showing one line of Chinese text: {label_s * 1000:.0f} ms, ratio {ratio(label_s, bare_s)} "
              f"(the least a window with text costs); main window / that: {ratio(main_s, label_s)}")


if __name__ == "__main__":
    main()
