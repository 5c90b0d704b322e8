#include "evaluation/Protokoll_Kopfzeilen.h"

QStringList Protokoll_Kopfzeilen()
{
    const QString Linie = u' ' + QString(51, u'=');
    return {Linie, QStringLiteral(" Protokoll zur Übung : Tarvo :"), Linie, QString()};
}
