// Writes the first printed page of the protocol and of the information
// document as PDF files, through the print jobs' own document, for the
// README: tarvo_druckbilder <folder> (scripts/bildschirmfotos.sh renders them).
#include "app/TF_Haupt.h"
#include "app/TFrame_RTF_Text_mit_drucken_Laden1.h"
#include "app/TTarvo_Anwendung.h"
#include "core/widgets/TListBox.h"
#include "core/widgets/Box_als_PDF.h"
#include "core/widgets/Text_speichern.h"
#include "core/Zahlentexte.h"
#include "evaluation/TF_Auswertung.h"
#include "exercises/TFrame_Tarvo_Uebungen.h"

#include <QDir>
#include <QLineEdit>
#include <QListWidget>
#include <QTest>
#include <QTextEdit>

int main(int argc, char *argv[])
{
    TTarvo_Anwendung Anwendung(argc, argv);
    const QDir Ordner(argc > 1 ? QString::fromLocal8Bit(argv[1]) : QStringLiteral("."));
    TF_Haupt Fenster;
    Fenster.Dialoge_erzeugen();
    Fenster.show();
    if (!QTest::qWaitForWindowExposed(&Fenster))
        qFatal("the window was not shown");
    TFrame_Tarvo_Uebungen *Uebung = Fenster.Frame_Tarvo_Uebungen1;
    // A short lesson: two operations, one answer in five wrong.
    for (int i = 0; i < 60; ++i) {
        if (i == 30) {
            QListWidget *Liste = Uebung->ListBox_Rechenart_waehlen;
            QTest::mouseClick(Liste->viewport(), Qt::LeftButton, {}, Liste->visualItemRect(Liste->item(2)).center());
        }
        const std::int32_t Ergebnis = Uebung->Aufgabe().Ergebnis;
        Uebung->MaskEdit_Schuelerloesung->setText(Integer_zu_Text(i % 5 == 3 ? Ergebnis + 1 : Ergebnis));
        QTest::keyClick(Uebung->MaskEdit_Schuelerloesung, Qt::Key_Return);
    }
    const bool geschrieben = Box_als_PDF_schreiben(Ausgabe_Text_der_Box(Uebung->F_Auswertung2->RichEdit1),
                                                   QStringLiteral("Protokoll: zum Tarvo"),
                                                   Ordner.filePath(QStringLiteral("druck_protokoll.pdf")))
            > 0
        && Box_als_PDF_schreiben(Ausgabe_Text_der_Box(Fenster.Frame_RTF_Text_mit_drucken_Laden11->RichEdit1),
                                 QStringLiteral("Ausdruck : Informationen_zum_Tarvo"),
                                 Ordner.filePath(QStringLiteral("druck_informationen.pdf")))
            > 0;
    return geschrieben ? 0 : 1;
}
