#pragma once

#include <QString>

// Where saves start and what the user is told when saving fails.

// The program's own folder when the user may write there and it is no system
// folder (a portable copy), otherwise the user's documents folder, and where
// there is none, the home folder.
QString Speicher_Ordner_waehlen(const QString &Programmordner, const QString &Dokumente, const QString &Home);
// The same for this program and this user.
QString Speicher_Ordner_vorschlagen();

// The save dialog's own texts, set by the program so that none stays English.
struct TSpeicherdialog_Texte
{
    QString Titel, Suchen_in, Dateiname, Dateityp, Speichern, Abbrechen;
};
TSpeicherdialog_Texte Speicherdialog_Texte();

// After the save dialog closed: the file was not written, and why.
QString Speicherfehler_Meldung(const QString &Pfad, const QString &Grund);
// Inside the save dialog: this path cannot be taken, and why.
QString Speicherziel_Meldung(const QString &Pfad, const QString &Grund);
