#include "core/widgets/Text_speichern.h"

#include "core/Ausgabe_Vorgaben.h"
#include "core/widgets/TSpeicher_Dialog.h"
#include "core/Textdatei.h"

#include <QDir>
#include <QMessageBox>
#include <QTextEdit>

QStringList Zeilen_der_Box(const QTextEdit *Box)
{
    const QString Text = Box->toPlainText();
    if (Text.isEmpty())
        return {};
    return Text.split(u'\n');
}

bool Text_speichern_mit_Dialog(QWidget *Eltern, const QStringList &Zeilen, const QString &Dateiname_Vorschlag,
                               TUeberschreiben Ueberschreiben)
{
    // Prepared anew for every save.
    TSpeicher_Dialog SaveDialog1(Eltern);
    SaveDialog1.setObjectName(QStringLiteral("SaveDialog1"));
    SaveDialog1.setOption(QFileDialog::DontConfirmOverwrite, Ueberschreiben == TUeberschreiben::ohne_Frage);
    SaveDialog1.setNameFilter(QStringLiteral("Textdatei (*.txt)"));
    SaveDialog1.setDefaultSuffix(QStringLiteral("txt"));
    SaveDialog1.setDirectory(Speicher_Ordner_vorschlagen());
    SaveDialog1.selectFile(Dateiname_Vorschlag);
    SaveDialog1.setSizeGripEnabled(true);
    if (SaveDialog1.exec() != QDialog::Accepted || SaveDialog1.selectedFiles().isEmpty())
        return false;

    const QString Pfad = QDir::toNativeSeparators(SaveDialog1.selectedFiles().constFirst());
    const QString Grund = Textdatei_schreiben(Pfad, Zeilen);
    if (Grund.isEmpty())
        return true;
    QMessageBox Meldung(QMessageBox::Warning, QStringLiteral("Speichern"), Speicherfehler_Meldung(Pfad, Grund),
                        QMessageBox::Ok, Eltern);
    Meldung.setObjectName(QStringLiteral("Meldung_Speicherfehler"));
    Meldung.exec();
    return false;
}
