#include "core/Kontrast.h"

#include <algorithm>
#include <cmath>

namespace {
double Kanal_linear(std::uint8_t Wert)
{
    const double c = Wert / 255.0;
    return c <= 0.04045 ? c / 12.92 : std::pow((c + 0.055) / 1.055, 2.4);
}

QString Farbtext(TFarbe F)
{
    return QStringLiteral("(%1,%2,%3)").arg(F.Rot).arg(F.Gruen).arg(F.Blau);
}
}

double Relative_Leuchtdichte(TFarbe Farbe)
{
    return 0.2126 * Kanal_linear(Farbe.Rot) + 0.7152 * Kanal_linear(Farbe.Gruen) + 0.0722 * Kanal_linear(Farbe.Blau);
}

double Kontrastverhaeltnis(TFarbe Vordergrund, TFarbe Hintergrund)
{
    const double a = Relative_Leuchtdichte(Vordergrund);
    const double b = Relative_Leuchtdichte(Hintergrund);
    return (std::max(a, b) + 0.05) / (std::min(a, b) + 0.05);
}

TFarbe Beste_Schriftfarbe(TFarbe Hintergrund)
{
    return Kontrastverhaeltnis(Farbe_Schwarz, Hintergrund) >= Kontrastverhaeltnis(Farbe_Weiss, Hintergrund)
        ? Farbe_Schwarz
        : Farbe_Weiss;
}

QList<TKontrast_Paar> Kontrast_Tabelle()
{
    const QString schwarz = QStringLiteral("black");
    const QString weiss = QStringLiteral("white");
    QList<TKontrast_Paar> Paare = {
        {schwarz, Farbe_Schwarz, QStringLiteral("lime"), Farbe_Lime, 0},
        {schwarz, Farbe_Schwarz, QStringLiteral("red"), Farbe_Rot, 0},
        {schwarz, Farbe_Schwarz, QStringLiteral("gray"), Farbe_Grau, 0},
        {schwarz, Farbe_Schwarz, QStringLiteral("silver"), Farbe_Silber, 0},
        {schwarz, Farbe_Schwarz, QStringLiteral("light green"), Farbe_Hellgruen, 0},
        {schwarz, Farbe_Schwarz, QStringLiteral("aqua"), Farbe_Aqua, 0},
        {QStringLiteral("lime (smileys)"), Farbe_Lime, QStringLiteral("gray"), Farbe_Grau, 0},
        {weiss, Farbe_Weiss, QStringLiteral("teal"), Farbe_Teal, 0},
        {schwarz, Farbe_Schwarz, QStringLiteral("teal"), Farbe_Teal, 0},
    };
    for (TKontrast_Paar &P : Paare)
        P.Verhaeltnis = Kontrastverhaeltnis(P.Schriftfarbe, P.Hintergrundfarbe);
    return Paare;
}

QStringList Kontrast_Tabelle_Zeilen()
{
    QStringList Zeilen = {QStringLiteral("| Text | Background | Ratio | Normal text (4.5) | Large text (3.0) |"),
                          QStringLiteral("|---|---|---|---|---|")};
    const auto Urteil = [](bool gut) { return gut ? QStringLiteral("pass") : QStringLiteral("fail"); };
    for (const TKontrast_Paar &P : Kontrast_Tabelle())
        Zeilen << QStringLiteral("| %1 %2 | %3 %4 | %5:1 | %6 | %7 |")
                      .arg(P.Schrift, Farbtext(P.Schriftfarbe), P.Hintergrund, Farbtext(P.Hintergrundfarbe))
                      .arg(P.Verhaeltnis, 0, 'f', 2)
                      .arg(Urteil(P.Verhaeltnis >= Kontrast_Mindestwert),
                           Urteil(P.Verhaeltnis >= Kontrast_Mindestwert_gross));
    return Zeilen;
}
