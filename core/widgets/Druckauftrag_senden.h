#pragma once

#include "core/Druck_Texte.h"

#include <QString>

// The spooler's answer; Fehlerart and Grund only count when it did not take the job.
struct TDruck_Antwort
{
    bool angenommen = false;
    TDruck_Fehlerart Fehlerart = TDruck_Fehlerart::kein_Standarddrucker;
    QString Drucker;
    QString Grund;
};

// The longest a print action may keep the window waiting for the spooler.
constexpr int Druckdienst_Zeitgrenze_Sekunden = 8;

// Hands a PDF file to the default printer of the print service as one job
// named Auftragsname. Returns as soon as the spooler has queued the job (a
// stopped printer that queues it has accepted it) or has said why not, and
// after Druckdienst_Zeitgrenze_Sekunden at the latest.
TDruck_Antwort Druckauftrag_senden(const QString &PDF_Pfad, const QString &Auftragsname);
