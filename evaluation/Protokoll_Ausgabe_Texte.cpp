#include "evaluation/Protokoll_Ausgabe_Texte.h"

namespace {
QString In_Anfuehrungszeichen(const QString &Text)
{
    return u'"' + Text + u'"';
}
}

QStringList Auswahl_Protokoll_Statistik_Zeilen()
{
    const QString Vorne = QStringLiteral("  Wollen Sie ");
    const QString Schalter = QStringLiteral("Drücken Sie den Schalter ");
    return {
        QString(),
        Vorne + QStringLiteral("das Protokoll                   drucken:   ") + Schalter
            + In_Anfuehrungszeichen(QStringLiteral("Protokoll               drucken")),
        Vorne + QStringLiteral("die Statistik                   drucken:   ") + Schalter
            + In_Anfuehrungszeichen(QStringLiteral("Statistik               drucken")),
        Vorne + QStringLiteral("das Protokoll und die Statistik drucken:   ") + Schalter
            + In_Anfuehrungszeichen(QStringLiteral("Protokoll und Statistik drucken")),
        QString(),
        Vorne + QStringLiteral("das Protokoll                   speichern: ") + Schalter
            + In_Anfuehrungszeichen(QStringLiteral("Protokoll               speichern")),
        Vorne + QStringLiteral("die Statistik                   speichern: ") + Schalter
            + In_Anfuehrungszeichen(QStringLiteral("Statistik               speichern")),
        Vorne + QStringLiteral("das Protokoll und die Statistik speichern: ") + Schalter
            + In_Anfuehrungszeichen(QStringLiteral("Protokoll und Statistik speichern")),
        QStringLiteral("  ") + QString(117, u'_'),
        QString(),
        Vorne + QStringLiteral("abbrechen                                 : ") + Schalter
            + In_Anfuehrungszeichen(QStringLiteral("Abbrechen")),
        QString(),
    };
}

QStringList Auswahl_drucken_oder_speichern_Zeilen()
{
    return {
        QString(),
        QStringLiteral("  Wollen Sie den Text ausdrucken,   so wählen Sie 'Text drucken'."),
        QStringLiteral("  Wollen Sie den Text speichern,    so wählen Sie 'Text speichern'."),
        QStringLiteral(
            "  (Der Text wird im TXT-Format gespeichert und ist somit mit gängigen Textprogrammen zu bearbeiten.)"),
        QString(),
        QStringLiteral("  Wollen Sie den Vorgang abbrechen, so wählen Sie 'Abbrechen'."),
    };
}

QStringList Protokoll_und_Statistik_zusammenfuegen(const QStringList &Protokoll, const QStringList &Statistik)
{
    QStringList Zeilen = Protokoll;
    Zeilen.append(QString());
    Zeilen.append(Statistik);
    return Zeilen;
}
