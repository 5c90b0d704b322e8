#pragma once

#include "evaluation/TStatistik.h"

#include <QFrame>

class QProgressBar;
class QScrollBar;
class QTextEdit;
class TPanel;
class TStringGrid;
namespace Ui { class TF_Auswertung_Tabelle_0; }

// The basic-values table: one row per exercise sequence.
class TF_Auswertung_Tabelle_0 : public QFrame
{
    Q_OBJECT
public:
    explicit TF_Auswertung_Tabelle_0(QWidget *parent = nullptr);
    ~TF_Auswertung_Tabelle_0() override;

    TPanel *Panel_1;
    TPanel *Panel_Beschreibung;
    QTextEdit *RichEdit_Text;
    QScrollBar *ScrollBar_Text;
    TStringGrid *StringGrid_Auswertung_0;
    TPanel *Panel1;
    TPanel *Panel_2;
    TPanel *Panel_3;
    QProgressBar *ProgressBar_Aufgabendarstellung;

    void Tabelle_initialisieren();
    void Tabelle_zuruecksetzen(bool mit_Hinweis);
    void Werte_uebernehmen(const TAuswertungs_Listenwerte_0 &Listenwerte, const TStatistik_Speicher &Statistik,
                           QObject *Sender);

    const TAuswertungs_Listenwerte_0 &Listenwerte() const { return m_Listenwerte; }

public slots:
    void StringGrid_Auswertung_0Click(QObject *Sender);

private:
    void Datenzeilen_leeren();
    void Captions_leer_setzen();
    void Werte_darstellen();
    int aktuelle_Zeile() const;

    Ui::TF_Auswertung_Tabelle_0 *ui;
    TAuswertungs_Listenwerte_0 m_Listenwerte;
};
