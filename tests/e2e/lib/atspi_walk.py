#!/usr/bin/python3
"""Walks the running program's accessibility tree the way a screen-reader user moves through it.

From the start screen it chooses "Test Numerology", then the test by significance, then answers
the first question, using only what the AT-SPI tree offers: names, roles, states, the Text
interface and the controls' own actions. On each question every option must be heard with its
answer, and the keyboard must stand on the first option. Every step is printed as it goes.

Usage: atspi_walk.py APPLICATION_NAME WINDOW_TITLE
Exit status: 0 when every check held, 1 with a FAILED line otherwise, 77 when the accessibility
bus cannot be reached.
"""

import os
import sys
import time
import traceback

SKIP = 77


def reach_accessibility_bus():
    """Connects once to the accessibility bus, since libatspi aborts the process outright when
    it cannot; a bus that cannot be reached is a missing tool, not a fault of the program."""
    try:
        from gi.repository import Gio

        address = os.environ.get("AT_SPI_BUS_ADDRESS")
        if not address:
            session = Gio.bus_get_sync(Gio.BusType.SESSION, None)
            reply = session.call_sync("org.a11y.Bus", "/org/a11y/bus", "org.a11y.Bus",
                                      "GetAddress", None, None, Gio.DBusCallFlags.NONE, 5000,
                                      None)
            address = reply.unpack()[0]
        flags = (Gio.DBusConnectionFlags.AUTHENTICATION_CLIENT
                 | Gio.DBusConnectionFlags.MESSAGE_BUS_CONNECTION)
        Gio.DBusConnection.new_for_address_sync(address, flags, None, None).close_sync(None)
    except Exception as error:
        print("SKIPPED: the accessibility bus cannot be reached (%s)" % error)
        sys.exit(SKIP)


reach_accessibility_bus()
try:
    import pyatspi
except ImportError:
    print("SKIPPED: python3-pyatspi is not installed")
    sys.exit(SKIP)


class Failure(Exception):
    pass


ROLE_NAMES = {
    pyatspi.ROLE_PUSH_BUTTON: "push button",
    pyatspi.ROLE_RADIO_BUTTON: "radio button",
    pyatspi.ROLE_CHECK_BOX: "check box",
    pyatspi.ROLE_TEXT: "text",
    pyatspi.ROLE_LABEL: "label",
}
# Controls a user can operate or read as a box. Labels are left out of the "what is on this
# screen" comparison because the window's link labels show on every screen.
OPERABLE_ROLES = set(ROLE_NAMES) - {pyatspi.ROLE_LABEL}

SCREEN_COUNT = 6
WAIT_SECONDS = 20


def say(message):
    print(message, flush=True)


def wait_until(description, probe, seconds=WAIT_SECONDS):
    """Calls probe until it returns something true, and returns that."""
    deadline = time.monotonic() + seconds
    while True:
        try:
            result = probe()
        except Exception:  # the tree changes under us while a screen is replaced
            result = None
        if result:
            return result
        if time.monotonic() > deadline:
            raise Failure(description)
        time.sleep(0.1)


class Node:
    """One object of the tree as read at one moment, with the path that leads to it."""

    def __init__(self, acc, ancestors):
        self.acc = acc
        self.key = acc.path
        self.ancestors = ancestors
        self.role = acc.getRole()
        self.role_name = acc.getRoleName()
        self.name = acc.name or ""
        states = acc.getState()
        self.showing = states.contains(pyatspi.STATE_SHOWING)
        self.visible = states.contains(pyatspi.STATE_VISIBLE)
        self.checked = states.contains(pyatspi.STATE_CHECKED)
        self.editable = states.contains(pyatspi.STATE_EDITABLE)

    def describe(self):
        return '%s "%s"' % (self.role_name, self.name)

    def screen(self):
        """The nearest panel above this object: the screen it belongs to."""
        for ancestor in reversed(self.ancestors):
            if ancestor.role == pyatspi.ROLE_PANEL:
                return ancestor
        return None


def walk(acc, ancestors=()):
    node = Node(acc, list(ancestors))
    nodes = [node]
    # A text box's children are its scroll bars; a screen reader does not stop on them.
    if node.role == pyatspi.ROLE_TEXT:
        return nodes
    for index in range(acc.childCount):
        child = acc.getChildAtIndex(index)
        if child is not None:
            nodes.extend(walk(child, list(ancestors) + [node]))
    return nodes


def text_of(acc):
    """The text through the Text interface, or None where the object has none."""
    try:
        text = acc.queryText()
    except NotImplementedError:
        return None
    return text.getText(0, -1)


def find_application(app_name, title):
    try:
        desktop = pyatspi.Registry.getDesktop(0)
        desktop.childCount
    except Exception as error:
        print("SKIPPED: the accessibility registry does not answer (%s)" % error)
        sys.exit(SKIP)

    seen = set()

    def probe():
        for index in range(desktop.childCount):
            app = desktop.getChildAtIndex(index)
            if app is None:
                continue
            seen.add(app.name)
            for child in range(app.childCount):
                window = app.getChildAtIndex(child)
                if window is not None and window.name == title:
                    return app, window
        return None

    try:
        app, frame = wait_until("no application on the accessibility bus has a window titled "
                                '"%s"' % title, probe)
    except Failure as failure:
        raise Failure("%s (applications seen: %s)" % (failure, sorted(n for n in seen if n)))
    # Read every name, role and state afresh from the program, never from a stale cache.
    app.setCacheMask(pyatspi.cache.NONE)
    if app.name != app_name:
        raise Failure('the application is named "%s" on the accessibility bus, not "%s"'
                      % (app.name, app_name))
    say('application "%s" is on the accessibility bus' % app.name)
    if frame.getRole() != pyatspi.ROLE_FRAME:
        raise Failure('the window "%s" has the role %s, not frame' % (title, frame.getRoleName()))
    say('its window: frame "%s"' % frame.name)
    return frame


def showing_control(frame, role, name):
    """Waits for a control of that role and name to be showing and returns it."""

    def probe():
        for node in walk(frame):
            if node.role == role and node.name == name and node.showing:
                return node
        return None

    try:
        return wait_until("", probe)
    except Failure:
        pass
    # Say what went wrong as precisely as the tree allows.
    nodes = walk(frame)
    for node in nodes:
        if node.role == role and node.showing and node.name.replace("&", "") == name:
            raise Failure('%s is showing where "%s" was expected: its accessible name keeps '
                          'the mnemonic "&"' % (node.describe(), name))
    same_name = [n for n in nodes if n.name == name]
    if not same_name:
        raise Failure('no %s "%s" in the accessibility tree' % (ROLE_NAMES[role], name))
    if all(n.role != role for n in same_name):
        raise Failure('"%s" is in the tree with the role %s, not %s'
                      % (name, same_name[0].role_name, ROLE_NAMES[role]))
    raise Failure('%s "%s" is in the tree but not showing' % (ROLE_NAMES[role], name))


def check_screen(frame, title, expected):
    """Checks that exactly the expected controls of one screen can be reached.

    expected is a list of (role, name). Returns the showing nodes by name. Every other screen's
    panel must be neither showing nor visible, with everything inside it.
    """
    say("%s:" % title)
    found = {}
    for role, name in expected:
        found[name] = showing_control(frame, role, name)

    nodes = walk(frame)
    current = {n.name: n for n in nodes if (n.role, n.name) in expected and n.showing}
    for role, name in expected:
        node = current.get(name)
        if node is None:
            raise Failure('%s "%s" stopped showing' % (ROLE_NAMES[role], name))
        if not node.visible:
            raise Failure("%s is showing but not visible" % node.describe())
        state = " (checked)" if node.checked else ""
        say("  %s%s" % (node.describe(), state))
        found[name] = node

    panels = {node.screen().key if node.screen() else None for node in current.values()}
    if len(panels) != 1 or None in panels:
        raise Failure("the %s's controls are not inside one panel" % title)
    screen = next(iter(current.values())).screen()
    say('  (in the panel "%s")' % screen.name)

    # The screens are the panels side by side under the window's central area.
    parent = screen.ancestors[-1].key
    others = {n.key for n in nodes if n.role == pyatspi.ROLE_PANEL and n.ancestors
              and n.ancestors[-1].key == parent and n.key != screen.key}
    if len(others) != SCREEN_COUNT - 1:
        raise Failure("found %d screen panels beside the %s, expected %d"
                      % (len(others), title, SCREEN_COUNT - 1))
    for node in nodes:
        inside = {a.key for a in node.ancestors} | {node.key}
        if inside & others and (node.showing or node.visible):
            raise Failure("%s of a hidden screen is %s while the %s is in front"
                          % (node.describe(), "showing" if node.showing else "visible", title))

    wanted = set(expected)
    strays = [n for n in nodes if n.role in OPERABLE_ROLES and n.showing
              and (n.role, n.name) not in wanted]
    if strays:
        raise Failure("on the %s these controls are showing too: %s"
                      % (title, ", ".join(n.describe() for n in strays)))
    for node in nodes:
        if node.role in OPERABLE_ROLES and node.showing and "&" in node.name:
            raise Failure('%s keeps the mnemonic "&" in its accessible name' % node.describe())
    say("  nothing of the other %d screens is showing or visible" % (SCREEN_COUNT - 1))
    return found, screen


def operate(node, wanted):
    """Runs the control's own action, the way a screen reader activates it."""
    action = node.acc.queryAction()
    names = [action.getName(i) for i in range(action.nActions)]
    for preferred in wanted:
        for index, name in enumerate(names):
            if name.lower() == preferred:
                if not action.doAction(index):
                    raise Failure('the action "%s" of %s did not run' % (name, node.describe()))
                say('  -> "%s" on %s' % (name, node.describe()))
                return
    raise Failure("%s offers none of the actions %s (it offers %s)"
                  % (node.describe(), wanted, names))


def is_checked(acc):
    return acc.getState().contains(pyatspi.STATE_CHECKED)


def choose(node, others):
    operate(node, ("toggle", "click", "press"))
    wait_until("%s did not become checked through its action" % node.describe(),
               lambda: is_checked(node.acc))
    for other in others:
        if is_checked(other.acc):
            raise Failure("%s is still checked after choosing %s"
                          % (other.describe(), node.describe()))
    say("  %s is now checked" % node.describe())


def press(node):
    operate(node, ("press", "click"))


def check_label(frame, screen, name):
    """The label of that name on the screen; its name and text must agree."""
    node = showing_control(frame, pyatspi.ROLE_LABEL, name)
    if node.screen() is None or node.screen().key != screen.key:
        raise Failure('label "%s" is not on the screen in front' % name)
    text = text_of(node.acc)
    if text is not None and text != node.name:
        raise Failure('label "%s" reads "%s" through its text' % (node.name, text))
    say("  %s" % node.describe())
    return node


def counter_label(frame, screen, counter):
    """Finds the question counter by its name or its text, then insists that both agree: a
    screen reader speaks the name, so a name left behind by an earlier question misleads."""

    def probe():
        for node in walk(frame):
            if node.role != pyatspi.ROLE_LABEL or not node.showing:
                continue
            text = text_of(node.acc)
            if node.name == counter or text == counter:
                return node, text
        return None

    try:
        node, text = wait_until("", probe)
    except Failure:
        labels = [n for n in walk(frame) if n.role == pyatspi.ROLE_LABEL and n.showing
                  and n.screen() is not None and n.screen().key == screen.key]
        heard = ", ".join('"%s"%s' % (n.name, "" if text_of(n.acc) is None
                                      else ' (text "%s")' % text_of(n.acc)) for n in labels)
        raise Failure('no showing label is named "%s"; the screen\'s labels are named: %s'
                      % (counter, heard))
    if node.name != counter:
        raise Failure('the counter label reads "%s" but its accessible name is "%s"'
                      % (text, node.name))
    if text is not None and text != counter:
        raise Failure('the label named "%s" reads "%s" through its text' % (counter, text))
    if node.screen() is None or node.screen().key != screen.key:
        raise Failure('label "%s" is not on the question screen' % counter)
    say("  %s%s" % (node.describe(), " (its text agrees)" if text is not None else ""))
    return node


def check_question(frame, screen, number, subjects):
    counter_label(frame, screen, "Question %d of 10" % number)

    labels = [n for n in walk(frame) if n.role == pyatspi.ROLE_LABEL and n.showing
              and n.screen() is not None and n.screen().key == screen.key]
    named = [n for n in labels if n.name in subjects]
    if len(named) != 1:
        raise Failure("expected one showing label naming a subject on the question screen, "
                      "found: %s" % ", ".join(n.describe() for n in labels))
    subject = named[0]
    text = text_of(subject.acc)
    if text is not None and text != subject.name:
        raise Failure('the subject label is named "%s" but reads "%s"' % (subject.name, text))
    say("  subject: %s" % subject.describe())

    choices = []
    for row in range(1, 6):
        box = showing_control(frame, pyatspi.ROLE_TEXT, "Answer %d" % row)
        if box.editable:
            raise Failure("%s is editable; the answers are for reading only" % box.describe())
        text = text_of(box.acc)
        if text is None:
            raise Failure("%s offers no Text interface" % box.describe())
        answer = " ".join(text.split())
        # A paragraph, not a stray word: an answer explains a number in a sentence or more.
        if len(answer) < 20 or " " not in answer:
            raise Failure('%s reads "%s", not a paragraph' % (box.describe(), answer))
        say('  %s reads "%s"' % (box.describe(), short(answer)))
        # The box's description is heard after its name: the answer in words, not markup.
        description = box.acc.description or ""
        if "<" in description or " ".join(description.split()) != answer:
            raise Failure('%s is described as "%s", not as its answer in plain words'
                          % (box.describe(), short(description)))
        # The option beside it, where the keyboard stands, speaks the same answer.
        choice = showing_control(frame, pyatspi.ROLE_RADIO_BUTTON, "Choice %d: %s" % (row, text))
        if choice.acc.description != subject.name:
            raise Failure('%s is described as "%s", not by the question "%s"'
                          % (choice.describe(), choice.acc.description, subject.name))
        say('  radio button "Choice %d: %s", described as "%s"'
            % (row, short(answer, 40), choice.acc.description))
        choices.append(choice)
    return choices


def short(text, length=70):
    return text[:length] + ("..." if len(text) > length else "")


def question_controls(frame):
    """The question screen's controls as a screen reader names them: each option by its
    designed name and the answer beside it."""
    controls = []
    for row in range(1, 6):
        box = showing_control(frame, pyatspi.ROLE_TEXT, "Answer %d" % row)
        controls.append((pyatspi.ROLE_RADIO_BUTTON, "Choice %d: %s" % (row, text_of(box.acc))))
    controls += [(pyatspi.ROLE_TEXT, "Answer %d" % i) for i in range(1, 6)]
    return controls + [(pyatspi.ROLE_PUSH_BUTTON, "Next Question")]


def check_focus_on(frame, node):
    """The keyboard stands on the first option of a new question (the script has given the
    window the keyboard)."""
    wait_until("the window is not active", lambda: frame.getState().contains(pyatspi.STATE_ACTIVE),
               seconds=5)
    wait_until("the keyboard focus is not on %s" % node.describe(),
               lambda: node.acc.getState().contains(pyatspi.STATE_FOCUSED), seconds=5)
    say("  the keyboard focus stands on %s" % node.describe())


def main():
    if len(sys.argv) != 3:
        print("usage: atspi_walk.py APPLICATION_NAME WINDOW_TITLE", file=sys.stderr)
        return 2
    frame = find_application(sys.argv[1], sys.argv[2])
    R, B = pyatspi.ROLE_RADIO_BUTTON, pyatspi.ROLE_PUSH_BUTTON

    found, _ = check_screen(frame, "start screen", [
        (R, "Learn Numerology"), (R, "Test Numerology"), (B, "Click Here To Proceed")])
    for name in ("Learn Numerology", "Test Numerology"):
        if found[name].checked:
            raise Failure('%s is checked before the user chose' % found[name].describe())
    choose(found["Test Numerology"], [found["Learn Numerology"]])
    press(found["Click Here To Proceed"])

    showing_control(frame, R, "Test By Significance of Numbers")
    found, _ = check_screen(frame, "method screen", [
        (R, "Test By Significance of Numbers"), (R, "Test By Interpretation of Numbers"),
        (B, "Back"), (B, "Next")])
    choose(found["Test By Significance of Numbers"], [found["Test By Interpretation of Numbers"]])
    press(found["Next"])

    # The subjects a question can name are those the subject screen offers as check boxes.
    subjects = {n.name for n in walk(frame) if n.role == pyatspi.ROLE_CHECK_BOX}
    if len(subjects) != 15:
        raise Failure("expected 15 subject check boxes in the tree, found %d" % len(subjects))

    showing_control(frame, B, "Next Question")
    found, screen = check_screen(frame, "question screen", question_controls(frame))
    check_label(frame, screen, "Select one option from the given choices below.")
    choices = check_question(frame, screen, 1, subjects)
    check_focus_on(frame, choices[0])
    for choice in choices:
        if choice.checked:
            raise Failure("%s is checked before the user answered" % choice.describe())
    choose(choices[2], choices[:2] + choices[3:])
    # The user moves to the button, as Tab does, and presses it.
    button = found["Next Question"]
    button.acc.queryComponent().grabFocus()
    wait_until("the keyboard focus did not move to %s" % button.describe(),
               lambda: button.acc.getState().contains(pyatspi.STATE_FOCUSED), seconds=5)
    say("  the keyboard focus moved to %s" % button.describe())
    press(button)

    say("second question:")
    choices = check_question(frame, screen, 2, subjects)
    for choice in choices:
        if is_checked(choice.acc):
            raise Failure("%s is still checked on the next question" % choice.describe())
    say("  no choice is checked on the new question")
    check_focus_on(frame, choices[0])
    check_screen(frame, "question screen", question_controls(frame))
    return 0


if __name__ == "__main__":
    try:
        sys.exit(main())
    except Failure as failure:
        print("FAILED: %s" % failure, flush=True)
        sys.exit(1)
    except Exception as error:
        traceback.print_exc()
        print("FAILED: the walk stopped on an unexpected error: %s" % error, flush=True)
        sys.exit(1)
