#!/usr/bin/env python3
"""The peer of the core benchmarks: the same jobs done the way a Python user
would, with collections.Counter, over a corpus folder (register.json,
corpus.jsonl, glossary.json optional: the built-in one otherwise).

    python3 bench/peer_counter.py DIR [--repeat R]

Jobs, each timed (best of R runs, milliseconds):
  build       reading the files, the cleaned corpus text, the Counter of its
              folded words and the texts of every author
  all_groups  the ten group queries: each author's figures and glossary uses,
              the group averages and the group text
  counts      1,000 corpus word counts: the first 1,000 distinct words of the
              cleaned corpus text, looked up in the Counter

The C++ side of each job is in bench/core_scale.cpp (Scale/StartUp,
Scale/AllGroupQueries, Scale/ThousandCorpusCounts).
"""

import argparse
import json
import os
import re
import time
from collections import Counter, defaultdict

HERE = os.path.dirname(os.path.abspath(__file__))
BUILTIN = os.path.join(os.path.dirname(HERE), "data")

CORPUS_MARKS = re.compile(r'[.,?!:;()/\-+="]')
AUTHOR_MARKS = re.compile(r"[.,;:?!()/+\-<>_=]")
GROUP_MARKS = re.compile(r"[.,;:?!()\-]")
COUNTED = set(".,?:;!-()/'\"[]")
BLANKS = re.compile(r" {2,}")
BANDS = [(0, 17), (18, 25), (26, 40), (41, 60), (61, 10**9)]


def clean(text, marks):
    return BLANKS.sub(" ", marks.sub(" ", text))


def build(folder):
    with open(os.path.join(folder, "register.json"), encoding="utf-8") as f:
        register = json.load(f)
    with open(os.path.join(folder, "corpus.jsonl"), encoding="utf-8") as f:
        corpus = [json.loads(line) for line in f if line.strip()]
    gpath = os.path.join(folder, "glossary.json")
    if not os.path.exists(gpath):
        gpath = os.path.join(BUILTIN, "glossary.json")
    with open(gpath, encoding="utf-8") as f:
        forms = {form.lower() for form in json.load(f)["forms"]}
    rows = [t["text"].rstrip(" ") + " " for t in corpus]
    text1 = BLANKS.sub(" ", " ".join(t["text"] for t in corpus) + " ")
    text2 = clean(text1.replace("\r\n", " "), CORPUS_MARKS)
    words = Counter(w.lower() for w in text2.split(" ")[:-1])
    by_name = defaultdict(list)
    for t, row in zip(corpus, rows):
        by_name[t["author"].lower()].append(row)
    return register, forms, text2, words, by_name


def group_query(register, forms, by_name, band, gender):
    lo, hi = band
    group_rows, figures = [], []
    for a in register:
        texts = by_name.get(a["name"].lower(), [])
        if a["gender"].upper() != gender or not texts or not lo <= int(a["age"]) <= hi:
            continue
        joined = "".join(r + " " for r in texts) + " "
        n, words = len(texts), joined.count(" ")
        marks = sum(1 for c in joined if c in COUNTED)
        uses = sum(1 for p in joined.split(" ")[:-1] if p.lower() in forms)
        figures.append((n, (sum(r.count(" ") for r in texts) + n) / n,
                        sum(len(r) for r in texts) / n, len(joined) / words,
                        marks / words, uses / words))
        group_rows.extend(texts)
    m = len(figures) or 1
    averages = [round(sum(f[k] for f in figures) / m, 4) for k in range(1, 6)]
    group_text = clean("".join(r + " " for r in group_rows), GROUP_MARKS)
    return sum(f[0] for f in figures), averages, len(group_text)


def best_ms(job, repeat):
    best = None
    for _ in range(repeat):
        t0 = time.perf_counter()
        job()
        ms = (time.perf_counter() - t0) * 1000
        best = ms if best is None else min(best, ms)
    return best


def main():
    p = argparse.ArgumentParser()
    p.add_argument("folder")
    p.add_argument("--repeat", type=int, default=3)
    args = p.parse_args()

    t0 = time.perf_counter()
    register, forms, text2, words, by_name = build(args.folder)
    build_ms = (time.perf_counter() - t0) * 1000

    def all_groups():
        for band in BANDS:
            for gender in ("F", "M"):
                group_query(register, forms, by_name, band, gender)

    first = list(dict.fromkeys(w for w in text2.split(" ")[:-1]))[:1000]

    def counts():
        return [words[w.lower()] for w in first]

    print(f"folder {args.folder}: {len(by_name)} names, {sum(words.values())} words")
    print(f"build_ms {build_ms:.1f}")
    print(f"all_groups_ms {best_ms(all_groups, args.repeat):.1f}")
    print(f"counts_ms {best_ms(counts, args.repeat):.3f}")


if __name__ == "__main__":
    main()
