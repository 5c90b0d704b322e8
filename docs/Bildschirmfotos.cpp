// Drives the real main window into a few states and saves each as a PNG for
// the README: tarvo_bildschirmfotos <folder>. The window fills the screen it
// is shown on (scripts/bildschirmfotos.sh: a school laptop's 1366 x 768).
#include "app/TF_Haupt.h"
#include "app/TTarvo_Anwendung.h"
#include "core/TListBox.h"
#include "core/TRadioGroup.h"
#include "core/Zahlentexte.h"
#include "evaluation/TF_Auswertung.h"
#include "exercises/TFrame_Tarvo_Uebungen.h"
#include "solution_paths/TF_Tarvo.h"

#include <QDir>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <QTabWidget>
#include <QTest>

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
    for (bool richtig : {true, false, true, true})
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
    return 0;
}
