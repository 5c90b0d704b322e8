#include "solution_paths/TLoesungsschritt_Daten.h"

#include "core/Zahlentexte.h"
#include "solution_paths/Tarvo_Aufgabe_erzeugen.h"

QString TLoesungsschritt_Daten::Zahlenfeld_Text() const
{
    QString Feldtext;
    switch (Feld) {
    case TZahlenfeld::Zahl: Feldtext = Integer_zu_Text(Wert_1); break;
    case TZahlenfeld::Text: Feldtext = Text; break;
    case TZahlenfeld::Aufgabe:
        Feldtext = Zahl_geklammert(Wert_1) + QStringLiteral(" + ") + Zahl_geklammert(Wert_2);
        break;
    }
    return mit_Gleich ? QStringLiteral("= ") + Feldtext : Feldtext;
}
