#pragma once

#include "evaluation/TF_Auswertung_Tabelle_Kategorie.h"

// Each operation over all difficulties.
class TF_Auswertung_Tabelle_2_ : public TF_Auswertung_Tabelle_Kategorie
{
    Q_OBJECT
public:
    explicit TF_Auswertung_Tabelle_2_(QWidget *parent = nullptr);
};
