#pragma once

#include <QString>

// Where saves start and what the user is told when saving fails.

// The program's own folder when it is writable (a portable copy), otherwise
// the user's documents folder (an installed program's folder is read-only).
QString Speicher_Ordner_vorschlagen();

QString Speicherfehler_Meldung(const QString &Pfad, const QString &Grund);
