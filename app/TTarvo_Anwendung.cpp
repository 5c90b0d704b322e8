#include "app/TTarvo_Anwendung.h"

#include "core/widgets/Fehlerbericht.h"
#include "core/widgets/TFenster_Einpasser.h"

#include <QLibraryInfo>
#include <QLocale>
#include <exception>

namespace {
// Qt's file list takes sizes and dates from the system locale, which Qt reads
// from the environment: it is set before the application object exists.
int &Deutsche_Umgebung(int &argc)
{
    qputenv("LC_ALL", "de_DE.UTF-8");
    return argc;
}
}

TTarvo_Anwendung::TTarvo_Anwendung(int &argc, char **argv)
    : QApplication(Deutsche_Umgebung(argc), argv)
{
    // The program is German whatever the system's locale: Qt's own dialogs,
    // menus and buttons too, and dates and sizes in the save dialog.
    QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
    if (Qt_Uebersetzung.load(QStringLiteral("qtbase_de"), QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        installTranslator(&Qt_Uebersetzung);
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
