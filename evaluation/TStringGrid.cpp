#include "evaluation/TStringGrid.h"

#include "core/widgets/Farbe_Qt.h"

#include <QHeaderView>
#include <QScrollBar>
#include <QStyle>
#include <QTableView>

TStringGrid::TStringGrid(QWidget *parent)
    : QTableWidget(parent)
{
    horizontalHeader()->hide();
    verticalHeader()->hide();
    verticalHeader()->setMinimumSectionSize(8);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setShowGrid(true);
    setWordWrap(false);
    setTextElideMode(Qt::ElideNone);
    setVerticalScrollMode(QAbstractItemView::ScrollPerItem);
    // Scrolling is decided by the owner (TopRow), not by moving the selection.
    setAutoScroll(false);
    // The owner keeps the selection on one cell, so Tab would never get past
    // it inside the grid: it goes on to the next control instead.
    setTabKeyNavigation(false);

    // A second view on the same model shows the fixed rows over the top of
    // the viewport, so they stay when the data rows scroll.
    Feste_Zeilen = new QTableView(this);
    Feste_Zeilen->setObjectName(QStringLiteral("Feste_Zeilen"));
    Feste_Zeilen->setModel(model());
    Feste_Zeilen->setFocusPolicy(Qt::NoFocus);
    Feste_Zeilen->setSelectionMode(QAbstractItemView::NoSelection);
    Feste_Zeilen->setEditTriggers(QAbstractItemView::NoEditTriggers);
    Feste_Zeilen->horizontalHeader()->hide();
    Feste_Zeilen->verticalHeader()->hide();
    Feste_Zeilen->verticalHeader()->setMinimumSectionSize(8);
    Feste_Zeilen->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    Feste_Zeilen->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    Feste_Zeilen->setFrameShape(QFrame::NoFrame);
    Feste_Zeilen->setWordWrap(false);
    Feste_Zeilen->setTextElideMode(Qt::ElideNone);
    Feste_Zeilen->hide();

    connect(horizontalHeader(), &QHeaderView::sectionResized, this,
            [this](int Spalte, int, int Breite) { Feste_Zeilen->setColumnWidth(Spalte, Breite); });
    connect(horizontalScrollBar(), &QScrollBar::valueChanged, Feste_Zeilen->horizontalScrollBar(),
            &QScrollBar::setValue);
    connect(Feste_Zeilen, &QTableView::clicked, this,
            [this](const QModelIndex &I) { emit cellClicked(I.row(), I.column()); });
}

void TStringGrid::Groesse_setzen(int Spalten, int Zeilen, int feste_Spalten, int feste_Zeilen)
{
    setColumnCount(Spalten);
    setRowCount(Zeilen);
    m_feste_Spalten = feste_Spalten;
    m_feste_Zeilen = feste_Zeilen;
    for (int z = 0; z < Zeilen; ++z)
        for (int s = 0; s < Spalten; ++s)
            if (!item(z, s))
                Zelle_setzen(z, s, QString());
    Kopf_anpassen();
}

void TStringGrid::Standard_Spaltenbreite_setzen(int Breite)
{
    horizontalHeader()->setDefaultSectionSize(Breite);
    Feste_Zeilen->horizontalHeader()->setDefaultSectionSize(Breite);
    for (int s = 0; s < columnCount(); ++s)
        setColumnWidth(s, Breite);
}

void TStringGrid::Spaltenbreite_setzen(int Spalte, int Breite)
{
    setColumnWidth(Spalte, Breite);
}

void TStringGrid::Spalte_passend_fuer(int Spalte, const QString &Text)
{
    // The cell's text margins on both sides plus the grid line.
    const int Rand = 2 * (style()->pixelMetric(QStyle::PM_FocusFrameHMargin, nullptr, this) + 1) + 2;
    const int Breite = fontMetrics().horizontalAdvance(Text) + Rand;
    if (columnWidth(Spalte) < Breite)
        setColumnWidth(Spalte, Breite);
}

void TStringGrid::Zeilenhoehe_setzen(int Hoehe)
{
    verticalHeader()->setDefaultSectionSize(Hoehe);
    Feste_Zeilen->verticalHeader()->setDefaultSectionSize(Hoehe);
    Kopf_anpassen();
}

bool TStringGrid::ist_fest(int Zeile, int Spalte) const
{
    return Zeile < m_feste_Zeilen || Spalte < m_feste_Spalten;
}

void TStringGrid::Zelle_setzen(int Zeile, int Spalte, const QString &Text)
{
    QTableWidgetItem *I = item(Zeile, Spalte);
    if (!I) {
        I = new QTableWidgetItem;
        I->setTextAlignment(Qt::AlignLeft | Qt::AlignVCenter);
        if (ist_fest(Zeile, Spalte)) {
            I->setFlags(Qt::ItemIsEnabled);
            I->setBackground(Farbe_zu_QColor(Farbe_Grau));
        } else {
            I->setFlags(Qt::ItemIsEnabled | Qt::ItemIsSelectable);
        }
        setItem(Zeile, Spalte, I);
    }
    I->setText(Text);
}

QString TStringGrid::Zelle(int Zeile, int Spalte) const
{
    const QTableWidgetItem *I = item(Zeile, Spalte);
    return I ? I->text() : QString();
}

void TStringGrid::Zeile_setzen(int Zeile, const QStringList &Texte)
{
    for (int s = 0; s < Texte.size() && s < columnCount(); ++s)
        Zelle_setzen(Zeile, s, Texte.at(s));
}

QStringList TStringGrid::Zeile(int Zeile) const
{
    QStringList Z;
    for (int s = 0; s < columnCount(); ++s)
        Z << Zelle(Zeile, s);
    return Z;
}

int TStringGrid::TopRow() const
{
    return verticalScrollBar()->value() + m_feste_Zeilen;
}

void TStringGrid::setTopRow(int Zeile)
{
    verticalScrollBar()->setValue(Zeile - m_feste_Zeilen);
}

void TStringGrid::Zelle_auswaehlen(int Zeile, int Spalte)
{
    setCurrentCell(Zeile, Spalte, QItemSelectionModel::ClearAndSelect);
    if (isVisible())
        Zeile_sichtbar_machen(Zeile);
}

void TStringGrid::Zeile_sichtbar_machen(int Zeile)
{
    // Moves the data rows as little as possible, like a classic string grid
    // does when its selected row changes.
    if (Zeile < m_feste_Zeilen)
        return;
    const int oben = TopRow();
    if (Zeile < oben) {
        setTopRow(Zeile);
        return;
    }
    int y = 0;
    for (int z = 0; z < m_feste_Zeilen; ++z)
        y += rowHeight(z);
    int letzte = oben - 1;
    for (int z = oben; z < rowCount(); ++z) {
        y += rowHeight(z);
        if (y > viewport()->height())
            break;
        letzte = z;
    }
    if (letzte >= oben && Zeile > letzte)
        setTopRow(oben + (Zeile - letzte));
}

int TStringGrid::Hoehe_fuer_alle_Zeilen() const
{
    int h = 2 * frameWidth();
    for (int z = 0; z < rowCount(); ++z)
        h += rowHeight(z);
    if (horizontalScrollBarPolicy() != Qt::ScrollBarAlwaysOff)
        h += horizontalScrollBar()->sizeHint().height();
    return h + 1;
}

void TStringGrid::keyPressEvent(QKeyEvent *event)
{
    const QModelIndex vorher = currentIndex();
    const QItemSelection Auswahl_vorher = selectionModel()->selection();
    QTableWidget::keyPressEvent(event);
    if (currentIndex() != vorher || selectionModel()->selection() != Auswahl_vorher)
        emit cellClicked(currentRow(), currentColumn());
}

void TStringGrid::resizeEvent(QResizeEvent *event)
{
    QTableWidget::resizeEvent(event);
    Kopf_anpassen();
}

void TStringGrid::updateGeometries()
{
    QTableWidget::updateGeometries();
    nur_ganze_Zeilen();
}

void TStringGrid::showEvent(QShowEvent *event)
{
    QTableWidget::showEvent(event);
    // A row chosen while the grid was hidden (another page, the evaluation
    // hidden) comes into view when it is shown.
    updateGeometries();
    if (currentRow() >= m_feste_Zeilen)
        Zeile_sichtbar_machen(currentRow());
}

void TStringGrid::nur_ganze_Zeilen()
{
    // Scrolled to its end, the view aligns the last row with its bottom edge,
    // and a part of the row above would show under the fixed rows. A viewport
    // of whole rows below the fixed ones leaves no such part.
    const int Zeilenhoehe = verticalHeader()->defaultSectionSize();
    if (Zeilenhoehe <= 0)
        return;
    int Kopf = 0;
    for (int z = 0; z < m_feste_Zeilen && z < rowCount(); ++z)
        Kopf += rowHeight(z);
    const int Hoehe = viewport()->height() + viewportMargins().bottom() - Kopf;
    const int Rest = Hoehe > 0 ? Hoehe % Zeilenhoehe : 0;
    if (Rest != viewportMargins().bottom())
        setViewportMargins(0, 0, 0, Rest);
}

void TStringGrid::scrollContentsBy(int dx, int dy)
{
    QTableWidget::scrollContentsBy(dx, dy);
    // The overlay stays on top of the newly painted rows.
    Feste_Zeilen->raise();
}

void TStringGrid::Kopf_anpassen()
{
    if (m_feste_Zeilen == 0) {
        Feste_Zeilen->hide();
        return;
    }
    int Hoehe = 0;
    for (int z = 0; z < m_feste_Zeilen && z < rowCount(); ++z)
        Hoehe += rowHeight(z);
    const QRect V = viewport()->geometry();
    Feste_Zeilen->setGeometry(V.x(), V.y(), V.width(), Hoehe);
    Feste_Zeilen->setFont(font());
    Feste_Zeilen->setPalette(palette());
    for (int s = 0; s < columnCount(); ++s)
        Feste_Zeilen->setColumnWidth(s, columnWidth(s));
    Feste_Zeilen->horizontalScrollBar()->setValue(horizontalScrollBar()->value());
    Feste_Zeilen->show();
    Feste_Zeilen->raise();
}
