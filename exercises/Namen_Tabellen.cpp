#include "exercises/Namen_Tabellen.h"

namespace {
const std::array<QString, 4> Rechenarten{
    QStringLiteral("Addition      "), QStringLiteral("Subtraktion   "),
    QStringLiteral("Multiplikation"), QStringLiteral("Division      ")};
const std::array<QString, 3> Schwierigkeitsgrade{
    QStringLiteral("leicht"), QStringLiteral("mittel"), QStringLiteral("schwer")};
constexpr std::uint8_t Punkte[4][3] = {{1, 2, 3}, {1, 2, 3}, {3, 6, 9}, {3, 6, 9}};
const std::array<QString, 3> Punkte_einfach{QStringLiteral("1"), QStringLiteral("2"), QStringLiteral("3")};
const std::array<QString, 3> Punkte_dreifach{QStringLiteral("3"), QStringLiteral("6"), QStringLiteral("9")};
}

const QString &Rechenart_Namen(int Rechenart)
{
    return Rechenarten.at(std::size_t(Rechenart - 1));
}

const QString &Schwierigkeitsgrad_Namen(int Schwierigkeitsgrad)
{
    return Schwierigkeitsgrade.at(std::size_t(Schwierigkeitsgrad - 1));
}

std::uint8_t Punkte_Tabelle(int Rechenart, int Schwierigkeitsgrad)
{
    return Punkte[Rechenart - 1][Schwierigkeitsgrad - 1];
}

const QString &Punkte_Texte(int Rechenart, int Schwierigkeitsgrad)
{
    const auto &Zeile = Rechenart <= 2 ? Punkte_einfach : Punkte_dreifach;
    return Zeile.at(std::size_t(Schwierigkeitsgrad - 1));
}
