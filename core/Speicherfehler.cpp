#include "core/Speicherfehler.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <cerrno>
#include <unistd.h>

namespace {
const QString Grund_voll = QStringLiteral("Auf dem Datenträger ist nicht mehr genug Platz frei.");
const QString Grund_keine_Berechtigung = QStringLiteral("Sie dürfen in diesem Ordner nicht speichern.");
const QString Grund_Ordner_fehlt = QStringLiteral("Den Ordner gibt es nicht.");
const QString Grund_Name = QStringLiteral("Der Dateiname ist zu lang oder nicht erlaubt.");
const QString Grund_schreibgeschuetzt = QStringLiteral("Die vorhandene Datei ist schreibgeschützt.");
const QString Grund_Ordner_statt_Datei = QStringLiteral("Unter diesem Namen gibt es schon einen Ordner.");

// The file system's limit for one name and for a whole path below Ordner;
// the usual Linux limits where the folder does not say.
long Grenze(const QByteArray &Ordner, int Art, long Vorgabe)
{
    errno = 0;
    const long Wert = ::pathconf(Ordner.constData(), Art);
    return Wert > 0 ? Wert : Vorgabe;
}
}

QString Speicherfehler_Grund(int Systemcode)
{
    switch (Systemcode) {
    case ENOSPC:
    case EDQUOT: return Grund_voll;
    case EACCES:
    case EPERM:
    case EROFS: return Grund_keine_Berechtigung;
    case ENOENT:
    case ENOTDIR: return Grund_Ordner_fehlt;
    case ENAMETOOLONG:
    case EINVAL:
    case EILSEQ: return Grund_Name;
    case EISDIR: return Grund_Ordner_statt_Datei;
    default: break;
    }
    if (Systemcode == 0)
        return QStringLiteral("Die Datei konnte nicht geschrieben werden.");
    return QStringLiteral("Die Datei konnte nicht geschrieben werden (Systemfehler %1).").arg(Systemcode);
}

QString Speicherziel_pruefen(const QString &Pfad)
{
    const QFileInfo Ziel(Pfad);
    const QFileInfo Ordner(Ziel.absolutePath());
    if (!Ordner.isDir())
        return Grund_Ordner_fehlt;
    const QByteArray Ordner_Bytes = QFile::encodeName(Ordner.absoluteFilePath());
    const QByteArray Name = QFile::encodeName(Ziel.fileName());
    if (Name.isEmpty() || Name.size() > Grenze(Ordner_Bytes, _PC_NAME_MAX, 255)
        || QFile::encodeName(Ziel.absoluteFilePath()).size() >= Grenze(Ordner_Bytes, _PC_PATH_MAX, 4096))
        return Grund_Name;
    if (Ziel.isDir())
        return Grund_Ordner_statt_Datei;
    if (!Ordner.isWritable())
        return Grund_keine_Berechtigung;
    // A new file would be put in its place by a rename, which a write-protected
    // file does not stop; the owner's write bit is what the user set.
    if (Ziel.exists() && (!Ziel.isWritable() || !(Ziel.permissions() & QFileDevice::WriteOwner)))
        return Grund_schreibgeschuetzt;
    return {};
}
