#include "core/Textdatei.h"

#include "core/Speicherfehler.h"

#include <QSaveFile>
#include <QStringEncoder>

#include <cerrno>
#include <unistd.h>

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
    const QString Ziel_Grund = Speicherziel_pruefen(Pfad);
    if (!Ziel_Grund.isEmpty())
        return Ziel_Grund;

    QSaveFile Datei(Pfad);
    errno = 0;
    if (!Datei.open(QIODevice::WriteOnly))
        return Speicherfehler_Grund(errno);
    // QSaveFile::commit() renames even when the flush of its buffer failed,
    // which would put an empty file in place of the old one on a full disk:
    // the write, the flush and the sync are checked before the commit.
    errno = 0;
    const bool geschrieben =
        Datei.write(Bytes) == Bytes.size() && Datei.flush() && (::fsync(Datei.handle()) == 0 || errno == EINVAL);
    if (!geschrieben) {
        const int Code = errno;
        Datei.cancelWriting();
        return Speicherfehler_Grund(Code);
    }
    errno = 0;
    if (!Datei.commit())
        return Speicherfehler_Grund(errno);
    return {};
}
