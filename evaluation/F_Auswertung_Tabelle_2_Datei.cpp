#include "evaluation/F_Auswertung_Tabelle_2_Datei.h"

TF_Auswertung_Tabelle_2_::TF_Auswertung_Tabelle_2_(QWidget *parent)
    : TF_Auswertung_Tabelle_Kategorie(Kategorie_Tabelle(2), parent)
{
    setObjectName(QStringLiteral("TF_Auswertung_Tabelle_2_"));
}
