#include "core/Drucksatz.h"

#include <algorithm>
#include <cmath>

namespace {
constexpr int Fusszeilen = 2;
}

double Punkte_aus_Pixeln(double Pixel)
{
    return Pixel * 0.75;
}

int Laengste_sichtbare_Zeile(const QStringList &Zeilen)
{
    qsizetype Laengste = 0;
    for (const QString &Zeile : Zeilen) {
        qsizetype Ende = Zeile.size();
        while (Ende > 0 && Zeile.at(Ende - 1).isSpace())
            --Ende;
        Laengste = std::max(Laengste, Ende);
    }
    return int(Laengste);
}

TDruck_Satz Druck_Satz_berechnen(const QStringList &Zeilen, double Pixelhoehe, const TDruck_Masse &Masse)
{
    TDruck_Satz Satz;
    Satz.Punktgroesse = Punkte_aus_Pixeln(Pixelhoehe);
    const int Laengste = Laengste_sichtbare_Zeile(Zeilen);
    if (Laengste > 0) {
        // A hair below the exact fit, so rounding in the device never cuts the last column.
        const double Passend = Masse.Breite_Punkte / (Laengste * Masse.Zeichenbreite_je_Punkt) * 0.999;
        Satz.Punktgroesse = std::min(Satz.Punktgroesse, Passend);
    }
    Satz.Zeilenabstand_Punkte = Satz.Punktgroesse * Masse.Zeilenabstand_je_Punkt;
    const int Zeilen_auf_Flaeche = int(std::floor(Masse.Hoehe_Punkte / Satz.Zeilenabstand_Punkte));
    Satz.Zeilen_je_Seite = std::max(1, Zeilen_auf_Flaeche - Fusszeilen);
    Satz.Seitenzahl = std::max<int>(1, int((Zeilen.size() + Satz.Zeilen_je_Seite - 1) / Satz.Zeilen_je_Seite));
    return Satz;
}

QStringList Zeilen_der_Seite(const QStringList &Zeilen, const TDruck_Satz &Satz, int Seite)
{
    return Zeilen.mid(qsizetype(Seite) * Satz.Zeilen_je_Seite, Satz.Zeilen_je_Seite);
}
