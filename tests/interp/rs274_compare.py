#!/usr/bin/env python3
"""Plots NC programs with vormak-batch and with LinuxCNC's standalone rs274 interpreter and
compares them move by move: the end point of every straight move and arc, and the centre and
turning sense of every arc. Moves of no length are left out on both sides (rs274 drops them).

    rs274_compare.py --batch VORMAK_BATCH --machine MILL_INI [--lathe-machine LATHE_INI]
                     [--rs274 RS274] [--verbose] PROGRAM...

Programs whose name holds "lathe" are plotted with the lathe machine file and compared in the
Z-X plane. Exit 0 when every program agrees, 1 when one differs or rs274 rejects it, 77 when
rs274 is not installed or none of the programs exists (the test is skipped).
"""

import argparse
import csv
import math
import os
import re
import shutil
import subprocess
import sys
import tempfile

SKIP = 77
TOLERANCE = 2e-3  # rs274 writes four decimals

CALL = re.compile(r"^\s*\d+\s+N\S*\s+([A-Z0-9_]+)\((.*)\)\s*$")


# The plane's two axes as a control sees it (G2 clockwise with the first to the right), as
# indices of (X, Y, Z): X-Y, Y-Z and, seen from +Y, Z to the right and X up.
CONTROL_AXES = {"XY": (0, 1), "YZ": (1, 2), "XZ": (2, 0)}
# Traces written before the sweep column: the sense of dir was drawn with X to the right in
# the X-Z plane.
DRAWN_AXES = {"XY": (0, 1), "YZ": (1, 2), "XZ": (0, 2)}


def sweep_of(start, centre, end, clockwise, axes, turns=1):
    """Signed degrees from start to end about centre, in the frame of `axes`; equal
    directions sweep a full turn."""
    u, v = axes
    a = math.degrees(math.atan2(start[v] - centre[v], start[u] - centre[u]))
    b = math.degrees(math.atan2(end[v] - centre[v], end[u] - centre[u]))
    d = (b - a) % 360.0
    if clockwise:
        d = d - 360.0 if d > 1e-6 else -360.0
    elif d <= 1e-6:
        d = 360.0
    full = 360.0 * (turns - 1)
    return d - full if clockwise else d + full


class Move:
    def __init__(self, kind, start, end, centre=None, sweep=None, where=""):
        self.kind = kind  # "line" or "arc"
        self.start = start
        self.end = end
        self.centre = centre
        self.sweep = sweep  # arcs: degrees as the control turns them, negative clockwise
        self.clockwise = False  # arcs of old traces without a sweep
        self.plane = "XY"
        self.where = where

    def __str__(self):
        text = "%s to (%s)" % (self.kind, ", ".join("%.4f" % v for v in self.end))
        if self.kind == "arc":
            text += " about (%s)" % ", ".join("%.4f" % v for v in self.centre)
            if self.sweep is not None:
                text += " sweep %.3f" % self.sweep
        return text + (" [%s]" % self.where if self.where else "")


def numbers(args):
    out = []
    for item in args.split(","):
        try:
            out.append(float(item))
        except ValueError:
            out.append(0.0)
    return out


def rs274_moves(rs274, program, lathe):
    """The moves of rs274's canonical output as (X, Y, Z) points, or an error text."""
    with tempfile.TemporaryDirectory() as work:
        result = subprocess.run([rs274, "-g", os.path.abspath(program)], cwd=work, capture_output=True,
                                text=True, errors="replace", stdin=subprocess.DEVNULL,
                                timeout=600)
    text = result.stdout
    problem = [line for line in (result.stderr + text).splitlines()
               if line.strip() and not CALL.match(line) and line.strip() != "executing"]
    moves = []
    plane = "XY"
    position = [0.0, 0.0, 0.0]
    for number, line in enumerate(text.splitlines(), 1):
        m = CALL.match(line)
        if not m:
            continue
        name, args = m.group(1), m.group(2)
        if name == "SELECT_PLANE":
            plane = {"CANON_PLANE_XY": "XY", "CANON_PLANE_YZ": "YZ",
                     "CANON_PLANE_XZ": "XZ"}.get(args.strip(), plane)
        elif name in ("STRAIGHT_TRAVERSE", "STRAIGHT_FEED"):
            v = numbers(args)
            end = v[0:3]
            if end != position:
                moves.append(Move("line", position, end, where="rs274 call %d" % number))
            position = end
        elif name == "ARC_FEED":
            v = numbers(args)
            first_end, second_end, first_c, second_c, turn, axis_end = v[0:6]
            if plane == "XY":
                end = [first_end, second_end, axis_end]
                centre = [first_c, second_c, position[2]]
            elif plane == "YZ":
                end = [axis_end, first_end, second_end]
                centre = [position[0], first_c, second_c]
            else:  # XZ: Z is the first axis, X the second
                end = [second_end, axis_end, first_end]
                centre = [second_c, position[1], first_c]
            sweep = sweep_of(position, centre, end, turn < 0, CONTROL_AXES[plane],
                             max(1, abs(int(turn))))
            move = Move("arc", position, end, centre, sweep, where="rs274 call %d" % number)
            move.plane = plane
            moves.append(move)
            position = end
    if lathe:
        # The lathe's plot plane: (Z, X radius), as vormak-batch lists it.
        for move in moves:
            move.start = [move.start[2], move.start[0], 0.0]
            move.end = [move.end[2], move.end[0], 0.0]
            if move.centre:
                move.centre = [move.centre[2], move.centre[0], 0.0]
                move.plane = "XY"
    error = None
    if result.returncode != 0 or any("error" in p.lower() or "unknown" in p.lower()
                                     or "bad" in p.lower() for p in problem):
        error = "; ".join(problem[-2:]) or "exit %d" % result.returncode
    return moves, error


def vormak_moves(batch, machine, program):
    with tempfile.TemporaryDirectory() as work:
        trace = os.path.join(work, "moves.csv")
        try:
            result = subprocess.run([batch, "plot", program, "--machine", machine, "--moves",
                                     trace], capture_output=True, text=True, errors="replace",
                                    stdin=subprocess.DEVNULL, timeout=600)
        except subprocess.TimeoutExpired:
            return [], "vormak-batch did not end within 10 minutes"
        if not os.path.exists(trace):
            return [], "vormak-batch exit %d: %s" % (result.returncode, result.stderr.strip())
        with open(trace, newline="") as f:
            rows = list(csv.DictReader(f))
    moves = []
    for row in rows:
        start = [float(row["x1"]), float(row["y1"]), float(row["z1"])]
        end = [float(row["x2"]), float(row["y2"]), float(row["z2"])]
        if row["kind"] == "arc":
            centre = [float(row["cx"]), float(row["cy"]), float(row["cz"])]
            sweep = float(row["sweep"]) if row.get("sweep") else None
            move = Move("arc", start, end, centre, sweep, where="line " + row["line"])
            move.clockwise = row["dir"] == "2"
            moves.append(move)
        elif end != start:
            moves.append(Move("line", start, end, where="line " + row["line"]))
    return moves, None


def close(a, b):
    return all(math.isclose(x, y, abs_tol=TOLERANCE, rel_tol=1e-6) for x, y in zip(a, b))


def same_arc(ours, theirs):
    if not close(ours.centre, theirs.centre):
        return False
    sweep = ours.sweep
    if sweep is None:
        drawn = sweep_of(ours.start, ours.centre, ours.end, ours.clockwise,
                         DRAWN_AXES[theirs.plane])
        # Drawn with X to the right, an X-Z arc turns the other way round for the control.
        sweep = -drawn if theirs.plane == "XZ" else drawn
    radius = math.dist(theirs.centre, theirs.end)
    return abs(math.radians(sweep - theirs.sweep)) * radius <= TOLERANCE * 5


def first_difference(ours, theirs):
    for index, (a, b) in enumerate(zip(ours, theirs)):
        same = a.kind == b.kind and close(a.end, b.end)
        if same and a.kind == "arc":
            same = same_arc(a, b)
        if not same:
            return index, a, b
    if len(ours) != len(theirs):
        index = min(len(ours), len(theirs))
        a = ours[index] if index < len(ours) else None
        b = theirs[index] if index < len(theirs) else None
        return index, a, b
    return None


def main():
    parser = argparse.ArgumentParser()
    parser.add_argument("--batch", required=True)
    parser.add_argument("--machine", required=True)
    parser.add_argument("--lathe-machine")
    parser.add_argument("--rs274", default=shutil.which("rs274"))
    parser.add_argument("--verbose", action="store_true")
    parser.add_argument("programs", nargs="+")
    options = parser.parse_args()
    if not options.rs274 or not os.access(options.rs274, os.X_OK):
        print("rs274 is not installed: nothing to compare with")
        return SKIP
    programs = [p for p in options.programs if os.path.isfile(p)]
    if not programs:
        print("none of the programs is here: nothing to compare")
        return SKIP
    agreed = 0
    for program in programs:
        name = os.path.basename(program)
        lathe = "lathe" in name.lower()
        machine = options.lathe_machine if lathe and options.lathe_machine else options.machine
        theirs, error = rs274_moves(options.rs274, program, lathe)
        if error:
            print("%s: rs274 rejects it: %s" % (name, error))
            continue
        ours, failure = vormak_moves(options.batch, machine, program)
        if failure:
            print("%s: %s" % (name, failure))
            continue
        difference = first_difference(ours, theirs)
        if difference is None and not ours:
            print("%s: no moves on either side" % name)
            continue
        if difference is None:
            agreed += 1
            print("%s: agree, %d moves" % (name, len(ours)))
            continue
        index, a, b = difference
        print("%s: differ at move %d of %d (rs274 %d): vormak %s; rs274 %s"
              % (name, index + 1, len(ours), len(theirs), a or "nothing", b or "nothing"))
        if options.verbose:
            for k in range(max(0, index - 2), min(index + 3, max(len(ours), len(theirs)))):
                print("   %4d  %-70s | %s" % (k + 1, ours[k] if k < len(ours) else "",
                                              theirs[k] if k < len(theirs) else ""))
    print("%d of %d programs agree" % (agreed, len(programs)))
    return 0 if agreed == len(programs) else 1


if __name__ == "__main__":
    sys.exit(main())
