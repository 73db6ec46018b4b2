#!/usr/bin/python3
# SPDX-License-Identifier: GPL-3.0-or-later
# Starts the program named on the command line with its accessibility bridge on and, as a screen
# reader would, reads each of its windows from the screen readers' bus and acts through it: the
# title, the menu, the word search with its letter table, the memory game with its cards,
# "Componi la parola" typed on its screen's keyboard, and the way out. Prints the word search as
# the bus shows it. Needs a display and a session bus. Every step waits for what it needs (the
# bus's name owned, a node present, a window holding the keyboard) up to a deadline that a loaded
# machine still meets, never for a fixed time.
import os
import subprocess
import sys
import time

import pyatspi
from gi.repository import Gio, GLib

MENU_BUTTONS = ["Crucipuzzle", "Memory", "Componi la parola", "Prepara una lista",
                "Carica altra lista di parole", "Informazioni", "Esci"]
DEADLINE = 60
program = None


def fail(message):
    print("FAIL: " + message)
    if program:
        program.kill()
    sys.exit(1)


def wait_for(what, find, seconds=DEADLINE):
    end = time.time() + seconds
    while time.time() < end:
        found = find()
        if found:
            return found
        time.sleep(0.05)
    fail(what)


def name_owned(name):
    bus = Gio.bus_get_sync(Gio.BusType.SESSION, None)
    reply = bus.call_sync("org.freedesktop.DBus", "/org/freedesktop/DBus", "org.freedesktop.DBus",
                          "NameHasOwner", GLib.Variant("(s)", (name,)), None,
                          Gio.DBusCallFlags.NONE, -1, None)
    return reply.unpack()[0]


# The first call starts the screen readers' bus; the program joins it once it is there.
pyatspi.Registry.getDesktop(0)
wait_for("the accessibility bus has no owner", lambda: name_owned("org.a11y.Bus"))
program = subprocess.Popen(
    [sys.argv[1]], env=dict(os.environ, QT_LINUX_ACCESSIBILITY_ALWAYS_ON="1"))


def children(node):
    return [child for child in node if child is not None]


def descendants(node):
    for child in children(node):
        yield child
        yield from descendants(child)


def find(node, role, name=None):
    for child in descendants(node):
        if child.getRole() == role and (name is None or child.name == name):
            return child
    return None


def find_all(node, role):
    return [child for child in descendants(node) if child.getRole() == role]


def application():
    for app in children(pyatspi.Registry.getDesktop(0)):
        if app.name == "zibaldo":
            return app
    return None


def showing(node):
    return node.getState().contains(pyatspi.STATE_SHOWING)


# A window shown and holding the keyboard, where the keys pressed next go.
def showing_frame(title):
    def look():
        app = application()
        if not app:
            return None
        for frame in children(app):
            state = frame.getState()
            if (frame.getRole() == pyatspi.ROLE_FRAME and frame.name == title and
                    state.contains(pyatspi.STATE_SHOWING) and state.contains(pyatspi.STATE_ACTIVE)):
                return frame
        return None
    return wait_for("no window named %r holding the keyboard on the bus" % title, look)


def press(node):
    action = node.queryAction()
    for index in range(action.nActions):
        if action.getName(index).lower() == "press":
            action.doAction(index)
            return
    fail("%r has no Press action" % node.name)


def key(name):
    subprocess.run(["xdotool", "key", name], check=True)


def answer_yes():
    # A question box takes the keyboard, on Yes, its default.
    def focused_box():
        for role in (pyatspi.ROLE_DIALOG, pyatspi.ROLE_ALERT):
            box = find(application(), role)
            if box and box.getState().contains(pyatspi.STATE_ACTIVE):
                for button in find_all(box, pyatspi.ROLE_PUSH_BUTTON):
                    if button.getState().contains(pyatspi.STATE_FOCUSED):
                        return box
        return None
    wait_for("no question box holding the keyboard", focused_box)
    key("Return")


def tree(node, depth=0, rows=None):
    lines = ["%s%s %r" % ("  " * depth, node.getRoleName(), node.name)]
    shown = children(node)
    if rows is not None and node.getRole() == pyatspi.ROLE_TABLE:
        shown = shown[:rows * node.queryTable().nColumns]
        lines += [tree(child, depth + 1) for child in shown]
        lines.append("%s... (%d cells in all)" % ("  " * (depth + 1), node.childCount))
        return "\n".join(lines)
    return "\n".join(lines + [tree(child, depth + 1, rows) for child in shown])


def notification_saying(accept):
    def look():
        for note in find_all(application(), pyatspi.ROLE_NOTIFICATION):
            if note.getState().contains(pyatspi.STATE_SHOWING) and accept(note.name):
                return note.name
        return None
    return look


def count(frame, label_names):
    labels = find_all(frame, pyatspi.ROLE_LABEL)
    values = []
    for label in labels:
        text = label.queryText().getText(0, -1)
        if text != label.name:
            fail("label %r reads %r as its text" % (label.name, text))
        values.append(text.strip())
    return [v for v in values if v not in label_names]


# The title: a named frame, the program's name and three pictures named by their words.
title = showing_frame("Zibaldo")
if not find(title, pyatspi.ROLE_LABEL, "Zibaldo"):
    fail("the title window does not say Zibaldo")
pictures = [p.name for p in find_all(title, pyatspi.ROLE_IMAGE)]
if len(pictures) != 3 or not all(pictures):
    fail("the title's pictures read %r" % pictures)
subprocess.run(["xdotool", "search", "--sync", "--name", "^Zibaldo$", "windowfocus", "--sync"],
               check=True, stdout=subprocess.DEVNULL)
key("Return")

# The menu: five named buttons, one of them pressed through its action.
menu = showing_frame("Zibaldo – Menù")
names = sorted(b.name for b in find_all(menu, pyatspi.ROLE_PUSH_BUTTON))
if names != sorted(MENU_BUTTONS):
    fail("the menu's buttons read %r" % names)
press(find(menu, pyatspi.ROLE_PUSH_BUTTON, "Crucipuzzle"))

# The word search: a table of ten rows of ten letters beside the pictures of the hidden words.
search = showing_frame("Zibaldo – Crucipuzzle")
print(tree(search, rows=2))
table = find(search, pyatspi.ROLE_TABLE)
if not table:
    fail("the word search has no table")
grid = table.queryTable()
if (grid.nRows, grid.nColumns, table.childCount) != (10, 10, 100):
    fail("the letter table is %d x %d with %d cells" % (grid.nRows, grid.nColumns,
                                                         table.childCount))
letters = [grid.getAccessibleAt(r, c) for r in range(10) for c in range(10)]
if not all(cell.getRole() == pyatspi.ROLE_TABLE_CELL and len(cell.name) == 1 and
           cell.name.isupper() for cell in letters):
    fail("the cells read %r" % [cell.name for cell in letters[:10]])
bar = [item.name for item in children(find(search, pyatspi.ROLE_MENU_BAR))]
if bar[:1] != ["Esci"] or "Lettere: MAIUSCOLO" not in bar or "Livello: Difficile" not in bar:
    fail("the word search's menu bar reads %r" % bar)
words = [p.name for p in find_all(search, pyatspi.ROLE_IMAGE)]
if sum(1 for w in words if w and w not in ("Esatto", "Sbagliato")) < 1:
    fail("the word search's pictures read %r" % words)
scores = count(search, ["Esatti", "Errati"])
press(letters[0])
said = wait_for("no answer was said after pressing a letter", notification_saying(
    lambda text: text in ("Esatto", "Sbagliato") or text.startswith("Parola trovata: ")))
if said == "Sbagliato":
    # A wrong answer counts at once; a right one marks its letter found.
    after = wait_for("the scores did not change from %r" % scores, lambda: count(
        search, ["Esatti", "Errati"]) != scores and count(search, ["Esatti", "Errati"]))
    print("pressed the cell %r: said %r, scores %r -> %r" % (letters[0].name, said, scores, after))
else:
    wait_for("a found letter does not say so",
             lambda: grid.getAccessibleAt(0, 0).description == "trovata")
    print("pressed the cell %r: said %r, the cell now says %r" % (
        letters[0].name, said, grid.getAccessibleAt(0, 0).description))

# Escape asks to go back to the menu; Yes does.
key("Escape")
answer_yes()
menu = showing_frame("Zibaldo – Menù")
press(find(menu, pyatspi.ROLE_PUSH_BUTTON, "Memory"))

# The memory game: four rows of six covered cards, two of them turned through their actions.
memory = showing_frame("Zibaldo – Memory")
table = find(memory, pyatspi.ROLE_TABLE)
cards = table.queryTable()
if (cards.nRows, cards.nColumns) != (4, 6):
    fail("the cards lie %d x %d" % (cards.nRows, cards.nColumns))
first = cards.getAccessibleAt(0, 0)
if first.getRole() != pyatspi.ROLE_PUSH_BUTTON or first.name != "carta coperta, riga 1 colonna 1":
    fail("the first card reads %s %r" % (first.getRoleName(), first.name))
turned = []
for column in (0, 1):
    card = cards.getAccessibleAt(0, column)
    press(card)
    turned.append(wait_for("a pressed card stayed covered", lambda: (
        not card.name.startswith("carta coperta") and card.name)))
said = wait_for("no card was said", notification_saying(lambda text: text.startswith(turned[1])))
print("turned the cards %r: said %r" % (turned, said))

key("Escape")
answer_yes()
menu = showing_frame("Zibaldo – Menù")
press(find(menu, pyatspi.ROLE_PUSH_BUTTON, "Componi la parola"))

# "Componi la parola" at its default level: the picture named by its word, a box for each of its
# letters, empty until a key of the screen's keyboard is pressed. The word typed with its last
# letter wrong is checked and marked; the screen's Backspace and the right letter compose it.
compose = showing_frame("Zibaldo – Componi la parola")
word = wait_for("the picture is not named by its word", lambda: next(
    (p.name for p in find_all(compose, pyatspi.ROLE_IMAGE) if showing(p) and p.name), None))
letters = [c for c in word if c.isalpha()]
boxes = [b for b in find_all(compose, pyatspi.ROLE_LABEL) if showing(b) and b.name == "vuota"]
if len(boxes) != len(letters):
    fail("%r has %d empty boxes" % (word, len(boxes)))
keys = {k.name: k for k in find_all(compose, pyatspi.ROLE_PUSH_BUTTON) if showing(k)}
if not set("ABCDEFGHIJKLMNOPQRSTUVWXYZÀÈÉÌÒÙ") | {"Cancella", "Ascolta"} <= keys.keys():
    fail("the keyboard's keys are %r" % sorted(keys))
wrong = "X" if letters[-1].upper() != "X" else "Y"
for letter in [c.upper() for c in letters[:-1]] + [wrong]:
    press(keys[letter])
said = wait_for("a wrong word was not said", notification_saying(
    lambda text: text == "Sbagliato: 1 lettera da correggere"))
if boxes[0].name != letters[0].upper():
    fail("the first box reads %r" % boxes[0].name)
press(keys["Cancella"])
press(keys[letters[-1].upper()])
done = wait_for("the word composed was not said", notification_saying(
    lambda text: text.startswith("Parola completata: " + word)))
print("composed %r: said %r, then %r" % (word, said, done))

key("Escape")
answer_yes()
menu = showing_frame("Zibaldo – Menù")
press(find(menu, pyatspi.ROLE_PUSH_BUTTON, "Esci"))
answer_yes()
try:
    status = program.wait(timeout=DEADLINE)
except subprocess.TimeoutExpired:
    fail("the program did not end")
if status != 0:
    fail("the program ended with status %d" % status)
print("title, menu, word search, memory, Componi la parola and exit read and played through the "
      "bus: ok")
