#include "core/Zahlentexte.h"

const QString Leerzeichen(50, QLatin1Char(' '));

QString Byte_zu_Text(std::uint8_t Wert)
{
    return QString::number(Wert);
}

QString Integer_zu_Text(std::int32_t Wert)
{
    return QString::number(Wert);
}

QString Real_zu_Text(double Wert)
{
    // QString::number is locale-independent ("C" format).
    return QString::number(Wert, 'f', 2);
}

QString Text_links_auffuellen(const QString &Text, std::uint8_t Breite)
{
    const qsizetype fehlend = qsizetype(Breite) - Text.size();
    if (fehlend <= 0)
        return Text;
    return Leerzeichen.left(fehlend) + Text;
}
