#pragma once

#include <QChar>
#include <QString>
#include <QStringList>
#include <cstdint>

// One row of a solution path as the row widget is to show it.
struct TLoesungsschritt_Daten
{
    // Which show operation of the row fills the number field.
    enum class TZahlenfeld
    {
        Zahl,
        Text,
        Aufgabe
    };

    int Nummer = 0; // row 2, 3 or 4
    QString Ueberschrift;
    QStringList Zeilen;
    TZahlenfeld Feld = TZahlenfeld::Zahl;
    std::int32_t Wert_1 = 0; // Zahl: the value; Aufgabe: the first number
    std::int32_t Wert_2 = 0; // Aufgabe: the second number
    QString Text;            // Text: the whole field
    bool mit_Gleich = true;
    bool verdeckt = false;

    // The number field as the pupil reads it, "=" included.
    QString Zahlenfeld_Text() const;
};
