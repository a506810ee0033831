#!/usr/bin/env python3
"""The peer of `zapt-report variants`: the same job as a Python user would do
it with collections.Counter, whole process, over a corpus folder
(register.json, corpus.jsonl): for each group (five age bands by two genders,
then the whole corpus) and each form of a variant family, its count and the
group's words, printed as CSV. For timing beside zapt-report; the figures are
not checked here (tests/report/check_report.py checks zapt-report's).

    time python3 bench/peer_variants.py DIR [FAMILY_STEM]
    time build/zapt-report variants --family Back --corpus DIR
"""
import collections
import csv
import json
import os
import re
import sys

HERE = os.path.dirname(os.path.abspath(__file__))
BANDS = [("<18", 0, 17), ("18-25", 18, 25), ("26-40", 26, 40), ("41-60", 41, 60), ("61+", 61, 999)]
MARKS = re.compile(r"[^\w\s']")


def band_of(age):
    try:
        a = int(age)
    except ValueError:
        return None
    for name, lo, hi in BANDS:
        if lo <= a <= hi:
            return name
    return None


def main():
    folder = sys.argv[1]
    stem = sys.argv[2] if len(sys.argv) > 2 else "Back"
    variants = os.path.join(folder, "variants.json")
    if not os.path.exists(variants):
        variants = os.path.join(HERE, "..", "data", "variants.json")
    with open(variants, encoding="utf-8") as f:
        family = next(v for v in json.load(f) if v["stem"].casefold() == stem.casefold())
    with open(os.path.join(folder, "register.json"), encoding="utf-8") as f:
        register = json.load(f)
    group_of = {}
    for a in register:
        group_of.setdefault(a["name"].casefold(), (band_of(a["age"]), a["gender"].upper()))
    counts = collections.defaultdict(collections.Counter)
    with open(os.path.join(folder, "corpus.jsonl"), encoding="utf-8") as f:
        for line in f:
            t = json.loads(line)
            words = MARKS.sub(" ", t["text"]).casefold().split()
            group = group_of.get(t["author"].casefold())
            c = collections.Counter(words)
            counts[("all", "all")].update(c)
            if group and group[0]:
                counts[group].update(c)
    out = csv.writer(sys.stdout)
    out.writerow(["band", "gender", "form", "count", "words"])
    groups = [(b, g) for b, _, _ in BANDS for g in ("F", "M")] + [("all", "all")]
    for g in groups:
        c = counts[g]
        total = sum(c.values())
        for form in family["items"]:
            out.writerow([g[0], g[1], form, c[form.casefold()], total])


if __name__ == "__main__":
    main()
