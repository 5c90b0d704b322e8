#pragma once

#include "ui_TF_Tarvo_Loesungsschritt.h"

#include <QStringList>
#include <QWidget>
#include <cstdint>

// One row of a solution path: heading bar, number area, explanation. A
// covered row shows only its heading and a prompt until it is clicked.
class TF_Tarvo_Loesungsschritt : public QWidget, public Ui::TF_Tarvo_Loesungsschritt
{
    Q_OBJECT
public:
    explicit TF_Tarvo_Loesungsschritt(QWidget *parent = nullptr);

    void Schritt_Zahl_zeigen(bool verdeckt, bool mit_Gleich, std::int32_t Wert, const QString &Ueberschrift,
                             const QStringList &Zeilen);
    void Schritt_Text_zeigen(bool verdeckt, bool mit_Gleich, const QString &Text, const QString &Ueberschrift,
                             const QStringList &Zeilen);
    void Schritt_Aufgabe_zeigen(bool verdeckt, bool mit_Gleich, std::int32_t Erste, std::int32_t Zweite,
                                const QString &Ueberschrift, const QStringList &Zeilen);
    void Schritt_loeschen();

    QStringList Zeilen() const;
    bool verdeckt() const;

    // The row's place in its path (1 = task row); part of what is read out.
    void Nummer_setzen(int Nummer);
    int Nummer() const { return m_Nummer; }

public slots:
    void Panel1Click();
    void Memo1DblClick();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void Gleich_setzen(bool mit_Gleich);
    void Schritt_abschliessen(bool verdeckt, const QString &Ueberschrift, const QStringList &Zeilen);
    void Abdeckung_setzen(bool verdeckt);
    void Namen_setzen();

    int m_Nummer = 0;
};
