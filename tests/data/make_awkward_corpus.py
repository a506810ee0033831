#!/usr/bin/env python3
"""Writes an awkward corpus table and, independently of the C++ reader, what
it must be read as.

awkward_corpus.csv holds texts with emoji (skin tones, ZWJ sequences, flags),
CJK, Arabic, combining accents, sharp s in both cases, the Turkish dotted and
dotless i, "%", CR, LF, CRLF and tabs inside texts, blanks around texts, empty
texts, ages as numbers, ranges and missing or unreadable values, genders in
several spellings, author identifiers in several spellings, and metadata that
changes between an author's texts. It starts with a byte order mark, ends its
lines with CRLF and quotes some rows in full.

awkward_corpus.expected.json is what Python's csv module reads from it, with
the rules of the table reader applied here on their own: the texts in order
with their authors, the register (one author per identifier without regard to
case, in order of first appearance, each value that of most of the author's
texts, codes numbered), the empty texts, unreadable values and the authors
whose values differed.

Deterministic: the same files on every run. With --check it writes nothing and
exits 1 when the files in this folder differ from what it would write.

    python3 tests/data/make_awkward_corpus.py [--check]
"""

import csv
import io
import json
import random
import re
import sys
from pathlib import Path

HERE = Path(__file__).resolve().parent
TABLE = HERE / "awkward_corpus.csv"
EXPECTED = HERE / "awkward_corpus.expected.json"

# Blanks: only characters that both Python's str.isspace() and Unicode's
# White_Space property count as blanks (not U+001C..U+001F, which only Python
# counts).
BLANKS = [" ", "\t", "\u00a0", "\u3000", "\u2003"]

PIECES = [
    "hi", "see you at 8", "ok", "love you x", "where r u?", "lol", "gr8 ;)",
    "\U0001F44D\U0001F3FD",                                    # thumbs up, medium skin tone
    "\U0001F469\u200D\U0001F469\u200D\U0001F467",              # family: woman, woman, girl
    "\U0001F468\U0001F3FF\u200D\U0001F4BB",                    # technologist, dark skin tone
    "\U0001F1EC\U0001F1E7",                                    # flag of the United Kingdom
    "\u2764\ufe0f",                                            # heart with emoji presentation
    "\u4f60\u597d\uff0c\u4e16\u754c",                          # Chinese
    "\u3053\u3093\u306b\u3061\u306f",                          # Japanese
    "\u0645\u0631\u062d\u0628\u0627 \u0628\u0643",             # Arabic
    "cafe\u0301", "n\u0303o", "Z\u0327\u0301",                 # combining accents
    "Stra\u00dfe", "STRA\u1e9eE",                              # sharp s, small and capital
    "\u0130stanbul", "\u0131s\u0131k", "I\u0307",              # Turkish dotted I, dotless i
    "100%", "%", "50 % off", "%s %d %%",
    "a,b", "semi;colon", 'say "cheese"', "'single'",
    "line\nbreak", "carriage\rreturn", "windows\r\nline", "tab\there", "\t",
    "  ", "\u00a0", "  lead", "trail  ",
]

EMPTY_TEXTS = ["", "   ", "\t", "\u00a0", "\r\n", " \u3000 "]

AGES = ["35", " 42 ", "016", "16-20", "21 - 25", "21\u201325", "130"]
MISSING_AGES = ["", "NA", "unknown", "N/A", "-", " na "]
BAD_AGES = ["thirty", "1985", "20-16", "35+", "131"]

GENDERS = {"M": ["M", "m", "Male", "MAN", " male "], "F": ["F", "f", "Female", "woman", "WOMAN"]}
MISSING_GENDERS = ["", "n/a", "Unknown"]
BAD_GENDERS = ["X", "other", "w"]

EDUCATION = ["G", "HS", "U", " U "]
NATIVE = ["E", "Welsh", "T\u00fcrk\u00e7e", "\u4e2d\u6587", "\u0627\u0644\u0639\u0631\u0628\u064a\u0629"]
REGIONS = ["North", "South", "Gda\u0144sk", "\u00c5rhus", "\u5317\u4eac"]

# Identifiers: some in several spellings of one author, some that only look alike.
NAMES = [
    ["Straße", "STRASSE", "strasse ", "STRA\u1e9eE"],
    ["\u0130pek"], ["ipek"],                      # different authors: dotted capital I folds to i + dot
    ["\u0131rmak"], ["Irmak"],                    # dotless i and I are different letters
    ["ann", "Ann", " ANN "],
    ["Zo\u00eb", "ZO\u00cb"],
    ["\u674e\u96f7"], ["\u0645\u062d\u0645\u062f"], ["Jos\u00e9", "JOS\u00c9"],
    ["O'Brien"], ['He said "x"'], ["a,b"], ["tab\tname"],
]


def make_rows(rng):
    authors = [list(n) for n in NAMES] + [[f"user{i:03d}"] for i in range(26)]
    profiles = []
    for _ in authors:
        profiles.append({
            "age": rng.choice(AGES + MISSING_AGES[:1]),
            "gender": rng.choice(["M", "F", ""]),
            "education": rng.choice(EDUCATION),
            "native": rng.choice(NATIVE),
            "region": rng.choice(REGIONS),
        })
    rows = []
    for n in range(420):
        a = rng.randrange(len(authors)) if n >= len(authors) else n
        p = profiles[a]
        name = rng.choice(authors[a])

        def vary(value, others, chance=0.15):
            return rng.choice(others) if rng.random() < chance else value

        age = vary(p["age"], AGES + MISSING_AGES + BAD_AGES)
        g = p["gender"]
        gender = rng.choice(GENDERS[g]) if g else rng.choice(MISSING_GENDERS)
        gender = vary(gender, GENDERS["M"] + GENDERS["F"] + MISSING_GENDERS + BAD_GENDERS, 0.1)
        education = vary(p["education"], EDUCATION + ["NA", ""], 0.1)
        native = vary(p["native"], NATIVE + ["", "unknown"], 0.05)
        region = vary(p["region"], REGIONS + [""], 0.2)
        note = rng.choice(["", "late", "night", "\u00fcber", "n/a"])
        if rng.random() < 0.06:
            text = rng.choice(EMPTY_TEXTS)
        else:
            k = rng.randint(1, 4)
            text = rng.choice(BLANKS[:1] + [""]) + " ".join(rng.choice(PIECES) for _ in range(k))
        if n in (50, 51):
            name = rng.choice(["", "  "])  # a text without an author
        rows.append([name, text, age, gender, education, native, region, note])
    return rows


def write_table(rows):
    out = io.StringIO(newline="")
    out.write("\ufeff")
    header = [" Speaker ", "Message", "AGE", "Sex", "Education", "Native language", "Region", "Notes"]
    minimal = csv.writer(out, lineterminator="\r\n")
    everything = csv.writer(out, lineterminator="\r\n", quoting=csv.QUOTE_ALL)
    minimal.writerow(header)
    for i, row in enumerate(rows):
        (everything if i % 7 == 3 else minimal).writerow(row)
    return out.getvalue().encode("utf-8")


# --- The rules, applied independently of the C++ reader ------------------------

def missing(v):
    return v.strip().lower() in ("", "unknown", "na", "n/a", "-")


def age_of(v):
    """The register's form of an age, or None when unreadable."""
    if missing(v):
        return ""
    v = v.strip()
    if re.fullmatch(r"[0-9]+", v):
        return str(int(v)) if int(v) <= 130 else None
    m = re.fullmatch(r"\s*([0-9]+)\s*[-\u2013]\s*([0-9]+)\s*", v)
    if m:
        lo, hi = int(m.group(1)), int(m.group(2))
        if lo <= hi <= 130:
            return f"{lo}-{hi}"
    return None


def gender_of(v):
    if missing(v):
        return ""
    v = v.strip().lower()
    if v in ("m", "male", "man"):
        return "M"
    if v in ("f", "female", "woman"):
        return "F"
    return None


def free(v):
    return "" if missing(v) else v.strip()


def majority(values):
    counts = {}
    for v in values:
        if v:
            counts[v] = counts.get(v, 0) + 1  # dicts keep the order of first appearance
    if not counts:
        return "", False
    best = max(counts.values())
    return next(v for v, c in counts.items() if c == best), len(counts) > 1


def is_text_field(per_author):
    """A column is a text field when, of the authors with two or more texts
    giving a value, more than half have no value (alike but for case) given by
    more than half of those texts."""
    informative = differing = 0
    for values in per_author:
        given = [v.casefold() for v in values if v]
        if len(given) < 2:
            continue
        informative += 1
        most = max(given.count(v) for v in set(given))
        differing += most * 2 <= len(given)
    return differing * 2 > informative


def expected_reading(table_bytes):
    reader = csv.reader(io.StringIO(table_bytes.decode("utf-8-sig"), newline=""))
    header = [h.strip() for h in next(reader)]
    meta = header[6:]
    texts, order, per_author = [], [], {}
    empty = bad_ages = bad_genders = 0
    for row in reader:
        name, text, age, gender, education, native = row[:6]
        if text.strip() == "":
            empty += 1
            continue
        a, g = age_of(age), gender_of(gender)
        bad_ages += a is None
        bad_genders += g is None
        ident = name.strip()
        if not ident:
            texts.append({"author": "", "text": text, "fields": [free(x) for x in row[6:]]})
            continue
        key = ident.casefold()
        if key not in per_author:
            per_author[key] = {"name": ident, "values": [[] for _ in range(4 + len(meta))]}
            order.append(key)
        entry = per_author[key]
        for k, v in enumerate([a or "", g or "", free(education), free(native)] +
                              [free(x) for x in row[6:]]):
            entry["values"][k].append(v)
        texts.append({"author": entry["name"], "text": text,
                      "fields": [free(x) for x in row[6:]]})
    width = len(str(len(order)))
    # The columns beyond the fields: text fields keep a value per text.
    text_field = [is_text_field([per_author[k]["values"][4 + m] for k in order])
                  for m in range(len(meta))]
    for t in texts:
        t["fields"] = [v for v, is_text in zip(t["fields"], text_field) if is_text]
    fields = ["age", "gender", "education", "native language"] + meta
    kept = [True] * 4 + [not t for t in text_field]
    differing = {f: 0 for f, keep in zip(fields, kept) if keep}
    register = []
    for i, key in enumerate(order):
        entry = per_author[key]
        chosen = []
        for f, values, keep in zip(fields, entry["values"], kept):
            if not keep:
                continue
            v, differs = majority(values)
            chosen.append(v)
            differing[f] += differs
        register.append({"code": str(i + 1).zfill(width), "name": entry["name"],
                         "age": chosen[0], "gender": chosen[1], "education": chosen[2],
                         "nativeLanguage": chosen[3], "metadata": chosen[4:]})
    return {"texts": texts, "register": register,
            "metadataColumns": [c for c, t in zip(meta, text_field) if not t],
            "textColumns": [c for c, t in zip(meta, text_field) if t],
            "emptyTexts": empty, "unreadableAges": bad_ages, "unreadableGenders": bad_genders,
            "differingAuthors": {f: n for f, n in differing.items() if n}}


def main():
    table = write_table(make_rows(random.Random(20240615)))
    expected = (json.dumps(expected_reading(table), ensure_ascii=False, indent=1) + "\n").encode()
    if "--check" in sys.argv[1:]:
        same = TABLE.read_bytes() == table and EXPECTED.read_bytes() == expected
        print("the awkward corpus is up to date" if same else
              "the awkward corpus differs from what make_awkward_corpus.py writes")
        return 0 if same else 1
    TABLE.write_bytes(table)
    EXPECTED.write_bytes(expected)
    return 0


if __name__ == "__main__":
    sys.exit(main())
