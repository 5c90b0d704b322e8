#pragma once

#include "core/Farben.h"
#include "core/TEinstellung_Aufgabe.h"
#include "evaluation/TAuswertungs_Stand.h"
#include "evaluation/TKategorie_Tabelle.h"
#include "exercises/TAufgaben_Ergebnis.h"
#include "exercises/TAuswertung_kurz_Werte.h"

#include <QList>
#include <QStringList>
#include <array>
#include <optional>

// What one hand-over to the detailed evaluation changed, in the order it is shown.
struct TAuswertung_Folgen
{
    // The basic-values table shows the running sequence's row from these.
    TAuswertungs_Listenwerte_0 Listenwerte;
    // Category tables 1..4: the data rows (0-based) whose texts changed, and captions and bars.
    std::array<QList<int>, 4> geaenderte_Zeilen;
    std::array<TKategorie_Anzeige, 4> Anzeigen;
    QStringList Statistik_Text;
    // After an answer only: the line appended to the protocol and the smiley step.
    std::optional<QString> Protokollzeile;
    bool Sterne_Schritt = false;
    bool neuer_Smily = false;
};

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
// the evaluation store counts it, the tables' rows and the statistics text
// follow, then the protocol line, the smiley step, the short evaluation and
// the next task. Every step is a plain call; the frames only show what the
// returned values say changed.
class TUebungs_Ablauf
{
public:
    TUebungs_Ablauf();

    TEinstellungs_Folgen Einstellungen_aendern(TRechenart Rechenart, TSchwierigkeitsgrad Schwierigkeitsgrad);
    // RETURN in the answer field; nothing happens to a text that is no number.
    std::optional<TAntwort_Folgen> Antwort_eingeben(const QString &Text);
    // The evaluation's part of a hand-over.
    TAuswertung_Folgen Ergebnis_uebernehmen(const TAufgaben_Ergebnis &Ergebnis);
    // The smiley block rule for the difficulty of the last hand-over; true when a smiley was earned.
    bool Sterne_pruefen();
    TAufgaben_Anzeige Neue_Aufgabe();

    // Both evaluations restart: the initial task and record, the store and the tables' rows.
    void Uebung_initialisieren();
    void Auswertung_initialisieren();
    const TAuswertung_kurz_Werte &Kurz_zuruecksetzen();

    const TEinstellung_Aufgabe &Aufgabe() const { return Aufgabe_; }
    const TAufgaben_Ergebnis &Aufgaben_Ergebnis() const { return Ergebnis_; }
    const TAuswertungs_Stand &Stand() const { return Stand_; }
    const TAuswertung_kurz_Werte &Kurz() const { return Kurz_; }
    // The task of the last judged answer ("alte Aufgabe"); none before the
    // first answer and after both evaluations were reset.
    const std::optional<TEinstellung_Aufgabe> &beurteilte_Aufgabe() const { return beurteilte_Aufgabe_; }
    // The data rows of category table 1..4 as shown.
    const QList<QStringList> &Kategorie_Zeilen(int Nummer) const { return Zeilen_[std::size_t(Nummer - 1)]; }

private:
    QList<int> Zeilen_aktualisieren(int Nummer);

    TEinstellung_Aufgabe Aufgabe_;
    std::optional<TEinstellung_Aufgabe> beurteilte_Aufgabe_;
    TAufgaben_Ergebnis Ergebnis_;
    TAuswertungs_Stand Stand_;
    TAuswertung_kurz_Werte Kurz_;
    std::array<QList<QStringList>, 4> Zeilen_;
    // The counts the rows show; rows whose values did not change are not rebuilt.
    TStatistik_Speicher gezeigt_;
    bool Zeilen_gueltig_ = false;
};
