#pragma once

#include <QString>

// Names and descriptions that assistive technology reads out for controls
// whose visible text alone does not say what they are or what they hold.

// A text as it is read out: runs of blanks used for column alignment collapsed.
QString Vorlese_Text(const QString &Text);

// "Lösungsschritt 3: Regeln zur Addition anwenden"; the number alone when
// the heading is empty.
QString Loesungsschritt_Name(int Nummer, const QString &Ueberschrift);
// What a covered row offers; empty for an uncovered row.
QString Loesungsschritt_Beschreibung(bool verdeckt);
// Names of the parts of a row: the number boxes and the explanation.
QString Loesungsschritt_Teil_Name(int Nummer, const QString &Teil);

// Schwierigkeitsgrad 1..3: "Smileys leicht", ...
QString Smily_Box_Name(int Schwierigkeitsgrad);
// "Keine Smileys", "1 Smiley", "3 Smileys".
QString Smily_Box_Beschreibung(int Anzahl);

// Nummer 0..4: the caption of the tab that shows the statistics table.
QString Tabelle_Reiter_Name(int Nummer);

// "Dokument: Informationen zum Tarvo"; "Dokument" when the name is empty.
QString Dokument_Name(const QString &Dokumentname);
