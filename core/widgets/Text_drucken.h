#pragma once

#include <QString>

class QTextEdit;

// Sets the box's lines on A4 pages with 2 cm margins in the fixed-pitch bold
// font, its pixel height read as screen pixels, shrunk as a whole where the
// longest line would not fit, and writes them as a PDF file: the document
// every print job sends. Returns the number of pages, 0 when the file could
// not be written.
int Box_als_PDF_schreiben(const QTextEdit *Box, const QString &Titel, const QString &Pfad);

// Prints the box's lines (the same lines as its saved file) as one job on
// the default printer, without a printer dialog; the job title names the
// job and is not printed. Returns an empty text when the spooler took the
// job, otherwise what the pupil is told about why it did not.
[[nodiscard]] QString Text_drucken(const QTextEdit *Box, const QString &Auftragsname);

// Prints as Text_drucken does; a failure is shown through the general error
// report, here where the print was started.
void Text_drucken_mit_Fehlerbericht(const QTextEdit *Box, const QString &Auftragsname);
