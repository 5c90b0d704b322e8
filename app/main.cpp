#include "app/TF_Haupt.h"

#include <QApplication>

int main(int argc, char *argv[])
{
    QApplication Anwendung(argc, argv);
    Anwendung.setApplicationDisplayName(QStringLiteral("Übungsprogramm zum Tarvo"));
    TF_Haupt Hauptfenster; // its creation runs FormCreate
    // The long-lived dialogs are created here.
    Hauptfenster.show();
    return Anwendung.exec();
}
