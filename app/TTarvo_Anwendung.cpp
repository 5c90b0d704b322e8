#include "app/TTarvo_Anwendung.h"

#include "core/TFenster_Einpasser.h"

#include <QMessageBox>
#include <exception>

TTarvo_Anwendung::TTarvo_Anwendung(int &argc, char **argv)
    : QApplication(argc, argv)
{
    // No dialog of the program may open partly off the screen.
    installEventFilter(new TFenster_Einpasser(this));
}

bool TTarvo_Anwendung::notify(QObject *Empfaenger, QEvent *Ereignis)
{
    try {
        return QApplication::notify(Empfaenger, Ereignis);
    } catch (const std::exception &Fehler) {
        Fehler_melden(QString::fromStdString(Fehler.what()));
    } catch (...) {
        Fehler_melden(QStringLiteral("Unbekannter Fehler."));
    }
    return false;
}

void TTarvo_Anwendung::Fehler_melden(const QString &Text)
{
    QMessageBox Meldung(QMessageBox::Critical, QStringLiteral("Fehler"), Text, QMessageBox::Ok,
                        activeWindow());
    Meldung.setObjectName(QStringLiteral("Meldung_Fehler"));
    Meldung.exec();
}
