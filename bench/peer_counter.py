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

  explore_index   each text's pieces (marks blanked, split at blanks), each
                  author's Counter of folded forms (str.casefold)
  wordlist        every form of the corpus with its count, texts and authors,
                  by count descending
  keywords        the forms of the authors aged 11 to 17 against the rest:
                  counts, G2, at least 3 authors on the keyword's side
  concordance_X   the lines of X: up to 3 pieces each side, never more than
                  half of the hit's text

The C++ side of each job is in bench/core_scale.cpp (Scale/StartUp,
Scale/AllGroupQueries, Scale/ThousandCorpusCounts) and bench/explore_bench.cpp
(Explore/...); bench/drive_timings.py times the same events through the
windows.
"""

import argparse
import json
import math
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


def explore_index(register, corpus_rows):
    row_of = {}
    for k, a in enumerate(register):
        row_of.setdefault(a["name"].casefold(), k)
    texts = []  # (author row or -1, pieces)
    per_author = defaultdict(Counter)
    for t in corpus_rows:
        pieces = [p for p in CORPUS_MARKS.sub(" ", t["text"].replace("\t", " ")
                                              .replace("\r", " ").replace("\n", " ")).split(" ") if p]
        k = row_of.get(t["author"].casefold(), -1)
        texts.append((k, pieces))
        per_author[k].update(p.casefold() for p in pieces)
    return texts, per_author


def wordlist(texts, per_author):
    count, authors, in_texts = Counter(), Counter(), Counter()
    for k, c in per_author.items():
        count.update(c)
        if k >= 0:
            authors.update(c.keys())
    for _, pieces in texts:
        in_texts.update(set(p.casefold() for p in pieces))
    return sorted(((f, n, in_texts[f], authors[f]) for f, n in count.items()),
                  key=lambda r: (-r[1], r[0]))


def keywords(register, per_author, young):
    a_count, b_count, a_auth, b_auth = Counter(), Counter(), Counter(), Counter()
    for k, c in per_author.items():
        side_a = k >= 0 and k in young
        (a_count if side_a else b_count).update(c)
        if k >= 0:
            (a_auth if side_a else b_auth).update(c.keys())
    A, B = sum(a_count.values()), sum(b_count.values())
    out = []
    for f in set(a_count) | set(b_count):
        a, b = a_count[f], b_count[f]
        e1, e2 = A * (a + b) / (A + B), B * (a + b) / (A + B)
        g2 = 2 * ((a * math.log(a / e1) if a else 0) + (b * math.log(b / e2) if b else 0))
        side_a = a / A >= b / B
        if (a_auth if side_a else b_auth)[f] >= 3:
            out.append((g2, f))
    return sorted(out, reverse=True)


def concordance(texts, form):
    lines = []
    for k, pieces in texts:
        half = len(pieces) // 2
        for i, p in enumerate(pieces):
            if p.casefold() != form:
                continue
            lo, hi = max(0, i - 3), min(len(pieces), i + 4)
            while hi - lo > half and hi - lo > 0:
                if hi - i - 1 >= i - lo:
                    hi -= 1
                else:
                    lo += 1
            if lo <= i < hi:
                lines.append((k, " ".join(pieces[lo:i]), p, " ".join(pieces[i + 1:hi])))
    return lines


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

    with open(os.path.join(args.folder, "corpus.jsonl"), encoding="utf-8") as f:
        corpus_rows = [json.loads(line) for line in f if line.strip()]
    index = {}

    def build_index():
        index["texts"], index["per_author"] = explore_index(register, corpus_rows)

    print(f"explore_index_ms {best_ms(build_index, 1):.1f}")
    texts, per_author = index["texts"], index["per_author"]
    young = {k for k, a in enumerate(register) if a["age"].isdigit() and 11 <= int(a["age"]) <= 17}
    print(f"wordlist_ms {best_ms(lambda: wordlist(texts, per_author), args.repeat):.1f}")
    print(f"keywords_ms {best_ms(lambda: keywords(register, per_author, young), args.repeat):.1f}")
    for form in ("2moro", "u"):
        ms = best_ms(lambda: concordance(texts, form), args.repeat)
        print(f"concordance_{form}_ms {ms:.1f}")


if __name__ == "__main__":
    main()
