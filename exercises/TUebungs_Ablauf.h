#pragma once

#include "core/Farben.h"
#include "core/TEinstellung_Aufgabe.h"
#include "core/TAufgaben_Ergebnis.h"
#include "evaluation/TAuswertung.h"
#include "exercises/TAuswertung_kurz_Werte.h"

#include <QStringList>
#include <optional>

// The posed task as the exercise screen shows it.
struct TAufgaben_Anzeige
{
    QString Aufgabenstellung;
    QString Beschreibung; // read with the answer field
    QString Ansage;       // spoken at once after a change of the settings
};

struct TEinstellungs_Folgen
{
    QStringList Einstellungs_Zeilen;
    bool Leerzeile_faellig = false;       // before the hand-over
    bool Grundwerte_neu_beginnen = false; // the wrap notice, then the basic-values table restarts
    TAuswertung_Folgen Auswertung;
    TAufgaben_Anzeige neue_Aufgabe;
};

struct TAntwort_Folgen
{
    bool richtig = false;
    QStringList Erlaeuterungen;
    TFarbe Farbe = Farbe_Grau;
    QString Vorlese_Text; // says in words what the colour means
    QString Ansage;       // spoken at once: the verdict, then the next task
    TAuswertung_Folgen Auswertung;
    TAufgaben_Anzeige neue_Aufgabe;
};

// One lesson, in order: settings or a judged answer make the result record,
// the evaluation counts it, the tables' rows and the statistics text follow,
// then the protocol line, the smiley step, the short evaluation and the next
// task. Every step is a plain call; the frames only show what the returned
// values say changed. The lesson is the only place that changes these values.
class TUebungs_Ablauf
{
public:
    TUebungs_Ablauf();

    TEinstellungs_Folgen Einstellungen_aendern(TRechenart Rechenart, TSchwierigkeitsgrad Schwierigkeitsgrad);
    // RETURN in the answer field; nothing happens to a text that is no number.
    std::optional<TAntwort_Folgen> Antwort_eingeben(const QString &Text);
    // The record of the last hand-over is handed over once more.
    TAuswertung_Folgen Ergebnis_erneut_uebergeben();
    // The smiley block rule for the difficulty of the last hand-over; true when a smiley was earned.
    bool Sterne_pruefen();
    TAufgaben_Anzeige Neue_Aufgabe();

    // Both evaluations restart: the initial task and record, the store, the
    // tables' rows and the protocol.
    void initialisieren();
    const TAuswertung_kurz_Werte &Kurz_zuruecksetzen();

    const TEinstellung_Aufgabe &Aufgabe() const { return Aufgabe_; }
    const TAufgaben_Ergebnis &Aufgaben_Ergebnis() const { return Auswertung_.Stand().Aufgaben_Ergebnis; }
    const TAuswertung &Auswertung() const { return Auswertung_; }
    const TAuswertung_kurz_Werte &Kurz() const { return Kurz_; }
    // The task of the last judged answer ("alte Aufgabe"); none before the
    // first answer and after both evaluations were reset.
    const std::optional<TEinstellung_Aufgabe> &beurteilte_Aufgabe() const { return beurteilte_Aufgabe_; }

private:
    TEinstellung_Aufgabe Aufgabe_;
    std::optional<TEinstellung_Aufgabe> beurteilte_Aufgabe_;
    TAuswertung Auswertung_;
    TAuswertung_kurz_Werte Kurz_;
};
