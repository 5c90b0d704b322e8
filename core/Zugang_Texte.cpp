#include "core/Zugang_Texte.h"

#include "core/Aufgaben_Namen.h"

#include <QStringList>

QString Vorlese_Text(const QString &Text)
{
    return Text.simplified();
}

QString Loesungsschritt_Name(int Nummer, const QString &Ueberschrift)
{
    const QString Kopf =
        Nummer > 0 ? QStringLiteral("Lösungsschritt %1").arg(Nummer) : QStringLiteral("Lösungsschritt");
    QString Titel = Vorlese_Text(Ueberschrift);
    // The design-time heading "Überschrift:" ends in a colon; the name has its own.
    while (Titel.endsWith(u':'))
        Titel.chop(1);
    Titel = Titel.trimmed();
    return Titel.isEmpty() ? Kopf : Kopf + QStringLiteral(": ") + Titel;
}

QString Loesungsschritt_Beschreibung(bool verdeckt)
{
    if (!verdeckt)
        return {};
    return QStringLiteral("Verdeckt. Leertaste oder Eingabetaste: Lösungsschritt anzeigen");
}

QString Loesungsschritt_Teil_Name(int Nummer, const QString &Teil)
{
    return Loesungsschritt_Name(Nummer, QString()) + QStringLiteral(", ") + Teil;
}

QString Smily_Box_Name(int Schwierigkeitsgrad)
{
    if (Schwierigkeitsgrad < 1 || Schwierigkeitsgrad > 3)
        return QStringLiteral("Smileys");
    return QStringLiteral("Smileys ")
        + Schwierigkeitsgrad_Name(Code_von_Nummer<TSchwierigkeitsgrad>(Schwierigkeitsgrad));
}

QString Smily_Box_Beschreibung(int Anzahl)
{
    if (Anzahl <= 0)
        return QStringLiteral("Keine Smileys");
    if (Anzahl == 1)
        return QStringLiteral("1 Smiley");
    return QStringLiteral("%1 Smileys").arg(Anzahl);
}

QString Tabelle_Reiter_Name(int Nummer)
{
    static const QStringList Reiter = {
        QStringLiteral("1. Statistik: Grundwerte"),
        QStringLiteral("2. Statistik: Kategorien bzw. Unterkategorien"),
        QStringLiteral("3. Statistik: Kategorien (mit allen Unterkategorien)"),
        QStringLiteral("4. Statistik: Unterkategorien (aus allen Kategorien)"),
        QStringLiteral("5. Statistik: alle Werte zusammen"),
    };
    return Nummer >= 0 && Nummer < Reiter.size() ? Reiter.at(Nummer) : QString();
}

QString Dokument_Name(const QString &Dokumentname)
{
    QString Name = Dokumentname;
    Name.replace(u'_', u' ');
    Name = Vorlese_Text(Name);
    return Name.isEmpty() ? QStringLiteral("Dokument") : QStringLiteral("Dokument: ") + Name;
}
