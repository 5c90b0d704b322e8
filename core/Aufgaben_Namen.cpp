#include "core/Aufgaben_Namen.h"

#include "core/Zahlentexte.h"

#include <array>

const QString &Rechenart_Name(TRechenart Rechenart)
{
    static const std::array<QString, 4> Namen{QStringLiteral("Addition"), QStringLiteral("Subtraktion"),
                                              QStringLiteral("Multiplikation"), QStringLiteral("Division")};
    return Namen.at(std::size_t(Rechenart));
}

QChar Rechenzeichen_von(TRechenart Rechenart)
{
    switch (Rechenart) {
    case TRechenart::Addition: return u'+';
    case TRechenart::Subtraktion: return u'-';
    case TRechenart::Multiplikation: return u'*';
    case TRechenart::Division: return u':';
    }
    // Only a damaged record gets here; it keeps the sign a new record starts with.
    return u'+';
}

const QString &Schwierigkeitsgrad_Name(TSchwierigkeitsgrad Schwierigkeitsgrad)
{
    static const std::array<QString, 3> Namen{QStringLiteral("leicht"), QStringLiteral("mittel"),
                                              QStringLiteral("schwer")};
    return Namen.at(std::size_t(Schwierigkeitsgrad));
}

QString Name_rechts_aufgefuellt(const QString &Name, int Breite)
{
    return Name.size() >= Breite ? Name : (Name + Leerzeichen).left(Breite);
}
