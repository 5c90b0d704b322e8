#include "evaluation/Sterne_Regeln.h"

#include "core/Aufgaben_Codes.h"
#include "core/Zahlentexte.h"
#include "core/Namen_Tabellen.h"

#include <limits>

namespace {
// The record's arrays are indexed by the code; the evaluation counts difficulties from 1.
std::size_t Index(int Schwierigkeitsgrad)
{
    return std::size_t(Code_von_Nummer<TSchwierigkeitsgrad>(Schwierigkeitsgrad));
}
}

TBlock_Ergebnis Sterne_Block_pruefen(TSterne_record &Sterne, int Schwierigkeitsgrad)
{
    const std::size_t d = Index(Schwierigkeitsgrad);
    if (erlaubte_Fehler[d] < Sterne.Falsche_seit_Smily[d]) {
        Sterne.Falsche_seit_Smily[d] = 0;
        Sterne.Aufgaben_seit_Smily[d] = 0;
        return TBlock_Ergebnis::verfehlt;
    }
    if (Sterne.Aufgaben_seit_Smily[d] >= Aufgaben_je_Smily[d]) {
        Sterne.Falsche_seit_Smily[d] = 0;
        Sterne.Aufgaben_seit_Smily[d] = 0;
        if (Sterne.Anzahl_Smily[d] < std::numeric_limits<std::uint8_t>::max())
            Sterne.Anzahl_Smily[d] += 1;
        return TBlock_Ergebnis::Smily;
    }
    return TBlock_Ergebnis::offen;
}

namespace {
QString Ueberschrift_Anfang(int Schwierigkeitsgrad)
{
    const std::size_t d = Index(Schwierigkeitsgrad);
    const int N = Aufgaben_je_Smily[d];
    const int E = erlaubte_Fehler[d];
    return QStringLiteral("  Schwierigkeitsgrad: ") + Schwierigkeitsgrad_Namen(Schwierigkeitsgrad)
        + QStringLiteral(": Für je ") + Integer_zu_Text(N) + QStringLiteral(" Aufgaben mit mindestens ")
        + Integer_zu_Text(N - E);
}
}

QString Sterne_Ueberschrift(int Schwierigkeitsgrad)
{
    return Ueberschrift_Anfang(Schwierigkeitsgrad) + QStringLiteral(" Richtigen erhält man ein Achtungszeichen.");
}

QString Sterne_Ueberschrift_mit_Stand(const TSterne_record &Sterne, int Schwierigkeitsgrad)
{
    const std::size_t d = Index(Schwierigkeitsgrad);
    return Ueberschrift_Anfang(Schwierigkeitsgrad)
        + QStringLiteral(" Richtigen erhält man ein Achtungszeichen. Nicht gelöste Aufgaben: ")
        + Integer_zu_Text(Sterne.Falsche_seit_Smily[d]) + QStringLiteral(" / ")
        + Integer_zu_Text(Sterne.Aufgaben_seit_Smily[d]);
}

QString Smily_Zeile(QChar Zeichen, std::uint8_t Anzahl)
{
    return QString(Anzahl, Zeichen);
}

TSmily_Darstellung Smily_Darstellung(const TSterne_record &Sterne, bool Schriftart_vorhanden)
{
    if (Schriftart_vorhanden)
        return {Sterne.Schriftart, Sterne.Zeichen};
    return {Smily_Ersatzschrift, Smily_Ersatzzeichen};
}

TBild_Zustand Bild_Zustand(const TSterne_record &Sterne, int Bild_zeigen_ItemIndex)
{
    TBild_Zustand Z;
    if (Bild_zeigen_ItemIndex == Bild_zeigen_Index) {
        for (int k = 0; k < 3; ++k)
            Z.Zeile[k] = Sterne.Anzahl_Smily[k] >= Smileys_fuer_Bild ? TZeilen_Sichtbarkeit::verbergen
                                                                     : TZeilen_Sichtbarkeit::lassen;
        Z.Bild_sichtbar = true;
    } else {
        Z.Zeile.fill(TZeilen_Sichtbarkeit::zeigen);
        Z.Bild_sichtbar = false;
    }
    return Z;
}
