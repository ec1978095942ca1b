#!/usr/bin/python3
# Generates the 10k/100k/1M-entity site plans and times opening them in RIDE, LibreCAD and ezdxf, alternating.
"""Open + first render of large site plans: RIDE (bench_open) beside LibreCAD (dxf2pdf) and ezdxf (readfile);
then startup to the first paint of the main window beside a bare Qt window (bench_startup).

Usage: bench/compare_open.py [--bin build/bin] [--plans DIR] [--runs N] [--sizes 10000,100000,1000000] [--kinds ...]

Beside the plain site plan stand the same plan with every entity in a true colour, a lineweight and
extended data, the same plan given mirrored, and a plan of polylines thin and with widths; each of
those prints its time and memory against its plain twin.

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


# The plans beside the plain site plan: each names the plain plan it is measured against.
KINDS = {
    "site": None,          # the plain site plan
    "look": "site",        # every entity in a true colour, with a lineweight and 3 groups of extended data
    "mirrored": "site",    # every entity given in a mirrored system (extrusion 0, 0, -1), the same plan in the world
    "polylines": None,     # the site plan's shapes all as polylines, thin
    "wide": "polylines",   # the same polylines with widths
    "widelook": "polylines",  # the same, each also in a true colour (for looking at)
}
# True colours, lineweights and extended data as another program writes them: a handful of styles
# that many entities share.
PALETTE = [0x2E8B57, 0xB22222, 0x4169E1, 0xDAA520, 0x708090, 0x8B4513, 0x20B2AA, 0x9932CC]
LINEWEIGHTS = [13, 18, 25, 35, 50]
CATEGORIES = ["ROAD", "BOUNDARY", "LAMP", "TREE", "KERB", "BUILDING"]


def generate(path, entities, kind="site"):
    """A site plan of square lots on a few layers, written by ezdxf without $INSUNITS."""
    import ezdxf
    doc = ezdxf.new("R2004" if kind in ("look", "widelook") else "R2000")  # true colours need R2004
    if "$INSUNITS" in doc.header:
        del doc.header["$INSUNITS"]  # metres make LibreCAD's fit-to-page output unusable
    for name, color in (("ROADS", 8), ("BUILDINGS", 5), ("LAMPS", 2), ("BOUNDARY", 1), ("TREES", 3)):
        doc.layers.add(name, color=color)
    if kind == "look":
        doc.appids.add("SITEDATA")
    msp = doc.modelspace()
    rng = random.Random(7)
    lots = entities // PER_LOT
    side = max(1, int(round(lots ** 0.5)))
    mirrored = kind == "mirrored"
    polylines = kind in ("polylines", "wide", "widelook")
    count = [0]

    def dress(entity, category, width=0.0):
        n = count[0]
        count[0] += 1
        if kind == "look":
            entity.rgb = ((PALETTE[n % len(PALETTE)] >> 16) & 255, (PALETTE[n % len(PALETTE)] >> 8) & 255,
                          PALETTE[n % len(PALETTE)] & 255)
            entity.dxf.lineweight = LINEWEIGHTS[n % len(LINEWEIGHTS)]
            entity.set_xdata("SITEDATA", [(1000, CATEGORIES[category]), (1070, n % 4), (1040, 0.5 * (n % 3))])
        if mirrored:
            entity.dxf.extrusion = (0, 0, -1)
        if kind in ("wide", "widelook"):
            entity.dxf.const_width = width
        if kind == "widelook":
            entity.rgb = ((PALETTE[n % len(PALETTE)] >> 16) & 255, (PALETTE[n % len(PALETTE)] >> 8) & 255,
                          PALETTE[n % len(PALETTE)] & 255)

    # A mirrored system's x runs against the world's: its coordinates are the world's with x negated,
    # its angles turn the other way.
    def at(x, y):
        return (-x, y) if mirrored else (x, y)

    def line(a, b, layer, category, width):
        if polylines:
            dress(msp.add_lwpolyline([a, b], dxfattribs={"layer": layer}), category, width)
        else:
            dress(msp.add_line(a, b, dxfattribs={"layer": layer}), category)  # a LINE's points are in the world

    def circle(c, r, layer, category, width):
        if polylines:
            dress(msp.add_lwpolyline([(c[0] - r, c[1], 0, 0, 1), (c[0] + r, c[1], 0, 0, 1)], format="xyseb",
                                     close=True, dxfattribs={"layer": layer}), category, width)
        else:
            dress(msp.add_circle(at(*c), r, dxfattribs={"layer": layer}), category)

    def arc(c, r, start, end, layer, category, width):
        if polylines:
            import math
            a, b = math.radians(start), math.radians(end)
            bulge = math.tan((b - a) / 4)
            dress(msp.add_lwpolyline([(c[0] + r * math.cos(a), c[1] + r * math.sin(a), 0, 0, bulge),
                                      (c[0] + r * math.cos(b), c[1] + r * math.sin(b))], format="xyseb",
                                     dxfattribs={"layer": layer}), category, width)
        elif mirrored:
            dress(msp.add_arc(at(*c), r, 180 - end, 180 - start, dxfattribs={"layer": layer}), category)
        else:
            dress(msp.add_arc(c, r, start, end, dxfattribs={"layer": layer}), category)

    def outline(points, layer, category, width):
        points = [at(*p) for p in points] if mirrored else points
        dress(msp.add_lwpolyline(points, close=True, dxfattribs={"layer": layer}), category, width)

    for n in range(lots):
        x, y = (n % side) * LOT, (n // side) * LOT
        w, h = 18 + rng.uniform(0, 6), 14 + rng.uniform(0, 6)
        line((x, y + 2), (x + LOT, y + 2), "ROADS", 0, 4.0)
        line((x + 2, y), (x + 2, y + LOT), "ROADS", 0, 4.0)
        line((x + 4, y + 36), (x + 36, y + 36), "BOUNDARY", 1, 0.2)
        line((x + 36, y + 4), (x + 36, y + 36), "BOUNDARY", 1, 0.2)
        circle((x + 34, y + 34), 0.6, "LAMPS", 2, 0.3)
        circle((x + 34, y + 20), 1.5, "TREES", 3, 0.3)
        arc((x + 6, y + 6), 4, 180, 270, "ROADS", 4, 1.0)
        arc((x + 30, y + 10), 3, 0, 135, "ROADS", 4, 1.0)
        outline([(x + 8, y + 8), (x + 8 + w, y + 8), (x + 8 + w, y + 8 + h), (x + 8, y + 8 + h)], "BUILDINGS", 5, 0.5)
        outline([(x + 10, y + 24), (x + 16, y + 24), (x + 16, y + 30), (x + 10, y + 30)], "BUILDINGS", 5, 0.5)
    doc.saveas(path)


def write_in_child(path, entities, kind):
    """Writes a plan in a process of its own, so that this one stays small: a child's peak memory
    counts what it held before it started its program."""
    subprocess.run(["/usr/bin/python3", os.path.abspath(__file__), "--write", path, str(entities), kind], check=True)


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
    parser.add_argument("--kinds", default=",".join(KINDS),
                        help="which plans: " + ", ".join(KINDS) + " (other programs open the plain site plan only)")
    parser.add_argument("--before", help="folder of another build's benchmarks, run alongside as RIDE-before")
    parser.add_argument("--ride-only", action="store_true", help="leave the other programs out")
    parser.add_argument("--write", nargs=3, help=argparse.SUPPRESS)
    args = parser.parse_args()
    if args.write:
        generate(args.write[0], int(args.write[1]), args.write[2])
        return
    os.makedirs(args.plans, exist_ok=True)
    before = os.path.join(os.path.abspath(args.before), "bench_open") if args.before else None
    kinds = [k for k in args.kinds.split(",") if k]
    for kind in kinds:
        if kind not in KINDS:
            parser.error(f"no plan kind {kind}")
    with tempfile.TemporaryDirectory() as scratch:
        found = tools(os.path.join(os.path.abspath(args.bin), "bench_open"), before, scratch)
        for size in (int(s) for s in args.sizes.split(",") if s):
            for kind in kinds:
                measure(kind, size, args, found)
    startup(os.path.join(os.path.abspath(args.bin), "bench_startup"), args.runs, "RIDE")
    if args.before:
        startup(os.path.join(os.path.abspath(args.before), "bench_startup"), args.runs, "RIDE-before")


def measure(kind, size, args, found):
    """Opens one plan with each tool in turn, args.runs times; prints and returns the medians by tool."""
    plan = os.path.join(args.plans, f"{kind}_{size}.dxf")
    if not os.path.exists(plan):
        print(f"writing {plan} ...", flush=True)
        write_in_child(plan + ".part", size, kind)
        os.replace(plan + ".part", plan)
    tools_here = {n: go for n, go in found.items() if (kind == "site" and not args.ride_only) or n.startswith("RIDE")}
    results = {name: [] for name in tools_here}
    for _ in range(args.runs):
        for name, go in tools_here.items():  # alternating, so load on the machine hits all alike
            r = go(plan)
            if r:
                results[name].append(r)
    print(f"\n{kind} plan, {size} entities, {os.path.getsize(plan) / 2**20:.1f} MB, {args.runs} runs each (medians):")
    med = {}
    for name, rs in results.items():
        if rs:
            med[name] = (statistics.median(r[0] for r in rs), statistics.median(r[1] for r in rs))
            spread = (max(r[0] for r in rs) - min(r[0] for r in rs)) / med[name][0] if med[name][0] else 0
            print(f"  {name:11s} {med[name][0]:8.3f} s {med[name][1]:8.1f} MiB  (time spread {spread:.0%})")
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
    twin = KINDS[kind]
    if twin and (twin, size) in measure.seen:
        for name, m in med.items():
            t = measure.seen[twin, size].get(name)
            if t:
                print(f"  {name} against the {twin} plan: time {ratio(m[0], t[0])}, memory {ratio(m[1], t[1])}")
    measure.seen[kind, size] = med
    return med


measure.seen = {}


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
