#!/usr/bin/python3
# SPDX-License-Identifier: GPL-3.0-or-later
# Starts the program named on the command line with its accessibility bridge on and, as a screen
# reader would, reads each of its windows from the screen readers' bus and acts through it: the
# title, the menu, the word search with its letter table, the memory game with its cards, and the
# way out. Prints the word search as the bus shows it. Needs a display and a session bus.
import os
import subprocess
import sys
import time

import pyatspi

MENU_BUTTONS = ["Crucipuzzle", "Memory", "Prepara una lista", "Carica altra lista di parole", "Informazioni", "Esci"]

program = subprocess.Popen(
    [sys.argv[1]], env=dict(os.environ, QT_LINUX_ACCESSIBILITY_ALWAYS_ON="1"))


def fail(message):
    print("FAIL: " + message)
    program.kill()
    sys.exit(1)


def wait_for(what, find, seconds=15):
    end = time.time() + seconds
    while time.time() < end:
        found = find()
        if found:
            return found
        time.sleep(0.05)
    fail(what)


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


def showing_frame(title):
    def look():
        app = application()
        if not app:
            return None
        for frame in children(app):
            if (frame.getRole() == pyatspi.ROLE_FRAME and frame.name == title and
                    frame.getState().contains(pyatspi.STATE_SHOWING)):
                return frame
        return None
    return wait_for("no window named %r on the bus" % title, look)


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
    # A question box takes the keyboard; Yes is its default.
    wait_for("no question box", lambda: find(application(), pyatspi.ROLE_DIALOG) or
             find(application(), pyatspi.ROLE_ALERT))
    time.sleep(0.3)
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
press(find(menu, pyatspi.ROLE_PUSH_BUTTON, "Esci"))
answer_yes()
try:
    status = program.wait(timeout=10)
except subprocess.TimeoutExpired:
    fail("the program did not end")
if status != 0:
    fail("the program ended with status %d" % status)
print("title, menu, word search, memory and exit read and played through the bus: ok")
