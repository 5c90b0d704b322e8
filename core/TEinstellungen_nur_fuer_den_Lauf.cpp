#include "core/TEinstellungen_nur_fuer_den_Lauf.h"

#include <QSettings>

namespace {
// Below a device nothing can be created, not even by root.
const QString Nirgends = QStringLiteral("/dev/null");

void Benutzerbereich_setzen(const QString &Pfad)
{
    QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, Pfad);
    QSettings::setPath(QSettings::IniFormat, QSettings::UserScope, Pfad);
}
}

TEinstellungen_nur_fuer_den_Lauf::TEinstellungen_nur_fuer_den_Lauf()
    : Ordner(QDir::tempPath() + QStringLiteral("/tarvo-XXXXXX"))
{
    // Without the temporary folder the settings are not written at all.
    Benutzerbereich_setzen(Ordner.isValid() ? Ordner.path() : Nirgends);
}

TEinstellungen_nur_fuer_den_Lauf::~TEinstellungen_nur_fuer_den_Lauf()
{
    // Settings written after the folder is gone are not written at all.
    Benutzerbereich_setzen(Nirgends);
}
