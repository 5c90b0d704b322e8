#pragma once

#include "core/Drucksatz.h"

#include <QString>
#include <QStringList>

class QTextEdit;
class QWidget;

// The lines of a box as they are saved; an empty box has no line.
QStringList Zeilen_der_Box(const QTextEdit *Box);

// The box's lines with the pixel height of its font, as they are printed.
TAusgabe_Text Ausgabe_Text_der_Box(const QTextEdit *Box);

enum class TUeberschreiben
{
    ohne_Frage,
    mit_Warnung
};

// Asks for a file in the save dialog (proposed name with .txt, the proposed
// folder) and writes the lines there: as a text file in Windows-1252 with
// CR LF, or as a PDF document of the printout's pages titled Titel.
// A failed write is reported in a message box naming the file and the
// reason. Returns true when the file was written.
bool Text_speichern_mit_Dialog(QWidget *Eltern, const TAusgabe_Text &Text, const QString &Dateiname_Vorschlag,
                               const QString &Titel, TUeberschreiben Ueberschreiben);
