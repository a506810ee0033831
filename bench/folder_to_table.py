#!/usr/bin/env python3
"""Writes a corpus folder (register.json + corpus.jsonl) as one CSV table, one
row per text with its author's register fields, for timing a table of the size
of a real one: e.g. the 57x folder of tools/make_large_corpus.py gives a table
of 55,689 texts.

    python3 tools/make_large_corpus.py 57 /tmp/zapt57
    python3 bench/folder_to_table.py /tmp/zapt57 /tmp/zapt57.csv
"""
import csv
import json
import sys


def main():
    if len(sys.argv) != 3:
        sys.exit("usage: folder_to_table.py FOLDER TABLE.csv")
    folder, table = sys.argv[1], sys.argv[2]
    with open(f"{folder}/register.json", encoding="utf-8") as f:
        register = json.load(f)
    by_name = {}
    for row in register:
        by_name.setdefault(row["name"].casefold(), row)
    with open(table, "w", encoding="utf-8", newline="") as out:
        w = csv.writer(out)
        w.writerow(["code", "author", "age", "gender", "education", "native language", "text"])
        with open(f"{folder}/corpus.jsonl", encoding="utf-8") as f:
            for line in f:
                if not line.strip():
                    continue
                t = json.loads(line)
                a = by_name.get(t["author"].casefold())
                if a is None:
                    continue
                w.writerow([a["code"], a["name"], a["age"], a["gender"], a["education"],
                            a["nativeLanguage"], t["text"]])


if __name__ == "__main__":
    main()
