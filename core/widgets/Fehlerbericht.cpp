#include "core/widgets/Fehlerbericht.h"

#include <QApplication>
#include <QMessageBox>

void Fehler_melden(const QString &Text)
{
    QMessageBox Meldung(QMessageBox::Critical, QStringLiteral("Fehler"), Text, QMessageBox::Ok,
                        QApplication::activeWindow());
    Meldung.setObjectName(QStringLiteral("Meldung_Fehler"));
    Meldung.exec();
}
