#pragma once

#include <QTableWidget>

class QTableView;

// A string grid whose first rows and columns are fixed cells: ordinary rows
// and columns of the table (so indexes count them), drawn grey, not
// selectable, and the fixed rows stay in view when the data rows scroll.
class TStringGrid : public QTableWidget
{
    Q_OBJECT
public:
    explicit TStringGrid(QWidget *parent = nullptr);

    void Groesse_setzen(int Spalten, int Zeilen, int feste_Spalten, int feste_Zeilen);
    void Standard_Spaltenbreite_setzen(int Breite);
    void Spaltenbreite_setzen(int Spalte, int Breite);
    void Zeilenhoehe_setzen(int Hoehe);
    // Widens a column, if needed, so that this text is not cut.
    void Spalte_passend_fuer(int Spalte, const QString &Text);

    // Creates the cell when needed; fixed cells get their grey look.
    void Zelle_setzen(int Zeile, int Spalte, const QString &Text);
    QString Zelle(int Zeile, int Spalte) const;
    void Zeile_setzen(int Zeile, const QStringList &Texte);
    QStringList Zeile(int Zeile) const;

    // The first data row visible below the fixed rows.
    int TopRow() const;
    void setTopRow(int Zeile);
    // Selects exactly this cell, makes it current and brings its row into view.
    void Zelle_auswaehlen(int Zeile, int Spalte);
    void Zeile_sichtbar_machen(int Zeile);

    // Height that shows every row without a vertical scroll bar.
    int Hoehe_fuer_alle_Zeilen() const;

protected:
    // A key that moves the selection is answered as a click in the grid, so
    // the owner brings the selection back where it belongs.
    void keyPressEvent(QKeyEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;
    void showEvent(QShowEvent *event) override;
    void updateGeometries() override;
    void scrollContentsBy(int dx, int dy) override;

private:
    void Kopf_anpassen();
    void nur_ganze_Zeilen();
    bool ist_fest(int Zeile, int Spalte) const;

    QTableView *Feste_Zeilen = nullptr;
    int m_feste_Spalten = 0;
    int m_feste_Zeilen = 0;
};
