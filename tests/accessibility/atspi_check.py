#!/usr/bin/python3
"""Reads the running calculator through AT-SPI, as a screen reader does, and
drives it through AT-SPI actions.

Fails when a control of the window has no role or no name, when an option
group is not made of radio buttons with one of them checked, or when a short
calculation and a base change made through AT-SPI actions do not read back on
the display. In another language, the names, the descriptions and the help
are the catalogue's and the help file's; the actions keep their names.
Usage: atspi_check.py APPLICATION_NAME WINDOW_TITLE HELP_FILE [CATALOGUE]
"""
import re
import sys
import time
import xml.etree.ElementTree as ElementTree

import pyatspi

# Generous: a sanitized build on a busy machine starts and answers slowly.
START_TIMEOUT = 60.0
TIMEOUT = 20.0

# Roles of the controls a user works: each needs a name.
CONTROL_ROLES = {
    pyatspi.ROLE_PUSH_BUTTON, pyatspi.ROLE_RADIO_BUTTON, pyatspi.ROLE_CHECK_BOX,
    pyatspi.ROLE_TOGGLE_BUTTON, pyatspi.ROLE_TEXT, pyatspi.ROLE_ENTRY,
    pyatspi.ROLE_MENU, pyatspi.ROLE_MENU_ITEM,
}

OPTION_GROUPS = [
    ["Hexadecimal", "Decimal", "Octal", "Binary"],
    ["Degrees", "Radians", "Grads"],
]

failures = []

# (context, English) -> the words of the language under test; empty for English.
catalogue = {}


def load_catalogue(path):
    for context in ElementTree.parse(path).getroot().iter("context"):
        name = context.findtext("name")
        for message in context.iter("message"):
            catalogue[(name, message.findtext("source"))] = message.findtext("translation")


def say(text, context="Accessible"):
    """The text as the window shows it in the language under test."""
    return catalogue.get((context, text)) or text


def first_sentence_of_topic(help_file, topic):
    """The first sentence of a pop-up topic, which F1 makes a key's description."""
    with open(help_file, encoding="utf-8") as f:
        lines = f.read().split("\n")
    start = next(i for i, line in enumerate(lines) if re.match(r"@popup %d\b" % topic, line))
    text = next(line for line in lines[start + 1:] if line.strip())
    return re.match(r"(.+?[.!?])(\s|$)", text).group(1)


def fail(message):
    failures.append(message)
    print("FAIL: " + message)


def wait_for(condition, what, timeout=TIMEOUT):
    deadline = time.monotonic() + timeout
    while time.monotonic() < deadline:
        try:
            if condition():
                return True
        except Exception:  # the tree may be changing under us
            pass
        time.sleep(0.05)
    fail("timed out waiting for " + what)
    return False


def find_window(app_name, title):
    found = []

    def look():
        desktop = pyatspi.Registry.getDesktop(0)
        for app in desktop:
            if app is None or app.name != app_name:
                continue
            for window in app:
                if window is not None and window.name == title:
                    found.append(window)
                    return True
        return False

    wait_for(look, "the window %r of %r on the accessibility bus" % (title, app_name), START_TIMEOUT)
    return found[0] if found else None


def walk(node):
    yield node
    for child in node:
        if child is not None:
            yield from walk(child)


def is_showing(node):
    return node.getState().contains(pyatspi.STATE_SHOWING)


def by_name(window):
    names = {}
    for node in walk(window):
        if node.name:
            names.setdefault(node.name, node)
    return names


def check_roles_and_names(window):
    controls = 0
    for node in walk(window):
        role = node.getRole()
        if role in (pyatspi.ROLE_INVALID, pyatspi.ROLE_UNKNOWN):
            if is_showing(node):
                fail("a showing object has no role (name %r)" % node.name)
            continue
        if role not in CONTROL_ROLES or not is_showing(node):
            continue
        controls += 1
        if not node.name.strip():
            fail("a %s has no name (description %r)" % (node.getRoleName(), node.description))
    print("%d showing controls checked for role and name" % controls)
    if controls < 90:
        fail("only %d controls found; the tree is incomplete" % controls)


def checked(node):
    return node.getState().contains(pyatspi.STATE_CHECKED)


def check_option_groups(names):
    for group in OPTION_GROUPS:
        members = [names.get(say(name)) for name in group]
        if None in members:
            fail("option group %s is incomplete" % group)
            continue
        for name, node in zip(group, members):
            if node.getRole() != pyatspi.ROLE_RADIO_BUTTON:
                fail("%s is a %s, not a radio button" % (name, node.getRoleName()))
        on = [say(name) for name, node in zip(group, members) if checked(node)]
        if len(on) != 1:
            fail("option group %s has %s checked, not exactly one" % (group, on))


def do_action(node, wanted):
    action = node.queryAction()
    names = [action.getName(i) for i in range(action.nActions)]
    for i, name in enumerate(names):
        if name.lower() == wanted.lower():
            action.doAction(i)
            return
    fail("%s offers no %s action (it offers %s)" % (node.name, wanted, names))


def display_text(display):
    text = display.queryText()
    return text.getText(0, text.characterCount)


def expect_display(display, expected, after):
    if not wait_for(lambda: display_text(display) == expected, "the display to read %r after %s" % (expected, after)):
        print("  the display reads %r" % display_text(display))
    else:
        print("ok: %s reads %r" % (after, expected))


def sensitive(node):
    return node.getState().contains(pyatspi.STATE_SENSITIVE)


def drive(names):
    display = names.get(say("Display"))
    if display is None:
        fail("no control named Display")
        return
    for key in [say(k) for k in ["One", "Two", "Add", "Seven", "Equals"]]:
        if key not in names:
            fail("no key named " + key)
            return
        do_action(names[key], "Press")
        # Each press is handled before the next, as a user's would be.
        time.sleep(0.2)
    expect_display(display, "19", "1 2 + 7 = pressed through AT-SPI")

    # The base options answer the Toggle action a screen reader offers for radio buttons.
    do_action(names[say("Hexadecimal")], "Toggle")
    expect_display(display, "13", "toggling Hexadecimal")
    wait_for(lambda: checked(names[say("Hexadecimal")]) and not checked(names[say("Decimal")]),
             "Hexadecimal alone to be checked")
    wait_for(lambda: sensitive(names[say("Hex digit A")]), "the key A to be enabled in Hex")
    # The angle-unit buttons now choose a word size, and say so.
    wait_for(lambda: names[say("Degrees")].name == say("Double word"), "Degrees to be renamed Double word")

    do_action(names[say("Decimal")], "Toggle")
    expect_display(display, "19", "toggling Decimal")
    wait_for(lambda: checked(names[say("Decimal")]) and not checked(names[say("Hexadecimal")]),
             "Decimal alone to be checked")
    wait_for(lambda: not sensitive(names[say("Hex digit A")]), "the key A to be disabled in Dec")


def check_help_is_spoken(names, help_file):
    """F1 on a focused key shows its "What is this?" topic; the key's description
    must then be that topic, where a screen reader looks for it."""
    seven = names[say("Seven")]
    own = seven.description
    # A click activates the window (there is no window manager) and focuses the key.
    box = seven.queryComponent().getExtents(pyatspi.DESKTOP_COORDS)
    pyatspi.Registry.generateMouseEvent(box.x + box.width // 2, box.y + box.height // 2, "b1c")
    if not wait_for(lambda: seven.getState().contains(pyatspi.STATE_FOCUSED), "the key Seven to take the focus"):
        return
    pyatspi.Registry.generateKeyboardEvent(0xFFBE, None, pyatspi.KEY_SYM)  # F1
    topic = first_sentence_of_topic(help_file, 7)
    if wait_for(lambda: topic in seven.description,
                "the key Seven to describe itself with its help topic"):
        print("ok: F1 on Seven reads its help topic: %r" % seven.description[:60])
    else:
        print("  its description is %r (it was %r)" % (seven.description, own))


def check_about_dialog(app_name, names):
    """Every Tab stop of the About dialog has a name."""
    item = names.get(say("About Calculator", "Menu"))
    if item is None:
        fail("no menu item named About Calculator")
        return
    do_action(item, "Press")
    about = find_window(app_name, say("About %1", "About").replace("%1", say("Calculator", "Message")))
    if about is None:
        return
    stops = 0
    for node in walk(about):
        if not node.getState().contains(pyatspi.STATE_FOCUSABLE):
            continue
        stops += 1
        if not node.name.strip():
            fail("a focusable %s of the About dialog has no name" % node.getRoleName())
    print("%d Tab stops of the About dialog checked for a name" % stops)
    ok = by_name(about).get(say("OK", "About"))
    if ok is not None:
        do_action(ok, "Press")


def main():
    app_name, title, help_file = sys.argv[1], sys.argv[2], sys.argv[3]
    if len(sys.argv) > 4:
        load_catalogue(sys.argv[4])
        # The names are the catalogue's: one that stayed English would pass unseen.
        if say("One") == "One":
            fail("the catalogue gives no name for the key One")
        title = say(title, "Window")
    window = find_window(app_name, title)
    if window is None:
        return 1
    names = by_name(window)
    check_roles_and_names(window)
    check_option_groups(names)
    drive(names)
    check_option_groups(names)
    check_help_is_spoken(names, help_file)
    check_about_dialog(app_name, names)
    if failures:
        print("%d accessibility failures" % len(failures))
        return 1
    print("accessibility check passed")
    return 0


if __name__ == "__main__":
    sys.exit(main())
