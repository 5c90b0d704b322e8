#include "exercises/TUebungs_Ablauf.h"

#include "evaluation/Statistik_Text.h"
#include "evaluation/Sterne_Regeln.h"
#include "exercises/Antwort_Bewertung.h"
#include "exercises/Aufgaben_Erzeugung.h"
#include "exercises/Ergebnis_Fortschreibung.h"
#include "exercises/Uebung_Zugang_Texte.h"

TUebungs_Ablauf::TUebungs_Ablauf()
{
    Uebung_initialisieren();
    Auswertung_initialisieren();
}

void TUebungs_Ablauf::Uebung_initialisieren()
{
    Aufgabe_initialisieren(Aufgabe_);
    beurteilte_Aufgabe_.reset();
    Ergebnis_ = TAufgaben_Ergebnis{};
}

void TUebungs_Ablauf::Auswertung_initialisieren()
{
    Stand_.initialisieren();
    for (int Nr = 1; Nr <= 4; ++Nr) {
        const TKategorie_Tabelle &K = Kategorie_Tabelle(Nr);
        QList<QStringList> &Zeilen = Zeilen_[std::size_t(Nr - 1)];
        Zeilen.clear();
        for (int i = 0; i < Datenzeilen_Anzahl(K); ++i)
            Zeilen << Kategorie_Zeile_leer(K, i);
    }
    Zeilen_gueltig_ = false;
}

const TAuswertung_kurz_Werte &TUebungs_Ablauf::Kurz_zuruecksetzen()
{
    Kurz_.Werte_zuruecksetzen();
    return Kurz_;
}

TEinstellungs_Folgen TUebungs_Ablauf::Einstellungen_aendern(TRechenart Rechenart,
                                                            TSchwierigkeitsgrad Schwierigkeitsgrad)
{
    Aufgabe_.Rechenart = Rechenart;
    Aufgabe_.Schwierigkeitsgrad = Schwierigkeitsgrad;
    Aufgabe_.Loesungsweg = TLoesungsweg::kurz;
    Aufgabe_.Loesungsausgabe = TLoesungsausgabe::direkt;

    TEinstellungs_Folgen F;
    F.Einstellungs_Zeilen = Einstellungs_Zeilen(Rechenart, Schwierigkeitsgrad);
    const TSequenz_Wechsel Wechsel = Einstellungen_eintragen(Ergebnis_, Rechenart, Schwierigkeitsgrad);
    F.Leerzeile_faellig = Wechsel.Leerzeile_faellig;
    F.Grundwerte_neu_beginnen = Wechsel.Grundwerte_neu_beginnen;
    F.Auswertung = Ergebnis_uebernehmen(Ergebnis_);
    F.neue_Aufgabe = Neue_Aufgabe();
    return F;
}

std::optional<TAntwort_Folgen> TUebungs_Ablauf::Antwort_eingeben(const QString &Text)
{
    const std::optional<std::int32_t> Antwort = Antwort_lesen(Text);
    if (!Antwort)
        return std::nullopt;
    const TBewertung Bewertung = Antwort_bewerten(Aufgabe_, *Antwort);
    beurteilte_Aufgabe_ = Aufgabe_;
    TAntwort_Folgen F;
    F.richtig = Bewertung.richtig;
    F.Erlaeuterungen = Bewertung.Erlaeuterungen;
    F.Farbe = Bewertung.richtig ? Farbe_Lime : Farbe_Rot;
    F.Vorlese_Text = Bewertung_Vorlese_Text(Bewertung.Erlaeuterungen);
    F.Ansage = Bewertung_Ansage(Aufgabe_, Bewertung.richtig, Bewertung.Antwort_Text);
    Antwort_eintragen(Ergebnis_, Bewertung.richtig, Bewertung.Aufgabe_Text, Bewertung.Antwort_Text);
    F.Auswertung = Ergebnis_uebernehmen(Ergebnis_);
    Kurz_.Antwort_zaehlen(Bewertung.richtig);
    F.neue_Aufgabe = Neue_Aufgabe();
    F.Ansage += u' ' + F.neue_Aufgabe.Ansage;
    return F;
}

TAuswertung_Folgen TUebungs_Ablauf::Ergebnis_uebernehmen(const TAufgaben_Ergebnis &Ergebnis)
{
    Stand_.Ergebnis_uebernehmen(Ergebnis);
    TAuswertung_Folgen F;
    F.Listenwerte = Stand_.Listenwerte;
    for (int Nr = 1; Nr <= 4; ++Nr) {
        F.geaenderte_Zeilen[std::size_t(Nr - 1)] = Zeilen_aktualisieren(Nr);
        F.Anzeigen[std::size_t(Nr - 1)] = Kategorie_Anzeige(Kategorie_Tabelle(Nr), Stand_.aktuelle_Rechenart,
                                                            Stand_.aktueller_Schwierigkeitsgrad, Stand_.Statistik);
    }
    gezeigt_ = Stand_.Statistik;
    Zeilen_gueltig_ = true;
    F.Statistik_Text = Statistik_Text_erstellen(Zeilen_[0], Zeilen_[1], Zeilen_[2], Zeilen_[3]);
    if (TAuswertungs_Stand::ist_Antwort(Stand_.Aufgaben_Ergebnis)) {
        F.Protokollzeile = Stand_.Aufgaben_Ergebnis.Protokollzeile;
        F.Sterne_Schritt = true;
        F.neuer_Smily = Sterne_pruefen();
    }
    return F;
}

QList<int> TUebungs_Ablauf::Zeilen_aktualisieren(int Nummer)
{
    // An answer changes one row per table; the others keep their texts.
    const TKategorie_Tabelle &K = Kategorie_Tabelle(Nummer);
    QList<QStringList> &Zeilen = Zeilen_[std::size_t(Nummer - 1)];
    QList<int> geaendert;
    for (int i = 0; i < Datenzeilen_Anzahl(K); ++i) {
        const int z = Kategorie_Tabelle_erste_Datenzeile + i;
        if (Zeilen_gueltig_ && Gebundene_Werte(K, z, Stand_.Statistik) == Gebundene_Werte(K, z, gezeigt_))
            continue;
        Zeilen[i] = Kategorie_Zeile(K, z, Stand_.Statistik);
        geaendert << i;
    }
    return geaendert;
}

bool TUebungs_Ablauf::Sterne_pruefen()
{
    return Sterne_Block_pruefen(Stand_.Sterne, Stand_.aktueller_Schwierigkeitsgrad) == TBlock_Ergebnis::Smily;
}

TAufgaben_Anzeige TUebungs_Ablauf::Neue_Aufgabe()
{
    Aufgabe_ziehen(Aufgabe_);
    return {Aufgabenstellung_Text(Aufgabe_), Antwortfeld_Beschreibung(Aufgabe_, beurteilte_Aufgabe_.has_value()),
            Aufgabe_Ansage(Aufgabe_)};
}
