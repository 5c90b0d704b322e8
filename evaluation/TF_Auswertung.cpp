#include "evaluation/TF_Auswertung.h"

#include "ui_TF_Auswertung.h"

#include "core/Farbe_Qt.h"
#include "core/Schriften.h"
#include "evaluation/Protokoll_Kopfzeilen.h"

#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>

TF_Auswertung::TF_Auswertung(QWidget *parent)
    : QFrame(parent)
    , ui(new Ui::TF_Auswertung)
{
    ui->setupUi(this);
    PageControl_Statistik_1 = ui->PageControl_Statistik_1;
    TabSheet1 = ui->TabSheet1;
    TabSheet_2_Tabelle_0 = ui->TabSheet_2_Tabelle_0;
    TabSheet_Statistik_1 = ui->TabSheet_Statistik_1;
    TabSheet_Statistik_2 = ui->TabSheet_Statistik_2;
    TabSheet_Statistik_3 = ui->TabSheet_Statistik_3;
    TabSheet_Statistik_4 = ui->TabSheet_Statistik_4;
    TabSheet_Protokoll = ui->TabSheet_Protokoll;
    Panel_0 = ui->Panel_0;
    Panel_1 = ui->Panel_1;
    RichEdit1 = ui->RichEdit1;
    Splitter1 = ui->Splitter1;
    RichEdit2 = ui->RichEdit2;
    RichEdit3 = ui->RichEdit3;

    // Every page and box inherits the fixed-pitch font the columns rely on.
    PageControl_Statistik_1->setFont(Schrift_Courier_fett(13));
    Hintergrund_setzen(Panel_1, Farbe_Grau);
    RichEdit3->hide();
    const QColor Grau = Farbe_zu_QColor(Farbe_Grau);
    Splitter1->setStyleSheet(QStringLiteral("QSplitter::handle { background-color: %1; }").arg(Grau.name()));
    Splitter1->setStretchFactor(0, 0);
    Splitter1->setStretchFactor(1, 1);
    Splitter1->setSizes({150, 400});
}

TF_Auswertung::~TF_Auswertung()
{
    delete ui;
}

void TF_Auswertung::Auswertung_initialisieren()
{
    Stand_.initialisieren();
    RichEdit1->setPlainText(Protokoll_Kopfzeilen().join(u'\n'));
    // Table frames (Tabelle_initialisieren, basic values then 1..4) and the
    // smiley page are initialised here, in this order.
}

void TF_Auswertung::Ergebnis_uebernehmen(const TAufgaben_Ergebnis &Ergebnis, QObject *Sender)
{
    Q_UNUSED(Sender) // handed on to the table frames' Werte_uebernehmen
    ++Anzahl_Uebergaben_;
    Stand_.Ergebnis_uebernehmen(Ergebnis);
    // Werte_uebernehmen of the basic-values table, then of tables 1..4,
    // then Statistik_Text_erstellen.
    if (TAuswertungs_Stand::ist_Antwort(Stand_.Aufgaben_Ergebnis)) {
        Protokollzeile_anhaengen(Stand_.Aufgaben_Ergebnis.Protokollzeile);
        // Sterne_aktualisieren follows the protocol line.
    }
}

void TF_Auswertung::Protokoll_Leerzeile_anhaengen()
{
    Protokollzeile_anhaengen(QString());
}

void TF_Auswertung::Grundwerte_Tabelle_zuruecksetzen(bool mit_Hinweis)
{
    Q_UNUSED(mit_Hinweis) // passed to the basic-values table's Tabelle_zuruecksetzen
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
