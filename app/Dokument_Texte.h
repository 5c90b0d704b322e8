#pragma once

#include <QString>
#include <QStringList>

// Fixed texts of the document page, the program page and the small dialogs,
// and the names the document frame prints and saves under.

QStringList Informationsdokument_Zeilen();
QStringList Programm_Informationen_Zeilen();
QStringList Impressum_Zeilen();
// The imprint has no caption. Qt replaces an empty title with the application
// name, so the caption is one blank.
QString Impressum_Titel();
QStringList Abfrage_Drucken_Hinweis_Zeilen();
QStringList Abfrage_Drucken_Frage_Zeilen();
// The notice that an empty document is not printed.
QString Leeres_Dokument_Titel();
QStringList Leeres_Dokument_Zeilen();

QString Druckauftrag_Titel(const QString &Dokumentname);
QString Speichername_Vorschlag(const QString &Dokumentname);

// Which of the frame's three commands a set-up mode offers.
struct TBefehle_sichtbar
{
    bool drucken_oder_laden = false;
    bool drucken = false;
    bool laden = false;
    friend bool operator==(const TBefehle_sichtbar &, const TBefehle_sichtbar &) = default;
};
// False for a mode that leaves the commands as they are.
bool Befehle_fuer_Modus(int Modus, TBefehle_sichtbar &Befehle);
