#!/usr/bin/env python3
"""Independent readers and writers against vormak-batch.

  drawing_interop.py ezdxf BATCH WORKDIR   DXF written by Vormak reads in ezdxf without audit
                                           errors and with the same entities; DXF written by
                                           ezdxf reads into the expected elements.
  drawing_interop.py occt BATCH WORKDIR    IGES written by Vormak loads in Open CASCADE with
                                           the same entities; IGES written by it reads back.

Exits 77 (skipped) only when the independent tool is not installed.
"""
import os
import re
import shutil
import subprocess
import sys

SKIP = 77


def fail(message):
    print("FAIL: " + message)
    sys.exit(1)


def batch(tool, *args):
    run = subprocess.run([tool, *args], capture_output=True, text=True)
    if run.returncode != 0:
        fail("vormak-batch %s: %s" % (" ".join(args), run.stderr))
    return run.stdout


def elements(tool, path):
    rows = batch(tool, "elements", path).splitlines()
    if rows[0] != "slot,kind,colour,layer,style,state,view,d1,d2,d3,d4,d5,d6":
        fail("header " + rows[0])
    return [row.split(",") for row in rows[1:]]


def sample_drawings(work):
    """CDL drawings with every kind and plane, and a full 2000-element table."""
    every = [
        "LINE   .0,.0,.0,1.0,2.5,.0,12,1,0,1",
        "LINE   -3.25,4.0,1.0,7.0,-8.0,2.0,9,7,2,1",
        "ARC    1.0,2.0,3.0,4.0,10.0,100.0,1,11,3,0,1",
        "ARC    1.0,3.0,-2.0,1.5,30.0,200.0,2,4,4,0,1",
        "ARC    5.0,-2.0,-1.0,2.0,45.0,315.0,3,13,5,3,1",
        "ARC    .0,.0,.0,5.0,.0,360.0,1,15,254,0,1",
        "POINT  2.0,3.0,4.0,1,9,0",
        "TEXT  1.0,2.0,`HOLE A`,0,1,1,1,4,2,0,0,0,0",
        "ARROW  1.0,1.0,.0,45.0,2,10,2",
        "LEADER  3.0,4.0,.0,.0,.1,0,1,10,2",
        "WITNESS  .0,.0,5.0,.0,3,10,2",
    ]
    full = []
    for i in range(2000):
        x = -9000 + i * 9.1234
        kind = i % 3
        if kind == 0:
            full.append("LINE   %.4f,%.4f,.0,%.4f,%.4f,-1.5,%d,%d,0,1" % (x, -x / 2, x + 3, 7.5, i % 16, 1 + i % 254))
        elif kind == 1:
            full.append("ARC    %.4f,1234.5678,-9.8765,%.4f,12.3456,%.4f,%d,%d,%d,0,1"
                        % (x, 1 + i % 50, 200 + i % 100, 1 + i % 3, i % 16, 1 + i % 254))
        else:
            full.append("POINT  %.4f,-2.5,3.0,%d,%d,0" % (x, i % 16, 1 + i % 254))
    paths = []
    for name, lines in (("every.cdl", every), ("full.cdl", full)):
        path = os.path.join(work, name)
        with open(path, "w", newline="") as f:
            f.write("".join(line + "\r\n" for line in lines))
        paths.append(path)
    return paths


def exchanged_counts(rows):
    counts = {"1": 0, "2": 0, "4": 0}
    for row in rows:
        if row[1] in counts:
            counts[row[1]] += 1
    return counts["1"], counts["2"], counts["4"]


def check_ezdxf(tool, work):
    try:
        import ezdxf
    except ImportError:
        if sys.executable != "/usr/bin/python3" and os.path.exists("/usr/bin/python3"):
            os.execv("/usr/bin/python3", ["/usr/bin/python3", *sys.argv])
        print("ezdxf is not installed")
        sys.exit(SKIP)
    for cdl in sample_drawings(work):
        dxf = cdl[:-4] + ".dxf"
        batch(tool, "convert", cdl, dxf)
        lines, arcs, points = exchanged_counts(elements(tool, cdl))
        doc = ezdxf.readfile(dxf)
        auditor = doc.audit()
        if auditor.errors:
            fail("%s: audit errors %s" % (dxf, [e.message for e in auditor.errors]))
        types = [e.dxftype() for e in doc.modelspace()]
        got = (types.count("LINE"), types.count("ARC"), types.count("POINT"))
        if got != (lines, arcs, points) or len(types) != lines + arcs + points:
            fail("%s: ezdxf read %s, Vormak wrote %s" % (dxf, got, (lines, arcs, points)))
        print("ezdxf: %s reads %d lines, %d arcs, %d points, no audit errors" % (dxf, *got))

    # The other way round: what ezdxf writes.
    doc = ezdxf.new("R2000")
    msp = doc.modelspace()
    msp.add_line((0, 0, 0), (1, 2.5, 0), dxfattribs={"layer": "5", "color": 1})
    msp.add_arc((1, 2), 3, 10, 100, dxfattribs={"color": 4})
    msp.add_circle((-1, -2), 2)
    msp.add_point((4, 5, 6), dxfattribs={"layer": "WALLS", "color": 256})
    msp.add_polyline2d([(0, 0), (4, 0), (4, 3)], close=True)
    path = os.path.join(work, "ezdxf.dxf")
    doc.saveas(path)
    rows = elements(tool, path)
    got = [(r[1], [float(v) for v in r[7:13]]) for r in rows]
    expected = [("1", [0, 0, 0, 1, 2.5, 0]), ("2", [1, 2, 0, 3, 10, 100]),
                ("2", [-1, -2, 0, 2, 0, 360]), ("4", [4, 5, 6, 0, 0, 0]),
                ("1", [0, 0, 0, 4, 0, 0]), ("1", [4, 0, 0, 4, 3, 0]), ("1", [4, 3, 0, 0, 0, 0])]
    if len(got) != len(expected):
        fail("ezdxf.dxf read as %s" % rows)
    for (kind, d), (want_kind, want_d) in zip(got, expected):
        if kind != want_kind or any(abs(a - b) > 1e-6 for a, b in zip(d, want_d)):
            fail("ezdxf.dxf: %s %s, expected %s %s" % (kind, d, want_kind, want_d))
    if rows[0][2] != "#FF0000" or rows[0][3] != "5" or rows[3][3] != "1" or rows[3][2] != "#00FF00":
        fail("ezdxf.dxf colours or layers: %s" % rows)
    print("ezdxf: a DXF written by ezdxf reads into %d elements" % len(rows))


def draw_command(work):
    draw = shutil.which("occt-draw") or shutil.which("DRAWEXE")
    if draw is None:
        print("Open CASCADE's DRAW (occt-draw) is not installed")
        sys.exit(SKIP)
    # The Debian runtime package ships the data-exchange plugins with versioned names only.
    libs = os.path.join(work, "occt-libs")
    os.makedirs(libs, exist_ok=True)
    for folder in ("/usr/lib/x86_64-linux-gnu", "/usr/lib/aarch64-linux-gnu", "/usr/lib"):
        if not os.path.isdir(folder):
            continue
        for name in os.listdir(folder):
            if name.startswith("libTK") and re.search(r"\.so\.\d+$", name):
                link = os.path.join(libs, name.split(".so.")[0] + ".so")
                if not os.path.exists(link):
                    os.symlink(os.path.join(folder, name), link)
    env = dict(os.environ)
    env["LD_LIBRARY_PATH"] = libs + ":" + env.get("LD_LIBRARY_PATH", "")
    env.pop("ASAN_OPTIONS", None)

    def run(script):
        path = os.path.join(work, "draw.tcl")
        with open(path, "w") as f:
            f.write("pload MODELING XSDRAW\n" + script + "\nexit\n")
        out = subprocess.run([draw, "-b", "-f", path], capture_output=True, text=True, env=env,
                             timeout=300)
        return out.stdout + out.stderr
    return run


def check_occt(tool, work):
    run = draw_command(work)
    for cdl in sample_drawings(work):
        igs = cdl[:-4] + ".igs"
        batch(tool, "convert", cdl, igs)
        lines, arcs, points = exchanged_counts(elements(tool, cdl))
        out = run("igesread %s s *\nputs [nbshapes s]" % igs)
        loaded = [l for l in out.splitlines() if "Total number of loaded entities" in l]
        edges = [l for l in out.splitlines() if l.strip().startswith("EDGE")]
        if not loaded or not edges:
            fail("%s: Open CASCADE said\n%s" % (igs, out))
        entities = int(loaded[0].split()[-1].rstrip("."))
        edge_count = int(edges[0].split(":")[1])
        if entities != 1 + lines + arcs + points or edge_count != lines + arcs:
            fail("%s: Open CASCADE loaded %d entities and %d edges; Vormak wrote %d, %d, %d"
                 % (igs, entities, edge_count, lines, arcs, points))
        print("occt: %s loads %d entities (%d edges)" % (igs, entities, edge_count))

    # The other way round: a line and a circle written by Open CASCADE, which places the
    # circle through a transformation matrix entity.
    path = os.path.join(work, "occt.igs")
    out = run("line l 0 0 0 1 0 0\ntrim l l 0 5\nmkedge e1 l\n"
              "circle c 1 2 0 3\nmkedge e2 c\ncompound e1 e2 both\nbrepiges both %s" % path)
    if not os.path.exists(path):
        fail("Open CASCADE wrote no IGES:\n" + out)
    rows = elements(tool, path)
    kinds = sorted(r[1] for r in rows)
    if kinds != ["1", "2"]:
        fail("occt.igs read as %s" % rows)
    for r in rows:
        d = [float(v) for v in r[7:13]]
        if r[1] == "1" and not (abs(d[3] - d[0]) == 5 or abs(abs(d[3] - d[0]) - 5) < 1e-6):
            fail("occt.igs line %s" % r)
        if r[1] == "2" and (abs(d[0] - 1) > 1e-6 or abs(d[1] - 2) > 1e-6 or abs(d[3] - 3) > 1e-6):
            fail("occt.igs circle %s" % r)
    print("occt: an IGES written by Open CASCADE reads into a line and a circle")


def main():
    if len(sys.argv) != 4 or sys.argv[1] not in ("ezdxf", "occt"):
        print(__doc__)
        return 2
    tool, work = sys.argv[2], sys.argv[3]
    os.makedirs(work, exist_ok=True)
    (check_ezdxf if sys.argv[1] == "ezdxf" else check_occt)(tool, work)
    return 0


if __name__ == "__main__":
    sys.exit(main())
