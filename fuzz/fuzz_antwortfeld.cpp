// Any text in the answer field of the real main window, then RETURN: an
// accepted answer is counted exactly once everywhere, a rejected one nowhere.

#include "app/TF_Haupt.h"
#include "core/widgets/Farbe_Qt.h"
#include "core/widgets/TPanel.h"
#include "evaluation/TF_Auswertung.h"
#include "exercises/Antwort_Bewertung.h"
#include "exercises/TFrame_Auswertung_kurz.h"
#include "exercises/TFrame_Tarvo_Uebungen.h"

#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QTest>
#include <QTextDocument>
#include <QTextEdit>
#include <cstdio>
#include <cstdlib>

namespace {
QApplication *Anwendung = nullptr;
TF_Haupt *Fenster = nullptr;

void verlangen(bool Bedingung, const char *Was)
{
    if (!Bedingung) {
        std::fprintf(stderr, "invariant broken: %s\n", Was);
        std::abort();
    }
}

struct TZaehler
{
    int Uebergaben, Alle, Kurz, Protokoll;
};

TZaehler Zaehler()
{
    TFrame_Tarvo_Uebungen *U = Fenster->Frame_Tarvo_Uebungen1;
    return {U->F_Auswertung2->Anzahl_Uebergaben(), U->F_Auswertung2->Stand().Statistik.alle_Werte.Anzahl,
            U->Frame_Auswertung_kurz1->Werte().Anzahl_gestellt, U->F_Auswertung2->RichEdit1->document()->blockCount()};
}
}

extern "C" int LLVMFuzzerInitialize(int *argc, char ***argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    Anwendung = new QApplication(*argc, *argv);
    Fenster = new TF_Haupt;
    Fenster->Dialoge_erzeugen();
    Fenster->show();
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *Daten, std::size_t Groesse)
{
    TFrame_Tarvo_Uebungen *U = Fenster->Frame_Tarvo_Uebungen1;
    QLineEdit *Feld = U->MaskEdit_Schuelerloesung;
    Feld->setText(QString::fromUtf8(reinterpret_cast<const char *>(Daten), qsizetype(Groesse)));
    // What the field holds is what gets judged (it may cut to its maximum length).
    const QString Text = Feld->text();
    const std::optional<std::int32_t> Wert = Antwort_lesen(Text);
    const bool richtig = Wert && Antwort_bewerten(U->Aufgabe(), *Wert).richtig;
    const QString Aufgabe_vorher = U->Label_Aufgabenstellung->text();
    const TZaehler Vorher = Zaehler();

    QTest::keyClick(Feld, Qt::Key_Return);

    const TZaehler Nachher = Zaehler();
    const int d = Wert ? 1 : 0;
    verlangen(Nachher.Uebergaben == Vorher.Uebergaben + d, "hand-overs");
    verlangen(Nachher.Alle == Vorher.Alle + d, "store total");
    verlangen(Nachher.Kurz == Vorher.Kurz + d, "short evaluation");
    verlangen(Nachher.Protokoll == Vorher.Protokoll + d, "protocol lines");
    verlangen(Feld->text().isEmpty(), "field emptied");
    const TFarbe Farbe = U->Panel_2_1_3->Farbe();
    if (Wert) {
        verlangen(Farbe == (richtig ? Farbe_Lime : Farbe_Rot), "verdict colour");
    } else {
        verlangen(Farbe == Farbe_Grau, "verdict gray");
        verlangen(U->Label_Aufgabenstellung->text() == Aufgabe_vorher, "task stays");
    }
    return 0;
}
