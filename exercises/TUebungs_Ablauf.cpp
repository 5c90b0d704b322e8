#include "exercises/TUebungs_Ablauf.h"

#include "exercises/Antwort_Bewertung.h"
#include "exercises/Aufgaben_Erzeugung.h"
#include "exercises/Ergebnis_Fortschreibung.h"
#include "exercises/Uebung_Zugang_Texte.h"

TUebungs_Ablauf::TUebungs_Ablauf()
{
    initialisieren();
}

void TUebungs_Ablauf::initialisieren()
{
    Aufgabe_initialisieren(Aufgabe_);
    beurteilte_Aufgabe_.reset();
    Auswertung_.initialisieren();
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
    TAufgaben_Ergebnis Ergebnis = Aufgaben_Ergebnis();
    const TSequenz_Wechsel Wechsel = Einstellungen_eintragen(Ergebnis, Rechenart, Schwierigkeitsgrad);
    F.Leerzeile_faellig = Wechsel.Leerzeile_faellig;
    F.Grundwerte_neu_beginnen = Wechsel.Grundwerte_neu_beginnen;
    if (Wechsel.Leerzeile_faellig)
        Auswertung_.Protokoll_Leerzeile_anhaengen();
    F.Auswertung = Auswertung_.Ergebnis_uebernehmen(Ergebnis);
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
    TAufgaben_Ergebnis Ergebnis = Aufgaben_Ergebnis();
    Antwort_eintragen(Ergebnis, Bewertung.richtig, Bewertung.Aufgabe_Text, Bewertung.Antwort_Text);
    F.Auswertung = Auswertung_.Ergebnis_uebernehmen(Ergebnis);
    Kurz_.Antwort_zaehlen(Bewertung.richtig);
    F.neue_Aufgabe = Neue_Aufgabe();
    F.Ansage += u' ' + F.neue_Aufgabe.Ansage;
    return F;
}

TAuswertung_Folgen TUebungs_Ablauf::Ergebnis_erneut_uebergeben()
{
    return Auswertung_.Ergebnis_uebernehmen(Aufgaben_Ergebnis());
}

bool TUebungs_Ablauf::Sterne_pruefen()
{
    return Auswertung_.Sterne_pruefen();
}

TAufgaben_Anzeige TUebungs_Ablauf::Neue_Aufgabe()
{
    Aufgabe_ziehen(Aufgabe_);
    return {Aufgabenstellung_Text(Aufgabe_), Antwortfeld_Beschreibung(Aufgabe_, beurteilte_Aufgabe_.has_value()),
            Aufgabe_Ansage(Aufgabe_)};
}
