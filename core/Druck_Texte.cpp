#include "core/Druck_Texte.h"

#include "core/Speicher_Dateityp.h"

QString Druckfehler_Text(TDruck_Fehlerart Art, const QString &Auftragsname, const QString &Drucker,
                         const QString &Grund)
{
    const QString Nicht_gedruckt =
        QStringLiteral("Der Druckauftrag \"%1\" wurde nicht gedruckt.\n\n").arg(Auftragsname);
    QString Text;
    switch (Art) {
    case TDruck_Fehlerart::keine_Druckdatei:
        Text = Nicht_gedruckt + QStringLiteral("Die Druckdatei konnte nicht angelegt werden.");
        break;
    case TDruck_Fehlerart::kein_Standarddrucker:
        Text = Nicht_gedruckt
            + QStringLiteral("Es ist kein Standarddrucker eingerichtet. Bitte richten Sie in den "
                             "Druckereinstellungen einen Standarddrucker ein.");
        break;
    case TDruck_Fehlerart::Dienst_nicht_erreichbar:
        Text = Nicht_gedruckt + QStringLiteral("Der Druckdienst des Computers ist nicht erreichbar.");
        break;
    case TDruck_Fehlerart::Drucker_lehnt_ab:
        Text = Nicht_gedruckt + QStringLiteral("Der Drucker \"%1\" nimmt zurzeit keine Druckaufträge an.").arg(Drucker);
        break;
    case TDruck_Fehlerart::Auftrag_abgelehnt:
        Text =
            Nicht_gedruckt + QStringLiteral("Der Drucker \"%1\" hat den Druckauftrag nicht angenommen.").arg(Drucker);
        break;
    }
    if (!Grund.isEmpty())
        Text += QStringLiteral("\n\nGrund: %1").arg(Grund);
    // Without a printer at hand the pupil is shown the way on.
    if (Art == TDruck_Fehlerart::kein_Standarddrucker || Art == TDruck_Fehlerart::Dienst_nicht_erreichbar)
        Text += QStringLiteral("\n\nSie können den Text stattdessen über \"speichern\" als PDF-Datei sichern: "
                               "Dateityp \"%1\".")
                    .arg(Dateityp_Filter(TDateityp::PDF_Dokument));
    return Text;
}

QString Druckdienst_Zeitgrenze_Grund(int Sekunden)
{
    return QStringLiteral("Keine Antwort innerhalb von %1 Sekunden.").arg(Sekunden);
}

QString Seitennummer_Text(int Seite, int Seitenzahl)
{
    return QStringLiteral("Seite %1 von %2").arg(Seite).arg(Seitenzahl);
}
