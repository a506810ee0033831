#!/usr/bin/env python3
"""Measures how much the sample corpus reads like real texting.

    python3 tools/measure_corpus.py [--list]

Reads data/corpus.jsonl only and prints:
  - near-twins across writers: texts of 5+ words for which another writer has
    a text with the same word set to 60 % or more (Jaccard index of the two
    sets of word forms);
  - texts holding a five-word sequence that three or more writers share;
  - distinct word forms and words in all;
  - the share of texts by length in words (1, 2-3, 4-7, 8-15, 16-30, 31+);
  - per age band and gender (register authors only): starting capital, full
    stop, "..." trail, kisses, laughter and emoticons per text.

Words are runs of letters, digits, apostrophes, "&", "@" and "£", lower-cased.
A writer is the author name as typed, compared without regard to case.
With --list the near-twin pairs and the most shared five-word sequences are
printed as well.  Exits with status 1 when a target is missed.
"""

import json
import os
import re
import sys
from collections import defaultdict

ROOT = os.path.dirname(os.path.dirname(os.path.abspath(__file__)))
DATA = os.path.join(ROOT, "data")

WORD = re.compile(r"[A-Za-z0-9'’&@£\u00c0-\u00ff]+")

TARGETS = {"near_twins": 0.03, "shared5": 0.10, "forms": 2200, "len4to7": 0.12}


def words(text):
    return [w.lower() for w in WORD.findall(text)]


# The age bands of the program, as the figure checker states them.
sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
from check_corpus import age_band as band  # noqa: E402


def main():
    show = "--list" in sys.argv
    rows = []
    with open(os.path.join(DATA, "corpus.jsonl"), encoding="utf-8") as f:
        for line in f:
            if line.strip():
                rows.append(json.loads(line))
    with open(os.path.join(DATA, "register.json"), encoding="utf-8") as f:
        register = {r["name"].lower(): r for r in json.load(f)}
    texts = [r["text"] for r in rows]
    writers = [r["author"].lower() for r in rows]
    ws = [words(t) for t in texts]
    n = len(texts)

    # near-twins across writers
    sets = [set(w) for w in ws]
    twins = set()
    pairs = []
    long_idx = [i for i in range(n) if len(ws[i]) >= 5]
    for i in long_idx:
        for j in long_idx:
            if j <= i or writers[j] == writers[i]:
                continue
            s, t = sets[i], sets[j]
            if len(s) > 2.5 * len(t) or len(t) > 2.5 * len(s):
                continue
            if len(s & t) / len(s | t) >= 0.6:
                twins.add(i)
                twins.add(j)
                pairs.append((i, j))

    # five-word sequences shared by three or more writers
    gram_writers = defaultdict(set)
    grams_of = []
    for i, w in enumerate(ws):
        g = {tuple(w[k:k + 5]) for k in range(len(w) - 4)}
        grams_of.append(g)
        for x in g:
            gram_writers[x].add(writers[i])
    shared = {g for g, s in gram_writers.items() if len(s) >= 3}
    shared_texts = [i for i in range(n) if grams_of[i] & shared]

    total_words = sum(len(w) for w in ws)
    forms = {x for w in ws for x in w}
    lens = [len(w) for w in ws]
    buckets = [("1", 1, 1), ("2-3", 2, 3), ("4-7", 4, 7), ("8-15", 8, 15), ("16-30", 16, 30),
               ("31+", 31, 10 ** 6)]

    r_twins = len(twins) / n
    r_shared = len(shared_texts) / n
    r_47 = sum(1 for x in lens if 4 <= x <= 7) / n
    print(f"texts: {n}, words: {total_words}, distinct word forms: {len(forms)}")
    print(f"near-twins across writers (Jaccard >= 0.6, 5+ words): {len(twins)} texts = {100 * r_twins:.1f} %")
    print(f"texts holding a five-word sequence shared by 3+ writers: {len(shared_texts)} = "
          f"{100 * r_shared:.1f} % ({len(shared)} such sequences)")
    print("texts by words: " + ", ".join(
        f"{name} {100 * sum(1 for x in lens if lo <= x <= hi) / n:.1f} %" for name, lo, hi in buckets))

    # habits by group
    groups = defaultdict(list)
    for t, a in zip(texts, writers):
        r = register.get(a)
        if r:
            groups[(band(int(r["age"])), r["gender"])].append(t)
    print("\nhabits per text by group (register authors):")
    print(f"{'group':<14}{'texts':>6}{'Cap':>6}{'stop':>6}{'...':>6}{'kiss':>6}{'xx+':>6}{'laugh':>6}{'emot':>6}")
    for b in ["under 18", "18 to 25", "26 to 40", "41 to 60", "61+"]:
        for g in "FM":
            ts = groups.get((b, g), [])
            if not ts:
                continue
            k = len(ts)
            cap = sum(1 for t in ts if t.strip()[:1].isupper()) / k
            stop = sum(1 for t in ts if re.search(r"[A-Za-z]\.(\s|$)", t)) / k
            trail = sum(1 for t in ts if ".." in t) / k
            kiss = sum(1 for t in ts if re.search(r"(^|\s)[xX]+\s*$", t)) / k
            kiss2 = sum(1 for t in ts if re.search(r"(^|\s)[xX]{2,}\s*$", t)) / k
            laugh = sum(1 for t in ts if re.search(r"\b(lol|haha\w*|hehe\w*|ha)\b", t, re.I)) / k
            emot = sum(1 for t in ts if re.search(r"[:;]-?[()DPp]", t)) / k
            print(f"{b + ' ' + g:<14}{k:>6}{cap:>6.2f}{stop:>6.2f}{trail:>6.2f}{kiss:>6.2f}{kiss2:>6.2f}"
                  f"{laugh:>6.2f}{emot:>6.2f}")

    if show:
        print("\nnear-twin pairs:")
        for i, j in pairs[:60]:
            print(f"  {i} / {j}: {texts[i]!r} | {texts[j]!r}")
        print("\nshared five-word sequences (writers):")
        for g in sorted(shared, key=lambda g: -len(gram_writers[g]))[:60]:
            print(f"  {len(gram_writers[g])}: {' '.join(g)}")

    missed = []
    if r_twins > TARGETS["near_twins"]:
        missed.append("near-twins")
    if r_shared > TARGETS["shared5"]:
        missed.append("shared five-word sequences")
    if len(forms) < TARGETS["forms"]:
        missed.append("distinct word forms")
    if r_47 < TARGETS["len4to7"]:
        missed.append("texts of 4-7 words")
    if missed:
        print("\ntargets missed: " + ", ".join(missed))
        sys.exit(1)
    print("\nall targets met")


if __name__ == "__main__":
    main()
