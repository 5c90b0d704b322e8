#include "core/Reiter_Anordnung.h"

#include <algorithm>

TReiter_Anordnung Reiter_anordnen(const QList<int> &Breiten, int Zeilenhoehe, int Breite, int aktiv)
{
    TReiter_Anordnung A;
    if (Breiten.isEmpty())
        return A;
    Breite = std::max(Breite, 1);

    // Rows filled from the left in caption order: the first index of each row.
    QList<int> Anfang = {0};
    int belegt = 0;
    for (int i = 0; i < Breiten.size(); ++i) {
        const int b = std::min(std::max(Breiten.at(i), 0), Breite);
        if (belegt > 0 && belegt + b > Breite) {
            Anfang << i;
            belegt = 0;
        }
        belegt += b;
    }
    A.Zeilen = int(Anfang.size());
    Anfang << int(Breiten.size());

    int Zeile_aktiv = A.Zeilen - 1;
    for (int z = 0; z < A.Zeilen; ++z)
        if (aktiv >= Anfang.at(z) && aktiv < Anfang.at(z + 1))
            Zeile_aktiv = z;

    A.Reiter.resize(Breiten.size());
    for (int z = 0; z < A.Zeilen; ++z) {
        // The current tab's row at the bottom, the rows after it above.
        const int Platz = (z - Zeile_aktiv - 1 + 2 * A.Zeilen) % A.Zeilen;
        const int y = Platz * Zeilenhoehe;
        const int von = Anfang.at(z);
        const int bis = Anfang.at(z + 1);
        int Summe = 0;
        for (int i = von; i < bis; ++i)
            Summe += std::min(std::max(Breiten.at(i), 0), Breite);
        const int Rest = A.Zeilen > 1 ? Breite - Summe : 0;
        const int n = bis - von;
        int x = 0;
        for (int i = von; i < bis; ++i) {
            // The spare width shared out evenly, the odd pixels to the first tabs.
            const int k = i - von;
            const int Zugabe = Rest / n + (k < Rest % n ? 1 : 0);
            const int b = std::min(std::max(Breiten.at(i), 0), Breite) + Zugabe;
            A.Reiter[i] = QRect(x, y, b, Zeilenhoehe);
            x += b;
        }
    }
    return A;
}
