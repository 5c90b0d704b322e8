#include "core/Ausgabe_Vorgaben.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>

namespace {
// Folders of the installed system: even where root may write there, a
// pupil's file does not belong in them.
bool Systemordner(const QString &Ordner)
{
    const QString Pfad = QFileInfo(Ordner).canonicalFilePath();
    for (const char *Wurzel : {"/usr", "/bin", "/sbin", "/lib", "/lib32", "/lib64", "/libx32", "/etc", "/boot", "/dev",
                               "/proc", "/sys", "/run", "/var"}) {
        const QString W = QString::fromLatin1(Wurzel);
        if (Pfad == W || Pfad.startsWith(W + u'/'))
            return true;
    }
    return Pfad == QStringLiteral("/");
}
}

QString Speicher_Ordner_waehlen(const QString &Programmordner, const QString &Dokumente, const QString &Home)
{
    const QFileInfo Programm(Programmordner);
    if (!Programmordner.isEmpty() && Programm.isDir() && Programm.isWritable() && !Systemordner(Programmordner))
        return Programmordner;
    if (!Dokumente.isEmpty() && QFileInfo(Dokumente).isDir())
        return Dokumente;
    return Home;
}

QString Speicher_Ordner_vorschlagen()
{
    return Speicher_Ordner_waehlen(QCoreApplication::applicationDirPath(),
                                   QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation),
                                   QDir::homePath());
}

TSpeicherdialog_Texte Speicherdialog_Texte()
{
    return {QStringLiteral("Speichern unter"), QStringLiteral("Suchen in:"), QStringLiteral("Dateiname:"),
            QStringLiteral("Dateityp:"),       QStringLiteral("Speichern"),  QStringLiteral("Abbrechen")};
}

QString Speicherfehler_Meldung(const QString &Pfad, const QString &Grund)
{
    return QStringLiteral("Die Datei \"%1\" wurde nicht gespeichert.\n\nGrund: %2").arg(Pfad, Grund);
}

QString Speicherziel_Meldung(const QString &Pfad, const QString &Grund)
{
    return QStringLiteral(
               "Unter \"%1\" kann nicht gespeichert werden.\n\n%2\n\nBitte wählen Sie einen anderen Ordner oder Namen.")
        .arg(Pfad, Grund);
}
