# SPDX-License-Identifier: GPL-3.0-or-later
"""Starts the game, presses Check All Words and Submit through AT-SPI actions (which leave
the keyboard focus where it is) and prints the events a screen reader receives."""
import subprocess
import sys

import pyatspi
from gi.repository import GLib

game = subprocess.Popen([sys.argv[1]], stdout=subprocess.DEVNULL)
heard = []


def on_event(event):
    source = event.source
    try:
        name = source.name
    except Exception:  # the object went with the board it belonged to
        name = "?"
    if event.type.startswith("object:property-change:accessible-description"):
        print(f"description of '{name}' changed; it carries {event.any_data!r}; the object reads {source.description!r}")
    elif event.type.startswith("object:state-changed:showing") and event.detail1:
        try:
            role = source.getRoleName()
        except Exception:  # shown and replaced before it could be asked
            return
        print(f"showing: {role} '{name}'")
        if role == "notification":
            heard.append(name)
    elif event.type.startswith("object:state-changed:focused") and event.detail1:
        print(f"focus on '{name}'")


def find(root, name):
    return pyatspi.findDescendant(root, lambda node: node is not None and node.name == name, True)


def application():
    desktop = pyatspi.Registry.getDesktop(0)
    for app in desktop:
        if app is not None and app.name.lower().startswith("sixfold"):
            return app
    return None


steps = iter(["Check all words", "Submit the round", None])
tries = [0]


def next_step():
    app = application()
    if app is None:
        tries[0] += 1
        return tries[0] < 40  # the game is still starting
    button = next(steps)
    if button is None:
        pyatspi.Registry.stop()
        return False
    control = find(app, button)
    print(f"-- pressing '{button}'")
    control.queryAction().doAction(0)
    return True


pyatspi.Registry.registerEventListener(on_event, "object:property-change:accessible-description",
                                       "object:state-changed:focused", "object:state-changed:showing")
GLib.timeout_add(1500, next_step)
GLib.timeout_add(30000, lambda: pyatspi.Registry.stop())
pyatspi.Registry.start()
game.terminate()
game.wait()
checked = any(text.startswith("Checked:") for text in heard)
round_over = any(text.startswith("Round over:") for text in heard)
print(f"heard the check: {checked}; heard the round: {round_over}")
sys.exit(0 if checked and round_over else 1)
