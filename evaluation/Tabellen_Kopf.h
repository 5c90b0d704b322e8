#pragma once

#include <QString>
#include <QStringList>

// What every statistics table shares: the first two heading rows, the
// caption's lead-in for the setting in use and the percent unit.

QString Einstellung_Praefix();
QString Prozent_Einheit();

// "Kategorie", "U-Kategorie", "Punkte", "Aufgabe", ... "Punkte", ...
QStringList Tabellen_Kopfzeile_0();
// With signs: "+ gelöst", "- gelöst", "+ gelöst %", ...; without: "gelöst", "nicht gelöst", ...
QStringList Tabellen_Kopfzeile_1(bool mit_Vorzeichen);
