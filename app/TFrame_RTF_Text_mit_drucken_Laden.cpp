#include "app/TFrame_RTF_Text_mit_drucken_Laden.h"

#include "app/Dokument_Texte.h"
#include "app/TDialog_Abfrage_Drucken.h"
#include "app/TDialog_Fehlermeldung_1.h"
#include "core/widgets/Farbe_Qt.h"
#include "core/widgets/Schriften.h"
#include "core/widgets/Text_drucken.h"
#include "core/widgets/Text_speichern.h"
#include "core/Zugang_Texte.h"
#include "evaluation/TOKBottomDlg_drucken_oder_speichern.h"

#include <QAction>
#include <QMenu>
#include <algorithm>
#include <memory>

namespace {
QAction *Aktion(QObject *Eltern, const char *Name, const QString &Text)
{
    auto *A = new QAction(Text, Eltern);
    A->setObjectName(QString::fromLatin1(Name));
    return A;
}

// A menu entry bound to an action: the action's caption, the action's command.
QAction *Eintrag(QMenu *Menue, const char *Name, QAction *Gebunden)
{
    QAction *E = Menue->addAction(Gebunden->text());
    E->setObjectName(QString::fromLatin1(Name));
    QObject::connect(E, &QAction::triggered, Gebunden, &QAction::trigger);
    return E;
}
}

TFrame_RTF_Text_mit_drucken_Laden::TFrame_RTF_Text_mit_drucken_Laden(QWidget *parent)
    : QWidget(parent)
{
    setupUi(this);

    Hintergrund_setzen(Panel2, Farbe_Grau);
    RichEdit1->setFont(Schrift_Courier_fett(16));
    Grundfarbe_setzen(RichEdit1, Farbe_Silber);
    RichEdit1->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    RichEdit1->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    RichEdit1->setAccessibleName(Dokument_Name(QString()));
    RichEdit1->setAccessibleDescription(QStringLiteral("Kontextmenü: Text drucken oder speichern"));

    Action_Text_drucken_oder_laden =
        Aktion(this, "Action_Text_drucken_oder_laden", QStringLiteral("Text drucken oder laden"));
    Action_Text_drucken = Aktion(this, "Action_Text_drucken", QStringLiteral("Text drucken"));
    Action_Text_laden = Aktion(this, "Action_Text_laden", QStringLiteral("Text laden"));
    connect(Action_Text_drucken_oder_laden, &QAction::triggered, this,
            &TFrame_RTF_Text_mit_drucken_Laden::Action_Text_drucken_oder_ladenExecute);
    connect(Action_Text_drucken, &QAction::triggered, this,
            &TFrame_RTF_Text_mit_drucken_Laden::Action_Text_druckenExecute);
    connect(Action_Text_laden, &QAction::triggered, this, &TFrame_RTF_Text_mit_drucken_Laden::Action_Text_ladenExecute);

    const QFont Knopfschrift = Schrift_Sans_Serif(11, true);
    Button_drucken_und_laden->setText(QStringLiteral("Text drucken oder speichern (TXT-Datei im RTF-Format)"));
    Button_drucken->setText(Action_Text_drucken->text());
    Button_laden->setText(QStringLiteral("Text speichern (TXT-Datei im RTF-Format)"));
    for (QPushButton *Knopf : {Button_drucken_und_laden, Button_drucken, Button_laden}) {
        Knopf->setFont(Knopfschrift);
        // The classic widths, widened where this style's padding would cut the caption.
        Knopf->setFixedWidth(std::max(Knopf->minimumWidth(), Knopf->sizeHint().width()));
    }
    connect(Button_drucken_und_laden, &QPushButton::clicked, Action_Text_drucken_oder_laden, &QAction::trigger);
    connect(Button_drucken, &QPushButton::clicked, Action_Text_drucken, &QAction::trigger);
    connect(Button_laden, &QPushButton::clicked, Action_Text_laden, &QAction::trigger);

    PopupMenu1 = new QMenu(this);
    PopupMenu1->setObjectName(QStringLiteral("PopupMenu1"));
    Item_Text_drucken_oder_laden = Eintrag(PopupMenu1, "Item_Text_drucken_oder_laden", Action_Text_drucken_oder_laden);
    Item_Text_drucken = Eintrag(PopupMenu1, "Item_Text_drucken", Action_Text_drucken);
    Item_Text_laden = Eintrag(PopupMenu1, "Item_Text_laden", Action_Text_laden);
    RichEdit1->setContextMenuPolicy(Qt::CustomContextMenu);
    connect(RichEdit1, &QWidget::customContextMenuRequested, this,
            [this](const QPoint &Stelle) { PopupMenu1->popup(RichEdit1->viewport()->mapToGlobal(Stelle)); });
}

void TFrame_RTF_Text_mit_drucken_Laden::Einrichten(const QString &Dokumentname, bool Knopfleiste_sichtbar, int Modus)
{
    m_Dokumentname = Dokumentname;
    RichEdit1->setAccessibleName(Dokument_Name(Dokumentname));
    Panel2->setVisible(Knopfleiste_sichtbar);
    TBefehle_sichtbar Befehle;
    if (!Befehle_fuer_Modus(Modus, Befehle))
        return;
    Button_drucken_und_laden->setVisible(Befehle.drucken_oder_laden);
    Item_Text_drucken_oder_laden->setVisible(Befehle.drucken_oder_laden);
    Button_drucken->setVisible(Befehle.drucken);
    Item_Text_drucken->setVisible(Befehle.drucken);
    Button_laden->setVisible(Befehle.laden);
    Item_Text_laden->setVisible(Befehle.laden);
}

void TFrame_RTF_Text_mit_drucken_Laden::Action_Text_drucken_oder_ladenExecute()
{
    if (!Dlg_drucken_oder_speichern || Dlg_drucken_oder_speichern->exec() != QDialog::Accepted)
        return;
    if (Dlg_drucken_oder_speichern->Auswahl == TAusgabe_Art::drucken)
        Text_ausgeben(RichEdit1, TAusgabe_Art::drucken, m_Dokumentname);
    else if (Dlg_drucken_oder_speichern->Auswahl == TAusgabe_Art::speichern)
        Text_ausgeben(RichEdit1, TAusgabe_Art::speichern, m_Dokumentname);
}

void TFrame_RTF_Text_mit_drucken_Laden::Action_Text_druckenExecute()
{
    Text_ausgeben(RichEdit1, TAusgabe_Art::drucken, m_Dokumentname);
}

void TFrame_RTF_Text_mit_drucken_Laden::Action_Text_ladenExecute()
{
    Text_ausgeben(RichEdit1, TAusgabe_Art::speichern, m_Dokumentname);
}

void TFrame_RTF_Text_mit_drucken_Laden::Text_ausgeben(QTextEdit *Box, TAusgabe_Art Art, const QString &Dokumentname)
{
    if (Art == TAusgabe_Art::drucken) {
        if (!Dialog_Abfrage_Drucken || Dialog_Abfrage_Drucken->exec() != QDialog::Accepted)
            return;
        const TAusgabe_Text Text = Ausgabe_Text_der_Box(Box);
        if (Text.Zeilen.isEmpty()) {
            // Created for this one message and destroyed right after it: the only owner.
            const auto Meldung = std::make_unique<TDialog_Fehlermeldung_1>(this);
            Meldung->setObjectName(QStringLiteral("Dialog_Fehlermeldung_leeres_Dokument"));
            Meldung->RichEdit_1_1->clear();
            Meldung->RichEdit_1_2->clear();
            Meldung->RichEdit_1_3->clear();
            Meldung->setWindowTitle(Leeres_Dokument_Titel());
            TDialog_Fehlermeldung_1::Zeilen_anhaengen(Meldung->RichEdit_1_2, Leeres_Dokument_Zeilen());
            Meldung->exec();
            return;
        }
        Text_drucken_mit_Fehlerbericht(Text, Druckauftrag_Titel(Dokumentname));
    } else if (Art == TAusgabe_Art::speichern) {
        Text_speichern_mit_Dialog(this, Ausgabe_Text_der_Box(Box), Speichername_Vorschlag(Dokumentname),
                                  Druckauftrag_Titel(Dokumentname), TUeberschreiben::mit_Warnung);
    }
}
