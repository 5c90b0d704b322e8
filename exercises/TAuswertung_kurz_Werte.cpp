#include "exercises/TAuswertung_kurz_Werte.h"

#include "core/Zahlentexte.h"

namespace {
const QString Strich = QStringLiteral("-");
}

void TAuswertung_kurz_Werte::Werte_zuruecksetzen()
{
    Anzahl_gestellt = 0;
    Anzahl_richtig = 0;
    Anzahl_falsch = 0;
    zurueckgesetzt_ = true;
}

void TAuswertung_kurz_Werte::Antwort_zaehlen(bool richtig)
{
    Anzahl_gestellt += 1;
    if (richtig)
        Anzahl_richtig += 1;
    else
        Anzahl_falsch += 1;
    zurueckgesetzt_ = false;
    Farbe_falsch_ = Anzahl_falsch == 0 ? Farbe_Silber : Farbe_Rot;
}

QString TAuswertung_kurz_Werte::Text_gestellt() const
{
    return zurueckgesetzt_ ? Strich : Integer_zu_Text(Anzahl_gestellt);
}

QString TAuswertung_kurz_Werte::Text_richtig() const
{
    return zurueckgesetzt_ ? Strich : Integer_zu_Text(Anzahl_richtig);
}

QString TAuswertung_kurz_Werte::Text_falsch() const
{
    return zurueckgesetzt_ ? Strich : Integer_zu_Text(Anzahl_falsch);
}

QString TAuswertung_kurz_Werte::Text_Prozent() const
{
    if (zurueckgesetzt_)
        return Strich;
    return Prozent_Text(double(Anzahl_richtig) / double(Anzahl_gestellt) * 100.0);
}

QString Prozent_Text(double Prozent)
{
    return Text_links_auffuellen(QString::number(Prozent, 'f', 1), 5) + u'%';
}
