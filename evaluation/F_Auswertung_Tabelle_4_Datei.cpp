#include "evaluation/F_Auswertung_Tabelle_4_Datei.h"

TF_Auswertung_Tabelle_4_::TF_Auswertung_Tabelle_4_(QWidget *parent)
    : TF_Auswertung_Tabelle_Kategorie(Kategorie_Tabelle(4), parent)
{
    setObjectName(QStringLiteral("TF_Auswertung_Tabelle_4_"));
}
