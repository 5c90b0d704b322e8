#!/usr/bin/env python3
"""Drives the running program through the AT-SPI accessibility bus, as a
screen reader would: finds the answer field by its name, reads the task from
its description, types the right result, presses RETURN and reads the
verdict back. Exit code 0 on success, 1 on a failed check."""

import argparse
import re
import subprocess
import os
import sys
import time

import pyatspi
from gi.repository import GLib

AUFGABE = re.compile(r"\((-?\d+)\)\s*([-+*:])\s*\((-?\d+)\)")
RICHTIG = " Die alte Aufgabe ist richtig gelöst :"
NICHT_ANGEMELDET = 3  # the runner starts a fresh session for this one


def fehler(text, code=1):
    print("FAIL: " + text, file=sys.stderr)
    sys.exit(code)


def warten(bedingung, sekunden, was, code=1):
    """Polls bedingung() until it gives a true value; dispatches bus events meanwhile."""
    ende = time.monotonic() + sekunden
    while time.monotonic() < ende:
        wert = bedingung()
        if wert:
            return wert
        kontext = GLib.MainContext.default()
        while kontext.pending():
            kontext.iteration(False)
        time.sleep(0.1)
    fehler("timed out waiting for " + was, code)


def anwendung(pid):
    try:
        os.kill(pid, 0)
    except OSError:
        fehler("the program ended before it appeared on the accessibility bus")
    desktop = pyatspi.Registry.getDesktop(0)
    for i in range(desktop.childCount):
        app = desktop.getChildAtIndex(i)
        try:
            if app is not None and app.get_process_id() == pid:
                return app
        except Exception:
            continue
    return None


def element(app, name):
    try:
        return pyatspi.findDescendant(app, lambda a: a is not None and a.name == name)
    except Exception:
        return None


def gleiche_Aufgabe_gestellt(app, treffer):
    """True when the task caption beside the field poses the task of treffer again."""
    try:
        beschriftung = pyatspi.findDescendant(app, lambda a: a is not None and a.name.startswith(" Aufgabe : ("))
    except Exception:
        return False
    neu = AUFGABE.search(beschriftung.name) if beschriftung is not None else None
    return neu is not None and neu.groups() == treffer.groups()


def ergebnis(a, op, b):
    if op == "+":
        return a + b
    if op == "-":
        return a - b
    if op == "*":
        return a * b
    # Integer division truncating toward zero; every posed division is even.
    q = abs(a) // abs(b)
    return q if (a < 0) == (b < 0) else -q


def text_von(acc):
    t = acc.queryText()
    return t.getText(0, t.characterCount)


def main():
    p = argparse.ArgumentParser()
    p.add_argument("--pid", type=int, required=True)
    p.add_argument("--timeout", type=float, default=30)
    # In a Wayland session AT-SPI cannot make keys: the compositor's virtual keyboard does.
    p.add_argument("--wayland", action="store_true")
    args = p.parse_args()

    # A program started while the bus's registry was still coming up is never
    # listed; that is the session's fault, not the program's.
    app = warten(lambda: anwendung(args.pid), min(args.timeout, 15), "the program on the accessibility bus",
                 NICHT_ANGEMELDET)
    feld = warten(lambda: element(app, "Ergebnis eingeben"), args.timeout, "the answer field")
    erklaerung = warten(lambda: element(app, "Erklärung"), args.timeout, "the explanation box")
    bewertung = warten(lambda: element(app, "Bewertung"), args.timeout, "the verdict panel")
    anzahl = warten(lambda: element(app, "Anzahl gestellter Aufgaben"), args.timeout, "the count of posed tasks")

    if feld.getRole() != pyatspi.ROLE_TEXT and feld.getRole() != pyatspi.ROLE_ENTRY:
        fehler("answer field has role %s" % feld.getRoleName())

    beschreibungen = []

    def gemerkt(ereignis):
        if ereignis.source is not None and ereignis.source.name == "Bewertung":
            beschreibungen.append(ereignis.source.description)

    pyatspi.Registry.registerEventListener(gemerkt, "object:property-change:accessible-description")

    # Two rounds: the second checks that the next task was announced as well.
    for runde in range(2):
        beschreibung = warten(lambda: feld.description, args.timeout, "the task in the description")
        if not beschreibung.startswith("Aufgabe: "):
            fehler("description %r does not pose a task" % beschreibung)
        treffer = AUFGABE.search(beschreibung)
        if not treffer:
            fehler("no task in %r" % beschreibung)
        a, op, b = int(treffer.group(1)), treffer.group(2), int(treffer.group(3))
        antwort = str(ergebnis(a, op, b))
        print("task %s -> %s" % (beschreibung, antwort))

        # Focus the field through the bus. Without a window manager the X
        # keyboard focus follows the pointer, so the pointer rests on the field.
        komponente = feld.queryComponent()
        komponente.grabFocus()
        if not args.wayland:
            rahmen = komponente.getExtents(pyatspi.DESKTOP_COORDS)
            pyatspi.Registry.generateMouseEvent(rahmen.x + rahmen.width // 2, rahmen.y + rahmen.height // 2, "abs")
        feld.queryEditableText().setTextContents(antwort)
        warten(lambda: text_von(feld) == antwort, args.timeout, "the typed answer")
        if args.wayland:
            # The compositor takes the new keyboard's keymap first.
            subprocess.run(["wtype", "-s", "300", "-k", "Return"], check=True)
        else:
            pyatspi.Registry.generateKeyboardEvent(0xFF0D, None, pyatspi.KEY_SYM)  # XK_Return

        # The count of posed tasks says the RETURN was judged; until then the
        # explanation box still shows the previous round's verdict.
        warten(lambda: text_von(anzahl) == str(runde + 1), args.timeout, "the count of posed tasks")
        zeilen = text_von(erklaerung).split("\n")
        if len(zeilen) < 4 or zeilen[1] != RICHTIG or not zeilen[3].endswith(antwort):
            fehler("explanation box shows %r" % zeilen)
        urteil = warten(lambda: bewertung.description, args.timeout, "the verdict panel's description")
        if not urteil.startswith("Die alte Aufgabe ist richtig gelöst :"):
            fehler("verdict panel says %r" % urteil)
        # The next task is announced in the field's description; a task drawn
        # twice in a row leaves it as it was, and the caption says so.
        warten(lambda: feld.description != beschreibung or gleiche_Aufgabe_gestellt(app, treffer), args.timeout,
               "the next task")
        print("round %d: %s" % (runde + 1, urteil))

    warten(lambda: beschreibungen, args.timeout, "a description-changed event of the verdict panel")
    print("OK")
    return 0


if __name__ == "__main__":
    sys.exit(main())
