#include "core/Reihe_mit_Knopf.h"

#include <algorithm>
#include <numeric>

TReihe_mit_Knopf Reihe_mit_Knopf(const QList<int> &Breiten, int Abstand, int Knopf, int Platz)
{
    if (Breiten.isEmpty())
        return {Knopf <= Platz, Knopf};
    const int Reihe = std::accumulate(Breiten.begin(), Breiten.end(), 0) + Abstand * int(Breiten.size() - 1);
    return {Reihe + Abstand + Knopf <= Platz, Reihe - Breiten.last() + std::max(Breiten.last(), Knopf)};
}
