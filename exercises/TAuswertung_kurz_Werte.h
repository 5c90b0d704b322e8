#pragma once

#include "core/Farben.h"

#include <QString>
#include <cstdint>

// Counts of the short evaluation and the texts and colour its boxes show.
class TAuswertung_kurz_Werte
{
public:
    std::int32_t Anzahl_gestellt = 0;
    std::int32_t Anzahl_richtig = 0;
    std::int32_t Anzahl_falsch = 0;

    void Werte_zuruecksetzen();
    void Antwort_zaehlen(bool richtig);

    QString Text_gestellt() const;
    QString Text_richtig() const;
    QString Text_falsch() const;
    QString Text_Prozent() const;
    // Silver while nothing was wrong, red otherwise; a reset keeps it.
    TFarbe Farbe_falsch() const { return Farbe_falsch_; }

private:
    bool zurueckgesetzt_ = true;
    TFarbe Farbe_falsch_ = Farbe_Rot;
};

// One decimal, at least 5 wide, then "%": " 66.7%", "100.0%".
QString Prozent_Text(double Prozent);
