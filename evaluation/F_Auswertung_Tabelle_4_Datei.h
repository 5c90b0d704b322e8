#pragma once

#include "evaluation/TF_Auswertung_Tabelle_Kategorie.h"

// All answers together.
class TF_Auswertung_Tabelle_4_ : public TF_Auswertung_Tabelle_Kategorie
{
    Q_OBJECT
public:
    explicit TF_Auswertung_Tabelle_4_(QWidget *parent = nullptr);
};
