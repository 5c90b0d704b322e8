#pragma once

#include <QByteArray>
#include <QString>

// Writes the bytes through a temporary file in the target folder, flushed
// and synced to disk before it is renamed: either the whole file is there,
// or an old file of that name stays as it was. Returns an empty text on
// success, else the reason in German words.
QString Datei_sicher_schreiben(const QString &Pfad, const QByteArray &Bytes);
