#include "evaluation/TAuswertung.h"

#include "evaluation/Protokoll_Kopfzeilen.h"
#include "evaluation/Statistik_Text.h"
#include "evaluation/Sterne_Regeln.h"

TAuswertung::TAuswertung()
{
    initialisieren();
}

void TAuswertung::initialisieren()
{
    Stand_.initialisieren();
    // The frames show the tables' empty rows until the first hand-over builds them.
    for (QList<QStringList> &Zeilen : Zeilen_)
        Zeilen.clear();
    Protokoll_ = Protokoll_Kopfzeilen();
}

TAuswertung_Folgen TAuswertung::Ergebnis_uebernehmen(const TAufgaben_Ergebnis &Ergebnis)
{
    Stand_.Ergebnis_uebernehmen(Ergebnis);
    TAuswertung_Folgen F;
    F.Listenwerte = Stand_.Listenwerte;
    for (int Nr = 1; Nr <= 4; ++Nr) {
        F.geaenderte_Zeilen[std::size_t(Nr - 1)] = Zeilen_aktualisieren(Nr);
        F.Anzeigen[std::size_t(Nr - 1)] = Kategorie_Anzeige(Kategorie_Tabelle(Nr), Stand_.aktuelle_Rechenart(),
                                                            Stand_.aktueller_Schwierigkeitsgrad(), Stand_.Statistik);
    }
    Statistik_Text_ = Statistik_Text_erstellen(Zeilen_[0], Zeilen_[1], Zeilen_[2], Zeilen_[3]);
    if (TAuswertungs_Stand::ist_Antwort(Ergebnis)) {
        Protokoll_ << Ergebnis.Protokollzeile;
        F.Protokollzeile = Ergebnis.Protokollzeile;
        F.Sterne_Schritt = true;
        F.neuer_Smily = Sterne_pruefen();
    }
    return F;
}

QList<int> TAuswertung::Zeilen_aktualisieren(int Nummer)
{
    const TKategorie_Tabelle &K = Kategorie_Tabelle(Nummer);
    QList<QStringList> &Zeilen = Zeilen_[std::size_t(Nummer - 1)];
    QList<int> geaendert;
    if (Zeilen.isEmpty()) {
        for (int i = 0; i < Datenzeilen_Anzahl(K); ++i) {
            Zeilen << Kategorie_Zeile(K, Kategorie_Tabelle_erste_Datenzeile + i, Stand_.Statistik);
            geaendert << i;
        }
    } else if (TAuswertungs_Stand::ist_Antwort(Stand_.Aufgaben_Ergebnis)) {
        // An answer counts in the row of its setting only; a settings hand-over counts nothing.
        const int z = Zeile_der_Einstellung(K, Stand_.aktuelle_Rechenart(), Stand_.aktueller_Schwierigkeitsgrad());
        const int i = z - Kategorie_Tabelle_erste_Datenzeile;
        Zeilen[i] = Kategorie_Zeile(K, z, Stand_.Statistik);
        geaendert << i;
    }
    return geaendert;
}

void TAuswertung::Protokoll_Leerzeile_anhaengen()
{
    Protokoll_ << QString();
}

bool TAuswertung::Sterne_pruefen()
{
    return Sterne_Block_pruefen(Stand_.Sterne, Stand_.aktueller_Schwierigkeitsgrad()) == TBlock_Ergebnis::Smily;
}
