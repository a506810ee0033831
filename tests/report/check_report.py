#!/usr/bin/env python3
"""Checks zapt-report against figures recomputed here from the data files.

Usage: check_report.py ZAPT_REPORT DATA_DIR

Everything is worked out again from register.json, corpus.jsonl and
variants.json with the program's rules written out plainly: the groups,
the group texts and the cleaned corpus text, the counting rule, the rates and
shares, the authors who use a form, and the six figures of the group panel.
Then the same is done for a small corpus written into a temporary folder and
read with --corpus, and the command line's errors are tried.
"""
import csv
import io
import math
import regex
import json
import os
import subprocess
import sys
import tempfile
from decimal import Decimal, ROUND_HALF_EVEN

BANDS = [("<18", lambda a: a < 18), ("18 to 25", lambda a: 17 < a < 26),
         ("26 to 40", lambda a: 25 < a < 41), ("41 to 60", lambda a: 40 < a < 61),
         ("61+", lambda a: a > 60)]
GROUP_MARKS = ".,;:?!()-"
CORPUS_MARKS = ".,?!:;()/-+=\""
PUNCTUATION = ".,?:;!-()/'\"[]"
failures = []


def check(cond, what):
    if not cond:
        failures.append(what)


def fold(s):
    """Full Unicode case folding."""
    return s.casefold()


def chars(s):
    """Characters as a reader sees them: extended grapheme clusters."""
    return len(regex.findall(r"\X", s))


def as_blanks(text):
    """Tabs and line breaks read as blanks (a CR/LF pair as one)."""
    return text.replace("\r\n", " ").replace("\r", " ").replace("\n", " ").replace("\t", " ")


def clean(text, marks, crlf=False):
    if crlf:
        text = text.replace("\r\n", " ")
    for m in marks:
        text = text.replace(m, " ")
    while "  " in text:
        text = text.replace("  ", " ")
    return text


def pieces(buffer):
    """The examined pieces: all but the one after the final blank."""
    return buffer.split(" ")[:-1] if buffer else []


def count(buffer, word):
    w = fold(word)
    return sum(1 for p in pieces(buffer) if fold(p) == w)


def load(data_dir, builtin_dir):
    def path(name):
        p = os.path.join(data_dir, name)
        return p if os.path.exists(p) else os.path.join(builtin_dir, name)
    with open(path("register.json"), encoding="utf-8") as f:
        register = json.load(f)
    with open(path("corpus.jsonl"), encoding="utf-8") as f:
        corpus = [json.loads(line) for line in f if line.strip()]
    with open(path("variants.json"), encoding="utf-8") as f:
        variants = json.load(f)
    with open(path("glossary.json"), encoding="utf-8") as f:
        glossary = json.load(f)
    return register, corpus, variants, glossary


def texts_of(name, corpus):
    return [as_blanks(r["text"]) for r in corpus if fold(r["author"]) == fold(name)]


def age_span(text):
    """A register age: (lo, hi) for a number or a range "A-B"; None when not known."""
    text = text.strip()
    if "-" in text[1:]:
        lo, hi = text.split("-", 1)
        return float(lo), float(hi)
    try:
        return float(text), float(text)
    except ValueError:
        return None


def in_band(test, age):
    span = age_span(age)
    return span is not None and test(span[0]) and test(span[1])


def groups(register, corpus):
    """(band, gender) -> the register rows of the group, in register order."""
    out = {}
    for label, test in BANDS:
        for g in ("F", "M"):
            out[(label, g)] = [a for a in register
                               if fold(a["gender"]) == fold(g) and texts_of(a["name"], corpus)
                               and in_band(test, a["age"])]
    return out


def stored_row(text):
    return text.rstrip(" ") + " "


def group_text(members, corpus):
    joined = "".join(stored_row(t) + " " for a in members for t in texts_of(a["name"], corpus))
    return clean(joined, GROUP_MARKS)


def corpus_text(texts):
    text1 = clean("".join(t + " " for t in texts), "")
    return clean(text1, CORPUS_MARKS, crlf=True)


def distinct(items):
    out = []
    for i in items:
        if i and fold(i) not in map(fold, out):
            out.append(i)
    return out


def fixed4(x):
    return "%.4f" % x


def expected_variants(family, register, corpus):
    forms = distinct(family["items"])
    rows = {}
    all_texts = [as_blanks(r["text"]) for r in corpus]
    with_texts = [a for a in register if texts_of(a["name"], corpus)]
    blocks = [((b, g), members, group_text(members, corpus),
               {a["code"]: group_text([a], corpus) for a in members})
              for (b, g), members in groups(register, corpus).items()]
    blocks.append((("all", "all"), with_texts, corpus_text(all_texts),
                   {a["code"]: corpus_text(texts_of(a["name"], corpus)) for a in with_texts}))
    for (b, g), members, text, own in blocks:
        words = len(pieces(text))
        counts = {f: count(text, f) for f in forms}
        total = sum(counts.values())
        for f in forms:
            using = sum(1 for a in members if count(own[a["code"]], f) > 0)
            rows[(b, g, f)] = [str(counts[f]), str(words),
                               fixed4(counts[f] * 10000 / words) if words else "",
                               fixed4(counts[f] / total) if total else "",
                               str(using), str(len(members))]
    return rows


def run(report, *args):
    p = subprocess.run([report, *args], capture_output=True, text=True, encoding="utf-8")
    return p.returncode, p.stdout, p.stderr


def table(output, delimiter=","):
    lines = [l for l in output.splitlines(keepends=True) if not l.startswith("#")]
    return list(csv.reader(io.StringIO("".join(lines)), delimiter=delimiter))


def check_variants(report, families, register, corpus, extra=()):
    header = "band,gender,form,count,words,per_10k,share,authors_using,authors".split(",")
    for family in families:
        for name in (family["list"], family["stem"].upper()):
            rc, out, err = run(report, "variants", "--family", name, *extra)
            check(rc == 0, "variants --family %s: exit %d %s" % (name, rc, err))
            rows = table(out)
            check(rows and rows[0] == header, "variants %s: header %r" % (name, rows[:1]))
            got = {(r[0], r[1], r[2]): r[3:] for r in rows[1:]}
            want = expected_variants(family, register, corpus)
            check(len(rows) - 1 == len(want), "variants %s: %d rows, want %d"
                  % (name, len(rows) - 1, len(want)))
            for key, value in want.items():
                check(got.get(key) == value, "variants %s %s: got %s want %s"
                      % (name, key, got.get(key), value))


# ---- The six figures of the group panel ----

def dec4(x):
    return Decimal(repr(float(x))).quantize(Decimal("0.0001"), rounding=ROUND_HALF_EVEN)


def show4(x):
    s = format(dec4(x), "f")
    if "." in s:
        s = s.rstrip("0").rstrip(".")
    return "0" if s in ("-0", "") else s


def show_full(x):
    s = "%.15g" % x
    return s


def author_values(texts, forms):
    rows = [stored_row(t) for t in texts]
    joined = "".join(r + " " for r in rows) + " "
    n = len(rows)
    P = sum(joined.count(m) for m in PUNCTUATION)
    W = joined.count(" ")
    uses = sum(1 for p in pieces(joined) if fold(p) in forms)
    return [str(n),
            show4((sum(r.count(" ") for r in rows) + n) / n),
            show4(sum(chars(r) for r in rows) / n),
            show_full(chars(joined) / W),
            show4(P / W),
            show4(uses / W)]


def check_metrics(report, register, corpus, glossary, extra=()):
    forms = {fold(f) for f in glossary["forms"]}
    rc, out, err = run(report, "metrics", *extra)
    check(rc == 0, "metrics: exit %d %s" % (rc, err))
    rows = table(out)
    header = rows[0]
    check(header[:9] == ["band", "gender", "authors", "texts", "av_text_length", "av_characters",
                         "av_word_cluster_length", "av_punctuation_density",
                         "non_standard_density"], "metrics header %r" % header)
    got = {(r[0], r[1]): r[2:] for r in rows[1:]}
    check(len(got) == 10, "metrics: %d rows" % len(got))
    for key, members in groups(register, corpus).items():
        per_author = [author_values(texts_of(a["name"], corpus), forms) for a in members]
        m = len(members)
        sums = ["0"] * 6
        for values in per_author:
            sums = [show_full(float(s) + float(v)) for s, v in zip(sums, values)]
        panel = [sums[0]] + [show4(float(s) / m) if m else "0" for s in sums[1:]]
        spread = []
        for k in range(6):
            if m < 3:
                spread += ["", ""]
            else:
                vals = [v[k] for v in per_author]
                spread += [min(vals, key=float), max(vals, key=float)]
        want = [str(m)] + panel + spread
        check(got.get(key) == want, "metrics %s: got %s want %s" % (key, got.get(key), want))


# ---- A small corpus of awkward cases, read with --corpus ----

SMALL_REGISTER = [
    {"code": "060", "name": "Ann", "age": "30", "gender": "F", "education": "U",
     "nativeLanguage": "E"},
    {"code": "001", "name": "Bo", "age": "40", "gender": "f", "education": "G",
     "nativeLanguage": "E"},
    {"code": "002", "name": "Cy", "age": "26", "gender": "F", "education": "HS",
     "nativeLanguage": "E"},
    {"code": "003", "name": "Dan", "age": "17", "gender": "M", "education": "G",
     "nativeLanguage": "E"},
    {"code": "004", "name": "Eve", "age": "65", "gender": "F", "education": "G",
     "nativeLanguage": "E"},
]
SMALL_CORPUS = [
    ("Ann", "bk soon, back at 5"), ("ANN", "BK!  u  there?"), ("Bo", "   back/bk"),
    ("Cy", "?"), ("Cy", "bak back bck-bk"), ("Dan", "bk bk (bk) u"), ("Zed", "bk u"),
    ("Cy", "c u 2moz; wot? \"back\""),
]


def write_folder(d, register, corpus, glossary=None):
    """A corpus folder: register.json, corpus.jsonl and, when given, glossary.json."""
    with open(os.path.join(d, "register.json"), "w", encoding="utf-8") as f:
        json.dump(register, f, ensure_ascii=False)
    with open(os.path.join(d, "corpus.jsonl"), "w", encoding="utf-8") as f:
        for author, text in corpus:
            f.write(json.dumps({"author": author, "text": text}, ensure_ascii=False) + "\n")
    if glossary is not None:
        with open(os.path.join(d, "glossary.json"), "w", encoding="utf-8") as f:
            json.dump(glossary, f, ensure_ascii=False)


def check_small_corpus(report, builtin_dir):
    with tempfile.TemporaryDirectory() as d:
        write_folder(d, SMALL_REGISTER, SMALL_CORPUS)
        register, corpus, variants, glossary = load(d, builtin_dir)
        # A folder without a glossary and families of its own has none until
        # the user chooses the built-in British ones (--lexicon british).
        british = ("--corpus", d, "--lexicon", "british")
        check_variants(report, [v for v in variants if v["stem"] in ("Back", "You", "Tomorrow")],
                       register, corpus, british)
        check_metrics(report, register, corpus, glossary, british)
        check_metrics(report, register, corpus, {"forms": []}, ("--corpus", d))
        rc, out, err = run(report, "variants", "--family", "Back", *british)
        check("# corpus: folder %s, %d texts" % (d, len(SMALL_CORPUS)) in out,
              "small corpus: preamble names the folder")
        check("# glossary: built-in (British English, %d forms)" % len(glossary["forms"]) in out,
              "small corpus: the header names the British lists chosen")
        rc, out, err = run(report, "variants", "--family", "Back", "--corpus", d)
        check(rc == 2 and "unknown family" in err,
              "small corpus without families: exit %d %r" % (rc, err[:200]))
        rc, out, err = run(report, "metrics", "--corpus", d)
        check("# glossary: none" in out and "# variant families: none" in out,
              "small corpus: the header says it has no glossary and no families")
        rc, out, err = run(report, "variants", "--family", "Back", "--corpus",
                           os.path.join(d, "missing"))
        check(rc == 2 and "zapt-report:" in err, "missing corpus folder: exit %d" % rc)


# ---- A corpus of any script, read with --corpus ----

AWKWARD_REGISTER = [
    {"code": "101", "name": "Zo\u00eb", "age": "30", "gender": "F", "education": "U",
     "nativeLanguage": "E"},
    {"code": "102", "name": "\u674e\u534e", "age": "35", "gender": "F", "education": "U",
     "nativeLanguage": "C"},
    {"code": "103", "name": "Ay\u015fe", "age": "22", "gender": "F", "education": "HS",
     "nativeLanguage": "T"},
    {"code": "104", "name": "Omar", "age": "50", "gender": "M", "education": "G",
     "nativeLanguage": "A"},
]
AWKWARD_CORPUS = [
    ("Zo\u00eb", "\U0001F44D\U0001F3FD ok, c u at 5 \U0001F468\u200d\U0001F469\u200d\U0001F467!"),
    ("ZO\u00cb", "50% off at the caf\u00e9 \u2013 cafe\u0301 too?\r\nSTRASSE or Stra\u00dfe"),
    ("Zo\u00eb", "tab\there\nand a line, \u00a35 \U0001F1EC\U0001F1E7 gr8"),
    ("\u674e\u534e", "\u4f60\u597d\uff01\u660e\u5929\u89c1 u 2moro \u4e2d\u6587"),
    ("\u674e\u534e", "\u4e2d\u6587 and \u1e9e \u00df ss u"),
    ("Ay\u015fe", "\u0130stanbul i\u0307stanbul ISTANBUL \u0131stanbul, bk soon"),
    ("Ay\u015fe", "\u201cbk\u201d (back) \U0001F602\U0001F602\U0001F602 100%"),
    ("Omar", "\u0645\u0631\u062d\u0628\u0627 u ok? \u0645\u0631\u062d\u0628\u0627."),
    ("Omar", "\u062a\u0645\u0627\u0645 \U0001F44D\U0001F3FF\tbk"),
]
AWKWARD_GLOSSARY = {"forms": ["u", "bk", "gr8", "2moro", "STRASSE", "\u4e2d\u6587",
                              "\u0130stanbul", "\U0001F602"],
                    "interpretations": ["you", "back", "great", "tomorrow", "street", "Chinese",
                                        "Istanbul", "laughing"]}
AWKWARD_FORMS = ["stra\u00dfe", "\u1e9e", "\U0001F44D\U0001F3FD", "\u4e2d\u6587", "ISTANBUL",
                 "i\u0307stanbul", "\u0645\u0631\u062d\u0628\u0627", "100%", "cafe\u0301", "CAF\u00c9"]


def check_awkward_corpus(report, builtin_dir):
    with tempfile.TemporaryDirectory() as d:
        write_folder(d, AWKWARD_REGISTER, AWKWARD_CORPUS, AWKWARD_GLOSSARY)
        register, corpus, variants, glossary = load(d, builtin_dir)
        # The folder's own glossary, with the built-in families given by file.
        check_variants(report, [v for v in variants if v["stem"] in ("Back", "You")],
                       register, corpus,
                       ("--corpus", d, "--families", os.path.join(builtin_dir, "variants.json")))
        check_metrics(report, register, corpus, glossary, ("--corpus", d))
        # Typed forms in any script are counted, each as the counting rule says.
        own = {"items": AWKWARD_FORMS, "list": "own", "stem": "own"}
        rc, out, err = run(report, "variants", "--forms", " ".join(AWKWARD_FORMS), "--corpus", d)
        check(rc == 0, "awkward --forms: exit %d %s" % (rc, err))
        got = {(r[0], r[1], r[2]): r[3:] for r in table(out)[1:]}
        want = expected_variants(own, register, corpus)
        check(len(got) == len(want), "awkward --forms: %d rows, want %d" % (len(got), len(want)))
        for key, value in want.items():
            check(got.get(key) == value, "awkward --forms %s: got %s want %s"
                  % (key, got.get(key), value))
        # Every character reaches the table as it is.
        check("\U0001F44D\U0001F3FD" in out and "\u0645\u0631\u062d\u0628\u0627" in out
              and "\x1a" not in out, "awkward --forms: characters kept")


def check_broken_folder(report, builtin_dir):
    """A folder whose rows break several rules: one check lists them all, and the
    rows left out are exactly the broken ones."""
    register = [dict(a) for a in AWKWARD_REGISTER]
    register[1]["age"] = "about forty"        # line 3: read as not known
    register[2]["gender"] = "female"          # read as F
    register.append(dict(register[0]))      # line 6: the code used twice
    register.append({"code": "105", "name": "", "age": "", "gender": "",
                     "education": "", "nativeLanguage": ""})  # line 7: no name
    with tempfile.TemporaryDirectory() as d:
        with open(os.path.join(d, "register.json"), "w", encoding="utf-8") as f:
            f.write("[\n" + ",\n".join(json.dumps(a, ensure_ascii=False) for a in register)
                    + "\n]\n")
        lines = [json.dumps({"author": a, "text": t}, ensure_ascii=False) for a, t in AWKWARD_CORPUS]
        lines[1:1] = ['{"author": "Omar", "text": ""}', '{"author": "Omar", "text": "  "}',
                      '{"author": "Omar" "text": "no comma"}', '{"text": "no author"}']
        with open(os.path.join(d, "corpus.jsonl"), "w", encoding="utf-8") as f:
            f.write("\n".join(lines) + "\n")
        rc, out, err = run(report, "check", "--corpus", d)
        corpus_path = os.path.join(d, "corpus.jsonl")
        register_path = os.path.join(d, "register.json")
        for wanted in ("empty text (2x)", "%s:2, %s:3" % (corpus_path, corpus_path),
                       "not valid JSON (1x)", "%s:4" % corpus_path,
                       'missing field "author" (1x)', "%s:5" % corpus_path,
                       "age not readable (1x)", "%s:3" % register_path,
                       "a code is used twice (1x)", "%s:6" % register_path,
                       "an author name may not be empty (1x)", "%s:7" % register_path,
                       "%d texts by 4 authors" % len(AWKWARD_CORPUS)):
            check(rc == 0 and wanted in out, "check of a broken folder: %r not in %r" % (wanted, out))
        rc, out, err = run(report, "metrics", "--corpus", d)
        check("# on reading: empty text 2x, text left out" in out,
              "broken folder: the export header counts what was left out")
        # The corpus as read: the good rows, the unreadable age missing, the gender read.
        register = register[:4]
        register[1]["age"] = ""
        register[2]["gender"] = "F"
        corpus = [{"author": a, "text": t} for a, t in AWKWARD_CORPUS]
        glossary = load(builtin_dir, builtin_dir)[3]
        check_metrics(report, register, corpus, glossary, ("--corpus", d, "--lexicon", "british"))


# ---- A corpus as one table, read with --corpus ----

def check_table_corpus(report, builtin_dir):
    """The awkward table of tests/data as Python's csv module reads it (its
    expected reading, with the majority value of each author) against what the
    report counts from the table itself."""
    here = os.path.dirname(os.path.abspath(__file__))
    path = os.path.join(here, "..", "data", "awkward_corpus.csv")
    with open(os.path.join(here, "..", "data", "awkward_corpus.expected.json"), encoding="utf-8") as f:
        expected = json.load(f)
    register, corpus = expected["register"], expected["texts"]
    _, _, variants, glossary = load(builtin_dir, builtin_dir)
    british = ("--corpus", path, "--lexicon", "british")
    check_variants(report, [v for v in variants if v["stem"] in ("You", "Okay")], register,
                   corpus, british)
    check_metrics(report, register, corpus, glossary, british)
    rc, out, err = run(report, "variants", "--family", "You", *british)
    check("# glossary: built-in (British English, %d forms)" % len(glossary["forms"]) in out,
          "table: the header says the built-in glossary applies")
    rc, out, err = run(report, "metrics", "--corpus", path, "--lexicon", "british",
                       "--glossary", os.path.join(builtin_dir, "glossary.json"))
    check(rc == 2 and "--lexicon" in err, "--lexicon with --glossary: exit %d %r" % (rc, err))
    rc, out, err = run(report, "check", "--corpus", path)
    check(rc == 0 and "empty text (%dx)" % expected["emptyTexts"] in out,
          "check: %d %r" % (rc, out[:200]))
    rc, out, err = run(report, "check", "--corpus", path + ".missing.csv")
    check(rc == 2 and "cannot be read" in out, "check of a missing table: exit %d" % rc)
    # The corpus's own bands: every author in the band that holds the whole age.
    rc, out, err = run(report, "metrics", "--corpus", path, "--bands", "0-17,18-29,30-49,50+")
    rows = table(out)[1:]
    check(rc == 0 and [r[0] for r in rows[::2]] == ["0 to 17", "18 to 29", "30 to 49", "50+"],
          "--bands: %r" % [r[:2] for r in rows])
    bands = [(0, 17), (18, 29), (30, 49), (50, 999)]
    across = [a for a in register if "-" in a["age"][1:]
              and not any(in_band(lambda x: lo - 1 < x < hi + 1, a["age"]) for lo, hi in bands)
              and all(any(lo <= float(end) <= hi for lo, hi in bands) for end in a["age"].split("-"))]
    rc, out, err = run(report, "check", "--corpus", path, "--bands", "0-17,18-29,30-49,50+")
    check(("age range across bands (%dx)" % len(across)) in out if across else "across" not in out,
          "check --bands: %d ranges across bands, %r" % (len(across), out[-300:]))
    for (lo, hi), r in zip(bands, rows[::2]):
        members = [a for a in register if a["gender"] == "F" and texts_of(a["name"], corpus)
                   and in_band(lambda x: lo - 1 < x < hi + 1, a["age"])]
        check(r[2] == str(len(members)), "--bands %s F: %s authors, want %d" % (r[0], r[2], len(members)))


# ---- Groups of any field, within a subcorpus ----

MISSING = {"", "unknown", "na", "n/a", "-"}


def field_value(author, field, columns):
    """An author's value of a grouping field, as (order key, label), or None when missing."""
    if field == "gender":
        v = author["gender"]
    elif field == "education":
        v = author["education"].strip()
    else:
        v = author["metadata"][columns.index(field)].strip()
    if v.casefold() in MISSING:
        return None
    return (v.casefold(), v)


def expected_grouping(fields, register, corpus, columns, family, within=None):
    """Group columns + form -> the cells after them, and the authors left out."""
    members = [a for a in register if texts_of(a["name"], corpus) and (within is None or within(a))]
    groups, left_out = {}, 0
    for a in members:
        values = [field_value(a, f, columns) for f in fields]
        if None in values:
            left_out += 1
            continue
        key = tuple(v[0] for v in values)
        label, authors = groups.setdefault(key, (tuple(v[1] for v in values), []))
        authors.append(a)
    forms = distinct(family["items"])
    blocks = [(label, authors, group_text(authors, corpus)) for _, (label, authors) in sorted(groups.items())]
    if within is None:
        blocks.append((("all",) * len(fields), members,
                       corpus_text([as_blanks(r["text"]) for r in corpus])))
    else:
        blocks.append((("all",) * len(fields), members, group_text(members, corpus)))
    rows = []
    for label, authors, text in blocks:
        words = len(pieces(text))
        counts = {f: count(text, f) for f in forms}
        total = sum(counts.values())
        for f in forms:
            using = sum(1 for a in authors if count(group_text([a], corpus), f) > 0)
            rows.append(list(label) + [f, str(counts[f]), str(words),
                                       fixed4(counts[f] * 10000 / words) if words else "",
                                       fixed4(counts[f] / total) if total else "",
                                       str(using), str(len(authors))])
    return rows, left_out


def check_grouped(report, builtin_dir):
    """--group-by and --where on the awkward table: its education column and
    its Region column, grouped alone and crossed, within the whole corpus and
    within the women. Its Notes column, whose value differs between most
    authors' texts, is a text field: no grouping and no condition takes it."""
    here = os.path.dirname(os.path.abspath(__file__))
    path = os.path.join(here, "..", "data", "awkward_corpus.csv")
    with open(os.path.join(here, "..", "data", "awkward_corpus.expected.json"), encoding="utf-8") as f:
        expected = json.load(f)
    register, corpus, columns = expected["register"], expected["texts"], expected["metadataColumns"]
    _, _, variants, glossary = load(builtin_dir, builtin_dir)
    family = [v for v in variants if v["stem"] == "You"][0]
    women = ("gender=F", lambda a: a["gender"] == "F")
    cases = [(["education"], None), (["Region"], None), (["education", "Region"], None),
             (["Region", "gender"], None), (["Notes", "gender"], None), (["education"], women)]
    text_columns = expected["textColumns"]
    check("Notes" in text_columns and "Region" not in text_columns,
          "the awkward table's text fields: %r" % text_columns)
    for fields, where in cases:
        # The table brings no families of its own: the built-in British ones, chosen.
        args = ["variants", "--family", "You", "--corpus", path, "--lexicon", "british",
                "--group-by", ",".join(fields)]
        if where:
            args += ["--where", where[0]]
        rc, out, err = run(report, *args)
        text_field = [f for f in fields if f in text_columns]
        if text_field:
            check(rc == 2 and out == "" and '"%s" is a text field' % text_field[0] in err,
                  "%s: a text field grouped: exit %d %r" % (args, rc, err))
            continue
        check(rc == 0, "%s: exit %d %s" % (args, rc, err))
        want, left_out = expected_grouping(fields, register, corpus, columns, family,
                                           where[1] if where else None)
        rows = table(out)
        header = [f if f in columns else f.lower() for f in fields] + \
            "form,count,words,per_10k,share,authors_using,authors".split(",")
        check(rows and rows[0] == header, "%s: header %r" % (args, rows[:1]))
        check(rows[1:] == want, "%s: rows %r want %r" % (args, rows[1:4], want[:3]))
        check("# left out: %d authors with texts have no value for a field" % left_out in out,
              "%s: left out %d not in the header" % (args, left_out))
        check("# selection: groups: " in out and (not where or where[0] in out),
              "%s: the selection line names the groups" % args)
    # A text field as a condition, and values that no author has: each said,
    # with the values the field has, and nothing written.
    regions = sorted({a["metadata"][columns.index("Region")].strip() for a in register
                      if a["metadata"][columns.index("Region")].strip().casefold() not in MISSING},
                     key=str.casefold)
    # A text field chooses texts for the exploring commands: a value no text
    # has names the values the field has.
    notes = {}
    for t in corpus:
        v = t["fields"][text_columns.index("Notes")].strip()
        if v.casefold() not in MISSING:
            notes.setdefault(v.casefold(), v)
    notes = ", ".join(notes[k] for k in sorted(notes))
    for command, where, says in [
            ("variants", "notes=late", '"notes" is a text field'),
            ("wordlist", "Notes=nowhere",
             'Notes (a text field) has the values %s; no text has "nowhere"' % notes),
            ("wordlist", "Region=Atlantis",
             "Region has the values %s; no author has \"Atlantis\"" % ", ".join(regions)),
            ("metrics", "education=U,nowhere", 'no author has "nowhere"'),
            ("concordance", "age=50-99", "no author's age lies within 50-99; the ages run from 16 to 130")]:
        args = [command, "--corpus", path, "--where", where]
        args += ["--family", "You"] if command == "variants" else []
        args += ["--form", "u"] if command == "concordance" else []
        rc, out, err = run(report, *args)
        check(rc == 2 and out == "" and says in err, "%s: exit %d %r lacks %r" % (args, rc, err, says))
    # The author figures of the women's education groups, as the panel would
    # show them for each group's authors.
    forms = {fold(f) for f in glossary["forms"]}
    rc, out, err = run(report, "metrics", "--corpus", path, "--lexicon", "british",
                       "--group-by", "education", "--where", "gender=F")
    rows = table(out)
    check(rc == 0 and rows[0][:2] == ["education", "authors"], "metrics --group-by: %r" % rows[:1])
    women_rows, _ = expected_grouping(["education"], register, corpus, columns, family, women[1])
    labels = []
    for r in women_rows:
        if r[0] != "all" and r[0] not in labels:
            labels.append(r[0])
    check([r[0] for r in rows[1:]] == labels, "metrics --group-by groups %r want %r"
          % ([r[0] for r in rows[1:]], labels))
    for r in rows[1:]:
        members = [a for a in register if a["gender"] == "F" and texts_of(a["name"], corpus)
                   and field_value(a, "education", columns)
                   and field_value(a, "education", columns)[0] == r[0].casefold()]
        per_author = [author_values(texts_of(a["name"], corpus), forms) for a in members]
        sums = ["0"] * 6
        for values in per_author:
            sums = [show_full(float(s) + float(v)) for s, v in zip(sums, values)]
        m = len(members)
        panel = [sums[0]] + [show4(float(s) / m) if m else "0" for s in sums[1:]]
        check(r[1:8] == [str(m)] + panel, "metrics %s: got %s want %s" % (r[0], r[1:8], [m] + panel))
    # Wrong groupings are refused.
    for bad in ("colour", "education,education", "age,gender,education"):
        rc, out, err = run(report, "variants", "--family", "You", "--corpus", path,
                           "--lexicon", "british", "--group-by", bad)
        check(rc == 2 and "--group-by" in err and not out, "--group-by %s: exit %d %r" % (bad, rc, err))
    rc, out, err = run(report, "families", "--group-by", "education")
    check(rc == 2, "families --group-by: exit %d" % rc)


# ---- Collocates of the whole corpus ----

def collocate_measures(o, f_form, f_word, n, span):
    """MI, logDice and the signed log-likelihood and t-score."""
    places = 2 * span
    mi = math.log2(o * n / (f_form * f_word * places))
    log_dice = 14 + math.log2(2 * o / (f_form + f_word))
    e = f_form * f_word * places / n
    t = (o - e) / math.sqrt(o)
    ll = 0.0
    A = places * f_form
    if A < n:
        a, b = o, max(f_word - o, 0)
        e1, e2 = A * (a + b) / n, (n - A) * (a + b) / n
        g2 = max(2 * ((a * math.log(a / e1) if a else 0) + (b * math.log(b / e2) if b else 0)), 0)
        ll = -g2 if a < e1 else g2  # fewer pairs than expected: negative
    return [mi, log_dice, ll, t]


def check_collocates(report, data_dir):
    """Collocates over the cleaned corpus text: one word either side across
    texts by default, or a span, a minimum frequency and pairs inside texts."""
    _, corpus, _, _ = load(data_dir, data_dir)
    texts = [as_blanks(r["text"]) for r in corpus]
    text2 = corpus_text(texts)
    n = text2.count(" ")
    by_text = [[p for p in clean(t, CORPUS_MARKS, crlf=True).split(" ") if p] for t in texts]
    freq = {}
    for ps in by_text:
        for p in ps:
            freq[fold(p)] = freq.get(fold(p), 0) + 1
    cases = [("u", None, None, False), ("u", 2, None, False), ("x", 3, 2, True),
             ("2moz", 1, None, True), ("the", 5, 5, False), ("U", None, 3, False)]
    for form, span, min_freq, within in cases:
        args = ["collocates", "--form", form]
        args += ["--span", str(span)] if span else []
        args += ["--min-freq", str(min_freq)] if min_freq else []
        args += ["--within-texts"] if within else []
        k, m = span or 1, min_freq or 1
        # Every piece with its text, in corpus order.
        seq = [(t, fold(p)) for t, ps in enumerate(by_text) for p in ps]
        node = fold(form)
        pairs = {}
        for i, (t, p) in enumerate(seq):
            if p != node:
                continue
            for d in range(1, k + 1):
                if i - d >= 0 and (not within or seq[i - d][0] == t):
                    pairs.setdefault(seq[i - d][1], [0, 0])[0] += 1
                if i + d < len(seq) and (not within or seq[i + d][0] == t):
                    pairs.setdefault(seq[i + d][1], [0, 0])[1] += 1
        want = {w: [l, r, freq[w]] + collocate_measures(l + r, freq[node], freq[w], n, k)
                for w, (l, r) in pairs.items() if l + r >= m}
        rc, out, err = run(report, *args)
        rows = table(out)
        check(rc == 0 and rows[0] == ["word", "left", "right", "corpus_frequency", "mi",
                                      "log_dice", "ll", "t_score"], "%s: %r" % (args, rows[:1]))
        got = {r[0]: r for r in rows[1:]}
        check(sorted(got) == sorted(want), "%s: collocates differ: %r"
              % (args, sorted(set(got) ^ set(want))[:10]))
        for w, r in got.items():
            if w not in want:
                continue
            ok = [int(x) for x in r[1:4]] == want[w][:3] and all(
                abs(float(x) - y) <= 0.00006 for x, y in zip(r[4:], want[w][3:]))
            check(ok, "%s: %r want %r" % (args, r, want[w]))
        counts = [int(r[1]) + int(r[2]) for r in rows[1:]]
        check(counts == sorted(counts, reverse=True), "%s: not by frequency" % args)
        # The "#" lines name the settings other than the window's, and the signs.
        check(("# span: %d words on either side" % k in out) == bool(span or min_freq or within),
              "%s: the span line" % args)
        check("negative where" in out, "%s: the sign is not explained" % args)
        # Words repelled by the form sort after attracted ones by ll.
        by_ll = sorted(rows[1:], key=lambda r: -float(r[6]))
        mis = [float(r[4]) for r in by_ll]
        check(all(not (a < 0 < b) for a, b in zip(mis, mis[1:])) or 2 * k * freq[node] >= n,
              "%s: by ll, a repelled word before an attracted one" % args)


def check_command_line(report, register):
    rc, out, err = run(report, "--help")
    check(rc == 0 and "variants" in out and "--family" in out and not err, "--help")
    # --version names the same version as the tables' first line, alone or with a command.
    _, table_out, _ = run(report, "families")
    first = table_out.split("\n", 1)[0]
    check(first.startswith("# ZAPT ") and len(first) > len("# ZAPT "), "first line %r" % first)
    for args in (["--version"], ["families", "--version"]):
        rc, out, err = run(report, *args)
        check(rc == 0 and out == "zapt-report %s\n" % first[len("# ZAPT "):] and not err,
              "%s: exit %d, %r" % (args, rc, out))
    for args in (["variants", "--family", "nope"], ["variants"], ["bogus"], [],
                 ["variants", "--family", "Back", "--format", "xml"],
                 ["variants", "--family", "Back", "--bogus"], ["variants", "--family"],
                 ["variants", "--family", "Back", "--forms", "bk"], ["collocates"],
                 # an option the command does not take is no silent no-op
                 ["wordlist", "--family", "Back"], ["metrics", "--family", "Back"],
                 ["variants", "--family", "Back", "--form", "bk"]):
        rc, out, err = run(report, *args)
        check(rc == 2 and err.startswith("zapt-report: ") and not out,
              "%s: exit %d, stderr %r" % (args, rc, err))
    # TSV gives the same cells as CSV; --family=NAME is the same as two words.
    _, csv_out, _ = run(report, "variants", "--family", "lstThWords")
    _, tsv_out, _ = run(report, "variants", "--family=thwords", "--format", "tsv")
    check(table(csv_out) == table(tsv_out, "\t"), "tsv and csv differ")
    _, own, _ = run(report, "variants", "--forms", "bk,back BK")
    got = [r[2] for r in table(own)[1:] if r[0] == "all"]
    check(got == ["bk", "back"], "own forms %r" % got)
    # No author name in any table.
    names = {fold(a["name"]) for a in register}
    for args in (["variants", "--family", "You"], ["spread", "--family", "You"],
                 ["significance", "--family", "Back"], ["metrics"], ["families"],
                 ["collocations", "--form", "u"], ["collocates", "--form", "u"]):
        rc, out, err = run(report, *args)
        check(rc == 0, "%s: exit %d" % (args, rc))
        for row in table(out):
            for cell in row:
                check(fold(cell) not in names, "%s shows a name: %r" % (args, cell))


def check_encodings(report):
    """One table in three encodings: UTF-8, UTF-16 with its byte-order mark (a
    spreadsheet's "Unicode text") and Windows-1252. The first two are read as
    they are, the third only with --encoding, and all three give the same word
    list; without the option the message proposes the encoding and names it."""
    rows = [["author", "text", "id"], ["ann", "\u201ccaf\u00e9\u201d cr\u00e8me br\u00fbl\u00e9e", "1"],
            ["bo", "na\u00efve caf\u00e9", "2"], ["ann", "caf\u00e9 x", "3"]]
    text = "".join(",".join(r) + "\r\n" for r in rows)
    with tempfile.TemporaryDirectory() as d:
        paths = {}
        for name, data in [("utf8", text.encode("utf-8")), ("utf16", text.encode("utf-16")),
                           ("cp1252", text.encode("cp1252"))]:
            paths[name] = os.path.join(d, name + ".csv")
            with open(paths[name], "wb") as f:
                f.write(data)
        rc, want, err = run(report, "wordlist", "--corpus", paths["utf8"])
        check(rc == 0 and "caf\u00e9," in want, "utf-8 table: %d %r" % (rc, err))
        want_rows = table(want)
        rc, out, err = run(report, "wordlist", "--corpus", paths["utf16"])
        check(rc == 0 and table(out) == want_rows, "UTF-16 table: %d %r" % (rc, err))
        rc, out, err = run(report, "wordlist", "--corpus", paths["cp1252"])
        check(rc == 2 and out == "" and "--encoding windows-1252" in err,
              "Windows-1252 table without --encoding: %d %r" % (rc, err))
        rc, out, err = run(report, "wordlist", "--corpus", paths["cp1252"], "--encoding",
                           "windows-1252")
        check(rc == 0 and table(out) == want_rows, "Windows-1252 table read: %d %r" % (rc, err))
        rc, out, err = run(report, "wordlist", "--corpus", paths["cp1252"], "--encoding", "nope")
        check(rc == 2 and "no encoding \"nope\"" in err, "unknown encoding: %d %r" % (rc, err))
        # The id differs between ann's texts: a text field, until made an author field.
        rc, out, err = run(report, "variants", "--forms", "x", "--corpus", paths["utf8"],
                           "--group-by", "id")
        check(rc == 2 and '"id" is a text field' in err, "--group-by id: %d %r" % (rc, err))
        rc, out, err = run(report, "variants", "--forms", "x", "--corpus", paths["utf8"],
                           "--group-by", "id", "--author-field", "id")
        groups = [r[0] for r in table(out)[1:]]
        check(rc == 0 and groups == ["1", "2", "all"], "--author-field id: %d %r %r"
              % (rc, groups, err))


def main():
    report, data_dir = sys.argv[1], sys.argv[2]
    register, corpus, variants, glossary = load(data_dir, data_dir)
    check_variants(report, variants, register, corpus)
    check_metrics(report, register, corpus, glossary)
    check_small_corpus(report, data_dir)
    check_awkward_corpus(report, data_dir)
    check_broken_folder(report, data_dir)
    check_table_corpus(report, data_dir)
    check_grouped(report, data_dir)
    check_collocates(report, data_dir)
    check_encodings(report)
    check_command_line(report, register)
    for f in failures[:40]:
        print("FAIL:", f)
    print("%d failures" % len(failures))
    return 1 if failures else 0


if __name__ == "__main__":
    sys.exit(main())
