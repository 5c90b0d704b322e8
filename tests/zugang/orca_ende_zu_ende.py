#!/usr/bin/env python3
"""A lesson of ten tasks with the keyboard alone while a real screen reader
runs, checked by what it speaks: after every step the screen reader's debug
log must hold, within a second of the key, the verdict in words, for a wrong
answer the right result, and the task to answer next. The task is read from
the answer field through AT-SPI only to know which answer is right or wrong.
Exit code 0 on success, 1 on a failed check, 3 when the program never
appeared on the accessibility bus."""

import argparse
import datetime
import os
import re
import subprocess
import sys
import time

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
from atspi_ende_zu_ende import AUFGABE, NICHT_ANGEMELDET, anwendung, element, ergebnis, fehler, warten  # noqa: E402

# "07:00:10.337525 - SPEECH OUTPUT: 'Richtig gelöst: …'{'established': False}";
# a key echo has a blank before the voice.
SPRECHEN = re.compile(r"^(\d\d):(\d\d):(\d\d\.\d+) - SPEECH OUTPUT: '(.*?) ?' ?\{[^{]*\}$")


def gesprochen(log):
    """Every line the screen reader spoke so far: (seconds of the day, text)."""
    try:
        with open(log, encoding="utf-8", errors="replace") as f:
            zeilen = f.read().replace("\r", "").split("\n")
    except OSError:
        return []
    ergebnis_ = []
    for z in zeilen:
        t = SPRECHEN.match(z)
        if t:
            ergebnis_.append((int(t.group(1)) * 3600 + int(t.group(2)) * 60 + float(t.group(3)), t.group(4)))
    return ergebnis_


def jetzt():
    n = datetime.datetime.now()
    return n.hour * 3600 + n.minute * 60 + n.second + n.microsecond / 1e6


def tasten(*befehl):
    subprocess.run(["xdotool", *befehl], check=True)


class Stunde:
    def __init__(self, args, feld):
        self.args = args
        self.feld = feld
        self.protokoll = []

    def aufgabe(self, nicht=None):
        """The field's description, the task in it as it is spoken,
        "(-5)+(6) =", and its result; with nicht, waits until the description
        differs from that one."""
        beschreibung = warten(lambda: self.feld.description if self.feld.description != nicht else None,
                              self.args.timeout, "a new task in the description")
        treffer = AUFGABE.search(beschreibung)
        if not beschreibung.startswith("Aufgabe: ") or not treffer:
            fehler("description %r does not pose a task" % beschreibung)
        return beschreibung, treffer.group(0) + " =", ergebnis(int(treffer.group(1)), treffer.group(2),
                                                               int(treffer.group(3)))

    def schritt(self, name, taste, erwartet, vorher=(), verboten=()):
        """Presses the keys of vorher, then taste. erwartet() gives the phrases
        (case-insensitive) that must be spoken within the limit after taste;
        no phrase of verboten may be spoken before the next key."""
        for v in vorher:
            tasten("key", "--clearmodifiers", v)
            time.sleep(0.3)
        beginn = jetzt()
        tasten("key", "--clearmodifiers", taste)
        phrasen = erwartet()
        ende = time.monotonic() + max(3.0, 3 * self.args.frist)

        def gehoert():
            return [(t - beginn, s) for t, s in gesprochen(self.args.log) if t >= beginn]

        while time.monotonic() < ende and not all(any(p.lower() in s.lower() for _, s in gehoert()) for p in phrasen):
            time.sleep(0.05)
        # Whatever else the key set off, before the next key.
        time.sleep(0.4)
        spaeter = gehoert()
        self.protokoll.append((name, spaeter))
        for p in phrasen:
            zeiten = [t for t, s in spaeter if p.lower() in s.lower()]
            if not zeiten:
                fehler("%s: %r was not spoken; heard %r" % (name, p, [s for _, s in spaeter]))
            if zeiten[0] > self.args.frist:
                fehler("%s: %r was spoken only after %.2f s" % (name, p, zeiten[0]))
        for p in verboten:
            if any(p.lower() in s.lower() for _, s in spaeter):
                fehler("%s: %r was spoken; heard %r" % (name, p, [s for _, s in spaeter]))

    def antworten(self, richtig):
        beschreibung, aufgabe, wert = self.aufgabe()
        antwort = str(wert if richtig else wert + 3)
        tasten("type", "--delay", "30", "--", antwort)
        warten(lambda: self.feld.queryText().getText(0, -1) == antwort, self.args.timeout, "the typed answer")

        # The verdict of this answer to this task: a screen reader that
        # repeats an earlier announcement says the wrong one.
        def danach():
            naechste = self.aufgabe(nicht=beschreibung)[1]
            urteil = "%s gelöst: %s %s" % ("richtig" if richtig else "falsch", aufgabe, antwort)
            return [urteil] + ([] if richtig else ["lösung: %d" % wert]) + [naechste]

        self.schritt("%s answer %s to %s" % ("right" if richtig else "wrong", antwort, beschreibung), "Return",
                     danach, verboten=["falsch gelöst" if richtig else "richtig gelöst"])

    def einstellen(self, name, vorher):
        beschreibung = self.aufgabe()[0]
        self.schritt(name, "Down", lambda: [self.aufgabe(nicht=beschreibung)[1]], vorher)


def main():
    p = argparse.ArgumentParser()
    p.add_argument("--pid", type=int, required=True)
    p.add_argument("--log", required=True)
    p.add_argument("--timeout", type=float, default=30)
    p.add_argument("--frist", type=float, default=1.0)
    args = p.parse_args()

    app = warten(lambda: anwendung(args.pid), min(args.timeout, 15), "the program on the accessibility bus",
                 NICHT_ANGEMELDET)
    feld = warten(lambda: element(app, "Ergebnis eingeben"), args.timeout, "the answer field")
    # The screen reader has presented the focused field: the lesson begins.
    warten(lambda: any("Ergebnis eingeben" in s for _, s in gesprochen(args.log)), args.timeout,
           "the screen reader to present the answer field")
    start = [s for _, s in gesprochen(args.log)]

    stunde = Stunde(args, feld)
    stunde.antworten(True)
    stunde.antworten(False)
    aufgabe = stunde.aufgabe()[1]
    tasten("type", "x")
    stunde.schritt("no number", "Return", lambda: ["keine zahl", aufgabe], verboten=["gelöst:"])
    # Shift+Tab back to the operation list (Down: subtraction), then on to
    # the difficulty (Down: "mittel"); the focus returns to the field each time.
    zurueck = ["shift+Tab"] * 3
    stunde.einstellen("operation by keyboard", zurueck)
    if ")-(" not in stunde.aufgabe()[1]:
        fehler("no subtraction posed after Down in the operation list")
    stunde.einstellen("difficulty by keyboard", zurueck + ["Tab"])
    # The rest of a lesson of ten tasks.
    for i in range(8):
        stunde.antworten(i % 2 == 0)

    print("start:")
    for s in start:
        print("   %s" % s)
    for name, spaeter in stunde.protokoll:
        print("%s:" % name)
        for t, s in spaeter:
            print("   +%.2f s  %s" % (t, s))
    if "layered pane" in start:
        fehler("at start a page stack without a name is announced")
    print("OK")
    return 0


if __name__ == "__main__":
    sys.exit(main())
