#pragma once

#include "core/Drucksatz.h"

#include <QString>

class QIODevice;

// Sets the lines on A4 pages with 2 cm margins in the fixed-pitch bold
// font, at their box's pixel height read as screen pixels, shrunk as a
// whole where the longest line would not fit, with "Seite n von m" at the
// foot of a longer text, and writes them as a PDF document titled Titel
// into the open device: the pages of every print job and every saved PDF
// file. Returns the number of pages, 0 when the document could not be written.
int Box_als_PDF_setzen(const TAusgabe_Text &Text, const QString &Titel, QIODevice *Ziel);

// The same document as a file at Pfad, written directly.
int Box_als_PDF_schreiben(const TAusgabe_Text &Text, const QString &Titel, const QString &Pfad);
