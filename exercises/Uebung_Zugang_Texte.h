#pragma once

#include "core/TEinstellung_Aufgabe.h"

#include <QString>
#include <QStringList>

// What assistive technology reads out on the exercise screen, where the
// posed task is a caption beside the field and the verdict is a colour.

// "Aufgabe: (-7)+(5) =": the task the answer field belongs to.
QString Aufgabe_Beschreibung(const TEinstellung_Aufgabe &Aufgabe);

// The answer field's description: the task, and once an answer was judged,
// that F2 shows the judged task's solution path.
QString Antwortfeld_Beschreibung(const TEinstellung_Aufgabe &Aufgabe, bool Aufgabe_beurteilt);

// What the screen reader says at once after RETURN or a change of the
// settings, while the focus stays in the answer field.
// "Richtig gelöst: (-5)+(6) = 1." or, with the pupil's answer and the right
// result, "Falsch gelöst: (-5)+(6) = 7. Richtige Lösung: 1."
QString Bewertung_Ansage(const TEinstellung_Aufgabe &Aufgabe, bool richtig, const QString &Antwort_Text);
// "Neue Aufgabe: (3)+(-2) ="
QString Aufgabe_Ansage(const TEinstellung_Aufgabe &Aufgabe);
// The text was discarded and the task stays: "Keine Zahl, nicht bewertet. Aufgabe: (-5)+(6) ="
QString Keine_Zahl_Ansage(const TEinstellung_Aufgabe &Aufgabe);

// The explanation lines as one spoken sentence, alignment blanks collapsed;
// empty when there is no verdict.
QString Bewertung_Vorlese_Text(const QStringList &Erlaeuterungen);
