#pragma once

#include "evaluation/TF_Auswertung_Tabelle_Kategorie.h"

// Each difficulty over all operations.
class TF_Auswertung_Tabelle_3_ : public TF_Auswertung_Tabelle_Kategorie
{
    Q_OBJECT
public:
    explicit TF_Auswertung_Tabelle_3_(QWidget *parent = nullptr);
};
