#pragma once

#include <QList>

// Where a row of controls with a closing button stands.
struct TReihe_mit_Knopf
{
    bool Knopf_daneben = true; // the button at the row's end, else beneath its last control
    int Mindestbreite = 0;     // the row's width with the button beneath
};

// The controls stand left to right (Breiten, Abstand between two); the button
// follows at the row's end where Platz allows, so the row reads in its
// order, else it stands beneath the last control, whose column is then as
// wide as the wider of the two.
TReihe_mit_Knopf Reihe_mit_Knopf(const QList<int> &Breiten, int Abstand, int Knopf, int Platz);
