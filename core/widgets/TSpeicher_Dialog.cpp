#include "core/widgets/TSpeicher_Dialog.h"

#include "core/Ausgabe_Vorgaben.h"
#include "core/Speicherfehler.h"
#include "core/widgets/TDateiliste_deutsch.h"

#include <QFileInfo>
#include <QMessageBox>

TSpeicher_Dialog::TSpeicher_Dialog(QWidget *parent)
    : QFileDialog(parent)
{
    // Non-native so it looks the same everywhere and its texts are the program's.
    setOption(QFileDialog::DontUseNativeDialog);
    setProxyModel(new TDateiliste_deutsch(this));
    setAcceptMode(QFileDialog::AcceptSave);
    setFileMode(QFileDialog::AnyFile);
    // Qt's German translation lacks some of these ("Cancel"); the program's own words throughout.
    const TSpeicherdialog_Texte Texte = Speicherdialog_Texte();
    setWindowTitle(Texte.Titel);
    setLabelText(QFileDialog::LookIn, Texte.Suchen_in);
    setLabelText(QFileDialog::FileName, Texte.Dateiname);
    setLabelText(QFileDialog::FileType, Texte.Dateityp);
    setLabelText(QFileDialog::Accept, Texte.Speichern);
    setLabelText(QFileDialog::Reject, Texte.Abbrechen);
    setNameFilters(Dateityp_Filter());
    setDefaultSuffix(Dateityp_Endung(TDateityp::Textdatei));
    // The dialog itself swaps the extension of a shown name; a name typed without one gets the type's.
    connect(this, &QFileDialog::filterSelected, this,
            [this](const QString &Filter) { setDefaultSuffix(Dateityp_Endung(Dateityp_des_Filters(Filter))); });
}

TDateityp TSpeicher_Dialog::Dateityp() const
{
    return Dateityp_zum_Speichern(selectedFiles().value(0), selectedNameFilter());
}

void TSpeicher_Dialog::accept()
{
    const QString Pfad = selectedFiles().value(0);
    // A folder's name opens that folder, as the dialog does on its own.
    if (!Pfad.isEmpty() && !QFileInfo(Pfad).isDir()) {
        const QString Grund = Speicherziel_pruefen(Pfad);
        if (!Grund.isEmpty()) {
            QMessageBox Meldung(QMessageBox::Warning, windowTitle(), Speicherziel_Meldung(Pfad, Grund), QMessageBox::Ok,
                                this);
            Meldung.setObjectName(QStringLiteral("Meldung_Speicherziel"));
            Meldung.exec();
            return;
        }
    }
    QFileDialog::accept();
}
