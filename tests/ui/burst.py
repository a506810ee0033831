#!/usr/bin/env python3
"""Bursts of real clicks on every button of the main window and of the
comparison window, through zapt-drive.

A person double-clicks a slow button, or clicks again because nothing seemed
to happen. Each button gets ten clicks posted at once and ten posted 15 ms
apart, without waiting for the program between them; the driver answers once
all of them have been handled. After each burst the windows' invariants must
hold (the monkey's checks), and a button whose query gives the same result
when run again must leave the windows exactly as one click of it does.

    burst.py --drive build/zapt-drive

Exit code 0 when every check held.
"""
import argparse
import json
import sys

from monkey import Driver, Failure, check, check_privacy, load_data

# Buttons whose second run repeats the first: after a burst the windows show
# what one click shows.
REPEATABLE = {
    "cmdAgeAndGender", "cmdAuthorData", "cmdSearchGroup", "cmdSearch", "cmdCount",
    "cmdClusterPunctuation", "cmdColls", "cmdGetCorpusData", "cmdAbout", "cmdHelp",
    "cmdStrange", "Command1", "cmdCompareGroups", "cmdFindCollocations",
}
BURSTS = [(10, 0), (10, 15)]


def shown(dump, windows):
    """What the given windows show, without the counters of handler runs."""
    out = {}
    for name in windows:
        w = dump["windows"].get(name)
        if w is None:
            out[name] = None
            continue
        controls = {}
        for control, c in w["controls"].items():
            c = dict(c)
            c.pop("clicks", None)
            controls[control] = c
        out[name] = controls
    return out


def differences(a, b):
    out = []
    for window in a:
        if (a[window] is None) != (b[window] is None):
            out.append("%s open/closed" % window)
            continue
        if a[window] is None:
            continue
        for control in a[window]:
            if a[window][control] != b[window].get(control):
                out.append("%s.%s" % (window, control))
    return out


def buttons_of(dump, window):
    w = dump["windows"].get(window, {})
    return [name for name, c in w.get("controls", {}).items()
            if c["kind"] == "button" and c["visible"]]


def main():
    parser = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    parser.add_argument("--drive", required=True)
    args = parser.parse_args()
    names, long_texts, corpus_texts = load_data()
    drive = Driver(args.drive)
    played = 0

    def send(command):
        answer, _ = drive.send(command)
        if not answer.get("ok"):
            raise Failure("%s refused: %s" % (json.dumps(command), answer.get("error")))
        return answer

    def burst_each(window, setup):
        nonlocal played
        dump = send(["dump"])
        for button in sorted(buttons_of(dump, window)):
            setup()
            dump = send(["dump"])
            if window not in dump["windows"]:
                raise Failure("%s closed itself" % window)
            if not dump["windows"][window]["controls"][button]["enabled"]:
                continue
            ref = window + "." + button
            send(["press", ref])
            watched = ["Form1", window]
            once = shown(send(["dump"]), watched)
            for count, ms in BURSTS:
                send(["burst", ref, count, ms])
                played += count
                after = send(["dump"])
                check(after, names, long_texts, corpus_texts)
                check_privacy([after], names, long_texts)
                if button in REPEATABLE:
                    changed = differences(once, shown(after, watched))
                    if changed:
                        raise Failure("%d clicks %d ms apart on %s left the windows unlike one "
                                      "click: %s" % (count, ms, ref, ", ".join(changed[:8])))
            # Windows the button opened are closed again, so that the next
            # button starts from the same place.
            for other in list(send(["dump"])["windows"]):
                if other not in ("Form1", window):
                    send(["close", other])

    try:
        # The main window: a group of several authors, one of them selected.
        def main_setup():
            send(["click", "opt26To40"])
            send(["click", "optFemale"])

        main_setup()
        send(["press", "cmdAgeAndGender"])
        send(["press", "AgeTable", 1])
        burst_each("Form1", main_setup)
        # Rows of the lists too: the author codes and a family's variants.
        for list_name, row in [("AgeTable", 0), ("AgeTable", 2), ("lstBack", 1), ("lstUForms", 0)]:
            for count, ms in BURSTS:
                send(["burst", list_name, row, count, ms])
                played += count
                check(send(["dump"]), names, long_texts, corpus_texts)
        # The comparison window.
        send(["press", "Form1.cmdCompareGroups"])

        def compare_setup():
            if "Form12" not in send(["dump"])["windows"]:
                send(["press", "Form1.cmdCompareGroups"])

        burst_each("Form12", compare_setup)
        if drive.proc.poll() is not None:
            raise Failure("the driver ended")
    except Failure as f:
        print("burst: FAILED: %s" % f)
        drive.close()
        return 1
    code = drive.close()
    if code != 0:
        print("burst: FAILED: the driver exited with %s" % code)
        return 1
    print("burst: %d clicks in bursts of 10 at 0 and 15 ms, every check held" % played)
    return 0


if __name__ == "__main__":
    sys.exit(main())
