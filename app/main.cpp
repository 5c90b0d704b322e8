#include "app/TF_Haupt.h"

#include "app/TTarvo_Anwendung.h"

int main(int argc, char *argv[])
{
    TTarvo_Anwendung Anwendung(argc, argv);
    // The application title. Set as the display name, Qt would append it to
    // every window caption on X11, so it is given as the application name.
    Anwendung.setApplicationName(QStringLiteral("Übungsprogramm zum Tarvo"));
    TF_Haupt Hauptfenster; // its creation runs FormCreate
    Hauptfenster.Dialoge_erzeugen();
    Hauptfenster.show();
    return Anwendung.exec();
}
