#!/usr/bin/env python3
"""zapt-report answers from a compiled corpus exactly as from its source: every
command below is run on a corpus read afresh (--no-cache), then on the same
corpus compiled (the first open writes the compiled file, the second maps it),
and the three outputs must be the same byte for byte; then a text of the
source is changed and the next command must answer for the changed corpus.

    python3 tests/report/check_compiled.py build/zapt-report TOOLS_DIR TEST_DATA_DIR
"""
import json
import os
import shutil
import subprocess
import sys
import tempfile

COMMANDS = [
    # A corpus of the user's own has no families unasked: the British ones
    # are chosen where a command names one.
    ["variants", "--family", "Back", "--lexicon", "british"],
    ["variants", "--forms", "u,you,ya"],
    ["spread", "--family", "Back", "--lexicon", "british"],
    ["significance", "--family", "Been", "--lexicon", "british"],
    ["metrics"],
    ["metrics", "--group-by", "education"],
    ["collocations", "--form", "2moro"],
    ["collocates", "--form", "u"],
    ["families"],
    ["families", "--lexicon", "british"],
    ["check"],
    ["wordlist"],
    ["wordlist", "--code", "CODE"],
    ["keywords", "--where", "gender=F"],
    ["concordance", "--form", "u"],
    ["concordance", "--pattern", "2*"],
    ["authors", "--family", "Back", "--lexicon", "british"],
]


def run(report, args, env):
    p = subprocess.run([report] + args, capture_output=True, env=env)
    return p.returncode, p.stdout, p.stderr


def main():
    report, tools, test_data = sys.argv[1], sys.argv[2], sys.argv[3]
    failures = 0
    with tempfile.TemporaryDirectory(prefix="zapt_check_compiled_") as tmp:
        env = dict(os.environ, XDG_CACHE_HOME=os.path.join(tmp, "cache"))
        folder = os.path.join(tmp, "folder")
        subprocess.run([sys.executable, os.path.join(tools, "make_large_corpus.py"), "2", folder],
                       check=True, capture_output=True)
        table = os.path.join(tmp, "awkward.csv")
        shutil.copy(os.path.join(test_data, "awkward_corpus.csv"), table)
        with open(os.path.join(folder, "register.json"), encoding="utf-8") as f:
            code = json.load(f)[1]["code"]
        for source in (folder, table):
            compiled = (os.path.join(source, "compiled.zapt") if os.path.isdir(source)
                        else source + ".zapt")
            for args in COMMANDS:
                if source == table and "--code" in args:
                    continue
                base = [code if a == "CODE" else a for a in args] + ["--corpus", source]
                want = run(report, base + ["--no-cache"], env)
                if want[0] != 0:
                    print("fails on the source:", " ".join(base), want[2].decode()[:200])
                    failures += 1
                if os.path.exists(compiled):
                    os.remove(compiled)
                first = run(report, base + ["--compile"], env)
                second = run(report, base + ["--compile"], env)
                if not os.path.exists(compiled):
                    print("no compiled file after", " ".join(base))
                    failures += 1
                for name, got in (("first", first), ("second", second)):
                    if got != want:
                        print(f"{name} compiled run differs: {' '.join(base)}")
                        failures += 1
        # A changed text is answered as it now is.
        texts = os.path.join(folder, "corpus.jsonl")
        with open(texts, encoding="utf-8") as f:
            lines = f.read().splitlines(keepends=True)
        lines.append('{"author": "Liam 13", "text": "zqzqzq zqzqzq"}\n')
        with open(texts, "w", encoding="utf-8") as f:
            f.writelines(lines)
        args = ["wordlist", "--corpus", folder, "--compile"]
        code, out, _ = run(report, args, env)
        if code != 0 or b"\nzqzqzq,2," not in out:
            print("a changed source was not read again")
            failures += 1
        if run(report, args, env)[1] != out or run(report, args[:-1] + ["--no-cache"], env)[1] != out:
            print("the changed source's compiled answer differs")
            failures += 1
    if failures:
        sys.exit(f"{failures} differences")
    print("compiled corpus answers hold")


if __name__ == "__main__":
    main()
