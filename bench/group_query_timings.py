#!/usr/bin/env python3
"""Wall time of Get Group Data through the real windows, once the start-up's
second threads are done: zapt-drive is started on a corpus, left 3 s, then
"41 to 60" and Get Group Data are clicked RUNS times; the median and the
fastest are printed, from sending the click to its answer.

    python3 bench/group_query_timings.py build/zapt-drive CORPUS [OPTION...]

e.g. python3 bench/group_query_timings.py build/zapt-drive /tmp/zapt1000 --lexicon british
"""
import json
import os
import statistics
import subprocess
import sys
import time

RUNS = 30


def main():
    drive, corpus = sys.argv[1], sys.argv[2]
    env = dict(os.environ, QT_QPA_PLATFORM="offscreen")
    p = subprocess.Popen([drive, "--corpus", corpus] + sys.argv[3:], stdin=subprocess.PIPE,
                         stdout=subprocess.PIPE, stderr=subprocess.DEVNULL, text=True, env=env)

    def send(cmd):
        t = time.perf_counter()
        p.stdin.write(json.dumps(cmd) + "\n")
        p.stdin.flush()
        answer = json.loads(p.stdout.readline())
        if not answer.get("ok"):
            sys.exit(f"refused: {cmd} {answer}")
        return (time.perf_counter() - t) * 1000

    send(["dump"])
    time.sleep(3)
    times = []
    for _ in range(RUNS):
        send(["click", "opt41To60"])
        times.append(send(["click", "cmdAgeAndGender"]))
    p.stdin.close()
    p.wait()
    print(f"Get Group Data, 41 to 60: median {statistics.median(times):.1f} ms, "
          f"fastest {min(times):.1f} ms ({RUNS} queries)")


if __name__ == "__main__":
    main()
