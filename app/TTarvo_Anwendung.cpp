#include "app/TTarvo_Anwendung.h"

#include "core/widgets/Fehlerbericht.h"
#include "core/widgets/TFenster_Einpasser.h"

#include <QLibraryInfo>
#include <QLocale>
#include <clocale>
#include <exception>
#include <langinfo.h>

TTarvo_Anwendung::TTarvo_Anwendung(int &argc, char **argv)
    : QApplication(argc, argv)
{
    // The program is German whatever the system's locale: Qt's own dialogs,
    // menus and buttons too, and dates and sizes in the save dialog. The
    // environment is left as it is for every program started from here.
    QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
    // Where the system's language is not installed, the C library falls back
    // to ASCII and Xlib would mangle the window title (WM_NAME); the
    // program's characters are UTF-8 whatever the language.
    if (qstrcmp(nl_langinfo(CODESET), "UTF-8") != 0)
        std::setlocale(LC_CTYPE, "C.UTF-8");
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
