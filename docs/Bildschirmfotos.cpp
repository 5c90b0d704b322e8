// Drives the real main window into a few states and saves each as a PNG for
// the README: tarvo_bildschirmfotos <folder>. The window fills the screen it
// is shown on (scripts/bildschirmfotos.sh: a school laptop's 1366 x 768).
#include "app/TF_Haupt.h"
#include "app/TFrame_RTF_Text_mit_drucken_Laden1.h"
#include "app/TTarvo_Anwendung.h"
#include "core/widgets/Box_als_PDF.h"
#include "core/widgets/Text_speichern.h"
#include "core/widgets/TListBox.h"
#include "core/widgets/TRadioGroup.h"
#include "core/Textdatei.h"
#include "core/Zahlentexte.h"
#include "evaluation/TF_Auswertung.h"
#include "evaluation/TOKBottomDlg_drucken_oder_speichern.h"
#include "evaluation/TProtokoll_Statistik_Ausgabe.h"
#include "exercises/TFrame_Tarvo_Uebungen.h"
#include "solution_paths/TF_Tarvo.h"
#include "tests/support/Modale_Dialoge.h"

#include <QComboBox>
#include <QDir>
#include <QFileDialog>
#include <QLineEdit>
#include <QListView>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QTest>
#include <functional>

namespace {
void antworten(TFrame_Tarvo_Uebungen *Uebung, bool richtig)
{
    const std::int32_t Ergebnis = Uebung->Aufgabe().Ergebnis;
    Uebung->MaskEdit_Schuelerloesung->setText(Integer_zu_Text(richtig ? Ergebnis : Ergebnis + 1));
    QTest::keyClick(Uebung->MaskEdit_Schuelerloesung, Qt::Key_Return);
}

void speichern(QWidget *Fenster, const QDir &Ordner, const QString &Name)
{
    QCoreApplication::processEvents();
    if (!Fenster->grab().save(Ordner.filePath(Name)))
        qFatal("cannot write %s", qPrintable(Ordner.filePath(Name)));
}

// A window that never comes would leave the tool waiting for ever.
void beim_naechsten_Fenster(std::function<void(QWidget *)> Antwort, QWidget *Vorher = nullptr)
{
    Beim_naechsten_Dialog(std::move(Antwort), Vorher, [Vorher] {
        qFatal("no modal window came up after %s", Vorher ? qPrintable(Vorher->objectName()) : "-");
    });
}
}

int main(int argc, char *argv[])
{
    TTarvo_Anwendung Anwendung(argc, argv);
    Anwendung.setApplicationName(QStringLiteral("Übungsprogramm zum Tarvo"));
    const QDir Ordner(argc > 1 ? QString::fromLocal8Bit(argv[1]) : QStringLiteral("."));
    TF_Haupt Fenster;
    Fenster.Dialoge_erzeugen();
    Fenster.setWindowState(Qt::WindowNoState);
    Fenster.setGeometry(Fenster.screen()->availableGeometry());
    Fenster.show();
    if (!QTest::qWaitForWindowExposed(&Fenster))
        qFatal("the window was not shown");

    TFrame_Tarvo_Uebungen *Uebung = Fenster.Frame_Tarvo_Uebungen1;
    for (bool richtig : {true, true, false, true, true, true, false, true})
        antworten(Uebung, richtig);
    speichern(&Fenster, Ordner, QStringLiteral("uebungen.png"));

    Uebung->RadioGroup_Auswertung->Button(0)->click();
    Uebung->RadioGroup_Schwierigkeitsgrad->Button(1)->click();
    // A smiley, then a wrong answer: the caption shows its counts.
    for (bool richtig : {true, false, true, true, false})
        antworten(Uebung, richtig);
    Uebung->F_Auswertung2->PageControl_Statistik_1->setCurrentIndex(2);
    speichern(&Fenster, Ordner, QStringLiteral("statistik.png"));
    Uebung->F_Auswertung2->PageControl_Statistik_1->setCurrentIndex(0);
    speichern(&Fenster, Ordner, QStringLiteral("sterne.png"));
    Uebung->F_Auswertung2->PageControl_Statistik_1->setCurrentIndex(6);
    speichern(&Fenster, Ordner, QStringLiteral("protokoll.png"));

    Fenster.PageControl1->setCurrentIndex(1);
    TF_Tarvo *Wege = Fenster.F_Tarvo1;
    Wege->ListBox_Operation->setCurrentRow(1);
    speichern(&Fenster, Ordner, QStringLiteral("rechenweg.png"));
    Wege->RadioGroup_Loesungsausgabe->Button(2)->click();
    speichern(&Fenster, Ordner, QStringLiteral("rechenweg_schrittweise.png"));

    // A wrong answer on the exercise page, then F2: its path, shown at once.
    Wege->RadioGroup_Loesungsausgabe->Button(0)->click();
    Fenster.PageControl1->setCurrentIndex(0);
    Uebung->ListBox_Rechenart_waehlen->setCurrentRow(1);
    antworten(Uebung, false);
    QTest::keyClick(Uebung->MaskEdit_Schuelerloesung, Qt::Key_F2);
    speichern(&Fenster, Ordner, QStringLiteral("rechenweg_aus_uebung.png"));

    // The save dialog of the information page, shown on a folder with two
    // saved files, and its answer to a name in a folder that is not there.
    QTemporaryDir Beispiel(QDir::tempPath() + QStringLiteral("/Klasse_7b-XXXXXX"));
    Textdatei_schreiben(Beispiel.filePath(QStringLiteral("Protokoll_zum_Tarvo.txt")), {QStringLiteral("x")});
    Textdatei_schreiben(Beispiel.filePath(QStringLiteral("Statistik_zum_Tarvo.txt")), {QStringLiteral("x")});
    Fenster.PageControl1->setCurrentIndex(2);
    beim_naechsten_Fenster([&](QWidget *Auswahl) {
        beim_naechsten_Fenster(
            [&](QWidget *Speichern) {
                auto *Dialog = qobject_cast<QFileDialog *>(Speichern);
                Dialog->resize(820, 480);
                Dialog->setDirectory(Beispiel.path());
                // The folder is read in the background: wait until both files are listed.
                auto *Liste = Dialog->findChild<QListView *>(QStringLiteral("listView"));
                if (!QTest::qWaitFor([&] { return Liste->model()->rowCount(Liste->rootIndex()) == 2; }, 5000))
                    qFatal("the save dialog did not list the folder");
                speichern(Dialog, Ordner, QStringLiteral("speicherdialog.png"));
                Dialog->findChild<QLineEdit *>(QStringLiteral("fileNameEdit"))
                    ->setText(Beispiel.filePath(QStringLiteral("Klassenarbeiten/Informationen_zum_Tarvo.txt")));
                beim_naechsten_Fenster(
                    [&](QWidget *Meldung) {
                        speichern(Meldung, Ordner, QStringLiteral("speicherfehler.png"));
                        static_cast<QDialog *>(Meldung)->accept();
                        Dialog->reject();
                    },
                    Speichern);
                static_cast<QDialog *>(Dialog)->accept();
            },
            Auswahl);
        QTest::mouseClick(Fenster.OKBottomDlg_drucken_oder_speichern->Button_speichern, Qt::LeftButton);
    });
    QTest::mouseClick(Fenster.Frame_RTF_Text_mit_drucken_Laden11->Button_drucken_und_laden, Qt::LeftButton);

    // The statistics saved as a PDF file, the type chosen in the save dialog
    // of a folder with one PDF file; the file is left in the output folder
    // for the script to render.
    Box_als_PDF_schreiben(Ausgabe_Text_der_Box(Uebung->F_Auswertung2->RichEdit1),
                          QStringLiteral("Protokoll: zum Tarvo"),
                          Beispiel.filePath(QStringLiteral("Protokoll_zum_Tarvo.pdf")));
    beim_naechsten_Fenster([&](QWidget *Speichern) {
        auto *Dialog = qobject_cast<QFileDialog *>(Speichern);
        Dialog->resize(820, 480);
        Dialog->setDirectory(Beispiel.path());
        QTest::keyClick(Dialog->findChild<QComboBox *>(QStringLiteral("fileTypeCombo")), Qt::Key_Down);
        auto *Liste = Dialog->findChild<QListView *>(QStringLiteral("listView"));
        if (!QTest::qWaitFor([&] { return Liste->model()->rowCount(Liste->rootIndex()) == 1; }, 5000))
            qFatal("the save dialog did not list the PDF file");
        speichern(Dialog, Ordner, QStringLiteral("speicherdialog_pdf.png"));
        static_cast<QDialog *>(Dialog)->accept();
    });
    Uebung->F_Auswertung2->Ausgabe->Statistik_speichern();
    const QString Gespeichert = Ordner.filePath(QStringLiteral("gespeichert_statistik.pdf"));
    QFile::remove(Gespeichert);
    return QFile::copy(Beispiel.filePath(QStringLiteral("Statistik_zum_Tarvo.pdf")), Gespeichert) ? 0 : 1;
}
