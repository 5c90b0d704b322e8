#pragma once

#include <QChar>
#include <QString>
#include <cstdint>

// One posed task with the settings it was posed under and all derived texts.
struct TEinstellung_Aufgabe
{
    std::uint8_t Rechenart = 0;          // 0 Addition .. 3 Division
    QChar Rechenzeichen = u'+';
    std::uint8_t Schwierigkeitsgrad = 0; // 0 leicht .. 2 schwer
    std::uint8_t Loesungsweg = 1;        // 0 short, 1 long path
    std::uint8_t Loesungsausgabe = 0;    // 0 at once, 1 on demand, 2 step by step
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
