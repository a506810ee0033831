#!/usr/bin/env python3
"""Checks zapt-report's exploring commands against figures worked out here.

Usage: check_explore.py ZAPT_REPORT DATA_DIR

From the data files alone (the built-in data of DATA_DIR with its list of
emoticons, then a CSV table written here with metadata columns, emoji,
emoticons, numbers, placeholders and other scripts), this script works out
the pieces and forms of every text, the word lists with their dispersion and
filters, the keywords of one subcorpus against another or against a second
corpus (signed G2), the matches of patterns, the concordance lines with their
authors' groups, sorts and tallies, and the collocates within a subcorpus,
and compares them with what zapt-report prints. Every concordance line is
checked against its text: never more than half of its pieces. No output may
hold an author's name.
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
from check_report import BANDS, CORPUS_MARKS, check, failures, fold, in_band


def clean_pieces(text):
    for m in CORPUS_MARKS + "\t\r\n":
        text = text.replace(m, " ")
    return [p for p in text.split(" ") if p]


def ascii_lower(s):
    return "".join(c.lower() if "A" <= c <= "Z" else c for c in s)


class Emoticons:
    """A list of emoticons as the exploring tools read it: one a line, "# "
    lines and blank lines skipped; ASCII letters in either case; an entry
    followed by more of its last character when that is one of ) ( ] [ D P 3
    ^ * is the same emoticon written longer."""
    REPEAT = set(")(][dp3^*")

    def __init__(self, text):
        self.entries = []
        for line in text.split("\n"):
            line = line[:-1] if line.endswith("\r") else line
            if line.startswith("# ") or line == "#":
                continue
            e = ascii_lower(line.strip(" \t"))
            if e and e not in self.entries:
                self.entries.append(e)
        self.entries.sort(key=len, reverse=True)
        self.glue = {e[0] for e in self.entries if not (e[0].isascii() and e[0].isalnum())}

    def match(self, s):
        low = ascii_lower(s)
        for e in self.entries:
            if low.startswith(e):
                n = len(e)
                if e[-1] in self.REPEAT:
                    while n < len(s) and low[n] == e[-1]:
                        n += 1
                return n
        return 0

    def only(self, s):
        if not s:
            return False
        while s:
            n = self.match(s)
            if not n:
                return False
            s = s[n:]
        return True

    def split(self, chunk):
        """(end of the word, start and end of the emoticons), or None."""
        if not self.entries or len(chunk.encode("utf-8")) > 128:
            return None
        core = chunk.rstrip(".,!?")
        if self.only(chunk):
            return 0, 0, len(chunk)
        if core != chunk and self.only(core):
            return 0, 0, len(core)
        for i in range(1, len(core)):
            if core[i] in self.glue and not ("0" <= core[i - 1] <= "9") and self.only(core[i:]):
                return i, i, len(core)
        return None


NO_EMOTICONS = Emoticons("")


def pieces(text, emoticons=NO_EMOTICONS):
    out = []
    for chunk in regex.split(r"[ \t\r\n]+", text):
        if not chunk:
            continue
        cut = emoticons.split(chunk)
        if cut is None:
            out += clean_pieces(chunk)
            continue
        word, at, end = cut
        out += clean_pieces(chunk[:word])
        while at < end:
            n = emoticons.match(chunk[at:end])
            out.append(chunk[at:at + n])
            at += n
    return out


class Texts:
    """Some texts only (text numbers): a subcorpus chosen by a text field."""

    def __init__(self, texts):
        self.texts = set(texts)


class Rest:
    """Every text outside a subcorpus, those of no author too."""

    def __init__(self, outside):
        self.inside = outside.texts if isinstance(outside, Texts) else None
        self.outside = set() if isinstance(outside, Texts) else set(outside)


class Corpus:
    """Register rows (dicts with code, name, age, gender, education, native and
    metadata) and texts (author name, text), in corpus order."""

    def __init__(self, register, texts, glossary, emoticons):
        self.register = register
        self.texts = texts
        self.glossary = glossary
        self.emoticons = emoticons
        row_of = {}
        for k, a in enumerate(register):
            row_of.setdefault(fold(a["name"]), k)
        self.text_author = [row_of.get(fold(name), -1) for name, _ in texts]
        self.text_pieces = [pieces(t, emoticons) for _, t in texts]
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
        self.text_fields = {}  # a table's text field (folded name) -> each text's value
        self.interp = {}
        for form, meaning in zip(glossary["forms"], glossary["interpretations"]):
            lst = self.interp.setdefault(fold(form), [])
            if meaning and meaning not in lst:
                lst.append(meaning)

    def texts_in(self, rows):
        """Text numbers of a scope; rows None: the whole corpus."""
        if rows is None:
            return list(range(len(self.texts)))
        if isinstance(rows, Texts):
            return sorted(rows.texts)
        if isinstance(rows, Rest) and rows.inside is not None:
            return [t for t in range(len(self.texts)) if t not in rows.inside]
        if isinstance(rows, Rest):
            return [t for t in range(len(self.texts)) if self.text_author[t] not in rows.outside]
        rows = set(rows)
        return [t for t in range(len(self.texts)) if self.text_author[t] in rows]

    def with_emoticons(self, emoticons):
        c = Corpus(self.register, self.texts, self.glossary, emoticons)
        c.text_fields = self.text_fields
        return c

    def scope_authors(self, rows):
        """The register rows of a scope: those given, or with a text chosen."""
        if rows is None:
            return set(range(len(self.register)))
        if isinstance(rows, Texts):
            return {self.text_author[t] for t in rows.texts if self.text_author[t] >= 0}
        return set(rows)

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


def plain_number(s):
    return float(s) if regex.fullmatch(r"-?[0-9]+(\.[0-9]+)?", s) else None


def iso_date(s):
    m = regex.fullmatch(r"([0-9]{4})-([0-9]{2})-([0-9]{2})", s)
    return m is not None and 1 <= int(m[2]) <= 12 and 1 <= int(m[3]) <= 31


def text_value_holds(value, wanted):
    """Whether a text's value of a text field meets one value of a condition:
    the same without regard to case, or within a range FROM..TO of numbers
    or ISO dates (a date followed by a time counts as its date)."""
    v = value.strip()
    if v.lower() in ("", "unknown", "na", "n/a", "-"):
        return False
    if ".." in wanted:
        lo, hi = (x.strip() for x in wanted.split("..", 1))
        if plain_number(lo) is not None and plain_number(hi) is not None:
            return plain_number(v) is not None and plain_number(lo) <= plain_number(v) <= plain_number(hi)
        if iso_date(lo) and iso_date(hi):
            d = v[:10]
            return (iso_date(d) and (len(v) == 10 or v[10] in "T ")
                    and lo <= d <= hi)
    return fold(v) == fold(wanted.strip())


def members(corpus, conditions):
    """Register rows meeting every FIELD=V1,V2 condition; None for none. With
    a condition on a text field, the texts chosen (Texts): the texts of the
    authors meeting the other conditions whose own values meet it."""
    if not conditions:
        return None
    on_text = [c for c in conditions if fold(c.split("=", 1)[0].strip()) in corpus.text_fields]
    if on_text:
        rows = members(corpus, [c for c in conditions if c not in on_text])
        rows = set(range(len(corpus.register))) if rows is None else set(rows)
        chosen = []
        for t in range(len(corpus.texts)):
            if corpus.text_author[t] not in rows:
                continue
            ok = True
            for cond in on_text:
                field, values = cond.split("=", 1)
                value = corpus.text_fields[fold(field.strip())][t]
                ok &= any(text_value_holds(value, v) for v in values.split(","))
            if ok:
                chosen.append(t)
        return Texts(chosen)
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


def is_number(f):
    for sign in ("\u00a3", "$", "\u20ac"):
        if f.startswith(sign):
            f = f[len(sign):]
            break
    if f.endswith("%"):
        f = f[:-1]
    return f != "" and all("0" <= c <= "9" for c in f)


def is_placeholder(f):
    return regex.fullmatch(r"<(#+|[A-Za-z][A-Za-z0-9_]*)>", f) is not None


def form_filter(no_numbers=False, stop=()):
    stop = {fold(w) for w in stop}
    return lambda f: not (no_numbers and (is_number(f) or is_placeholder(f))) and f not in stop


def expected_wordlist(corpus, rows, keep=lambda f: True, min_count=0, min_authors=0):
    texts = corpus.texts_in(rows)
    words = sum(len(corpus.text_pieces[t]) for t in texts)
    authors = sorted({corpus.text_author[t] for t in texts if corpus.text_author[t] >= 0}
                     | (corpus.scope_authors(rows) if rows is not None else set()))
    part_words = {k: sum(len(corpus.text_pieces[t]) for t in texts if corpus.text_author[t] == k)
                  for k in authors}
    parts = [k for k in authors if part_words[k] > 0]
    total_parts = sum(part_words[k] for k in parts)
    out = []
    for f, x in word_figures(corpus, rows).items():
        if not keep(f) or x["count"] < min_count or len(x["by"]) < min_authors:
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


def keyword_rows(fa, fb, A, B, shown, k, keep=lambda f: True, min_count=0):
    """form -> the keyword row's figures, from per-form figures of A and B."""
    want = {}
    for f in set(fa) | set(fb):
        xa, xb = fa.get(f, {"count": 0, "by": {}}), fb.get(f, {"count": 0, "by": {}})
        a, b = xa["count"], xb["count"]
        if a * B == b * A:
            continue  # the same rate on both sides: a keyword of neither
        side = "a" if a / A >= b / B else "b"
        x = xa if side == "a" else xb
        if len(x["by"]) < k or x["count"] < min_count or not keep(f):
            continue
        g2, lr, pct = keyword_stats(a, b, A, B)
        want[shown(f)] = (a, b, a * 10000 / A, b * 10000 / B, g2 if side == "a" else -g2, lr, pct,
                          len(xa["by"]), len(xb["by"]), side,
                          max(x["by"].values()) / x["count"])
    return want


def compare_keyword_table(name, output, want):
    header, got = table(output)
    check(header == ["form", "count_a", "count_b", "per_10k_a", "per_10k_b", "g2", "log_ratio",
                     "pct_diff", "authors_a", "authors_b", "side", "top_author_share"],
          f"{name}: header {header}")
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
        # The sign of G2 is the side's: A's keywords positive, B's negative.
        check((float(r[5]) >= 0) == (r[10] == "a"), f"{name}: {r[0]} g2 {r[5]} side {r[10]}")
    # Signed G2 descending: A's keywords first.
    for x, y in zip(got, got[1:]):
        check(float(x[5]) > float(y[5]) or (float(x[5]) == float(y[5]) and x[0] <= y[0]),
              f"{name}: order {x[0]} before {y[0]}")
    return got


def compare_keywords(name, corpus, output, rows_a, rows_b, k, keep=lambda f: True, min_count=0):
    fa, fb = word_figures(corpus, rows_a), word_figures(corpus, rows_b)
    A = sum(len(corpus.text_pieces[t]) for t in corpus.texts_in(rows_a))
    B = sum(len(corpus.text_pieces[t]) for t in corpus.texts_in(rows_b))
    want = keyword_rows(fa, fb, A, B, lambda f: corpus.shown[f], k, keep, min_count)
    return compare_keyword_table(name, output, want)


def compare_reference_keywords(name, corpus, reference, output, rows_a, k):
    """B the whole of a second corpus, forms meeting by their folded form."""
    fa, fb = word_figures(corpus, rows_a), word_figures(reference, None)
    A = sum(len(corpus.text_pieces[t]) for t in corpus.texts_in(rows_a))
    B = sum(len(ps) for ps in reference.text_pieces)
    want = keyword_rows(fa, fb, A, B,
                        lambda f: corpus.shown[f] if f in corpus.shown else reference.shown[f], k)
    return compare_keyword_table(name, output, want)


# ---- The authors' groups beside concordance lines

def field_label(corpus, k, field):
    """(order key, label) of register row k's value of a --fields field, or None."""
    a = corpus.register[k]
    if field == "band":
        for i, (label, test) in enumerate(BANDS):
            if in_band(test, a["age"]):
                return (i, 0, 0, ""), label
        return None
    raw = {"gender": a["gender"], "education": a["education"],
           "native_language": a["native"]}.get(field, a["meta"].get(field, ""))
    v = raw.strip(" ")
    if v.lower() in ("", "unknown", "na", "n/a", "-"):
        return None
    if regex.fullmatch(r"[0-9.+-]+", v):
        try:
            return (0, 0, float(v), fold(v)), v
        except ValueError:
            pass
    return (0, 1, 0, fold(v)), v


def field_values(corpus, fields):
    """Per register row, per field: (order key, label) or None; the label of a
    value is the one of the first author (register order) who has it."""
    out = []
    first = {}
    for k in range(len(corpus.register)):
        row = []
        for f in fields:
            v = field_label(corpus, k, f)
            if v is not None:
                v = first.setdefault((f, v[0]), v)
            row.append(v)
        out.append(row)
    return out


def check_fields(name, corpus, fields, with_fields, plain):
    """The lines with --fields are the lines without, with the authors' values after code."""
    header, got = table(with_fields)
    _, lines = table(plain)
    check(header == ["code", *fields, "left", "hit", "right"], f"{name}: header {header}")
    values = field_values(corpus, fields)
    by_code = {}
    for k, a in enumerate(corpus.register):
        by_code.setdefault(a["code"], k)
    want = []
    for line in lines:
        k = by_code.get(line[0]) if line[0] else None
        vals = ["" if k is None or v is None else v[1] for v in (values[k] if k is not None
                                                                 else [None] * len(fields))]
        want.append([line[0], *vals, *line[1:]])
    check(got == want, f"{name}: {len(got)} lines; first difference "
          f"{next(((g, w) for g, w in zip(got, want) if g != w), None)}")


def check_tally(name, corpus, output, pattern, rows, n, fields):
    header, got = table(output)
    check(header == [*fields, "lines", "hits", "authors"], f"{name}: header {header}")
    values = field_values(corpus, fields)
    lines, _, _ = expected_lines(corpus, pattern, rows, n)
    groups = {}

    def group(t):
        k = corpus.text_author[t]
        row = values[k] if k >= 0 else [None] * len(fields)
        key = tuple((0, v[0]) if v else (1,) for v in row)
        return groups.setdefault(key, {"values": [v[1] if v else "" for v in row],
                                       "lines": 0, "hits": 0, "authors": set()})
    for t, _, _ in hits(corpus, pattern, rows):
        g = group(t)
        g["hits"] += 1
        if corpus.text_author[t] >= 0:
            g["authors"].add(corpus.text_author[t])
    for _, (t, _, _) in lines:
        group(t)["lines"] += 1
    want = [[*g["values"], str(g["lines"]), str(g["hits"]), str(len(g["authors"]))]
            for _, g in sorted(groups.items())]
    check(got == want, f"{name}: {got} wanted {want}")


def check_sorts(name, corpus, outputs, n):
    """Each one-word sort orders the corpus-order lines by that word's folded
    form (a line not showing it first), ties in corpus order."""
    base = outputs["corpus"]
    for order, side, i in (("left1", 1, 0), ("left2", 1, 1), ("right1", 3, 0), ("right2", 3, 1)):
        def key(line):
            words = line[side].split(" ") if line[side] else []
            if side == 1:
                words = words[::-1]
            return (0, "") if len(words) <= i else (1, fold(words[i]))
        want = sorted(base, key=key)  # a stable sort: ties keep corpus order
        got = outputs[order]
        ok = [key(g) for g in got] == [key(w) for w in want] and sorted(got) == sorted(base)
        check(ok, f"{name} --sort {order}: the lines are not in order")


# ---- Collocates within a subcorpus

def expected_scope_collocates(corpus, rows, form, span, min_freq):
    texts = corpus.texts_in(rows)
    N = sum(len(corpus.text_pieces[t]) for t in texts)
    freq = {}
    for t in texts:
        for p in corpus.text_pieces[t]:
            freq[fold(p)] = freq.get(fold(p), 0) + 1
    node = fold(form)
    pairs = {}
    for t in texts:
        ps = [fold(p) for p in corpus.text_pieces[t]]
        for i, p in enumerate(ps):
            if p != node:
                continue
            for k in range(1, span + 1):
                if i - k >= 0:
                    pairs.setdefault(ps[i - k], [0, 0])[0] += 1
                if i + k < len(ps):
                    pairs.setdefault(ps[i + k], [0, 0])[1] += 1
    out = {}
    for w, (left, right) in pairs.items():
        if left + right < min_freq:
            continue
        out[w] = [left, right, freq[w]] + collocate_measures(left + right, freq[node], freq[w], N,
                                                            span)
    return out, freq.get(node, 0), N


def collocate_measures(o, f_form, f_word, n, span):
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
        g2 = 2 * ((a * math.log(a / e1) if a else 0) + (b * math.log(b / e2) if b else 0))
        ll = -max(g2, 0) if a < e1 else max(g2, 0)
    return [mi, log_dice, ll, t]


def compare_collocates(name, output, want):
    header, got = table(output)
    check(header == ["word", "left", "right", "corpus_frequency", "mi", "log_dice", "ll",
                     "t_score"], f"{name}: header {header}")
    check(sorted(r[0] for r in got) == sorted(want),
          f"{name}: the collocates differ: {sorted(set(r[0] for r in got) ^ set(want))[:10]}")
    for r in got:
        w = want.get(r[0])
        if w is None:
            continue
        ok = [int(x) for x in r[1:4]] == w[:3] and all(
            abs(float(x) - y) <= 0.00006 for x, y in zip(r[4:], w[3:]))
        check(ok, f"{name}: {r}, wanted {w}")
    counts = [int(r[1]) + int(r[2]) for r in got]
    check(counts == sorted(counts, reverse=True), f"{name}: not by frequency")


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
            of_code = [k for k, a in enumerate(corpus.register)
                       if fold(a["code"]) == fold(code)
                       and (rows is None or k in corpus.scope_authors(rows))]
            rows = Texts(t for t in rows.texts if corpus.text_author[t] in of_code) \
                if isinstance(rows, Texts) else of_code
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
        chosen = set(corpus.texts_in(rows))
        for k in sorted(corpus.scope_authors(rows)):
            a = corpus.register[k]
            ps = [fold(p) for t in range(len(corpus.texts)) if corpus.text_author[t] == k
                  and t in chosen for p in corpus.text_pieces[t]]
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

    with tempfile.TemporaryDirectory() as folder:
        def stop_file(words):
            path = os.path.join(folder, "stop.txt")
            with open(path, "w", encoding="utf-8") as f:
                f.write("# stop words\n\n" + "\n".join(f"  {w.upper()} " for w in words) + "\n")
            return path
        for where, min_count, min_authors, no_numbers, stop in cases.get("filtered", []):
            rows = members(corpus, where)
            args = [x for w in where for x in ("--where", w)]
            args += ["--min-count", str(min_count), "--min-authors", str(min_authors)]
            args += (["--no-numbers"] if no_numbers else []) + ["--stoplist", stop_file(stop)]
            out = go("wordlist", *args).stdout
            compare_wordlist(f"wordlist {args}", out,
                             expected_wordlist(corpus, rows, form_filter(no_numbers, stop),
                                               min_count, min_authors))
        for where, against, k, min_count, no_numbers, stop in cases.get("keyword_filters", []):
            ra = members(corpus, where)
            rb = members(corpus, against) if against else Rest(
                ra if ra is not None else range(len(corpus.register)))
            args = [x for w in where for x in ("--where", w)]
            args += [x for w in against for x in ("--against", w)]
            args += ["--min-authors", str(k), "--min-count", str(min_count), "--stoplist",
                     stop_file(stop)] + (["--no-numbers"] if no_numbers else [])
            out = go("keywords", *args).stdout
            compare_keywords(f"keywords {args}", corpus, out, ra, rb, k,
                             form_filter(no_numbers, stop), min_count)

    for where, query, n, literal, fields in cases.get("fields", []):
        rows = members(corpus, where)
        args = [x for w in where for x in ("--where", w)]
        args += ["--form" if literal else "--pattern", query, "--context", str(n)]
        name = f"concordance {args} --fields {fields}"
        plain = go("concordance", *args).stdout
        grouped = go("concordance", *args, "--fields", ",".join(fields)).stdout
        check_fields(name, corpus, fields, grouped, plain)
        tally = go("concordance", *args, "--fields", ",".join(fields), "--tally").stdout
        check_tally(name + " --tally", corpus, tally, query, rows, n, fields)
    for where, query, n, literal in cases.get("sorts", []):
        args = [x for w in where for x in ("--where", w)]
        args += ["--form" if literal else "--pattern", query, "--context", str(n)]
        by = {order: table(go("concordance", *args, "--sort", order).stdout)[1]
              for order in ("corpus", "left1", "left2", "right1", "right2")}
        check_sorts(f"concordance {args}", corpus, by, n)
    for where, form, span, min_freq in cases.get("collocates", []):
        rows = members(corpus, where)
        args = [x for w in where for x in ("--where", w)]
        args += ["--form", form, "--span", str(span), "--min-freq", str(min_freq)]
        out = go("collocates", *args).stdout
        want, f_form, n_words = expected_scope_collocates(corpus, rows, form, span, min_freq)
        compare_collocates(f"collocates {args}", out, want)
        check(f"# form frequency: {f_form} in the scope's texts" in out
              and f"# subcorpus words: {n_words} (N)" in out, f"collocates {args}: N and F_form")
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
    return Corpus(register, texts, glossary, EMOTICONS)


# The project's own list of emoticons, read here as the exploring tools read it.
with open(os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "..", "data",
                       "emoticons.txt"), encoding="utf-8") as _f:
    EMOTICONS = Emoticons(_f.read())


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
    # Emoticons alone, glued and repeated; times, addresses, numbers and
    # placeholders of anonymised corpora.
    (0, "ok:) c u at 10:30 <#> :P u"),
    (3, "xD :-))) lol<3 http://x.com 50% \u00a35 u x"),
    (5, "<DECIMAL> ok :( :( ^^ T_T u 2"),
    (2, "hehe:P!! 5:3 ;-) :o) x u :)"),
    (4, "u :) <EMAIL> 2nite xDrive 2 2"),
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
    return path, gpath, Corpus(register, texts, glossary, EMOTICONS)


def sent_at(t):
    """A text's date as the dated table gives it: a day, sometimes with a
    time, once missing."""
    if t == 6:
        return "NA"
    day = "2011-03-%02d" % (1 + (t * 3) % 7)
    return day + ("T08:00" if t == 9 else " 10:%02d" % t if t % 4 == 1 else "")


def write_dated_table(folder):
    """The table of the user's own with two text fields, a message id and the
    date it was sent (each differs between an author's texts)."""
    path = os.path.join(folder, "dated.csv")
    with open(path, "w", encoding="utf-8", newline="") as f:
        w = csv.writer(f, lineterminator="\n")
        w.writerow(["author", "code", "age", "gender", "education", "native language",
                    "region", "id", "sent", "text"])
        for t, (a, text) in enumerate(TABLE_TEXTS):
            w.writerow([*TABLE_AUTHORS[a], str(t + 1), sent_at(t), text])
    return path


def read_dated_table(path, glossary):
    """The dated table as read from the file: the authors in order of first
    appearance with their values, the texts, and each text's id and date."""
    register, row_of, texts = [], {}, []
    fields = {"id": [], "sent": []}
    with open(path, encoding="utf-8", newline="") as f:
        for r in csv.DictReader(f):
            if fold(r["author"]) not in row_of:
                row_of[fold(r["author"])] = len(register)
                age = r["age"].strip()
                register.append(dict(name=r["author"], code=r["code"],
                                     age="" if age.lower() in ("na", "n/a", "unknown", "-") else age,
                                     gender="F" if r["gender"].lower().startswith("f") else "M",
                                     education=r["education"], native=r["native language"],
                                     meta={"region": r["region"]}))
            texts.append((r["author"], r["text"]))
            fields["id"].append(r["id"])
            fields["sent"].append(r["sent"])
    corpus = Corpus(register, texts, glossary, EMOTICONS)
    corpus.text_fields = fields
    return corpus


def check_text_fields(report, folder, gpath, glossary):
    """Subcorpora chosen by a text field: the texts whose own id or date meets
    the condition, worked out here from the table file itself."""
    path = write_dated_table(folder)
    dated = read_dated_table(path, glossary)
    opts = ["--corpus", path, "--glossary", gpath]
    out = run(report, "check", *opts).stdout
    for column in ("id", "sent"):
        check(f'column text field: "{column}"' in out, f"the dated table's {column} is no text field")
    week = "sent=2011-03-01..2011-03-04"
    check_corpus(report, dated, opts, {
        "meta": ["region"],
        "wordlists": [(["sent=2011-03-02"], None, ""), ([week], None, ""),
                      (["id=3..12", "gender=F"], None, ""),
                      (["sent=2011-03-01..2011-03-05"], "A1", ""),
                      (["id=1..10"], None, "c u *"), ([week], None, "?*")],
        "keywords": [(["sent=2011-03-01..2011-03-03"], [], 1),
                     (["sent=2011-03-01..2011-03-03"], ["id=12..21"], 1),
                     (["id=1..11"], ["gender=M"], 1)],
        "concordances": [([week], "u", n, True) for n in range(1, 4)] +
                        [(["id=5..21", "region=North"], "x", 2, True)],
        "authors": [([week], "u x 2nite"), (["id=1..8", "gender=F"], "u,ok")],
        "filtered": [(["sent=2011-03-03..2011-03-07"], 1, 1, True, ["x"])],
        "keyword_filters": [(["sent=2011-03-01..2011-03-03"], [], 1, 1, True, ["u"])],
        "fields": [([week], "u", 2, True, ["gender", "region"])],
        "sorts": [(["id=1..15"], "u", 2, True)],
        "collocates": [([week], "u", 2, 1), (["id=1..14", "gender=F"], "x", 1, 1)],
    })
    # The "#" lines say which texts were chosen.
    chosen = members(dated, [week])
    authors = dated.scope_authors(chosen)
    said = (f"{len(chosen.texts)} of {len(dated.texts)} texts of the corpus, of {len(authors)} "
            f"author{'s' if len(authors) != 1 else ''}")
    out = run(report, "wordlist", "--where", week, *opts).stdout
    check(f"# selection: subcorpus {week}" in out and f"# texts: {said} (" in out,
          f"wordlist --where {week}: the texts chosen are not named")
    out = run(report, "keywords", "--where", week, *opts).stdout
    rest = len(dated.texts) - len(chosen.texts)
    check(f"# texts of a: {said} (" in out and f"# texts of b: {rest} of {len(dated.texts)} texts"
          in out, "keywords: the texts of a and b are not named")
    out = run(report, "wordlist", "--where", "gender=F", *opts).stdout
    check("# texts:" not in out, "a subcorpus of whole authors names no texts chosen")
    # The comparisons of authors refuse a text field, saying why; a value or
    # range no text has names the field's values.
    for args, says in [
            (["variants", "--family", "You", "--where", "sent=2011-03-01"],
             '"sent" is a text field: its value differs between an author\'s texts, and variants, '
             'spread, significance and metrics compare authors'),
            (["metrics", "--where", "region=North", "--where", "ID=3"], '"ID" is a text field'),
            (["variants", "--forms", "u", "--group-by", "sent"], '"sent" is a text field'),
            (["wordlist", "--where", "sent=1999-01-01"],
             'sent (a text field) has the values 2011-03-01, '),
            (["concordance", "--form", "u", "--where", "id=100..200"],
             "no text's id lies within 100..200; its numbers run from 1 to 21"),
            (["keywords", "--against", "sent=2012-01-01..2012-12-31"],
             "no text's sent lies within 2012-01-01..2012-12-31; its dates run from 2011-03-01 to "
             "2011-03-07")]:
        p = run(report, *args, *opts, status=2)
        check(says in p.stderr and p.stdout == "", f"{args}: {p.stderr!r} lacks {says!r}")


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
        "filtered": [([], 3, 2, True, ["the", "a", "i"]), (["gender=F"], 0, 5, False, ["u"])],
        "keyword_filters": [(["gender=F"], [], 3, 5, True, ["the"]),
                            (["age=16-25"], ["age=41-60"], 1, 2, False, ["x", "u"])],
        "fields": [([], ":)", 3, True, ["band", "gender"]),
                   ([], "u", 2, True, ["band", "gender", "education"]),
                   (["gender=F"], "c u *", 1, False, ["education", "band"])],
        "sorts": [([], "u", 3, True), ([], "c u *", 2, False)],
        "collocates": [(["gender=F"], "u", 1, 1), (["age=16-25"], "x", 3, 2),
                       (["gender=M"], ":o)", 2, 1)],
    })
    # No emoticons: the cleaned text's pieces, as before there were any.
    out = run(report, "wordlist", "--emoticons", "none").stdout
    compare_wordlist("wordlist --emoticons none", out,
                     expected_wordlist(corpus.with_emoticons(NO_EMOTICONS), None))

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
            "filtered": [([], 0, 0, True, []), ([], 2, 2, True, ["ok", "C"]),
                         (["region=north"], 1, 1, False, ["x"])],
            "keyword_filters": [(["region=North"], [], 1, 2, True, ["u"])],
            "fields": [([], "u", 2, True, ["band", "gender", "region"]),
                       ([], ":(", 1, True, ["region", "native_language"]),
                       (["region=North,East"], "re:.*[:;].*", 3, False, ["gender", "band"])],
            "sorts": [([], "u", 2, True), ([], "x", 3, True)],
            "collocates": [(["region=North"], "u", 1, 1), (["gender=F"], "x", 2, 1),
                           (["education=uni"], ":)", 3, 1)],
        })
        # An own list of emoticons.
        epath = os.path.join(folder, "emoticons.txt")
        with open(epath, "w", encoding="utf-8") as f:
            f.write("# mine\n:P\n\n  <3  \nT_T\n")
        with open(epath, encoding="utf-8") as f:
            mine = own.with_emoticons(Emoticons(f.read()))
        out = run(report, "wordlist", "--emoticons", epath, *opts).stdout
        compare_wordlist("wordlist --emoticons FILE", out, expected_wordlist(mine, None))
        out = run(report, "concordance", "--form", ":p", "--emoticons", epath, *opts).stdout
        compare_concordance("concordance --emoticons FILE", mine, out, ":p", None, 3)
        # Keywords against a second corpus: the built-in sample against the
        # table, the table's North against the built-in sample.
        out = run(report, "keywords", "--reference", path, "--min-authors", "1").stdout
        compare_reference_keywords("keywords --reference TABLE", corpus, own, out, None, 1)
        check("# b: whole corpus of the reference corpus table " + path in out,
              "keywords --reference: the b line names the reference corpus")
        out = run(report, "keywords", "--where", "region=North", "--reference", "built-in",
                  "--reference-bands", "0-20,21+", *opts).stdout
        compare_reference_keywords("keywords --reference built-in", own, corpus, out,
                                   members(own, ["region=North"]), 3)
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
        check_text_fields(report, folder, gpath, own.glossary)

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
                          (["variants", "--family", "Back", "--against", "age=1"], "takes none"),
                          (["keywords"], "B has no words: the rest of the whole corpus is empty"),
                          (["keywords", "--against", "age=1", "--reference", "built-in"],
                           "not both"),
                          (["keywords", "--reference", "/nonexistent/corpus"],
                           "cannot read the reference corpus"),
                          (["concordance", "--form", "u", "--fields", "shoe"], "--fields"),
                          (["concordance", "--form", "u", "--tally"], "--tally needs --fields"),
                          (["wordlist", "--stoplist", "/nonexistent/stop"], "cannot be read"),
                          (["wordlist", "--emoticons", "/nonexistent/list"], "cannot be read"),
                          (["collocates", "--form", "u", "--span", "6"], "--span"),
                          (["wordlist", "--span", "2"], "does not take --span"),
                          (["concordance", "--form", "u", "--sort", "middle"], "unknown order")]:
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
