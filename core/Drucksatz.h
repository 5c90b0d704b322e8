#pragma once

#include <QStringList>

// How a text is set on paper: the box's pixel size read as screen pixels,
// one size for the whole document, no wrapping, as many pages as needed.

// A text as it is printed and saved: its lines, and the pixel height of the
// font of the box that shows them, which the printout keeps.
struct TAusgabe_Text
{
    QStringList Zeilen;
    double Pixelhoehe = 0;
};

// What the print device measured: the font's advance and line pitch per
// point of size, and the printable area in points.
struct TDruck_Masse
{
    double Zeichenbreite_je_Punkt = 0.6;
    double Zeilenabstand_je_Punkt = 1.2;
    double Breite_Punkte = 0;
    double Hoehe_Punkte = 0;
};

struct TDruck_Satz
{
    double Punktgroesse = 0;
    double Zeilenabstand_Punkte = 0;
    int Zeilen_je_Seite = 1;
    int Seitenzahl = 1;
};

// A screen pixel at 96 dpi is 0.75 pt.
double Punkte_aus_Pixeln(double Pixel);

// Characters that must fit the printable width: trailing blanks leave no ink.
int Laengste_sichtbare_Zeile(const QStringList &Zeilen);

// The box's size, or the one smaller size at which the longest line fits.
// Two lines at the foot of each page stay free for the page number.
TDruck_Satz Druck_Satz_berechnen(const QStringList &Zeilen, double Pixelhoehe, const TDruck_Masse &Masse);

// The lines of one page (counted from 0).
QStringList Zeilen_der_Seite(const QStringList &Zeilen, const TDruck_Satz &Satz, int Seite);
