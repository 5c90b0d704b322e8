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

TSpeicherdialog_Texte Speicherdialog_Texte()
{
    return {QStringLiteral("Speichern unter"), QStringLiteral("Suchen in:"), QStringLiteral("Dateiname:"),
            QStringLiteral("Dateityp:"), QStringLiteral("Speichern"), QStringLiteral("Abbrechen")};
}

QString Speicherfehler_Meldung(const QString &Pfad, const QString &Grund)
{
    return QStringLiteral("Die Datei \"%1\" wurde nicht gespeichert.\n\nGrund: %2").arg(Pfad, Grund);
}

QString Speicherziel_Meldung(const QString &Pfad, const QString &Grund)
{
    return QStringLiteral("Unter \"%1\" kann nicht gespeichert werden.\n\n%2\n\nBitte wählen Sie einen anderen Ordner oder Namen.")
        .arg(Pfad, Grund);
}

QString Druckfehler_kein_Standarddrucker()
{
    return QStringLiteral("Der Text wurde nicht gedruckt: Es ist kein Standarddrucker eingerichtet.");
}

QString Druckfehler_Meldung(const QString &Drucker, const QString &Auftragsname)
{
    return QStringLiteral("Der Druckauftrag \"%1\" konnte nicht an den Drucker \"%2\" gegeben werden.")
        .arg(Auftragsname, Drucker);
}
