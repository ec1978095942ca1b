#!/usr/bin/python3
# Resident memory of a running RIDE under many random calls on the session bus.
"""Starts RIDE offscreen on a private session bus, fires N random calls at its topic (Execute,
Request, Poke) and prints its resident set size (VmRSS) before, during and after.

Usage: bench/bus_memory.py [--bin build/bin/RIDE] [--calls 100000] [--seed 1] [--samples 10]

The calls name every control of the main window (read from the control table of the tests), names
that do not exist, and indexes and values of every form; execute strings of every command word,
SHOW and CLIENT with texts up to 64k characters among them, a share of all texts (--wide, 0.3) drawn
from the whole basic plane of Unicode (every script, so every fallback font). Pressing a drawing button asks
for a point in the drawing window and does not answer on the bus while it waits; such a call, and
any call slower than --wait seconds, is counted as "waiting" and the driver goes on.

Output: one line per sample, "calls=<n> rss_mib=<MiB> anon_mib=<MiB> waiting=<n> seconds=<s>", then
"growth_mib=<MiB>" from the sample after 1000 calls to the last one. anon_mib leaves out the font
files the process maps, which count in the resident set but are the system's shared page cache.
Needs python3-dbus (Debian's /usr/bin/python3).
"""
import argparse
import os
import random
import re
import shutil
import subprocess
import sys
import tempfile
import time

HERE = os.path.dirname(os.path.abspath(__file__))
ROOT = os.path.dirname(HERE)
SERVICE = "dde.RIDE"
INNER = "RIDE_BUS_MEMORY_INNER"
ALPHABET = "abcXYZ0123456789 .,|()-提示计算避雷针"


def controls():
    """(name, first index or -1, element count, kind) of every control, from the tests' table."""
    path = os.path.join(ROOT, "tests", "app", "test_catalogue_table.cpp")
    text = open(path, encoding="utf-8").read()
    found = []
    for m in re.finditer(r'\{"(\w+)", (-?\d+), K::(\w+), "[^"]*",\s*(\{.*?\}|std::vector<const char\*>\((\d+))', text, re.S):
        name, first, kind, texts, repeated = m.group(1), int(m.group(2)), m.group(3), m.group(4), m.group(5)
        count = int(repeated) if repeated else max(1, texts.count(",") + 1)
        found.append((name, first, count, kind))
    # The class combos and their labels are made in a loop, element i on panel i.
    found += [("comClass", 0, 13, "ComboBox"), ("lblClass", 0, 13, "Label")]
    # Menu items are controls too, and only reachable with -1.
    for name in ("mnuBuildDesign", "mnuBuildFrequency", "mnuOneRod", "mnuAbout", "mnuTool"):
        found.append((name, -1, 1, "Menu"))
    return found


class Calls:
    def __init__(self, rng, table, wide):
        self.rng = rng
        self.wide = wide
        self.table = table
        self.words = ["EXECUTE", "execute", "SHOW", "show", "CLIENT", "COMMAND", "MEMORY", " SHOW", "XYZZY", ""]

    def text(self, longest=80):
        r = self.rng
        n = r.choice((0, 1, r.randrange(1, longest), r.randrange(1, 65536))) if longest > 80 else r.randrange(0, longest)
        if r.random() < self.wide:
            # Any character of the basic plane but the surrogates: every script, every font.
            piece = "".join(chr(r.choice((r.randrange(0x20, 0xD800), r.randrange(0xE000, 0xFFFE)))) for _ in range(min(n, 200)))
        else:
            piece = "".join(r.choice(ALPHABET) for _ in range(min(n, 200)))
        return piece * max(1, n // 200) if n > 200 else piece

    def name(self):
        r = self.rng
        if r.random() < 0.1:
            return r.choice(["cmdNothing", "x" * r.randrange(1, 300), "lbltips", "LBLTIPS", "mnu" + self.text(12), self.text(20)])
        return r.choice(self.table)[0]

    def index_for(self, name):
        r = self.rng
        row = next((c for c in self.table if c[0] == name), None)
        if row and r.random() < 0.8:
            return str(-1 if row[1] < 0 else r.randrange(row[1], row[1] + row[2]))
        return r.choice(["-1", "0", "1.5", "", "abc", "99999", "-32768", "2.5e1", " 3 "])

    def item(self):
        name = self.name()
        form = self.rng.randrange(4)
        if form == 0:
            return name
        if form == 3:
            return name + "(" + self.text(6) + ")"
        return "%s(%s)" % (name, self.index_for(name))

    def execute_string(self):
        r = self.rng
        word = r.choice(self.words)
        if word.strip().upper() in ("SHOW", "CLIENT") or r.random() < 0.1:
            return word + "|" + self.text(65536)
        if word.upper() == "EXECUTE":
            name = self.name()
            fields = [name, self.index_for(name)]
            if r.random() < 0.5:
                fields.append(r.choice(["0", "1", "2", "3", "-1", "x", "1e9"]))
            return word + "|" + "|".join(fields)
        return word + "|" + self.text()

    def next(self):
        r = self.rng.random()
        if r < 0.5:
            return "Execute", (self.execute_string(),)
        if r < 0.75:
            return "Request", (self.item(),)
        return "Poke", (self.item(), self.text(65536 if self.rng.random() < 0.05 else 40))


def status_mib(pid, field):
    with open("/proc/%d/status" % pid) as f:
        for line in f:
            if line.startswith(field + ":"):
                return int(line.split()[1]) / 1024.0
    return float("nan")


def rss_mib(pid):
    return status_mib(pid, "VmRSS")


def sample(pid, n, waiting, seconds):
    return "calls=%d rss_mib=%.1f anon_mib=%.1f waiting=%d seconds=%.0f" % (
        n, rss_mib(pid), status_mib(pid, "RssAnon"), waiting, seconds)


def inner(args):
    import dbus

    # A runtime folder of its own: the instance lock of a RIDE already running elsewhere does not count.
    runtime = tempfile.mkdtemp(prefix="ride-bus-memory-")
    env = dict(os.environ, QT_QPA_PLATFORM="offscreen", XDG_RUNTIME_DIR=runtime)
    proc = subprocess.Popen([args.bin], env=env, stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
    try:
        bus = dbus.SessionBus()
        deadline = time.time() + 60
        while not bus.name_has_owner(SERVICE):
            if proc.poll() is not None or time.time() > deadline:
                sys.exit("RIDE did not offer %s" % SERVICE)
            time.sleep(0.1)
        topic = dbus.Interface(bus.get_object(SERVICE, "/Main", introspect=False), "dde.Topic")
        rng = random.Random(args.seed)
        calls = Calls(rng, controls(), args.wide)
        time.sleep(1.0)
        print(sample(proc.pid, 0, 0, 0), flush=True)
        step = max(1, args.calls // args.samples)
        waiting = 0
        warm = None
        t0 = time.time()
        for n in range(1, args.calls + 1):
            method, params = calls.next()
            try:
                getattr(topic, method)(*params, timeout=args.wait)
            except dbus.DBusException as e:
                if "NoReply" not in e.get_dbus_name() and "Timeout" not in e.get_dbus_name():
                    raise
                waiting += 1
            if proc.poll() is not None:
                sys.exit("RIDE ended with status %d after %d calls" % (proc.returncode, n))
            if n == min(args.calls, 1000):
                warm = rss_mib(proc.pid)
            if n % step == 0 or n == args.calls:
                print(sample(proc.pid, n, waiting, time.time() - t0), flush=True)
        last = rss_mib(proc.pid)
        print("growth_mib=%.1f" % (last - (warm if warm is not None else last)))
    finally:
        proc.kill()
        proc.wait()
        shutil.rmtree(runtime, ignore_errors=True)


def main():
    ap = argparse.ArgumentParser(description=__doc__, formatter_class=argparse.RawDescriptionHelpFormatter)
    ap.add_argument("--bin", default=os.path.join(ROOT, "build", "bin", "RIDE"))
    ap.add_argument("--calls", type=int, default=100000)
    ap.add_argument("--seed", type=int, default=1)
    ap.add_argument("--samples", type=int, default=10)
    ap.add_argument("--wide", type=float, default=0.3, help="share of texts drawn from all of Unicode, not a small alphabet")
    ap.add_argument("--wait", type=float, default=0.5, help="seconds a call may take before the driver moves on")
    args = ap.parse_args()
    args.bin = os.path.abspath(args.bin)
    if os.environ.get(INNER):
        inner(args)
        return
    env = dict(os.environ, **{INNER: "1"})
    sys.exit(subprocess.call(["dbus-run-session", "--", "/usr/bin/python3", os.path.abspath(__file__)] + sys.argv[1:], env=env))


if __name__ == "__main__":
    main()
