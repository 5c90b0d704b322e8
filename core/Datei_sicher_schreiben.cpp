#include "core/Datei_sicher_schreiben.h"

#include "core/Speicherfehler.h"

#include <QSaveFile>

#include <cerrno>
#include <unistd.h>

QString Datei_sicher_schreiben(const QString &Pfad, const QByteArray &Bytes)
{
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
