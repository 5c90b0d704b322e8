#include "evaluation/Tabellen_Kopf.h"

QString Einstellung_Praefix()
{
    return QStringLiteral("   gerade benutzte Einstellung:     ");
}

QString Prozent_Einheit()
{
    return QStringLiteral(" %");
}

QStringList Tabellen_Kopfzeile_0()
{
    return {QStringLiteral("Kategorie"),
            QStringLiteral("U-Kategorie"),
            QStringLiteral("Punkte"),
            QStringLiteral("Aufgabe"),
            QString(),
            QString(),
            QString(),
            QStringLiteral("Punkte"),
            QString(),
            QString(),
            QString()};
}

QStringList Tabellen_Kopfzeile_1(bool mit_Vorzeichen)
{
    if (mit_Vorzeichen)
        return {QString(),
                QString(),
                QStringLiteral("erreichbar"),
                QStringLiteral("bearbeitet"),
                QStringLiteral("+ gelöst"),
                QStringLiteral("- gelöst"),
                QStringLiteral("+ gelöst %"),
                QStringLiteral("erreichbar"),
                QStringLiteral("+ erreicht"),
                QStringLiteral("- erreicht"),
                QStringLiteral("+ erreicht %")};
    return {QString(),
            QString(),
            QStringLiteral("erreichbar"),
            QStringLiteral("bearbeitet"),
            QStringLiteral("gelöst"),
            QStringLiteral("nicht gelöst"),
            QStringLiteral("gelöst"),
            QStringLiteral("erreichbar"),
            QStringLiteral("+ erreicht"),
            QStringLiteral("- erreicht"),
            QStringLiteral("+ erreicht")};
}
