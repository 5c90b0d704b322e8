#pragma once

#include <QString>
#include <array>
#include <cstdint>

// Counters of the detailed evaluation. Arrays are indexed zero-based here:
// [Rechenart - 1][Schwierigkeitsgrad - 1].

struct TStatistik_Werte
{
    std::int32_t Anzahl = 0;                // An
    std::int32_t Anzahl_richtig = 0;        // A+
    std::int32_t Anzahl_falsch = 0;         // A-
    std::int32_t Punkte_erreichbar = 0;     // Pn
    std::int32_t Punkte_erreicht = 0;       // P+
    std::int32_t Punkte_nicht_erreicht = 0; // P-
    friend bool operator==(const TStatistik_Werte &, const TStatistik_Werte &) = default;
};

struct TStatistik_Speicher
{
    std::array<std::array<TStatistik_Werte, 3>, 4> Kategorie_Unterkategorie{};
    std::array<TStatistik_Werte, 4> Kategorie{};
    std::array<TStatistik_Werte, 3> Unterkategorie{};
    TStatistik_Werte alle_Werte{};
    friend bool operator==(const TStatistik_Speicher &, const TStatistik_Speicher &) = default;
};

// The values of the exercise sequence that is running now.
struct TAuswertungs_Listenwerte_0
{
    std::int32_t Nr_Uebungssequenz = 0;
    QString Rechenart_Text;
    QString Schwierigkeitsgrad_Text;
    std::uint8_t Punkte_pro_Aufgabe = 0;
    std::int32_t Anzahl = 0;
    std::int32_t Anzahl_richtig = 0;
    std::int32_t Anzahl_falsch = 0;
    double Prozent_richtig = 0.0;
    std::int32_t Punkte_erreichbar = 0;
    std::int32_t Punkte_erreicht = 0;
    std::int32_t Punkte_nicht_erreicht = 0;
    double Prozent_Punkte = 0.0;
};
