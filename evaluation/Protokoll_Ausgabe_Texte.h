#pragma once

#include <QString>
#include <QStringList>

// Texts of printing and saving the protocol and the statistics text.

// The explanation shown in the protocol/statistics choice dialog.
QStringList Auswahl_Protokoll_Statistik_Zeilen();
// The explanation shown in the print-or-save choice dialog.
QStringList Auswahl_drucken_oder_speichern_Zeilen();
// Protocol lines, one empty line, statistics lines.
QStringList Protokoll_und_Statistik_zusammenfuegen(const QStringList &Protokoll, const QStringList &Statistik);

inline const QString Auftrag_Protokoll = QStringLiteral("Protokoll: zum Tarvo");
inline const QString Auftrag_Statistik = QStringLiteral("Statistik: zum Tarvo");
inline const QString Auftrag_Protokoll_und_Statistik = QStringLiteral("Protokoll und Statistik: zum Tarvo");
inline const QString Datei_Protokoll = QStringLiteral("Protokoll_zum_Tarvo");
inline const QString Datei_Statistik = QStringLiteral("Statistik_zum_Tarvo");
inline const QString Datei_Protokoll_und_Statistik = QStringLiteral("Protokoll_und_Statistik_zum_Tarvo");
