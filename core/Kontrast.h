#pragma once

#include "core/Farben.h"

#include <QList>
#include <QString>

// Contrast of text colours against the program's fixed background colours,
// measured as the relative-luminance ratio used by common accessibility
// guidelines (1 = no contrast, 21 = black on white).

inline constexpr TFarbe Farbe_Schwarz{0, 0, 0};
inline constexpr TFarbe Farbe_Weiss{255, 255, 255};

// Normal text needs at least this ratio, large text (and symbols) at least 3.
inline constexpr double Kontrast_Mindestwert = 4.5;
inline constexpr double Kontrast_Mindestwert_gross = 3.0;

double Relative_Leuchtdichte(TFarbe Farbe);
double Kontrastverhaeltnis(TFarbe Vordergrund, TFarbe Hintergrund);
// Black or white, whichever reads better on this background.
TFarbe Beste_Schriftfarbe(TFarbe Hintergrund);

struct TKontrast_Paar
{
    QString Schrift;
    TFarbe Schriftfarbe;
    QString Hintergrund;
    TFarbe Hintergrundfarbe;
    double Verhaeltnis = 0;
};

// Every text colour the screens draw on a fixed background, with its ratio.
QList<TKontrast_Paar> Kontrast_Tabelle();
// The same as Markdown table lines (header, separator, one line per pair).
QStringList Kontrast_Tabelle_Zeilen();
