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

// The explanation lines as one spoken sentence, alignment blanks collapsed;
// empty when there is no verdict.
QString Bewertung_Vorlese_Text(const QStringList &Erlaeuterungen);
