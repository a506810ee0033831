#!/usr/bin/env python3
"""Installs a build into a scratch folder (DESTDIR) and checks the installed tree.

Usage: check_install.py --cmake CMAKE --build-dir DIR --version VERSION
         --ui 0|1 --report 0|1 --bindir bin --datadir share
         --helper-dir ../libexec/zapt --icon-sizes "16;32;..." [--drive ZAPT_DRIVE]

The tree must hold exactly the programs, the helpers of the upload page where
the explorer looks for them (--helper-dir, relative to the programs' folder, is
the path compiled into it), the desktop entry and the icons; no driver,
benchmark or test. The desktop entry must pass desktop-file-validate, the
installed programs must answer --version without a display and must not point
back into the build folder, and the installed upload program must find its web
engine module under a virtual display. With --drive, the driver is put beside
the installed zapt for a last check (after the tree's contents are checked): it
presses Donate and the button to the web site, and the page's process must be
the installed helper; the driver runs the same code as zapt to find it.
Exit status: 0 all hold, 1 something does not, 77 all that could be checked
holds but a tool was missing (desktop-file-validate, readelf, xvfb-run).
"""
import argparse
import json
import os
import shutil
import struct
import subprocess
import sys
import tempfile
import time
import xml.etree.ElementTree as ET

failures = []
skipped = []


def check(cond, what):
    if not cond:
        failures.append(what)
    return cond


def without_display():
    """The environment of a machine without a desktop."""
    env = dict(os.environ)
    for key in ("DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM", "ZAPT_MODULE_DIR"):
        env.pop(key, None)
    return env


def run(cmd, env=None, timeout=60, stdin=subprocess.DEVNULL):
    try:
        r = subprocess.run(cmd, env=env, stdin=stdin, capture_output=True, text=True,
                           timeout=timeout)
        return r.returncode, r.stdout, r.stderr
    except subprocess.TimeoutExpired:
        return None, "", "timed out after %d s" % timeout


def png_size(path):
    with open(path, "rb") as f:
        head = f.read(24)
    if head[:8] != b"\x89PNG\r\n\x1a\n" or head[12:16] != b"IHDR":
        return None
    return struct.unpack(">II", head[16:24])


def desktop_entry(path):
    keys = {}
    group = None
    with open(path, encoding="utf-8") as f:
        for line in f:
            line = line.strip()
            if line.startswith("["):
                group = line
            elif "=" in line and group == "[Desktop Entry]":
                k, v = line.split("=", 1)
                keys[k] = v
    return keys


def installed_files(root):
    found = set()
    for d, _, files in os.walk(root):
        for name in files:
            found.add(os.path.relpath(os.path.join(d, name), root))
    return found


def check_programs(root, a, expected_programs):
    for rel in expected_programs:
        path = os.path.join(root, rel)
        check(os.path.isfile(path) and os.access(path, os.X_OK), "%s is not executable" % rel)
    readelf = shutil.which("readelf")
    if not readelf:
        skipped.append("search paths of the programs (readelf missing)")
        return
    build = os.path.realpath(a.build_dir)
    for rel in expected_programs:
        _, out, _ = run([readelf, "-d", os.path.join(root, rel)])
        for line in out.splitlines():
            if "RPATH" in line or "RUNPATH" in line:
                check(build not in line, "%s still searches the build folder: %s"
                      % (rel, line.strip()))


def check_versions(root, a):
    env = without_display()
    for name in (["zapt"] if a.ui else []) + (["zapt-report"] if a.report else []):
        path = os.path.join(root, a.bindir, name)
        rc, out, err = run([path, "--version"], env=env)
        check(rc == 0 and out == "%s %s\n" % (name, a.version),
              "%s --version without a display: exit %s, out %r, err %r" % (name, rc, out, err))
        rc, out, err = run([path, "--help"], env=env)
        check(rc == 0 and "--version" in out and "Usage: %s" % name in out,
              "%s --help: exit %s, out %r" % (name, rc, out[:200]))


def check_desktop(root, a):
    entry = os.path.join(root, a.datadir, "applications", "zapt.desktop")
    if not check(os.path.isfile(entry), "no desktop entry"):
        return
    keys = desktop_entry(entry)
    for k, v in (("Type", "Application"), ("Name", "ZAPT"), ("Exec", "zapt"), ("Icon", "zapt")):
        check(keys.get(k) == v, "desktop entry: %s=%r, expected %r" % (k, keys.get(k), v))
    check(keys.get("Comment"), "desktop entry has no Comment")
    # The command of the entry is an installed program.
    check(os.path.isfile(os.path.join(root, a.bindir, keys.get("Exec", "").split(" ")[0])),
          "desktop entry runs a program that is not installed")
    validate = shutil.which("desktop-file-validate")
    if validate:
        rc, out, err = run([validate, entry])
        check(rc == 0 and not out.strip() and not err.strip(),
              "desktop-file-validate: exit %s: %s%s" % (rc, out, err))
    else:
        skipped.append("desktop-file-validate (desktop-file-utils missing)")

    icons = os.path.join(root, a.datadir, "icons", "hicolor")
    svg = os.path.join(icons, "scalable", "apps", "zapt.svg")
    try:
        check(ET.parse(svg).getroot().tag == "{http://www.w3.org/2000/svg}svg",
              "zapt.svg is not an SVG picture")
    except (OSError, ET.ParseError) as e:
        check(False, "zapt.svg: %s" % e)
    for size in a.icon_sizes:
        png = os.path.join(icons, "%dx%d" % (size, size), "apps", "zapt.png")
        got = png_size(png) if os.path.isfile(png) else None
        check(got == (size, size), "icon %dx%d: %s" % (size, size, got or "missing"))


def check_upload_helper(root, a, helpers):
    """The installed upload program loads its module from its own folder."""
    xvfb = shutil.which("xvfb-run")
    if not xvfb:
        skipped.append("the upload program under a virtual display (xvfb-run missing)")
        return
    env = without_display()
    env["QT_QPA_PLATFORM"] = "xcb"
    # Its input ends at once, so the page opens and closes again.
    rc, out, err = run([xvfb, "-a", "-s", "-screen 0 1280x1024x24",
                        os.path.join(helpers, "zapt-upload")], env=env, timeout=120)
    check(rc == 0 and "upload page is unavailable" not in err,
          "installed zapt-upload: exit %s: %s" % (rc, err[-2000:]))


def processes_running(program):
    """The ids of the running processes of `program` (a real path)."""
    ids = []
    for pid in os.listdir("/proc"):
        if pid.isdigit():
            try:
                if os.path.realpath("/proc/%s/exe" % pid) == program:
                    ids.append(int(pid))
            except OSError:
                pass
    return ids


def check_explorer_starts_helper(root, a, helpers):
    """From the installed programs' folder, the upload page starts the installed helper."""
    xvfb = shutil.which("xvfb-run")
    if not xvfb:
        skipped.append("the explorer starting the installed helper (xvfb-run missing)")
        return
    drive = os.path.join(root, a.bindir, "zapt-drive")
    shutil.copy2(a.drive, drive)
    helper = os.path.realpath(os.path.join(helpers, "zapt-upload"))
    env = without_display()
    env["QT_QPA_PLATFORM"] = "xcb"
    p = subprocess.Popen([xvfb, "-a", "-s", "-screen 0 1280x1024x24", drive], env=env,
                         stdin=subprocess.PIPE, stdout=subprocess.PIPE,
                         stderr=subprocess.DEVNULL, text=True)
    started = []
    try:
        for command in (["click", "Form1.Command1"], ["click", "Form8.cmdBrowse"]):
            p.stdin.write(json.dumps(command) + "\n")
            p.stdin.flush()
            line = p.stdout.readline()
            answer = json.loads(line) if line.strip() else {}
            check(answer.get("ok") is True, "driver: %s: %r" % (command, line))
        deadline = time.monotonic() + 20
        while not started and time.monotonic() < deadline:
            started = processes_running(helper)
            time.sleep(0.1)
        check(started, "the upload page did not start %s" % helper)
    finally:
        # The page ends with the explorer.
        p.stdin.close()
        try:
            p.wait(timeout=60)
        except subprocess.TimeoutExpired:
            p.kill()
            p.wait()
    deadline = time.monotonic() + 10
    while processes_running(helper) and time.monotonic() < deadline:
        time.sleep(0.1)
    check(not processes_running(helper), "the upload page outlived the explorer")


def main():
    p = argparse.ArgumentParser()
    p.add_argument("--cmake", required=True)
    p.add_argument("--build-dir", required=True)
    p.add_argument("--version", required=True)
    p.add_argument("--ui", type=int, required=True)
    p.add_argument("--report", type=int, required=True)
    p.add_argument("--bindir", required=True)
    p.add_argument("--datadir", required=True)
    p.add_argument("--helper-dir", default="")
    p.add_argument("--icon-sizes", default="")
    p.add_argument("--drive", default="")
    a = p.parse_args()
    a.icon_sizes = [int(s) for s in a.icon_sizes.split(";") if s]

    with tempfile.TemporaryDirectory(prefix="zapt-install-") as dest:
        prefix = "/usr"
        rc, out, err = run([a.cmake, "--install", a.build_dir, "--prefix", prefix],
                           env=dict(os.environ, DESTDIR=dest), timeout=240)
        if not check(rc == 0, "cmake --install: exit %s: %s" % (rc, err)):
            return report()
        root = dest + prefix

        helpers = os.path.normpath(os.path.join(root, a.bindir, a.helper_dir))
        helpers_rel = os.path.relpath(helpers, root)
        programs = []
        if a.report:
            programs.append(os.path.join(a.bindir, "zapt-report"))
        expected = set(programs)
        if a.ui:
            programs += [os.path.join(a.bindir, "zapt"), os.path.join(helpers_rel, "zapt-upload")]
            icons = os.path.join(a.datadir, "icons", "hicolor")
            expected |= set(programs) | {
                os.path.join(helpers_rel, "libzapt_upload.so"),
                os.path.join(a.datadir, "applications", "zapt.desktop"),
                os.path.join(icons, "scalable", "apps", "zapt.svg")}
            expected |= {os.path.join(icons, "%dx%d" % (s, s), "apps", "zapt.png")
                         for s in a.icon_sizes}
        found = installed_files(root)
        check(not (found - expected), "installed but not expected: %s" % sorted(found - expected))
        check(not (expected - found), "expected but not installed: %s" % sorted(expected - found))
        outside = sorted(set(os.listdir(dest)) - {prefix.strip("/")})
        check(not outside, "installed outside the prefix: %s" % outside)

        check_programs(root, a, programs)
        check_versions(root, a)
        if a.ui:
            check_desktop(root, a)
            check_upload_helper(root, a, helpers)
            if a.drive:
                check_explorer_starts_helper(root, a, helpers)
        print("installed %d files into %s" % (len(found), root))
    return report()


def report():
    for s in skipped:
        print("not checked: %s" % s)
    if failures:
        for f in failures:
            print("FAIL: %s" % f)
        return 1
    if skipped:
        return 77
    print("the installed tree holds")
    return 0


if __name__ == "__main__":
    sys.exit(main())
