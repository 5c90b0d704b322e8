#pragma once

#include <QList>
#include <QStringList>

// The statistics text: a legend and one fixed-width section per category
// table, built from the cell texts of the tables' data rows (eleven texts per
// row, rows in ascending order).

// Eleven header texts, each right-aligned to its column and followed by "|".
QString Statistik_Spaltenkopf(bool mit_Punkte_pro_Aufgabe);
// One data line; a text longer than its column is written in full.
QString Statistik_Zeile(const QStringList &Zellen);

QStringList Statistik_Text_erstellen(const QList<QStringList> &Tabelle_1, const QList<QStringList> &Tabelle_2,
                                     const QList<QStringList> &Tabelle_3, const QList<QStringList> &Tabelle_4);
