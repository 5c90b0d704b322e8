#include "core/widgets/Text_speichern.h"

#include "core/Ausgabe_Vorgaben.h"
#include "core/Datei_sicher_schreiben.h"
#include "core/widgets/Box_als_PDF.h"
#include "core/widgets/TSpeicher_Dialog.h"
#include "core/Textdatei.h"

#include <QBuffer>
#include <QDir>
#include <QMessageBox>
#include <QTextEdit>

namespace {
// Set in memory first, so the file is written as safely as a text file.
QString PDF_Datei_schreiben(const TAusgabe_Text &Text, const QString &Titel, const QString &Pfad)
{
    QBuffer Puffer;
    Puffer.open(QIODevice::WriteOnly);
    if (Box_als_PDF_setzen(Text, Titel, &Puffer) == 0)
        return QStringLiteral("Die PDF-Datei konnte nicht angelegt werden.");
    return Datei_sicher_schreiben(Pfad, Puffer.data());
}
}

QStringList Zeilen_der_Box(const QTextEdit *Box)
{
    const QString Text = Box->toPlainText();
    if (Text.isEmpty())
        return {};
    return Text.split(u'\n');
}

TAusgabe_Text Ausgabe_Text_der_Box(const QTextEdit *Box)
{
    // A point-sized font is converted back to screen pixels.
    const QFont Schrift = Box->font();
    return {Zeilen_der_Box(Box), Schrift.pixelSize() > 0 ? Schrift.pixelSize() : Schrift.pointSizeF() / 0.75};
}

bool Text_speichern_mit_Dialog(QWidget *Eltern, const TAusgabe_Text &Text, const QString &Dateiname_Vorschlag,
                               const QString &Titel, TUeberschreiben Ueberschreiben)
{
    // Prepared anew for every save.
    TSpeicher_Dialog SaveDialog1(Eltern);
    SaveDialog1.setObjectName(QStringLiteral("SaveDialog1"));
    SaveDialog1.setOption(QFileDialog::DontConfirmOverwrite, Ueberschreiben == TUeberschreiben::ohne_Frage);
    SaveDialog1.setDirectory(Speicher_Ordner_vorschlagen());
    SaveDialog1.selectFile(Dateiname_mit_Endung(Dateiname_Vorschlag, TDateityp::Textdatei));
    SaveDialog1.setSizeGripEnabled(true);
    if (SaveDialog1.exec() != QDialog::Accepted || SaveDialog1.selectedFiles().isEmpty())
        return false;

    const QString Pfad = QDir::toNativeSeparators(SaveDialog1.selectedFiles().constFirst());
    const QString Grund = SaveDialog1.Dateityp() == TDateityp::PDF_Dokument ? PDF_Datei_schreiben(Text, Titel, Pfad)
                                                                            : Textdatei_schreiben(Pfad, Text.Zeilen);
    if (Grund.isEmpty())
        return true;
    QMessageBox Meldung(QMessageBox::Warning, QStringLiteral("Speichern"), Speicherfehler_Meldung(Pfad, Grund),
                        QMessageBox::Ok, Eltern);
    Meldung.setObjectName(QStringLiteral("Meldung_Speicherfehler"));
    Meldung.exec();
    return false;
}
