#include "evaluation/TF_Auswertung_Tabelle_Kategorie.h"

#include "core/Aufgaben_Namen.h"
#include "core/widgets/Farbe_Qt.h"
#include "core/widgets/Schriften.h"
#include "core/Zugang_Texte.h"
#include "evaluation/Balken_Anzeige.h"
#include "evaluation/TStringGrid.h"

TF_Auswertung_Tabelle_Kategorie::TF_Auswertung_Tabelle_Kategorie(const TKategorie_Tabelle &Konfiguration,
                                                                 QWidget *parent)
    : QFrame(parent)
    , m_Konfiguration(Konfiguration)
{
    setupUi(this);
    if (!m_Konfiguration.mit_Punkte_Anzeige) {
        delete Panel_Punkte_Ueberschrift;
        delete Panel_Punkte_Progressbar; // with ProgressBar_Punkte inside
        Panel_Punkte_Ueberschrift = nullptr;
        Panel_Punkte_Progressbar = nullptr;
        ProgressBar_Punkte = nullptr;
    }

    setFont(Schrift_Courier_fett(13));
    Hintergrund_setzen(this, Farbe_Silber);
    Panel_0->setFarbe(Farbe_Silber);
    for (TPanel *P : {Panel1, Panel4, Panel3, Panel_Punkte_Ueberschrift})
        if (P)
            P->setFarbe(Farbe_Grau);
    Panel1->setCaption(m_Konfiguration.Titel);
    Panel4->setCaption(m_Konfiguration.Einstellung_Caption_Entwurf);
    RichEdit1->setPlainText(m_Konfiguration.Beschreibung.join(u'\n'));

    TStringGrid *G = StringGrid1;
    G->setSelectionMode(QAbstractItemView::ContiguousSelection);
    G->Zeilenhoehe_setzen(24);
    G->Standard_Spaltenbreite_setzen(m_Konfiguration.Spaltenbreite);
    G->Groesse_setzen(Kategorie_Tabelle_Spalten, m_Konfiguration.Zeilenzahl, Kategorie_Tabelle_feste_Spalten,
                      Kategorie_Tabelle_feste_Zeilen);
    G->Spaltenbreite_setzen(4, m_Konfiguration.Spaltenbreite_4);
    // The longest operation name must not be cut.
    G->Spalte_passend_fuer(0, Rechenart_Name(TRechenart::Multiplikation));
    G->setFixedHeight(G->Hoehe_fuer_alle_Zeilen());
    connect(G, &QTableWidget::cellClicked, this, &TF_Auswertung_Tabelle_Kategorie::StringGrid1Click);

    G->setAccessibleName(Tabelle_Reiter_Name(m_Konfiguration.Nummer));
    G->setAccessibleDescription(m_Konfiguration.Titel);
    RichEdit1->setAccessibleName(QStringLiteral("Beschreibung der Tabelle"));
    ProgressBar_Anzahl->setAccessibleName(QStringLiteral("Anteil richtig gelöster Aufgaben"));
    if (ProgressBar_Punkte)
        ProgressBar_Punkte->setAccessibleName(QStringLiteral("Anteil erreichter Punkte"));
}

void TF_Auswertung_Tabelle_Kategorie::Tabelle_initialisieren()
{
    const TKategorie_Tabelle &K = m_Konfiguration;
    TStringGrid *G = StringGrid1;
    G->Groesse_setzen(Kategorie_Tabelle_Spalten, K.Zeilenzahl, Kategorie_Tabelle_feste_Spalten,
                      Kategorie_Tabelle_feste_Zeilen);
    for (int z = 0; z < Kategorie_Tabelle_feste_Zeilen; ++z)
        G->Zeile_setzen(z, K.Kopfzeilen.at(std::size_t(z)));
    for (int i = 0; i < Datenzeilen_Anzahl(K); ++i)
        G->Zeile_setzen(Kategorie_Tabelle_erste_Datenzeile + i, Kategorie_Zeile_leer(K, i));
    G->viewport()->update();
    Anzeige_setzen(Kategorie_Anzeige_leer(K));
}

void TF_Auswertung_Tabelle_Kategorie::Werte_uebernehmen(const QList<QStringList> &Zeilen, const QList<int> &geaendert,
                                                        std::uint8_t Rechenart, std::uint8_t Schwierigkeitsgrad,
                                                        const TKategorie_Anzeige &Anzeige)
{
    m_Rechenart = Rechenart;
    m_Schwierigkeitsgrad = Schwierigkeitsgrad;
    for (int i : geaendert)
        StringGrid1->Zeile_setzen(Kategorie_Tabelle_erste_Datenzeile + i, Zeilen.at(i));
    StringGrid1Click();
    Anzeige_setzen(Anzeige);
}

void TF_Auswertung_Tabelle_Kategorie::Anzeige_setzen(const TKategorie_Anzeige &A)
{
    if (A.Einstellung_Caption)
        Panel4->setCaption(*A.Einstellung_Caption);
    if (A.Anzahl_Caption)
        Panel3->setCaption(*A.Anzahl_Caption);
    if (A.Anzahl_Balken)
        Balken_setzen(ProgressBar_Anzahl, A.Anzahl_Balken->Maximum, A.Anzahl_Balken->Position);
    if (A.Punkte_Caption && Panel_Punkte_Ueberschrift)
        Panel_Punkte_Ueberschrift->setCaption(*A.Punkte_Caption);
    if (A.Punkte_Balken && ProgressBar_Punkte)
        Balken_setzen(ProgressBar_Punkte, A.Punkte_Balken->Maximum, A.Punkte_Balken->Position);
}

void TF_Auswertung_Tabelle_Kategorie::StringGrid1Click()
{
    // Before the first hand-over there is no setting to return to.
    if (m_Rechenart == 0 || m_Schwierigkeitsgrad == 0)
        return;
    StringGrid1->Zelle_auswaehlen(Zeile_der_Einstellung(m_Konfiguration, m_Rechenart, m_Schwierigkeitsgrad), 6);
}

QList<QStringList> TF_Auswertung_Tabelle_Kategorie::Datenzeilen() const
{
    QList<QStringList> Zeilen;
    for (int z = Kategorie_Tabelle_erste_Datenzeile; z < StringGrid1->rowCount(); ++z)
        Zeilen << StringGrid1->Zeile(z);
    return Zeilen;
}
