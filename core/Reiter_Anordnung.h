#pragma once

#include <QList>
#include <QRect>

// Where the tabs of a multi-row tab bar stand.
struct TReiter_Anordnung
{
    int Zeilen = 0;
    QList<QRect> Reiter; // one per tab, in the bar's coordinates
};

// Lays the tabs out in caption order on as many rows as the bar's width
// needs, each tab at least as wide as its caption needs (Breiten), a tab
// wider than the bar alone on its row and cut to the bar. With more than one
// row every row is stretched to the full width. The row of the current tab
// (aktiv; -1 for none) is the lowest, next to the page; the rows after it
// move up to the top in turn, as on the classic multi-row tab control.
TReiter_Anordnung Reiter_anordnen(const QList<int> &Breiten, int Zeilenhoehe, int Breite, int aktiv);
