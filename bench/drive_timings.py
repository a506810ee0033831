#!/usr/bin/env python3
"""Wall time of user events through the real windows, as zapt-drive plays them:
from sending a command to its answer (the event, its effects and the windows
showing the new state).

    python3 bench/drive_timings.py build/zapt-drive [CORPUS_DIR [OPTION...]]

Without CORPUS_DIR the built-in corpus; OPTIONs follow it on the command line
(e.g. --lexicon british, for the rounds that choose a variant family). The first line is the start-up (until
the first answer); each round of events is played three times and each
event's median printed.
"""
import json
import os
import statistics
import subprocess
import sys
import time

# Rounds of events; each round is played three times.
ROUNDS = [
    [["click", "opt41To60"], ["click", "cmdAgeAndGender"]],
    [["press", "AgeTable", 0], ["click", "cmdAuthorData"]],
    [["press", "lstBack", 1]],
    [["type", "txtSearch", "u"], ["key", "txtSearch", "Enter"]],
    [["press", "lstNonStandardForms", 10], ["click", "cmdColls"]],
    [["click", "cmdPuncCount"], ["click", "cmdClusterPunctuation"]],
    [["click", "cmdGetCorpusData"]],
    [["click", "Form1.cmdCompareGroups"], ["select", "cboFamily", 5],
     ["select", "tabResults", 1], ["close", "Form12"]],
    # The Explore window: opening it, a word list of the corpus and of a
    # pattern, a subcorpus, its keywords, a concordance of a rare and of the
    # commonest form.
    [["click", "Form1.cmdExplore"], ["select", "tabExplore", 1], ["type", "txtPattern", ""],
     ["click", "cmdWordList"], ["type", "txtPattern", "2*"], ["click", "cmdWordList"],
     ["select", "tabExplore", 0], ["type", "txtSubcorpusName", "young"],
     ["type", "txtConditions", "age=11-17"], ["click", "cmdDefine"],
     ["select", "tabExplore", 2], ["select", "cboKeywordsA", 1], ["click", "cmdKeywords"],
     ["select", "tabExplore", 3], ["type", "txtQuery", "2moro"], ["click", "cmdConcordance"],
     ["type", "txtQuery", "u"], ["click", "cmdConcordance"], ["close", "FormExplore"]],
]


def main():
    drive = sys.argv[1]
    args = [drive] + (["--corpus", sys.argv[2]] + sys.argv[3:] if len(sys.argv) > 2 else [])
    env = dict(os.environ, QT_QPA_PLATFORM="offscreen")
    p = subprocess.Popen(args, stdin=subprocess.PIPE, stdout=subprocess.PIPE,
                         stderr=subprocess.DEVNULL, text=True, env=env)

    def send(cmd):
        t = time.perf_counter()
        p.stdin.write(json.dumps(cmd) + "\n")
        p.stdin.flush()
        answer = json.loads(p.stdout.readline())
        return (time.perf_counter() - t) * 1000, answer

    ms, _ = send(["dump"])
    print(f"start-up until the first answer: {ms:.0f} ms")
    for events in ROUNDS:
        times = [[] for _ in events]
        for _ in range(3):
            for i, event in enumerate(events):
                ms, answer = send(event)
                if not answer.get("ok"):
                    print("refused:", event, answer)
                times[i].append(ms)
        for event, t in zip(events, times):
            print(f"{json.dumps(event):45s} {statistics.median(t):8.1f} ms")
    p.stdin.close()
    p.wait()


if __name__ == "__main__":
    main()
