#include "core/Textdatei.h"

#include "core/Datei_sicher_schreiben.h"

#include <QStringEncoder>

QByteArray Text_zu_Windows_1252(const QStringList &Zeilen, bool &ok)
{
    QStringEncoder Kodierer("windows-1252");
    QByteArray Bytes;
    for (const QString &Zeile : Zeilen) {
        Bytes += Kodierer.encode(Zeile);
        Bytes += "\r\n";
    }
    ok = Kodierer.isValid() && !Kodierer.hasError();
    return Bytes;
}

QString Textdatei_schreiben(const QString &Pfad, const QStringList &Zeilen)
{
    bool ok = false;
    const QByteArray Bytes = Text_zu_Windows_1252(Zeilen, ok);
    if (!ok)
        return QStringLiteral(
            "Der Text enthält Zeichen, die in einer Textdatei (Windows-1252) nicht darstellbar sind.");
    return Datei_sicher_schreiben(Pfad, Bytes);
}
