#pragma once

#include "core/TAufgaben_Ergebnis.h"
#include "evaluation/TAuswertungs_Stand.h"
#include "evaluation/TKategorie_Tabelle.h"

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
    // After an answer only: the line appended to the protocol and the smiley step.
    std::optional<QString> Protokollzeile;
    bool Sterne_Schritt = false;
    bool neuer_Smily = false;
};

// The detailed evaluation of one lesson: the store, the category tables'
// rows, the statistics text and the protocol. The frames show it; every
// change comes through these calls.
class TAuswertung
{
public:
    TAuswertung();

    // The initial record, all counts and smileys zeroed, the tables' rows
    // empty and the protocol back to its header lines.
    void initialisieren();
    // Counts the record; the rows, the statistics text, the protocol line and
    // the smiley step follow.
    TAuswertung_Folgen Ergebnis_uebernehmen(const TAufgaben_Ergebnis &Ergebnis);
    // Sequences are separated in the protocol by an empty line.
    void Protokoll_Leerzeile_anhaengen();
    // The smiley block rule for the difficulty of the last hand-over; true when a smiley was earned.
    bool Sterne_pruefen();

    const TAuswertungs_Stand &Stand() const { return Stand_; }
    // The data rows of category table 1..4 as shown; none before the first hand-over.
    const QList<QStringList> &Kategorie_Zeilen(int Nummer) const { return Zeilen_[std::size_t(Nummer - 1)]; }
    const QStringList &Statistik_Text() const { return Statistik_Text_; }
    const QStringList &Protokoll() const { return Protokoll_; }

private:
    QList<int> Zeilen_aktualisieren(int Nummer);

    TAuswertungs_Stand Stand_;
    std::array<QList<QStringList>, 4> Zeilen_;
    QStringList Statistik_Text_;
    QStringList Protokoll_;
};
