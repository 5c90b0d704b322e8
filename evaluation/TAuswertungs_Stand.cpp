#include "evaluation/TAuswertungs_Stand.h"

#include "core/Aufgaben_Codes.h"
#include "core/Namen_Tabellen.h"

namespace {
void zaehlen(TStatistik_Werte &W, bool richtig, std::int32_t Punkte)
{
    W.Anzahl += 1;
    W.Punkte_erreichbar += Punkte;
    if (richtig) {
        W.Anzahl_richtig += 1;
        W.Punkte_erreicht += Punkte;
    } else {
        W.Anzahl_falsch += 1;
        W.Punkte_nicht_erreicht += Punkte;
    }
}
}

void TAuswertungs_Stand::initialisieren()
{
    Aufgaben_Ergebnis = TAufgaben_Ergebnis{};
    Statistik = TStatistik_Speicher{};
    Sterne_initialisieren(Sterne);
}

void TAuswertungs_Stand::Ergebnis_uebernehmen(const TAufgaben_Ergebnis &Ergebnis)
{
    Aufgaben_Ergebnis = Ergebnis;
    Werte_berechnen();
}

void TAuswertungs_Stand::Werte_berechnen()
{
    const int op = Aufgaben_Ergebnis.Rechenart;
    const int g = Aufgaben_Ergebnis.Schwierigkeitsgrad;
    const std::int32_t n = Aufgaben_Ergebnis.Anzahl_Aufgaben;
    const std::uint8_t p = Punkte_Tabelle(op, g);
    const bool richtig = Aufgaben_Ergebnis.richtig_geloest == 1;
    TAuswertungs_Listenwerte_0 &L = Listenwerte;

    L.Nr_Uebungssequenz = Aufgaben_Ergebnis.Nr_Uebungssequenz;
    L.Rechenart_Text = Rechenart_Namen(op);
    L.Schwierigkeitsgrad_Text = Schwierigkeitsgrad_Namen(g);
    L.Punkte_pro_Aufgabe = p;

    // Right and wrong restart with the first answer of every sequence.
    L.Anzahl = n;
    if (n == 0 || n == 1) {
        L.Anzahl_richtig = 0;
        L.Anzahl_falsch = 0;
    }
    if (n != 0) {
        if (richtig)
            L.Anzahl_richtig += 1;
        else
            L.Anzahl_falsch += 1;
    }
    L.Prozent_richtig = n != 0 ? double(L.Anzahl_richtig) / double(n) * 100.0 : 0.0;
    L.Punkte_erreichbar = p * n;
    L.Punkte_erreicht = p * L.Anzahl_richtig;
    L.Punkte_nicht_erreicht = p * L.Anzahl_falsch;
    L.Prozent_Punkte = L.Punkte_erreichbar != 0 ? double(L.Punkte_erreicht) / double(L.Punkte_erreichbar) * 100.0 : 0.0;

    if (n == 0)
        return;
    const auto o = std::size_t(Code_von_Nummer<TRechenart>(op));
    const auto s = std::size_t(Code_von_Nummer<TSchwierigkeitsgrad>(g));
    zaehlen(Statistik.Kategorie_Unterkategorie[o][s], richtig, p);
    zaehlen(Statistik.Kategorie[o], richtig, p);
    zaehlen(Statistik.Unterkategorie[s], richtig, p);
    zaehlen(Statistik.alle_Werte, richtig, p);
    const auto d = std::size_t(Code_von_Nummer<TSchwierigkeitsgrad>(aktueller_Schwierigkeitsgrad()));
    Sterne.Aufgaben_seit_Smily[d] += 1;
    if (!richtig)
        Sterne.Falsche_seit_Smily[d] += 1;
}
