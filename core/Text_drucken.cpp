#include "core/Text_drucken.h"

#include "core/Ausgabe_Vorgaben.h"

#include <QPrinter>
#include <QPrinterInfo>
#include <QTextDocument>
#include <QTextEdit>
#include <memory>

void Dokument_drucken(const QTextDocument &Dokument, const QString &Auftragsname)
{
    const QPrinterInfo Standarddrucker = QPrinterInfo::defaultPrinter();
    if (Standarddrucker.isNull())
        throw TDruck_Fehler(Druckfehler_kein_Standarddrucker().toStdString());
    QPrinter Drucker(Standarddrucker, QPrinter::HighResolution);
    Drucker.setDocName(Auftragsname);
    if (!Drucker.isValid())
        throw TDruck_Fehler(Druckfehler_Meldung(Standarddrucker.printerName(), Auftragsname).toStdString());
    Dokument.print(&Drucker);
    if (Drucker.printerState() == QPrinter::Error || Drucker.printerState() == QPrinter::Aborted)
        throw TDruck_Fehler(Druckfehler_Meldung(Standarddrucker.printerName(), Auftragsname).toStdString());
}

void Text_drucken(const QTextEdit *Box, const QString &Auftragsname)
{
    // A copy, so pagination for the printer never touches the shown box.
    const std::unique_ptr<QTextDocument> Kopie(Box->document()->clone());
    Kopie->setDefaultFont(Box->font());
    Dokument_drucken(*Kopie, Auftragsname);
}
