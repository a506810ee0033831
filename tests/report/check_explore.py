#!/usr/bin/env python3
"""Checks zapt-report's exploring commands against figures worked out here.

Usage: check_explore.py ZAPT_REPORT DATA_DIR

From the data files alone (the built-in data of DATA_DIR, then a CSV table
written here with metadata columns, emoji and other scripts), this script
works out the pieces and forms of every text, the word lists with their
dispersion, the keywords of one subcorpus against another, the matches of
patterns and the concordance lines, and compares them with what zapt-report
prints. Every concordance line is checked against its text: never more than
half of its pieces. No output may hold an author's name.
"""
import csv
import io
import json
import math
import os
import regex
import subprocess
import sys
import tempfile

# The comparison tables' check shares its recording of failures, the
# corpus's marks and the full case folding.
from check_report import CORPUS_MARKS, check, failures, fold


def pieces(text):
    for m in CORPUS_MARKS + "\t\r\n":
        text = text.replace(m, " ")
    return [p for p in text.split(" ") if p]


class Rest:
    """Every text outside a subcorpus, those of no author too."""

    def __init__(self, outside):
        self.outside = set(outside)


class Corpus:
    """Register rows (dicts with code, name, age, gender, education, native and
    metadata) and texts (author name, text), in corpus order."""

    def __init__(self, register, texts, glossary):
        self.register = register
        self.texts = texts
        self.glossary = glossary
        row_of = {}
        for k, a in enumerate(register):
            row_of.setdefault(fold(a["name"]), k)
        self.text_author = [row_of.get(fold(name), -1) for name, _ in texts]
        self.text_pieces = [pieces(t) for _, t in texts]
        spellings = {}
        order = []
        for ps in self.text_pieces:
            for p in ps:
                if p not in spellings:
                    spellings[p] = 0
                    order.append(p)
                spellings[p] += 1
        self.shown = {}
        best = {}
        for p in order:
            f = fold(p)
            if spellings[p] > best.get(f, 0):
                best[f] = spellings[p]
                self.shown[f] = p
        self.interp = {}
        for form, meaning in zip(glossary["forms"], glossary["interpretations"]):
            lst = self.interp.setdefault(fold(form), [])
            if meaning and meaning not in lst:
                lst.append(meaning)

    def texts_in(self, rows):
        """Text numbers of a scope; rows None: the whole corpus."""
        if rows is None:
            return list(range(len(self.texts)))
        if isinstance(rows, Rest):
            return [t for t in range(len(self.texts)) if self.text_author[t] not in rows.outside]
        rows = set(rows)
        return [t for t in range(len(self.texts)) if self.text_author[t] in rows]

    def author_words(self, k):
        return sum(len(self.text_pieces[t]) for t in range(len(self.texts))
                   if self.text_author[t] == k)


def age_holds(author_age, wanted):
    a = author_age.strip()
    if not a or a.lower() in ("na", "n/a", "unknown", "-"):
        return False
    lo, hi = (int(x) for x in a.split("-")) if "-" in a else (int(a), int(a))
    w = wanted.split("-")
    wlo, whi = (int(w[0]), int(w[1])) if len(w) == 2 else (int(w[0]), int(w[0]))
    return wlo <= lo and hi <= whi


def members(corpus, conditions):
    """Register rows meeting every FIELD=V1,V2 condition; None for none."""
    if not conditions:
        return None
    out = []
    for k, a in enumerate(corpus.register):
        ok = True
        for cond in conditions:
            field, values = cond.split("=", 1)
            values = [v.strip() for v in values.split(",")]
            field = fold(field.strip())
            field = {"native language": "native", "sex": "gender"}.get(field, field)
            if field == "age":
                ok &= any(age_holds(a["age"], v) for v in values)
            elif field == "gender":
                ok &= any(fold(a["gender"]) == fold(v)[:1] for v in values)
            else:
                ok &= fold(a.get(field, a["meta"].get(field, ""))) in map(fold, values) \
                    and a.get(field, a["meta"].get(field, "")) != ""
        if ok:
            out.append(k)
    return out


def run(report, *args, status=0):
    p = subprocess.run([report, *args], capture_output=True, text=True, encoding="utf-8")
    check(p.returncode == status, f"{args}: exit {p.returncode}, wanted {status}: {p.stderr}")
    return p


def table(output):
    rows = list(csv.reader(io.StringIO("".join(
        line for line in output.splitlines(keepends=True) if not line.startswith("#")))))
    return rows[0], rows[1:]


def close(a, b):
    if a == "" or b is None:
        return a == "" and b is None
    return math.isclose(float(a), b, rel_tol=1e-9, abs_tol=1e-12)


def word_figures(corpus, rows):
    """Per form: count, texts, authors, per-author counts, within a scope."""
    figures = {}
    for t in corpus.texts_in(rows):
        a = corpus.text_author[t]
        seen = set()
        for p in corpus.text_pieces[t]:
            f = fold(p)
            x = figures.setdefault(f, {"count": 0, "texts": 0, "by": {}})
            x["count"] += 1
            if f not in seen:
                seen.add(f)
                x["texts"] += 1
            if a >= 0:
                x["by"][a] = x["by"].get(a, 0) + 1
    return figures


def expected_wordlist(corpus, rows, keep=lambda f: True):
    texts = corpus.texts_in(rows)
    words = sum(len(corpus.text_pieces[t]) for t in texts)
    authors = sorted({corpus.text_author[t] for t in texts if corpus.text_author[t] >= 0}
                     | (set(rows) if rows is not None else set()))
    part_words = {k: corpus.author_words(k) for k in authors}
    parts = [k for k in authors if part_words[k] > 0]
    total_parts = sum(part_words[k] for k in parts)
    out = []
    for f, x in word_figures(corpus, rows).items():
        if not keep(f):
            continue
        in_parts = sum(x["by"].get(k, 0) for k in parts)
        dp = None
        if in_parts and total_parts:
            dp = 0.5 * sum(abs(x["by"].get(k, 0) / in_parts - part_words[k] / total_parts)
                           for k in parts)
        out.append((corpus.shown[f], x["count"], x["count"] * 10000 / words, x["texts"],
                    len(x["by"]), dp, max(x["by"].values()) / x["count"] if x["by"] else None,
                    "; ".join(corpus.interp.get(f, []))))
    out.sort(key=lambda r: (-r[1], r[0]))
    return out


def compare_wordlist(name, output, expected):
    header, rows = table(output)
    check(header == ["form", "count", "per_10k", "texts", "authors_using", "dp",
                     "top_author_share", "interpretation"], f"{name}: header {header}")
    check(len(rows) == len(expected), f"{name}: {len(rows)} rows, wanted {len(expected)}")
    for got, want in zip(rows, expected):
        ok = (got[0] == want[0] and int(got[1]) == want[1] and close(got[2], want[2])
              and int(got[3]) == want[3] and int(got[4]) == want[4] and close(got[5], want[5])
              and close(got[6], want[6]) and got[7] == want[7])
        check(ok, f"{name}: row {got}, wanted {want}")
        if not ok:
            break


def glob(tokens, chars):
    """Whether a wildcard pattern's tokens ('*', '?' or a character) match a
    form's characters (grapheme clusters) exactly."""
    ok = [True] + [False] * len(chars)  # ok[j]: tokens so far match chars[:j]
    for tok in tokens:
        if tok == "*":
            for j in range(1, len(chars) + 1):
                ok[j] = ok[j] or ok[j - 1]
        else:
            ok = [False] + [ok[j - 1] and (tok == "?" or tok == chars[j - 1])
                            for j in range(1, len(chars) + 1)]
    return ok[len(chars)]


def pattern_matcher(word):
    if word.startswith("re:") and len(word) > 3:
        expr = regex.compile(word[3:], regex.IGNORECASE | regex.V0)
        return lambda f: expr.fullmatch(f) is not None
    if "*" in word or "?" in word:
        tokens = regex.findall(r"\X", fold(word))
        return lambda f: glob(tokens, regex.findall(r"\X", f))
    w = fold(word)
    return lambda f: f == w


def hits(corpus, pattern, rows):
    words = [pattern_matcher(w) for w in pattern.split()]
    out = []
    for t in corpus.texts_in(rows):
        ps = corpus.text_pieces[t]
        for i in range(len(ps) - len(words) + 1):
            if all(m(fold(ps[i + j])) for j, m in enumerate(words)):
                out.append((t, i, len(words)))
    return out


def expected_phrases(corpus, pattern, rows):
    seqs = {}
    for t, i, n in hits(corpus, pattern, rows):
        key = tuple(fold(p) for p in corpus.text_pieces[t][i:i + n])
        x = seqs.setdefault(key, {"count": 0, "texts": set(), "authors": set()})
        x["count"] += 1
        x["texts"].add(t)
        if corpus.text_author[t] >= 0:
            x["authors"].add(corpus.text_author[t])
    words = sum(len(corpus.text_pieces[t]) for t in corpus.texts_in(rows))
    out = [(" ".join(corpus.shown[f] for f in k), x["count"], x["count"] * 10000 / words,
            len(x["texts"]), len(x["authors"]), None, None, "") for k, x in seqs.items()]
    out.sort(key=lambda r: (-r[1], r[0]))
    return out


def expected_lines(corpus, pattern, rows, n):
    """The lines, each cut to half its text, then cut further (or withheld) so
    that the lines of one text together show at most half of it."""
    lines, hidden, withheld = [], 0, 0
    shown = {}
    for t, i, length in hits(corpus, pattern, rows):
        ps = corpus.text_pieces[t]
        half = len(ps) // 2
        if length > half:
            hidden += 1
            continue
        left, right = min(n, i), min(n, len(ps) - i - length)
        while left + length + right > half:
            if right >= left:
                right -= 1
            else:
                left -= 1
        seen = shown.setdefault(t, set())

        def fresh():
            return len(set(range(i - left, i + length + right)) - seen)
        while len(seen) + fresh() > half and left + right > 0:
            if right >= left:
                right -= 1
            else:
                left -= 1
        if len(seen) + fresh() > half:
            withheld += 1
            continue
        seen.update(range(i - left, i + length + right))
        a = corpus.text_author[t]
        lines.append(([corpus.register[a]["code"] if a >= 0 else "",
                       " ".join(ps[i - left:i]), " ".join(ps[i:i + length]),
                       " ".join(ps[i + length:i + length + right])], (t, i - left, i + length + right)))
    return lines, hidden, withheld


def compare_concordance(name, corpus, output, pattern, rows, n):
    header, got = table(output)
    check(header == ["code", "left", "hit", "right"], f"{name}: header {header}")
    want, hidden, withheld = expected_lines(corpus, pattern, rows, n)
    check([g for g in got] == [w for w, _ in want],
          f"{name}: {len(got)} lines, wanted {len(want)}; first difference "
          f"{next(((g, w) for g, (w, _) in zip(got, want) if g != w), None)}")
    total = hidden + withheld + len(want)
    check(f"# hits: {total}, of which {hidden} not shown: their texts are too short, and "
          f"{withheld} not shown" in output, f"{name}: the hidden hits ({hidden}, {withheld})")
    # The privacy rule against the texts themselves: no line, and no text's
    # lines together, more than half of its pieces.
    union = {}
    for g, (_, (t, lo, hi)) in zip(got, want):
        shown = sum(len(c.split()) for c in g[1:])
        check(shown <= len(corpus.text_pieces[t]) // 2,
              f"{name}: a line shows {shown} of {len(corpus.text_pieces[t])} pieces")
        union.setdefault(t, set()).update(range(lo, hi))
    for t, places in union.items():
        check(len(places) <= len(corpus.text_pieces[t]) // 2,
              f"{name}: the lines of a text show {len(places)} of {len(corpus.text_pieces[t])}")
    return got


def keyword_stats(a, b, A, B):
    E1 = A * (a + b) / (A + B)
    E2 = B * (a + b) / (A + B)
    g2 = 2 * ((a * math.log(a / E1) if a else 0) + (b * math.log(b / E2) if b else 0))
    lr = math.log2(((a or 0.5) / A) / ((b or 0.5) / B))
    pct = 100 * (a / A - b / B) / (b / B) if b else None
    return g2, lr, pct


def compare_keywords(name, corpus, output, rows_a, rows_b, k):
    header, got = table(output)
    check(header == ["form", "count_a", "count_b", "per_10k_a", "per_10k_b", "g2", "log_ratio",
                     "pct_diff", "authors_a", "authors_b", "side", "top_author_share"],
          f"{name}: header {header}")
    fa, fb = word_figures(corpus, rows_a), word_figures(corpus, rows_b)
    A = sum(len(corpus.text_pieces[t]) for t in corpus.texts_in(rows_a))
    B = sum(len(corpus.text_pieces[t]) for t in corpus.texts_in(rows_b))
    want = {}
    for f in set(fa) | set(fb):
        xa, xb = fa.get(f, {"count": 0, "by": {}}), fb.get(f, {"count": 0, "by": {}})
        a, b = xa["count"], xb["count"]
        side = "a" if a / A >= b / B else "b"
        x = xa if side == "a" else xb
        if len(x["by"]) < k:
            continue
        g2, lr, pct = keyword_stats(a, b, A, B)
        want[corpus.shown[f]] = (a, b, a * 10000 / A, b * 10000 / B, g2, lr, pct,
                                 len(xa["by"]), len(xb["by"]), side,
                                 max(x["by"].values()) / x["count"])
    check(sorted(r[0] for r in got) == sorted(want), f"{name}: the keywords differ: "
          f"{sorted(set(r[0] for r in got) ^ set(want))[:10]}")
    for r in got:
        w = want.get(r[0])
        if w is None:
            continue
        ok = (int(r[1]) == w[0] and int(r[2]) == w[1] and all(
            close(r[i], w[i - 1]) for i in (3, 4, 5, 6, 7)) and int(r[8]) == w[7]
            and int(r[9]) == w[8] and r[10] == w[9] and close(r[11], w[10]))
        check(ok, f"{name}: {r}, wanted {w}")
    for x, y in zip(got, got[1:]):
        check(float(x[5]) > float(y[5]) or (float(x[5]) == float(y[5]) and x[0] <= y[0]),
              f"{name}: order {x[0]} before {y[0]}")
    return got


def no_names(corpus, outputs):
    for out in outputs:
        for a in corpus.register:
            if a["name"] and regex.search(r"(?<!\w)" + regex.escape(a["name"]) + r"(?!\w)", out):
                check(False, f"the name {a['name']!r} appears in an output")


def check_corpus(report, corpus, opts, cases):
    outputs = []

    def go(*args, status=0):
        p = run(report, *args, *opts, status=status)
        outputs.append(p.stdout + p.stderr)
        return p

    for where, code, pattern in cases["wordlists"]:
        rows = members(corpus, where)
        args = [x for w in where for x in ("--where", w)]
        if code is not None:
            rows = [k for k, a in enumerate(corpus.register)
                    if fold(a["code"]) == fold(code) and (rows is None or k in rows)]
            args += ["--code", code]
        if pattern:
            args += ["--pattern", pattern]
        name = f"wordlist {args}"
        out = go("wordlist", *args).stdout
        if pattern and len(pattern.split()) > 1:
            compare_wordlist(name, out, expected_phrases(corpus, pattern, rows))
        else:
            m = pattern_matcher(pattern) if pattern else (lambda f: True)
            compare_wordlist(name, out, expected_wordlist(corpus, rows, m))
    gloss = {fold(f) for f in corpus.glossary["forms"]}
    out = go("wordlist", "--glossary-only").stdout
    compare_wordlist("wordlist --glossary-only", out,
                     expected_wordlist(corpus, None, lambda f: f in gloss))
    for where, against, k in cases["keywords"]:
        ra = members(corpus, where)
        rb = members(corpus, against) if against else None
        args = [x for w in where for x in ("--where", w)]
        args += [x for w in against for x in ("--against", w)]
        if not against:
            rb = Rest(ra if ra is not None else range(len(corpus.register)))
        args += ["--min-authors", str(k)]
        out = go("keywords", *args).stdout
        compare_keywords(f"keywords {args}", corpus, out, ra, rb, k)
    for where, query, n, literal in cases["concordances"]:
        rows = members(corpus, where)
        args = [x for w in where for x in ("--where", w)]
        args += ["--form" if literal else "--pattern", query, "--context", str(n)]
        out = go("concordance", *args).stdout
        compare_concordance(f"concordance {args}", corpus, out, query, rows, n)
    for where, forms in cases["authors"]:
        rows = members(corpus, where)
        args = [x for w in where for x in ("--where", w)] + ["--forms", forms]
        header, got = table(go("authors", *args).stdout)
        meta = cases.get("meta", [])
        check(header == ["code", "age", "gender", "education", "native_language", *meta,
                         "form", "count", "words", "share"], f"authors: header {header}")
        want = []
        for k in (rows if rows is not None else range(len(corpus.register))):
            a = corpus.register[k]
            ps = [fold(p) for t in range(len(corpus.texts)) if corpus.text_author[t] == k
                  for p in corpus.text_pieces[t]]
            listed = forms.replace(",", " ").split()
            # share: the form's count out of the author's count of all the
            # listed forms; empty when the author uses none of them.
            total = sum(ps.count(fold(f)) for f in listed)
            for f in listed:
                n = ps.count(fold(f))
                want.append([a["code"], a["age"], a["gender"], a["education"], a["native"],
                             *[a["meta"].get(fold(c), "") for c in meta],
                             f, str(n), str(len(ps)), n / total if total else ""])
        same = len(got) == len(want) and all(
            g[:-1] == w[:-1] and (close(g[-1], w[-1]) if w[-1] != "" else g[-1] == "")
            for g, w in zip(got, want))
        check(same, f"authors {args}: {got[:3]} wanted {want[:3]}")
    no_names(corpus, outputs)


def builtin(data_dir):
    with open(os.path.join(data_dir, "register.json"), encoding="utf-8") as f:
        register = [dict(code=a["code"], name=a["name"], age=a["age"], gender=a["gender"],
                         education=a["education"], native=a["nativeLanguage"], meta={})
                    for a in json.load(f)]
    with open(os.path.join(data_dir, "corpus.jsonl"), encoding="utf-8") as f:
        texts = [(r["author"], r["text"]) for r in map(json.loads, f) if r]
    with open(os.path.join(data_dir, "glossary.json"), encoding="utf-8") as f:
        glossary = json.load(f)
    return Corpus(register, texts, glossary)


# A table of the user's own: metadata, emoji, other scripts, tabs, line breaks
# and marks; one-piece and two-piece texts for the concordance's edges.
TABLE_AUTHORS = [
    # name, code, age, gender, education, native, region
    ("Zebulon Quixote", "A1", "17", "M", "school", "en", "North"),
    ("Ottoline Marchbanks", "A2", "16-20", "F", "school", "tr", "South"),
    ("Peregrine Ashdown", "A3", "24", "female", "uni", "en", "North"),
    ("Cordelia Vantablack", "A4", "NA", "F", "uni", "el", "East"),
    ("Bartholomew Fenwick", "A5", "41", "M", "uni", "en", "South"),
    ("Hyacinth Pendleford", "A6", "33", "F", "work", "ja", "North"),
]
TABLE_TEXTS = [
    (0, "gr8 2day m8, c u l8r 😀 x"),
    (1, "İstanbul'da çok güzel bir gün! Straße STRASSE straße"),
    (2, "c u 2moro?\tok\r\nlove u x"),
    (3, "Καλημέρα σας, ΚΑΛΗΜΈΡΑ φίλε 👍🏽 x"),
    (4, "2nite"),
    (0, "ok"),
    (1, "c u 2nite x"),
    (2, "hello"),
    (5, "今日は 東京 c u 2moro 😀😀 x x"),
    (3, "u ok? c u l8r x"),
    (4, "gonna be l8 2nite, sorry m8"),
    (5, "luv u x"),
    (0, "c u at 8 (or 9) - ok?"),
    (1, "x y"),
    (2, "c u 2day, c u 2moro, c u 2nite"),
    (5, "cafe\u0301 caf\u00e9 \U0001F1EC\U0001F1E7 ok ok"),
]


def write_table(folder):
    path = os.path.join(folder, "corpus.csv")
    with open(path, "w", encoding="utf-8", newline="") as f:
        w = csv.writer(f, lineterminator="\n")
        w.writerow(["author", "code", "age", "gender", "education", "native language",
                    "region", "text"])
        for a, text in TABLE_TEXTS:
            w.writerow([*TABLE_AUTHORS[a], text])
    register = [dict(name=n, code=c, age=("" if age == "NA" else age),
                     gender=("F" if g.lower().startswith("f") else "M"), education=e,
                     native=nl, meta={"region": r})
                for n, c, age, g, e, nl, r in TABLE_AUTHORS]
    glossary = {"forms": ["u", "U", "l8r", "2moro", "gr8", "m8", "c"],
                "interpretations": ["you", "you", "later", "tomorrow", "great", "mate", "see"]}
    gpath = os.path.join(folder, "glossary.csv")
    with open(gpath, "w", encoding="utf-8", newline="") as f:
        w = csv.writer(f, lineterminator="\n")
        w.writerow(["form", "interpretation"])
        w.writerows(zip(glossary["forms"], glossary["interpretations"]))
    texts = [(TABLE_AUTHORS[a][0], t) for a, t in TABLE_TEXTS]
    return path, gpath, Corpus(register, texts, glossary)


def main():
    report, data_dir = sys.argv[1], sys.argv[2]
    corpus = builtin(data_dir)
    check_corpus(report, corpus, [], {
        "wordlists": [([], None, ""), (["gender=F"], None, ""), (["age=16-25", "gender=M"], None, ""),
                      (["education=G,HS"], None, ""), ([], "066", ""), ([], None, "2*"),
                      ([], None, "*z"), ([], None, "re:[a-z]+[0-9]"), ([], None, "?ite"),
                      (["gender=F"], None, "i love"), ([], None, "c u *"),
                      ([], None, "re:(a*)*b")],
        "keywords": [(["gender=F"], [], 3), (["age=16-25"], ["age=41-60"], 2),
                     (["age=0-17"], [], 1)],
        "concordances": [([], "u", n, True) for n in range(1, 6)] +
                        [(["gender=M"], "2*", 3, False), ([], "see you", 2, False),
                         ([], "re:x+", 1, False), ([], "c u *", 4, False), ([], "*", 3, False)],
        "authors": [(["gender=M"], "back,bk,bak"), ([], "u,you,ya")],
    })

    with tempfile.TemporaryDirectory() as folder:
        path, gpath, own = write_table(folder)
        opts = ["--corpus", path, "--glossary", gpath]
        check_corpus(report, own, opts, {
            "meta": ["region"],
            "wordlists": [([], None, ""), (["region=north"], None, ""), (["age=16-20"], None, ""),
                          (["gender=female", "native language=en,TR"], None, ""),
                          ([], "a4", ""), ([], None, "?"), ([], None, "stra*"),
                          ([], None, "καλημέρα"), ([], None, "c u ?*"),
                          ([], None, "re:\\p{Han}+"), ([], None, "caf?"), ([], None, "??"),
                          ([], None, "*?\u0301"), ([], None, "re:caf.")],
            "keywords": [(["region=North"], [], 1), (["gender=F"], ["gender=M"], 2)],
            "concordances": [([], "u", n, True) for n in range(1, 6)] +
                            [([], "x", 2, True), ([], "c u", 5, False), ([], "2*", 1, False),
                             ([], "hello", 3, True), ([], "x y", 3, False), ([], "*", 5, False),
                             ([], "STRASSE", 1, True), (["region=East"], "😀", 2, True)],
            "authors": [(["region=North,East"], "u x 2nite")],
        })
        # A dictionary of the test's own: a form is non-standard when neither it
        # nor the glossary holds it, nor any word of an interpretation.
        dpath = os.path.join(folder, "words")
        with open(dpath, "w", encoding="utf-8") as f:
            f.write("ok\nhello\nLove\nsorry\nbe\nat\nor\n")
        std = {"ok", "hello", "love", "sorry", "be", "at", "or",
               "you", "later", "tomorrow", "great", "mate", "see"} | {fold(x) for x in own.glossary["forms"]}
        out = run(report, "wordlist", "--non-standard", "--dictionary", dpath, *opts).stdout
        compare_wordlist("wordlist --non-standard", out,
                         expected_wordlist(own, None, lambda f: f not in std))
        p = run(report, "wordlist", "--non-standard", "--dictionary",
                os.path.join(folder, "none"), *opts, status=2)
        check("cannot be read" in p.stderr and p.stdout == "",
              f"a missing word list must be said, not pass everything: {p.stderr}")

    # Patterns and conditions that cannot be used: a message, never a crash.
    for args, message in [(["wordlist", "--pattern", "re:("], "cannot be used"),
                          (["concordance", "--pattern", "re:a{1000}{1000}"], "cannot be used"),
                          (["wordlist", "--where", "shoe=9"], "unknown field"),
                          (["wordlist", "--where", "age=thirty"], "is not an age"),
                          (["wordlist", "--where", "gender=x"], "is not a gender"),
                          (["concordance", "--form", "u", "--context", "6"], "--context"),
                          (["wordlist", "--code", "nobody"], "no author"),
                          (["concordance", "--form", "u", "--pattern", "u"], "not both"),
                          (["wordlist", "--pattern", "c u", "--glossary-only"], "not phrases"),
                          (["variants", "--family", "Back", "--against", "age=1"], "takes none")]:
        p = run(report, *args, status=2)
        check(message in p.stderr, f"{args}: {p.stderr!r} lacks {message!r}")

    if failures:
        for f in failures[:40]:
            print("FAIL:", f)
        print(f"{len(failures)} failures")
        return 1
    print("all exploring figures hold")
    return 0


if __name__ == "__main__":
    sys.exit(main())
