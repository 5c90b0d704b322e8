#include "evaluation/TF_Auswertung.h"

#include "core/widgets/Farbe_Qt.h"
#include "core/widgets/Schriften.h"
#include "core/widgets/Seitenstapel_benennen.h"
#include "core/widgets/TRadioGroup.h"
#include "core/widgets/Text_speichern.h"
#include "evaluation/F_Auswertung_Tabelle_0_Datei.h"
#include "evaluation/F_Auswertung_Tabelle_1_Datei.h"
#include "evaluation/F_Auswertung_Tabelle_2_Datei.h"
#include "evaluation/F_Auswertung_Tabelle_3_Datei.h"
#include "evaluation/F_Auswertung_Tabelle_4_Datei.h"
#include "evaluation/Protokoll_Kopfzeilen.h"
#include "evaluation/TF_Sterne_Seite.h"
#include "evaluation/TProtokoll_Statistik_Ausgabe.h"

#include <QPushButton>

#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>

namespace {
// Every page and box of the evaluation, and the printout of its texts.
constexpr int Schrifthoehe = 13;
}

TF_Auswertung::TF_Auswertung(QWidget *parent)
    : QFrame(parent)
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

    Ausgabe = new TProtokoll_Statistik_Ausgabe([this] { return Zeilen_der_Box(RichEdit1); },
                                               [this] { return Zeilen_der_Box(RichEdit2); }, Schrifthoehe,
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
    Seitenstapel_benennen(PageControl_Statistik_1);
    RichEdit1->setAccessibleName(QStringLiteral("Protokoll"));
    RichEdit2->setAccessibleName(QStringLiteral("Statistik"));
}

void TF_Auswertung::Ablauf_setzen(TUebungs_Ablauf &Ablauf)
{
    Ablauf_ = &Ablauf;
}

const TAuswertungs_Stand &TF_Auswertung::Stand() const
{
    return Ablauf_->Stand();
}

void TF_Auswertung::Auswertung_initialisieren()
{
    Ablauf_->Auswertung_initialisieren();
    RichEdit1->setPlainText(Protokoll_Kopfzeilen().join(u'\n'));
    F_Auswertung_Tabelle_01->Tabelle_initialisieren();
    F_Auswertung_Tabelle_1_1->Tabelle_initialisieren();
    F_Auswertung_Tabelle_2_1->Tabelle_initialisieren();
    F_Auswertung_Tabelle_3_1->Tabelle_initialisieren();
    F_Auswertung_Tabelle_4_1->Tabelle_initialisieren();
    Sterne_Seite->Sterne_initialisieren();
}

void TF_Auswertung::Ergebnis_uebernehmen(const TAufgaben_Ergebnis &Ergebnis, QObject *Sender)
{
    Uebergabe_zeigen(Ablauf_->Ergebnis_uebernehmen(Ergebnis), Sender);
}

void TF_Auswertung::Uebergabe_zeigen(const TAuswertung_Folgen &Folgen, QObject *)
{
    ++Anzahl_Uebergaben_;
    const TAuswertungs_Stand &S = Stand();
    F_Auswertung_Tabelle_01->Werte_uebernehmen(Folgen.Listenwerte, S.Statistik);
    TF_Auswertung_Tabelle_Kategorie *const Kategorien[] = {F_Auswertung_Tabelle_1_1, F_Auswertung_Tabelle_2_1,
                                                           F_Auswertung_Tabelle_3_1, F_Auswertung_Tabelle_4_1};
    for (std::size_t k = 0; k < 4; ++k)
        Kategorien[k]->Werte_uebernehmen(Ablauf_->Kategorie_Zeilen(int(k) + 1), Folgen.geaenderte_Zeilen[k],
                                         S.aktuelle_Rechenart, S.aktueller_Schwierigkeitsgrad, Folgen.Anzeigen[k]);
    RichEdit2->setPlainText(Folgen.Statistik_Text.join(u'\n'));
    if (Folgen.Protokollzeile)
        Protokollzeile_anhaengen(*Folgen.Protokollzeile);
    if (Folgen.Sterne_Schritt)
        Sterne_Seite->Sterne_aktualisieren(S.Sterne, S.aktueller_Schwierigkeitsgrad, Folgen.neuer_Smily);
}

void TF_Auswertung::Protokoll_Leerzeile_anhaengen()
{
    Protokollzeile_anhaengen(QString());
}

void TF_Auswertung::Grundwerte_Tabelle_zuruecksetzen(bool mit_Hinweis)
{
    F_Auswertung_Tabelle_01->Tabelle_zuruecksetzen(mit_Hinweis);
}

void TF_Auswertung::Sterne_aktualisieren()
{
    const bool neuer_Smily = Ablauf_->Sterne_pruefen();
    Sterne_Seite->Sterne_aktualisieren(Stand().Sterne, Stand().aktueller_Schwierigkeitsgrad, neuer_Smily);
}

void TF_Auswertung::RadioGroup_Bild_zeigenClick()
{
    Sterne_aktualisieren();
}

void TF_Auswertung::Bild_zeigen_setzen(int ItemIndex)
{
    Sterne_Seite->RadioGroup_Bild_zeigen->setItemIndex(ItemIndex);
}

void TF_Auswertung::Auswahl_Dialog_setzen(TDlg_Protokoll_Auswertung_speichern_drucken *Dialog)
{
    Ausgabe->Auswahl_Dialog_setzen(Dialog);
}

QStringList TF_Auswertung::Protokoll_Zeilen() const
{
    QStringList Zeilen;
    const QTextDocument *Dokument = RichEdit1->document();
    for (QTextBlock B = Dokument->begin(); B.isValid(); B = B.next())
        Zeilen << B.text();
    return Zeilen;
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
