#pragma once

#include "core/Aufgaben_Codes.h"
#include "evaluation/TStatistik.h"

#include <QStringList>

// Everything the basic-values table shows, built from the running sequence's
// values. The frame only puts these texts into its controls.

inline constexpr int Tabelle_0_Spalten = 11;
inline constexpr int Tabelle_0_feste_Zeilen = 2;
inline constexpr int Tabelle_0_Zeilen = Tabelle_0_feste_Zeilen + Anzahl_Uebungssequenzen;
inline constexpr int Tabelle_0_feste_Spalten = 3;

// The two header rows, eleven texts each.
QStringList Tabelle_0_Kopfzeile(int Zeile);
// The eleven cell texts of the row of a sequence.
QStringList Tabelle_0_Zeile(const TAuswertungs_Listenwerte_0 &Werte);
// Grid row of a sequence: sequence n sits in row n + 1.
inline int Tabelle_0_Zeile_der_Sequenz(int Sequenz)
{
    return Sequenz + 1;
}
// First visible data row for a sequence, or 0 when the grid keeps its place.
int Tabelle_0_oberste_Zeile(int Sequenz);

QString Tabelle_0_Einstellung_Caption(const TAuswertungs_Listenwerte_0 &Werte);
QString Tabelle_0_Prozent_Caption(const TAuswertungs_Listenwerte_0 &Werte);
QString Tabelle_0_Prozent_Caption_leer();

QStringList Tabelle_0_Beschreibung();
QStringList Tabelle_0_Hinweis_Zuruecksetzen();
