#pragma once

#include "evaluation/TF_Auswertung_Tabelle_Kategorie.h"

// Each operation with each difficulty.
class TF_Auswertung_Tabelle_1_ : public TF_Auswertung_Tabelle_Kategorie
{
    Q_OBJECT
public:
    explicit TF_Auswertung_Tabelle_1_(QWidget *parent = nullptr);
};
