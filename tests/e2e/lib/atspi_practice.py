#!/usr/bin/python3
"""Walks the Practice window as a screen-reader user meets it: on a sum card, a refused input, a
wrong sum, a meaning card and a right and a wrong answer, what the control that has the keyboard
gives a screen reader (its name and description) must hold the question, the person, the
verdict or the message. Keys go through xdotool, as a user types them.

Usage: atspi_practice.py APPLICATION_NAME
The progress file must hold the Life Path's sum card, due today, so that it comes first.
"""

import os
import subprocess
import sys

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
from atspi_walk import Failure, pyatspi, say, wait_until, walk  # noqa: E402


def practice_window(app_name):
    desktop = pyatspi.Registry.getDesktop(0)

    def probe():
        for index in range(desktop.childCount):
            app = desktop.getChildAtIndex(index)
            if app is None or app.name != app_name:
                continue
            for child in range(app.childCount):
                window = app.getChildAtIndex(child)
                if window is not None and window.name == "Practice":
                    app.setCacheMask(pyatspi.cache.NONE)
                    return window
        return None

    return wait_until('no window "Practice" on the accessibility bus', probe)


def focused(window):
    for node in walk(window):
        if node.acc.getState().contains(pyatspi.STATE_FOCUSED):
            return node
    return None


def heard(window, wanted, what):
    """Waits until the control with the keyboard gives all of wanted; returns what it gives."""
    def probe():
        node = focused(window)
        if node is None:
            return None
        spoken = "%s\n%s" % (node.name, node.acc.description or "")
        return spoken if all(w in spoken for w in wanted) else None

    try:
        spoken = wait_until("", probe, seconds=10)
    except Failure:
        node = focused(window)
        raise Failure("%s: the keyboard stands on %s, which gives %r, not %r" % (
            what, node.describe() if node else "nothing",
            (node.acc.description if node else ""), wanted))
    say("  %s: heard %r" % (what, spoken.replace("\n", " / ")[:160]))
    return spoken


def label_text(window, starts):
    for node in walk(window):
        if node.role == pyatspi.ROLE_LABEL and node.name.startswith(starts) and node.showing:
            return node.name
    raise Failure('no label starting "%s" speaks its own text' % starts)


def key(*keys):
    subprocess.run(["xdotool", "key", "--clearmodifiers"] + list(keys), check=True)


def main():
    window = practice_window(sys.argv[1])
    say('window "Practice" is on the accessibility bus')
    question = label_text(window, "Work out the Life Path Number.")
    person = question.split("For ", 1)[1].split(",", 1)[0]
    heard(window, [question], "sum card")
    key("s", "e", "v", "e", "n", "Return")
    heard(window, ['"seven" is not a whole number'], "refused input")
    key("ctrl+a", "9", "9", "Return")
    heard(window, ["Not this time: you wrote 99, the answer is"], "wrong sum")
    key("Return")
    question = label_text(window, "What does the Life Path Number stand for?")
    heard(window, [question], "meaning card")
    key("1")
    spoken = heard(window, ["The correct answer ("], "first answer")
    if "Wrong: the answer was " in spoken:
        correct = spoken.split("Wrong: the answer was ", 1)[1][0]
        key("ctrl+z")
        heard(window, [question], "undone")
        key(correct)
        heard(window, ["\u2713  Right", "The correct answer (%s):" % correct], "right answer")
    else:
        heard(window, ["\u2713  Right", "The correct answer (1):"], "right answer")
        key("ctrl+z")
        heard(window, [question], "undone")
        key("2")
        heard(window, ["\u2717  Wrong: the answer was 1", "Your choice (2):"], "wrong answer")
    say("  the person of the sum card: %s" % person)
    return 0


if __name__ == "__main__":
    try:
        sys.exit(main())
    except Failure as failure:
        print("FAILED: %s" % failure, flush=True)
        sys.exit(1)
