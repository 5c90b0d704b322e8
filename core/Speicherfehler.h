#pragma once

#include <QString>

// Why a save failed, in the program's own German words: the system's and
// Qt's texts are English whatever the locale, so they are never shown.

// The reason for a C library error number (errno) of a failed open, write,
// flush, sync or rename; an unknown number is named with its code.
QString Speicherfehler_Grund(int Systemcode);

// Why no file can be saved under this path, checked before anything is
// written: missing folder, a name the file system does not take, a folder
// of that name, an existing file that is write-protected. Empty when the
// path may be tried.
QString Speicherziel_pruefen(const QString &Pfad);
