#!/usr/bin/env python3
"""Writes a large test corpus: N times the built-in one, into a folder.

    python3 tools/make_large_corpus.py N OUT_DIR [--seed S] [--data DIR]
                                                 [--with-optional]

OUT_DIR receives register.json and corpus.jsonl in the formats of data/ (see
data/README.md), ready for `zapt --corpus OUT_DIR`. With --with-optional the
glossary and the variant families are copied as well; without it the program
uses its built-in ones.

Copy k (0 to N-1) of every register row gets a new code and a new name; its
age, gender and education stay, so the authors are spread over the age bands
and genders exactly as in the built-in register, N times over. Every built-in
text is written N times, once for each copy of its author (texts of no
registered author go to a new unregistered name per copy), and the whole
corpus is then put into one shuffled order. An author's texts thus keep their
number and content, and the case of the per-text names is kept, so a name that
differs from its register row only in case still does in every copy.

Codes: with N = 1 the built-in codes; otherwise the copy number in as many
digits as N - 1 needs, followed by the built-in code ("000060" ... "999082"
for N = 1000), so codes are longer than three digits. Names are the built-in
names with " ~k" appended; they are never shown by the program.

The output depends only on N, the seed and the built-in data: the same
arguments give the same files, byte for byte. Nothing large is kept in the
repository; tests and benchmarks write into a build folder or /tmp.
"""

import argparse
import json
import os
import random
import shutil
import sys

HERE = os.path.dirname(os.path.abspath(__file__))
DATA = os.path.join(os.path.dirname(HERE), "data")


def read_jsonl(path):
    with open(path, encoding="utf-8") as f:
        return [json.loads(line) for line in f if line.strip()]


def main(argv):
    p = argparse.ArgumentParser(description="Write N times the built-in corpus to a folder.")
    p.add_argument("n", type=int, help="how many times the built-in corpus (1 or more)")
    p.add_argument("out", help="the folder to write (created when missing)")
    p.add_argument("--seed", type=int, default=1, help="seed of the corpus order (default 1)")
    p.add_argument("--data", default=DATA, help="folder of the built-in data (default data/)")
    p.add_argument("--with-optional", action="store_true",
                   help="copy glossary.json and variants.json too")
    args = p.parse_args(argv)
    if args.n < 1:
        p.error("N must be 1 or more")

    with open(os.path.join(args.data, "register.json"), encoding="utf-8") as f:
        register = json.load(f)
    corpus = read_jsonl(os.path.join(args.data, "corpus.jsonl"))

    n = args.n
    width = len(str(n - 1))

    def code(k, c):
        return c if n == 1 else f"{k:0{width}d}{c}"

    def name(k, nm):
        return nm if n == 1 else f"{nm} ~{k}"

    registered = {row["name"].casefold() for row in register}

    rows = []
    for k in range(n):
        for row in register:
            r = dict(row)
            r["code"] = code(k, row["code"])
            r["name"] = name(k, row["name"])
            rows.append(r)

    texts = []
    for k in range(n):
        for t in corpus:
            author = t["author"]
            if author.casefold() in registered:
                author = name(k, author)
            elif n > 1:
                author = f"Unregistered writer ~{k}"
            texts.append((author, t["text"]))
    if n > 1:
        random.Random(args.seed).shuffle(texts)

    os.makedirs(args.out, exist_ok=True)
    with open(os.path.join(args.out, "register.json"), "w", encoding="utf-8", newline="\n") as f:
        f.write("[\n")
        f.write(",\n".join("  " + json.dumps(r, ensure_ascii=False) for r in rows))
        f.write("\n]\n")
    with open(os.path.join(args.out, "corpus.jsonl"), "w", encoding="utf-8", newline="\n") as f:
        for author, text in texts:
            f.write(json.dumps({"author": author, "text": text}, ensure_ascii=False))
            f.write("\n")
    for optional in ("glossary.json", "variants.json"):
        target = os.path.join(args.out, optional)
        if args.with_optional:
            shutil.copyfile(os.path.join(args.data, optional), target)
        elif os.path.exists(target):
            os.remove(target)  # a folder written before with --with-optional
    print(f"{args.out}: {len(rows)} authors, {len(texts)} texts", file=sys.stderr)
    return 0


if __name__ == "__main__":
    sys.exit(main(sys.argv[1:]))
