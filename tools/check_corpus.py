#!/usr/bin/env python3
"""Checks the sample corpus against every figure ZAPT quotes about it.

    python3 tools/check_corpus.py

Reads data/register.json, data/corpus.jsonl, data/variants.json and the
glossary forms (data/glossary.json, or ../glossary_rows.tsv when the JSON
file is not there yet), recomputes each figure from the files alone and
exits with status 1, naming every figure that is off.
"""

import json
import os
import re
import sys

ROOT = os.path.dirname(os.path.dirname(os.path.abspath(__file__)))
DATA = os.path.join(ROOT, "data")

failures = []
lines = []


def check(name, got, want):
    ok = got == want
    lines.append(f"{'ok  ' if ok else 'FAIL'} {name}: {got!r}" + ("" if ok else f" (want {want!r})"))
    if not ok:
        failures.append(name)


def check_true(name, cond, detail=""):
    lines.append(f"{'ok  ' if cond else 'FAIL'} {name}" + (f": {detail}" if detail else ""))
    if not cond:
        failures.append(name)


def collapse(s):
    while "  " in s:
        s = s.replace("  ", " ")
    return s


def replace_chars(s, chars):
    return "".join(" " if c in chars else c for c in s)


def count_in(buf, word):
    pieces = buf.split(" ")
    w = word.lower()
    return sum(1 for p in pieces[:-1] if p.lower() == w)


def glossary_forms():
    path = os.path.join(DATA, "glossary.json")
    if os.path.exists(path):
        with open(path, encoding="utf-8") as f:
            data = json.load(f)
        if isinstance(data, dict):
            for key in ("entries", "glossary", "forms", "items"):
                if key in data:
                    data = data[key]
                    break
        forms = []
        for item in data:
            if isinstance(item, str):
                forms.append(item)
            elif isinstance(item, dict):
                for key in ("form", "word", "Form", "text"):
                    if key in item:
                        forms.append(item[key])
                        break
        if forms:
            return forms, "data/glossary.json"
    forms = []
    with open(os.path.join(os.path.dirname(ROOT), "glossary_rows.tsv"), encoding="utf-8") as f:
        for line in f:
            cols = line.rstrip("\n").split("\t")
            if len(cols) > 1:
                forms.append(cols[1])
    return forms, "glossary_rows.tsv"


def age_band(age):
    if age < 18:
        return "under 18"
    if age <= 25:
        return "18 to 25"
    if age <= 40:
        return "26 to 40"
    if age <= 60:
        return "41 to 60"
    return "61+"


BANDS = ["under 18", "18 to 25", "26 to 40", "41 to 60", "61+"]


def main():
    with open(os.path.join(DATA, "register.json"), encoding="utf-8") as f:
        register = json.load(f)
    texts, authors = [], []
    with open(os.path.join(DATA, "corpus.jsonl"), encoding="utf-8") as f:
        raw = f.read()
    for line in raw.split("\n"):
        if line == "":
            continue
        obj = json.loads(line)
        texts.append(obj["text"])
        authors.append(obj["author"])
    with open(os.path.join(DATA, "variants.json"), encoding="utf-8") as f:
        families = {fam["stem"]: fam["items"] for fam in json.load(f)}
    forms, forms_from = glossary_forms()

    # ---------------- corpus
    check("number of texts", len(texts), 977)
    check_true("every text 1 to 441 characters", all(1 <= len(t) <= 441 for t in texts),
               f"shortest {min(map(len, texts))}, longest {max(map(len, texts))}")
    check_true("no line break, tab or %", not any(c in t for t in texts for c in "\r\n\t%"))
    bad = []
    for i, t in enumerate(texts):
        try:
            t.encode("cp1252")
        except UnicodeEncodeError:
            bad.append(i)
    check_true("all text in Windows-1252", not bad, f"{len(bad)} texts outside" if bad else "")
    trailing = [len(t) - len(t.rstrip(" ")) for t in texts]
    check("texts ending with one or two blanks", sum(1 for n in trailing if n in (1, 2)), 104)
    check("texts ending with three or more blanks", sum(1 for n in trailing if n >= 3), 0)
    # No window may show a writer's name: no text holds one as a word, in the
    # register's spelling or in the one a text's author field uses.
    names = {r["name"].lower() for r in register} | {a.lower() for a in authors}
    named = sorted({w for t in texts for w in re.findall(r"[a-z0-9']+", t.lower())
                    if w in names})
    check_true("no text holds a writer's name as a word", not named, ", ".join(named))
    leading = [i for i, t in enumerate(texts) if t.startswith(" ")]
    check("texts starting with a blank", len(leading), 1)
    check_true("text 0 does not start with a blank", not texts[0].startswith(" "))
    inner = [t.rstrip(" ") for t in texts]
    check("texts with two adjacent blanks inside", sum(1 for t in inner if "  " in t), 39)
    check("texts with three blanks in a row", sum(1 for t in texts if "   " in t), 0)

    # ---------------- register
    check("register rows", len(register), 81)
    codes = [r["code"] for r in register]
    want_codes = ["060"] + [f"{i:03d}" for i in range(1, 83) if i not in (60, 62)]
    check_true("register codes 060 first, then 001-082 ascending without 062", codes == want_codes)
    check_true("register values are strings",
               all(isinstance(v, str) for r in register for v in r.values()))
    check_true("register fields", all(set(r) == {"code", "name", "age", "gender", "education",
                                                 "nativeLanguage"} for r in register))
    names = [r["name"] for r in register]
    check("distinct register names", len(set(names)), 81)
    check("distinct register names ignoring case", len({n.lower() for n in names}), 81)
    genders = [r["gender"] for r in register]
    check("female / male", (genders.count("F"), genders.count("M")), (51, 30))
    edu = [r["education"] for r in register]
    check("education G / HS / U", (edu.count("G"), edu.count("HS"), edu.count("U")), (25, 26, 30))
    nl = [r["nativeLanguage"] for r in register]
    check("native language E / C / Cr", (nl.count("E"), nl.count("C"), nl.count("Cr")), (79, 1, 1))
    ages = [int(r["age"]) for r in register]
    check_true("ages are whole numbers", all(re.fullmatch(r"\d+", r["age"]) for r in register))
    check("youngest / oldest", (min(ages), max(ages)), (11, 70))
    check("distinct ages", len(set(ages)), 32)

    all_by_band = {b: [0, 0] for b in BANDS}
    for r in register:
        all_by_band[age_band(int(r["age"]))][0 if r["gender"] == "F" else 1] += 1
    check("all authors by band (F, M)", [tuple(all_by_band[b]) for b in BANDS],
          [(5, 4), (7, 5), (19, 10), (17, 10), (3, 1)])

    # ---------------- who wrote what
    reg_lower = {n.lower(): n for n in names}
    exact = sum(1 for a in authors if a in names)
    any_case = sum(1 for a in authors if a.lower() in reg_lower)
    check("texts whose author is a register name (ignoring case)", any_case, 950)
    check("  of which written exactly as registered", exact, 922)
    check("  of which differing only in case", any_case - exact, 28)
    check("texts by names not in the register", len(texts) - any_case, 27)

    per_author = {n: [] for n in names}
    for t, a in zip(texts, authors):
        if a.lower() in reg_lower:
            per_author[reg_lower[a.lower()]].append(t)
    counts = {n: len(v) for n, v in per_author.items()}
    with_texts = [n for n in names if counts[n] > 0]
    check("register authors with texts / without", (len(with_texts), 81 - len(with_texts)), (53, 28))
    check("texts by register authors", sum(counts.values()), 950)
    top = max(names, key=lambda n: counts[n])
    check("most texts by one author", counts[top], 104)
    check("authors with that many texts", sum(1 for n in names if counts[n] == counts[top]), 1)
    rows = [t.rstrip(" ") + " " for t in per_author[top]]
    sc = sum(len(x) for x in rows)
    w = "".join(x + " " for x in rows).count(" ") + 1
    check(f"Sc of the top author ({top})", sc, 8808)
    check(f"W of the top author ({top})", w, 2416)

    first = register[0]
    check_true("060 is male, under 18, with one text",
               first["gender"] == "M" and int(first["age"]) < 18 and counts[first["name"]] == 1,
               f"{first['name']}: {first['gender']}, {first['age']}, {counts[first['name']]} text(s)")

    with_by_band = {b: [0, 0] for b in BANDS}
    texts_by_group = {}
    for r in register:
        b = age_band(int(r["age"]))
        g = r["gender"]
        if counts[r["name"]] > 0:
            with_by_band[b][0 if g == "F" else 1] += 1
        texts_by_group[(b, g)] = texts_by_group.get((b, g), 0) + counts[r["name"]]
    check("authors with texts by band (F, M)", [tuple(with_by_band[b]) for b in BANDS],
          [(3, 3), (6, 4), (11, 6), (10, 6), (3, 1)])
    check("texts by 41 to 60 female", texts_by_group[("41 to 60", "F")], 234)
    best = max(texts_by_group.values())
    check_true("41 to 60 female is the largest group",
               texts_by_group[("41 to 60", "F")] == best
               and sum(1 for v in texts_by_group.values() if v == best) == 1,
               ", ".join(f"{b} {g}: {v}" for (b, g), v in sorted(texts_by_group.items())))

    # ---------------- T1 and T2
    t1 = collapse("".join(t + " " for t in texts))
    check("length of T1", len(t1), 66784)
    t2 = collapse(replace_chars(t1, set('.,?!:;()/-+="')))
    check("length of T2", len(t2), 65346)
    check("blanks in T2", t2.count(" "), 14800)
    check_true("T2 does not begin with a blank", not t2.startswith(" "))
    first_word = t2.split(" ")[0]
    check_true("T2 does not begin with a glossary form",
               first_word.lower() not in {f.lower() for f in forms},
               f"first word {first_word!r}, {len(forms)} forms from {forms_from}")

    author_punct = set(".,;:?!()/+-<>_=")

    def author_text(name):
        buf = "".join(t.rstrip(" ") + " " + " " for t in per_author[name])
        return collapse(replace_chars(buf, author_punct))

    author_bufs = {n: author_text(n) for n in with_texts}
    banned = ["texin", "texn", "txtn", "textn"]
    hits = sum(count_in(t2, b) for b in banned) + sum(count_in(buf, b) for buf in author_bufs.values() for b in banned)
    check("words texin / texn / txtn / textn", hits, 0)

    # ---------------- facts about word forms
    you = families["You"]
    back = families["Back"]
    five = [n for n in with_texts if sum(1 for v in you if count_in(author_bufs[n], v) >= 1) >= 5]
    check_true("an author writes 'you' five different ways", bool(five), ", ".join(five))
    u_total = count_in(t2, "u")
    shares = {n: count_in(author_bufs[n], "u") / u_total for n in with_texts} if u_total else {}
    lead = max(shares, key=shares.get) if shares else None
    runners = sorted(shares.values(), reverse=True)
    check_true("one author has 17-20 per cent of 'u', more than anyone else",
               lead is not None and 0.17 <= shares[lead] <= 0.20 and runners[1] < runners[0],
               f"{lead}: {count_in(author_bufs[lead], 'u')} of {u_total} = {shares[lead]:.3f}; next {runners[1]:.3f}"
               if lead else "no 'u' at all")
    three = [n for n in with_texts if sum(1 for v in back if count_in(author_bufs[n], v) >= 1) >= 3]
    pair = any(a != b for a in five for b in three)
    check_true("another author writes 'back' three different ways", pair, ", ".join(three))

    # ---------------- information only
    gl = {f.lower() for f in forms}
    pieces = t2.split(" ")[:-1]
    used = {p.lower() for p in pieces} & gl
    long_dups = {}
    for t in texts:
        k = t.strip(" ")
        if len(k) > 15:
            long_dups[k] = long_dups.get(k, 0) + 1
    repeats = sum(1 for v in long_dups.values() if v > 1)

    for line in lines:
        print(line)
    print(f"info: {len(used)} of {len(gl)} glossary forms occur in the texts; "
          f"{sum(1 for p in pieces if p.lower() in gl)} glossary-form words in all")
    print(f"info: mean text length {sum(map(len, texts)) / len(texts):.1f}, "
          f"mean word length in T2 {(len(t2) - t2.count(' ')) / t2.count(' '):.2f}; "
          f"repeated texts over 15 characters: {repeats}")
    if failures:
        print(f"\n{len(failures)} figure(s) off: " + "; ".join(failures))
        sys.exit(1)
    print("\nall figures hold")


if __name__ == "__main__":
    main()
