#include "app/TF_Haupt.h"

#include <QApplication>

int main(int argc, char *argv[])
{
    QApplication Anwendung(argc, argv);
    Anwendung.setApplicationDisplayName(QStringLiteral("Übungsprogramm zum Tarvo"));
    TF_Haupt Hauptfenster;
    Hauptfenster.showMaximized();
    return Anwendung.exec();
}
