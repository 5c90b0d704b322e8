#include "evaluation/F_Auswertung_Tabelle_3_Datei.h"

TF_Auswertung_Tabelle_3_::TF_Auswertung_Tabelle_3_(QWidget *parent)
    : TF_Auswertung_Tabelle_Kategorie(Kategorie_Tabelle(3), parent)
{
    setObjectName(QStringLiteral("TF_Auswertung_Tabelle_3_"));
}
