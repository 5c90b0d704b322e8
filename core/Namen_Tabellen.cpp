#include "core/Namen_Tabellen.h"

#include "core/Aufgaben_Namen.h"

namespace {
// The longest name, "Multiplikation".
constexpr int Rechenart_Breite = 14;
constexpr std::uint8_t Punkte[4][3] = {{1, 2, 3}, {1, 2, 3}, {3, 6, 9}, {3, 6, 9}};
const std::array<QString, 3> Punkte_einfach{QStringLiteral("1"), QStringLiteral("2"), QStringLiteral("3")};
const std::array<QString, 3> Punkte_dreifach{QStringLiteral("3"), QStringLiteral("6"), QStringLiteral("9")};
}

const QString &Rechenart_Namen(int Rechenart)
{
    static const std::array<QString, 4> Breite_Namen = [] {
        std::array<QString, 4> Namen;
        for (std::size_t i = 0; i < Namen.size(); ++i)
            Namen[i] = Name_rechts_aufgefuellt(Rechenart_Name(TRechenart(i)), Rechenart_Breite);
        return Namen;
    }();
    return Breite_Namen.at(std::size_t(Code_von_Nummer<TRechenart>(Rechenart)));
}

const QString &Schwierigkeitsgrad_Namen(int Schwierigkeitsgrad)
{
    return Schwierigkeitsgrad_Name(Code_von_Nummer<TSchwierigkeitsgrad>(Schwierigkeitsgrad));
}

std::uint8_t Punkte_Tabelle(int Rechenart, int Schwierigkeitsgrad)
{
    return Punkte[std::size_t(Code_von_Nummer<TRechenart>(Rechenart))]
                 [std::size_t(Code_von_Nummer<TSchwierigkeitsgrad>(Schwierigkeitsgrad))];
}

const QString &Punkte_Texte(int Rechenart, int Schwierigkeitsgrad)
{
    const TRechenart R = Code_von_Nummer<TRechenart>(Rechenart);
    const auto &Zeile = R == TRechenart::Addition || R == TRechenart::Subtraktion ? Punkte_einfach : Punkte_dreifach;
    return Zeile.at(std::size_t(Code_von_Nummer<TSchwierigkeitsgrad>(Schwierigkeitsgrad)));
}
