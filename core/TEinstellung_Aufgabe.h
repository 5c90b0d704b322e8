#pragma once

#include "core/Aufgaben_Codes.h"

#include <QChar>
#include <QString>
#include <cstdint>

// One posed task with the settings it was posed under and all derived texts.
struct TEinstellung_Aufgabe
{
    TRechenart Rechenart = TRechenart::Addition;
    QChar Rechenzeichen = u'+';
    TSchwierigkeitsgrad Schwierigkeitsgrad = TSchwierigkeitsgrad::leicht;
    TLoesungsweg Loesungsweg = TLoesungsweg::lang;
    TLoesungsausgabe Loesungsausgabe = TLoesungsausgabe::direkt;
    bool schrittweise = true;
    std::int32_t Zahl_1 = 1;
    std::int32_t Zahl_2 = 1;
    QString Ueberschrift = QStringLiteral("Überschrift");
    std::int32_t Ergebnis = 2;
    std::int32_t Betrag_Zahl_1 = 1;
    std::int32_t Betrag_Zahl_2 = 1;
    std::int32_t Betrag_Ergebnis = 2;
    QString STR_Zahl_1 = QStringLiteral("1");
    QString STR_Zahl_2 = QStringLiteral("2");
    QString STR_Ergebnis = QStringLiteral("STR_Ergebnis");
    QChar VZ_Zahl_1 = u'+';
    QChar VZ_Zahl_2 = u'+';
    QChar VZ_Ergebnis = u'+';
    QString STR_Betrag_Zahl_1 = QStringLiteral("1");
    QString STR_Betrag_Zahl_2 = QStringLiteral("1");
    QString STR_Betrag_Ergebnis = QStringLiteral("2");
};

void Aufgabe_initialisieren(TEinstellung_Aufgabe &Aufgabe);

// Fills Ergebnis, Rechenzeichen and every derived field from Rechenart and the operands.
void Ergebnis_berechnen(TEinstellung_Aufgabe &Aufgabe);

// "(-5)+(6)": the task with both operands in brackets, as it is posed.
QString Aufgabe_in_Klammern(const TEinstellung_Aufgabe &Aufgabe);
