#pragma once

#include "evaluation/TKategorie_Tabelle.h"

#include <QFrame>
#include <cstdint>

class QProgressBar;
class QTextEdit;
class TPanel;
class TStringGrid;
namespace Ui { class TF_Auswertung_Tabelle_Kategorie; }

// One design for the four category statistics tables; the configuration
// record says what differs between them.
class TF_Auswertung_Tabelle_Kategorie : public QFrame
{
    Q_OBJECT
public:
    ~TF_Auswertung_Tabelle_Kategorie() override;

    TPanel *Panel_0;
    TPanel *Panel1;
    TPanel *Panel_o_Text;
    QTextEdit *RichEdit1;
    TStringGrid *StringGrid1;
    TPanel *Panel4;
    TPanel *Panel3;
    TPanel *Panel2;
    QProgressBar *ProgressBar_Anzahl;
    // Only tables with averages have these; null otherwise.
    TPanel *Panel_Punkte_Ueberschrift = nullptr;
    TPanel *Panel_Punkte_Progressbar = nullptr;
    QProgressBar *ProgressBar_Punkte = nullptr;

    void Tabelle_initialisieren();
    // Rewrites the data rows (0-based) listed in geaendert from Zeilen, then selection, captions and bars.
    void Werte_uebernehmen(const QList<QStringList> &Zeilen, const QList<int> &geaendert, std::uint8_t Rechenart,
                           std::uint8_t Schwierigkeitsgrad, const TKategorie_Anzeige &Anzeige);
    // The cell texts of the data rows, in ascending row order, as the grid shows them.
    QList<QStringList> Datenzeilen() const;

    const TKategorie_Tabelle &Konfiguration() const { return m_Konfiguration; }

public slots:
    void StringGrid1Click(QObject *Sender);

protected:
    TF_Auswertung_Tabelle_Kategorie(const TKategorie_Tabelle &Konfiguration, QWidget *parent);

private:
    void Anzeige_setzen(const TKategorie_Anzeige &Anzeige);

    Ui::TF_Auswertung_Tabelle_Kategorie *ui;
    const TKategorie_Tabelle &m_Konfiguration;
    std::uint8_t m_Rechenart = 0;
    std::uint8_t m_Schwierigkeitsgrad = 0;
};
