#!/usr/bin/env python3
"""A monkey at the keyboard and mouse of the program, through zapt-drive.

Plays a bounded number of random real-input commands (presses on rows and
buttons, bursts of clicks at a person's speed, keys, focus changes, the wheel,
typing, clicks and closing windows),
valid and invalid, and checks after every 100 events that the windows still
hold together:

- the driver answers every command with one JSON object, and is still running;
- AgeTable and lstEducation have the same number of rows;
- every result label reads as a number;
- lblNumOfGroupTexts2 shows the same as NumOfGroupTexts;
- lblNumOfCorpusTexts shows the number of texts in data/corpus.jsonl;
- no answer holds an author's name or a whole text.

    monkey.py --drive build/zapt-drive --events 5000 --seed 1

Exit code 0 when every check held; 1 with the seed and the failing check
otherwise, so a failure can be replayed with the same seed.
"""
import argparse
import json
import os
import random
import re
import subprocess
import sys

HERE = os.path.dirname(os.path.abspath(__file__))
DATA = os.path.normpath(os.path.join(HERE, "..", "..", "data"))

NUMBER = re.compile(r"^-?[0-9]+(\.[0-9]+)?$")
RESULT_LABELS = [
    "NumOfGroupTexts", "GroupAvTextLength", "GroupAvNumOfCharacters",
    "GroupAvWordClusterLength", "GroupAvPuncDensity", "GroupNonStandardFormsDensity",
    "lblTextTotal", "lblAvTextLength", "lblNumOfCharacters", "lblAvWordClusterLength",
    "lblPuncDensity", "lblNonStandardFormDensity", "lblTotWords",
    "lblInstancesOfSearchWord", "lblWordTotal", "lblCorpusTotal", "lblInstInGroup",
    "lblInstInCorpus", "lblPuncCount", "lblNumOfGroupTexts2", "lblNumOfCorpusTexts",
]
KEYS = ["Enter", "Tab", "Backtab", "Down", "Up", "Home", "End", "PageDown", "PageUp", "Space",
        "Escape", "Ctrl+A", "Ctrl+C"]
# Opening the upload page starts a web browser process: not a monkey's business.
# The buttons that open the system's file chooser, which waits for a person.
AVOID = {"cmdBrowse", "cmdChooseTable", "cmdChooseFolder", "cmdChooseGlossary", "cmdChooseFamilies",
         "cmdSaveChart", "cmdEmoticonsFile", "cmdWordStopListFile", "cmdKeywordsStopListFile",
         "cmdReferenceTable", "cmdReferenceFolder"}
AWKWARD_TEXT = ["", "4get", "u", "bk", "BK", "   ", "\x01\x02\t", "\u4f60\u597d", "caf\u00e9",
                "\u00a3", "'", "\"", "%", "a" * 5000, "x y z", "\u202e", "\U0001f600", "\r\n"]


def fold(s):
    return s.lower()


def load_data():
    with open(os.path.join(DATA, "register.json"), encoding="utf-8") as f:
        register = json.load(f)
    texts = []
    with open(os.path.join(DATA, "corpus.jsonl"), encoding="utf-8") as f:
        for line in f:
            if line.strip():
                texts.append(json.loads(line))
    fixed = set()
    with open(os.path.join(DATA, "glossary.json"), encoding="utf-8") as f:
        fixed.update(fold(w) for w in json.load(f)["forms"])
    with open(os.path.join(DATA, "variants.json"), encoding="utf-8") as f:
        for family in json.load(f):
            fixed.update(fold(w) for w in family["items"])
    names = {fold(a["name"]) for a in register} | {fold(t["author"]) for t in texts}
    names -= fixed  # a name that is also a word of the program's own lists may show as that word
    long_texts = []
    for t in texts:
        s = " ".join(t["text"].split())
        if len(s.split(" ")) >= 4:
            long_texts.append(fold(s))
    return names, long_texts, len(texts)


class Driver:
    def __init__(self, program):
        env = dict(os.environ)
        env.setdefault("QT_QPA_PLATFORM", "offscreen")
        self.proc = subprocess.Popen([program], stdin=subprocess.PIPE, stdout=subprocess.PIPE,
                                     stderr=subprocess.DEVNULL, env=env, text=True,
                                     encoding="utf-8", errors="replace", bufsize=1)

    def send_line(self, line):
        self.proc.stdin.write(line + "\n")
        self.proc.stdin.flush()
        answer = self.proc.stdout.readline()
        if not answer:
            raise Failure("the driver stopped answering after " + line[:200])
        try:
            return json.loads(answer), answer
        except json.JSONDecodeError:
            raise Failure("answer is not JSON: " + answer[:200])

    def send(self, command):
        return self.send_line(json.dumps(command))

    def close(self):
        try:
            self.proc.stdin.close()
            self.proc.wait(timeout=30)
        except Exception:
            self.proc.kill()
        return self.proc.returncode


class Failure(Exception):
    pass


def controls_of(dump):
    """(window, name, description) of every control of every open window."""
    out = []
    for window, w in dump.get("windows", {}).items():
        for name, c in w.get("controls", {}).items():
            out.append((window, name, c))
    return out


def random_command(rng, dump):
    controls = [c for c in controls_of(dump) if c[1] not in AVOID]
    r = rng.random()
    if r < 0.03:  # not a command at all
        # (a blank line is skipped by the driver without an answer, so none here)
        return rng.choice(["[", "{}", "[1]", '["nonsense"]', '["press"]', "null",
                           '["key", "txtSearch", "F13"]', '["select", "AgeTable", 1e9]'])
    if not controls:
        return json.dumps(["dump"])
    window, name, c = rng.choice(controls)
    ref = window + "." + name if rng.random() < 0.5 else name
    kind = c.get("kind")
    rows = len(c.get("items", []))
    if kind == "list":
        choice = rng.random()
        if choice < 0.05 and rows:
            return json.dumps(["burst", ref, rng.randrange(rows), rng.choice([2, 5]),
                               rng.choice([0, 15])])
        if choice < 0.45:
            row = rng.randrange(rows) if rows and rng.random() < 0.9 else rng.choice([-1, rows, 99999])
            return json.dumps(["press", ref, row])
        if choice < 0.55 and rows:
            return json.dumps(["select", ref, rng.randrange(rows)])
        if choice < 0.9:
            return json.dumps(["key", ref, rng.choice(KEYS)])
        if choice < 0.95:
            return json.dumps(["wheel", ref, rng.randint(-5, 5)])
        return json.dumps(["focus", ref])
    if kind in ("button", "option", "label"):
        choice = rng.random()
        if choice < 0.1:
            # A burst of clicks at a person's speed (a double click, an impatient user).
            return json.dumps(["burst", ref, rng.choice([2, 3, 10]), rng.choice([0, 15, 40])])
        if choice < 0.5:
            return json.dumps(["click", ref])
        if choice < 0.8:
            return json.dumps(["press", ref])
        return json.dumps(["key", ref, rng.choice(KEYS)])
    if kind == "table":
        n = len(c.get("rows", []))
        columns = len(c.get("columns", []))
        choice = rng.random()
        if choice < 0.4:
            row = rng.randrange(n) if n and rng.random() < 0.9 else rng.choice([-1, n, 99999])
            return json.dumps(["press", ref, row])
        if choice < 0.6:
            column = rng.randrange(columns) if columns and rng.random() < 0.9 else rng.choice([-1, columns])
            return json.dumps(["press", ref, "heading", column])
        if choice < 0.8:
            return json.dumps([rng.choice(["copy", "copyall"]), ref])
        return json.dumps(["key", ref, rng.choice(KEYS)])
    if kind == "spin":
        return json.dumps(["select", ref, rng.randint(c.get("minimum", 0) - 2, c.get("maximum", 5) + 2)])
    if kind in ("combo", "tabs"):
        n = len(c.get("items", [])) if kind == "combo" else 3
        index = rng.randrange(n) if n and rng.random() < 0.9 else rng.choice([-1, n, 99])
        return json.dumps(["select", ref, index])
    if kind == "text":
        if rng.random() < 0.5:
            return json.dumps(["type", ref, rng.choice(AWKWARD_TEXT)])
        return json.dumps(["key", ref, rng.choice(KEYS)])
    choice = rng.random()
    if choice < 0.3:
        closable = [w for w in dump.get("windows", {}) if w != "Form1"]
        if closable:
            return json.dumps(["close", rng.choice(closable)])
    return json.dumps(["focus", ref])


def check(dump, names, long_texts, corpus_texts):
    if not dump.get("ok"):
        raise Failure("dump failed: " + json.dumps(dump)[:200])
    form1 = dump["windows"].get("Form1")
    if not form1:
        raise Failure("the main window is gone")
    c = form1["controls"]
    if len(c["AgeTable"]["items"]) != len(c["lstEducation"]["items"]):
        raise Failure("AgeTable has %d rows, lstEducation %d" %
                      (len(c["AgeTable"]["items"]), len(c["lstEducation"]["items"])))
    labels = RESULT_LABELS + [n for n in c if re.match(r"^lbl.+(Individual|InGroup|InCorpus)$", n)]
    for name in labels:
        text = c[name]["text"]
        if not NUMBER.match(text):
            raise Failure("%s reads %r, not a number" % (name, text))
    if c["lblNumOfGroupTexts2"]["text"] != c["NumOfGroupTexts"]["text"]:
        raise Failure("lblNumOfGroupTexts2 %s, NumOfGroupTexts %s" %
                      (c["lblNumOfGroupTexts2"]["text"], c["NumOfGroupTexts"]["text"]))
    if c["lblNumOfCorpusTexts"]["text"] != str(corpus_texts):
        raise Failure("lblNumOfCorpusTexts reads " + c["lblNumOfCorpusTexts"]["text"])


def strings_of(value, out):
    if isinstance(value, str):
        out.add(fold(value))
    elif isinstance(value, list):
        for v in value:
            strings_of(v, out)
    elif isinstance(value, dict):
        for v in value.values():
            strings_of(v, out)


def check_privacy(answers, names, long_texts):
    values = set()
    for a in answers:
        strings_of(a, values)
    for v in values:
        if v in names:
            raise Failure("an author's name is shown: " + v)
        if len(v) >= 12:
            for t in long_texts:
                if t in v:
                    raise Failure("a whole text is shown: " + t)


def main():
    parser = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    parser.add_argument("--drive", required=True, help="the zapt-drive program")
    parser.add_argument("--events", type=int, default=5000)
    parser.add_argument("--seed", type=int, default=None, help="random seed (default: random)")
    args = parser.parse_args()
    seed = args.seed if args.seed is not None else random.SystemRandom().randrange(1 << 30)
    rng = random.Random(seed)
    names, long_texts, corpus_texts = load_data()

    drive = Driver(args.drive)
    refused = 0
    answers = []
    seen = set()  # the windows the monkey has had open
    last = ""
    try:
        dump, _ = drive.send(["dump"])
        check(dump, names, long_texts, corpus_texts)
        for event in range(1, args.events + 1):
            last = random_command(rng, dump)
            answer, _ = drive.send_line(last)
            if not isinstance(answer, dict) or "ok" not in answer:
                raise Failure("answer without ok: " + json.dumps(answer)[:200])
            refused += not answer["ok"]
            answers.append(answer)
            if event % 25 == 0 or event == args.events:
                # A fresh look at the windows for the next choices; the checks every 100.
                dump, _ = drive.send(["dump"])
                answers.append(dump)
                seen.update(dump.get("windows", {}).keys())
                if event % 100 == 0 or event == args.events:
                    check(dump, names, long_texts, corpus_texts)
                    check_privacy(answers, names, long_texts)
                    answers.clear()
        if drive.proc.poll() is not None:
            raise Failure("the driver ended")
    except Failure as f:
        print("monkey: FAILED after %r (seed %d): %s" % (last[:200], seed, f))
        drive.close()
        return 1
    code = drive.close()
    if code != 0:
        print("monkey: FAILED: the driver exited with %s (seed %d)" % (code, seed))
        return 1
    print("monkey: %d events (%d refused as invalid), every check held (seed %d); windows seen: %s" %
          (args.events, refused, seed, " ".join(sorted(seen))))
    return 0


if __name__ == "__main__":
    sys.exit(main())
