#!/usr/bin/env python3
"""Whole-process time and peak memory of zapt-report on a corpus of the user's
own: the first command (which reads the corpus and compiles it), then the same
command again (which maps the compiled file), and the same command with
--no-cache (which reads the corpus as before there were compiled corpora).
Each second and uncached command is run RUNS times and its median printed.

    python3 bench/compiled_timings.py build/zapt-report CORPUS [COMMAND ARGS...]

The compiled file goes into a cache folder of its own under /tmp, removed at
the end. Without COMMAND: variants --family Back. Peak memory is the maximum
resident set size /usr/bin/time -v reports (only the pages of the mapped file
a command touches count).
"""
import os
import shutil
import statistics
import subprocess
import sys
import tempfile
import time

RUNS = 5


def timed(args, env):
    start = time.perf_counter()
    p = subprocess.run(["/usr/bin/time", "-f", "%e %M"] + args, env=env,
                       stdout=subprocess.DEVNULL, stderr=subprocess.PIPE, text=True)
    if p.returncode != 0:
        sys.exit(f"failed: {' '.join(args)}\n{p.stderr}")
    ms = (time.perf_counter() - start) * 1000
    kb = p.stderr.strip().splitlines()[-1].split()[1]
    return ms, int(kb) / 1024


def main():
    report, corpus = sys.argv[1], sys.argv[2]
    command = sys.argv[3:] or ["variants", "--family", "Back"]
    cache = tempfile.mkdtemp(prefix="zapt_compiled_timings_")
    env = dict(os.environ, XDG_CACHE_HOME=cache)
    base = [report] + command + ["--corpus", corpus]
    try:
        ms, mb = timed(base, env)
        print(f"first (reads and compiles)  {ms:8.0f} ms  {mb:7.0f} MB")
        for label, args in (("second (maps)", base), ("--no-cache (reads)", base + ["--no-cache"])):
            runs = [timed(args, env) for _ in range(RUNS)]
            print(f"{label:27s} {statistics.median(r[0] for r in runs):8.0f} ms  "
                  f"{max(r[1] for r in runs):7.0f} MB  (median of {RUNS}, largest memory)")
    finally:
        shutil.rmtree(cache, ignore_errors=True)


if __name__ == "__main__":
    main()
