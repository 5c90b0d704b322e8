#pragma once

#include <QString>

// What the pupil is told when a print job does not reach the printer.
enum class TDruck_Fehlerart
{
    keine_Druckdatei,
    kein_Standarddrucker,
    Dienst_nicht_erreichbar,
    Drucker_lehnt_ab,
    Auftrag_abgelehnt,
};

// Grund is the spooler's (or the file system's) own reason; it may be empty.
// Without a default printer or print service the text ends with the way to
// a PDF file instead.
QString Druckfehler_Text(TDruck_Fehlerart Art, const QString &Auftragsname, const QString &Drucker,
                         const QString &Grund);

// The reason given when the spooler did not answer in time.
QString Druckdienst_Zeitgrenze_Grund(int Sekunden);

// The foot line of a page of a printout with more than one page.
QString Seitennummer_Text(int Seite, int Seitenzahl);
