#include "core/widgets/Druckauftrag_senden.h"

#include <cups/cups.h>

#include <chrono>
#include <memory>

namespace {
using Uhr = std::chrono::steady_clock;

struct TFrist
{
    Uhr::time_point Ende;
    bool abgelaufen = false;
};

// Called by libcups whenever the spooler has been silent for a while; 0 gives up.
int Weiter_warten(http_t *, void *Daten)
{
    auto *Frist = static_cast<TFrist *>(Daten);
    if (Uhr::now() < Frist->Ende)
        return 1;
    Frist->abgelaufen = true;
    return 0;
}

// Never ask for a password on a console nobody looks at.
const char *Kein_Passwort(const char *, http_t *, const char *, const char *, void *)
{
    return nullptr;
}

struct TVerbindung_schliessen
{
    void operator()(http_t *Verbindung) const { httpClose(Verbindung); }
};

struct TZiel_freigeben
{
    void operator()(cups_dest_t *Ziel) const { cupsFreeDests(1, Ziel); }
};

QString Letzter_Grund()
{
    return QString::fromUtf8(cupsLastErrorString());
}

TDruck_Antwort Fehler(TDruck_Fehlerart Art, const QString &Drucker, const QString &Grund)
{
    return TDruck_Antwort{false, Art, Drucker, Grund};
}

// The connection's own error text comes from the C library, often in English:
// only the program's words are shown.
TDruck_Antwort Nicht_erreichbar(const TFrist &Frist)
{
    return Fehler(TDruck_Fehlerart::Dienst_nicht_erreichbar, QString(),
                  Frist.abgelaufen ? Druckdienst_Zeitgrenze_Grund(Druckdienst_Zeitgrenze_Sekunden) : QString());
}
}

TDruck_Antwort Druckauftrag_senden(const QString &PDF_Pfad, const QString &Auftragsname)
{
    TFrist Frist{Uhr::now() + std::chrono::seconds(Druckdienst_Zeitgrenze_Sekunden)};
    cupsSetPasswordCB2(Kein_Passwort, nullptr);
    const std::unique_ptr<http_t, TVerbindung_schliessen> Verbindung(
        httpConnect2(cupsServer(), ippPort(), nullptr, AF_UNSPEC, cupsEncryption(), 1,
                     Druckdienst_Zeitgrenze_Sekunden * 1000, nullptr));
    if (!Verbindung)
        return Nicht_erreichbar(Frist);
    httpSetTimeout(Verbindung.get(), 0.5, Weiter_warten, &Frist);

    const std::unique_ptr<cups_dest_t, TZiel_freigeben> Ziel(cupsGetNamedDest(Verbindung.get(), nullptr, nullptr));
    if (!Ziel) {
        if (Frist.abgelaufen || cupsLastError() != IPP_STATUS_ERROR_NOT_FOUND)
            return Nicht_erreichbar(Frist);
        return Fehler(TDruck_Fehlerart::kein_Standarddrucker, QString(), QString());
    }
    const QString Drucker = QString::fromUtf8(Ziel->name);
    const char *nimmt_an = cupsGetOption("printer-is-accepting-jobs", Ziel->num_options, Ziel->options);
    if (nimmt_an && QByteArrayView(nimmt_an) == "false")
        return Fehler(TDruck_Fehlerart::Drucker_lehnt_ab, Drucker, QString());

    const int Auftrag = cupsPrintFile2(Verbindung.get(), Ziel->name, PDF_Pfad.toLocal8Bit().constData(),
                                       Auftragsname.toUtf8().constData(), 0, nullptr);
    if (Auftrag > 0)
        return TDruck_Antwort{true, {}, Drucker, QString()};
    if (Frist.abgelaufen)
        return Nicht_erreichbar(Frist);
    if (cupsLastError() == IPP_STATUS_ERROR_NOT_ACCEPTING_JOBS)
        return Fehler(TDruck_Fehlerart::Drucker_lehnt_ab, Drucker, Letzter_Grund());
    return Fehler(TDruck_Fehlerart::Auftrag_abgelehnt, Drucker, Letzter_Grund());
}
