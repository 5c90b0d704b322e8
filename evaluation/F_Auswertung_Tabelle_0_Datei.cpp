#include "evaluation/F_Auswertung_Tabelle_0_Datei.h"

#include "core/Aufgaben_Namen.h"
#include "core/widgets/Farbe_Qt.h"
#include "core/widgets/Schriften.h"
#include "core/Zugang_Texte.h"
#include "evaluation/Balken_Anzeige.h"
#include "evaluation/Tabelle_0_Texte.h"
#include "evaluation/TStringGrid.h"
#include "solution_paths/TDlg_Memo_darstellen1.h"

#include <QPlainTextEdit>
#include <memory>

TF_Auswertung_Tabelle_0::TF_Auswertung_Tabelle_0(QWidget *parent)
    : QFrame(parent)
{
    setupUi(this);

    setFont(Schrift_Courier_fett(13));
    Hintergrund_setzen(this, Farbe_Silber);
    for (TPanel *P : {Panel_1, Panel1, Panel_2})
        P->setFarbe(Farbe_Grau);
    ScrollBar_Text->hide();
    RichEdit_Text->setPlainText(Tabelle_0_Beschreibung().join(u'\n'));

    TStringGrid *G = StringGrid_Auswertung_0;
    G->setSelectionMode(QAbstractItemView::SingleSelection);
    G->Zeilenhoehe_setzen(24);
    G->Standard_Spaltenbreite_setzen(108);
    G->Groesse_setzen(Tabelle_0_Spalten, Tabelle_0_Zeilen, Tabelle_0_feste_Spalten, Tabelle_0_feste_Zeilen);
    // The longest operation name must not be cut.
    G->Spalte_passend_fuer(0, Rechenart_Name(TRechenart::Multiplikation));
    connect(G, &QTableWidget::cellClicked, this, &TF_Auswertung_Tabelle_0::StringGrid_Auswertung_0Click);

    G->setAccessibleName(Tabelle_Reiter_Name(0));
    G->setAccessibleDescription(Panel_1->Caption());
    RichEdit_Text->setAccessibleName(QStringLiteral("Beschreibung der Tabelle"));
    ProgressBar_Aufgabendarstellung->setAccessibleName(QStringLiteral("Anteil richtig gelöster Aufgaben"));
}

int TF_Auswertung_Tabelle_0::aktuelle_Zeile() const
{
    return Tabelle_0_Zeile_der_Sequenz(m_Listenwerte.Nr_Uebungssequenz);
}

void TF_Auswertung_Tabelle_0::Datenzeilen_leeren()
{
    for (int z = Tabelle_0_feste_Zeilen; z < Tabelle_0_Zeilen; ++z)
        StringGrid_Auswertung_0->Zeile_setzen(z, QStringList(Tabelle_0_Spalten, QString()));
}

void TF_Auswertung_Tabelle_0::Captions_leer_setzen()
{
    Panel1->setCaption(Tabelle_0_Einstellung_Caption(m_Listenwerte));
    Panel_2->setCaption(Tabelle_0_Prozent_Caption_leer());
}

void TF_Auswertung_Tabelle_0::Tabelle_initialisieren()
{
    TStringGrid *G = StringGrid_Auswertung_0;
    G->Groesse_setzen(Tabelle_0_Spalten, Tabelle_0_Zeilen, Tabelle_0_feste_Spalten, Tabelle_0_feste_Zeilen);
    for (int z = 0; z < Tabelle_0_feste_Zeilen; ++z)
        G->Zeile_setzen(z, Tabelle_0_Kopfzeile(z));
    Datenzeilen_leeren();
    G->viewport()->update();
    Captions_leer_setzen();
    m_Listenwerte.Nr_Uebungssequenz = 1;
}

void TF_Auswertung_Tabelle_0::Tabelle_zuruecksetzen(bool mit_Hinweis)
{
    if (mit_Hinweis) {
        // Created for this notice only and gone when it is closed.
        auto Hinweis = std::make_unique<TDlg_Memo_darstellen1>(this);
        Hinweis->Zeilen_anhaengen(Tabelle_0_Hinweis_Zuruecksetzen());
        Hinweis->exec();
    }
    Datenzeilen_leeren();
    Captions_leer_setzen();
    m_Listenwerte.Nr_Uebungssequenz = 1;
}

void TF_Auswertung_Tabelle_0::Werte_uebernehmen(const TAuswertungs_Listenwerte_0 &Listenwerte)
{
    m_Listenwerte = Listenwerte;
    Werte_darstellen();
}

void TF_Auswertung_Tabelle_0::Werte_darstellen()
{
    TStringGrid *G = StringGrid_Auswertung_0;
    if (const int oben = Tabelle_0_oberste_Zeile(m_Listenwerte.Nr_Uebungssequenz); oben != 0)
        G->setTopRow(oben);
    G->Zeile_setzen(aktuelle_Zeile(), Tabelle_0_Zeile(m_Listenwerte));
    G->Zelle_auswaehlen(aktuelle_Zeile(), 6);
    Panel1->setCaption(Tabelle_0_Einstellung_Caption(m_Listenwerte));
    Panel_2->setCaption(Tabelle_0_Prozent_Caption(m_Listenwerte));
    G->viewport()->update();
    StringGrid_Auswertung_0Click();
}

void TF_Auswertung_Tabelle_0::StringGrid_Auswertung_0Click()
{
    Balken_setzen(ProgressBar_Aufgabendarstellung, m_Listenwerte.Anzahl, m_Listenwerte.Anzahl_richtig);
    StringGrid_Auswertung_0->Zelle_auswaehlen(aktuelle_Zeile(), 6);
}
