#include "evaluation/TF_Auswertung.h"

#include "core/widgets/Farbe_Qt.h"
#include "core/widgets/Schriften.h"
#include "core/widgets/TRadioGroup.h"
#include "evaluation/F_Auswertung_Tabelle_0_Datei.h"
#include "evaluation/F_Auswertung_Tabelle_1_Datei.h"
#include "evaluation/F_Auswertung_Tabelle_2_Datei.h"
#include "evaluation/F_Auswertung_Tabelle_3_Datei.h"
#include "evaluation/F_Auswertung_Tabelle_4_Datei.h"
#include "evaluation/TF_Sterne_Seite.h"
#include "evaluation/TProtokoll_Statistik_Ausgabe.h"

#include <QPushButton>
#include <QTextCursor>

namespace {
// Every page and box of the evaluation, and the printout of its texts.
constexpr int Schrifthoehe = 13;
}

TF_Auswertung::TF_Auswertung(const TAuswertung &Auswertung, QWidget *parent)
    : QFrame(parent)
    , Auswertung_(Auswertung)
{
    setupUi(this);

    // Every page and box inherits the fixed-pitch font the columns rely on.
    PageControl_Statistik_1->setFont(Schrift_Courier_fett(Schrifthoehe));
    Hintergrund_setzen(Panel_1, Farbe_Grau);
    const QColor Grau = Farbe_zu_QColor(Farbe_Grau);
    Splitter1->setStyleSheet(QStringLiteral("QSplitter::handle { background-color: %1; }").arg(Grau.name()));
    Splitter1->setStretchFactor(0, 0);
    Splitter1->setStretchFactor(1, 1);
    Splitter1->setSizes({150, 400});

    // Printed and saved from the lesson's lines, which the boxes show.
    Ausgabe = new TProtokoll_Statistik_Ausgabe([this] { return Auswertung_.Protokoll(); },
                                               [this] { return Auswertung_.Statistik_Text(); }, Schrifthoehe,
                                               TabSheet_Protokoll);
    connect(Button_Protokoll_Statistik_drucken_speichern, &QPushButton::clicked, Ausgabe,
            &TProtokoll_Statistik_Ausgabe::Button_Protokoll_Statistik_drucken_speichernClick);
    connect(Button_Protokoll_und_Statistik_drucken, &QPushButton::clicked, Ausgabe,
            &TProtokoll_Statistik_Ausgabe::Button_Protokoll_und_Statistik_druckenClick);
    connect(Button_Statistik_drucken, &QPushButton::clicked, Ausgabe,
            &TProtokoll_Statistik_Ausgabe::Button_Statistik_druckenClick);
    connect(Button_Protokoll_drucken, &QPushButton::clicked, Ausgabe,
            &TProtokoll_Statistik_Ausgabe::Button_Protokoll_druckenClick);
    connect(Sterne_Seite, &TF_Sterne_Seite::Bild_zeigen_geklickt, this, &TF_Auswertung::Bild_zeigen_geklickt);

    PageControl_Statistik_1->setAccessibleName(QStringLiteral("Große Auswertung"));
    RichEdit1->setAccessibleName(QStringLiteral("Protokoll"));
    RichEdit2->setAccessibleName(QStringLiteral("Statistik"));
}

void TF_Auswertung::Auswertung_initialisieren()
{
    RichEdit1->setPlainText(Auswertung_.Protokoll().join(u'\n'));
    F_Auswertung_Tabelle_01->Tabelle_initialisieren();
    F_Auswertung_Tabelle_1_1->Tabelle_initialisieren();
    F_Auswertung_Tabelle_2_1->Tabelle_initialisieren();
    F_Auswertung_Tabelle_3_1->Tabelle_initialisieren();
    F_Auswertung_Tabelle_4_1->Tabelle_initialisieren();
    Sterne_Seite->Sterne_initialisieren();
}

void TF_Auswertung::Uebergabe_zeigen(const TAuswertung_Folgen &Folgen)
{
    ++Anzahl_Uebergaben_;
    F_Auswertung_Tabelle_01->Werte_uebernehmen(Folgen.Listenwerte);
    const TAuswertungs_Stand &S = Stand();
    TF_Auswertung_Tabelle_Kategorie *const Kategorien[] = {F_Auswertung_Tabelle_1_1, F_Auswertung_Tabelle_2_1,
                                                           F_Auswertung_Tabelle_3_1, F_Auswertung_Tabelle_4_1};
    for (std::size_t k = 0; k < 4; ++k)
        Kategorien[k]->Werte_uebernehmen(Auswertung_.Kategorie_Zeilen(int(k) + 1), Folgen.geaenderte_Zeilen[k],
                                         S.aktuelle_Rechenart(), S.aktueller_Schwierigkeitsgrad(), Folgen.Anzeigen[k]);
    RichEdit2->setPlainText(Auswertung_.Statistik_Text().join(u'\n'));
    if (Folgen.Protokollzeile)
        Protokollzeile_anhaengen(*Folgen.Protokollzeile);
    if (Folgen.Sterne_Schritt)
        Sterne_zeigen(Folgen.neuer_Smily);
}

void TF_Auswertung::Protokoll_Leerzeile_anhaengen()
{
    Protokollzeile_anhaengen(QString());
}

void TF_Auswertung::Grundwerte_Tabelle_zuruecksetzen(bool mit_Hinweis)
{
    F_Auswertung_Tabelle_01->Tabelle_zuruecksetzen(mit_Hinweis);
}

void TF_Auswertung::Sterne_zeigen(bool neuer_Smily)
{
    Sterne_Seite->Sterne_aktualisieren(Stand().Sterne, Stand().aktueller_Schwierigkeitsgrad(), neuer_Smily);
}

void TF_Auswertung::Bild_zeigen_setzen(int ItemIndex)
{
    Sterne_Seite->RadioGroup_Bild_zeigen->setItemIndex(ItemIndex);
}

void TF_Auswertung::Auswahl_Dialog_setzen(TDlg_Protokoll_Auswertung_speichern_drucken *Dialog)
{
    Ausgabe->Auswahl_Dialog_setzen(Dialog);
}

void TF_Auswertung::Protokollzeile_anhaengen(const QString &Zeile)
{
    // One new block at the end: the document is never rebuilt, so a long
    // protocol stays cheap to extend.
    QTextCursor Cursor(RichEdit1->document());
    Cursor.movePosition(QTextCursor::End);
    Cursor.insertBlock();
    Cursor.insertText(Zeile);
}
