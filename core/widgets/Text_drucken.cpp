#include "core/widgets/Text_drucken.h"

#include "core/Druck_Texte.h"
#include "core/widgets/Box_als_PDF.h"
#include "core/widgets/Druckauftrag_senden.h"
#include "core/widgets/Fehlerbericht.h"

#include <QDir>
#include <QTemporaryFile>

QString Text_drucken(const TAusgabe_Text &Text, const QString &Auftragsname)
{
    QTemporaryFile Datei(QDir::temp().filePath(QStringLiteral("tarvo-druck-XXXXXX.pdf")));
    if (!Datei.open())
        return Druckfehler_Text(TDruck_Fehlerart::keine_Druckdatei, Auftragsname, QString(), QString());
    Datei.close();
    if (Box_als_PDF_schreiben(Text, Auftragsname, Datei.fileName()) == 0)
        return Druckfehler_Text(TDruck_Fehlerart::keine_Druckdatei, Auftragsname, QString(), QString());
    const TDruck_Antwort Antwort = Druckauftrag_senden(Datei.fileName(), Auftragsname);
    if (Antwort.angenommen)
        return QString();
    return Druckfehler_Text(Antwort.Fehlerart, Auftragsname, Antwort.Drucker, Antwort.Grund);
}

void Text_drucken_mit_Fehlerbericht(const TAusgabe_Text &Text, const QString &Auftragsname)
{
    if (const QString Fehler = Text_drucken(Text, Auftragsname); !Fehler.isEmpty())
        Fehler_melden(Fehler);
}
