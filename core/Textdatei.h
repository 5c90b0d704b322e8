#pragma once

#include <QString>
#include <QStringList>

// Every text file is saved through here: Windows-1252, CR LF after each
// line, written as Datei_sicher_schreiben does. Returns an empty text on
// success, else the reason in German words.
QString Textdatei_schreiben(const QString &Pfad, const QStringList &Zeilen);

// The bytes that would be written; ok is false when a character has no Windows-1252 code.
QByteArray Text_zu_Windows_1252(const QStringList &Zeilen, bool &ok);
