#include "core/Ausgabe_Vorgaben.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>

QString Speicher_Ordner_vorschlagen()
{
    const QString Programmordner = QCoreApplication::applicationDirPath();
    const QFileInfo Info(Programmordner);
    if (!Programmordner.isEmpty() && Info.isDir() && Info.isWritable())
        return Programmordner;
    const QString Dokumente = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    return Dokumente.isEmpty() ? QDir::homePath() : Dokumente;
}

QString Speicherfehler_Meldung(const QString &Pfad, const QString &Grund)
{
    return QStringLiteral("Die Datei \"%1\" wurde nicht gespeichert.\n\nGrund: %2").arg(Pfad, Grund);
}
