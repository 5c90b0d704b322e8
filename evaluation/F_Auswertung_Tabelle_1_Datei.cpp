#include "evaluation/F_Auswertung_Tabelle_1_Datei.h"

TF_Auswertung_Tabelle_1_::TF_Auswertung_Tabelle_1_(QWidget *parent)
    : TF_Auswertung_Tabelle_Kategorie(Kategorie_Tabelle(1), parent)
{
    setObjectName(QStringLiteral("TF_Auswertung_Tabelle_1_"));
}
