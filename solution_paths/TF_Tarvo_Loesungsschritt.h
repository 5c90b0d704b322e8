#pragma once

#include <QStringList>
#include <QWidget>
#include <cstdint>

class QPlainTextEdit;
class TF_ein_Zeichen;
class TF_Ganzform_ohne_VZ;
class TPanel;
namespace Ui { class TF_Tarvo_Loesungsschritt; }

// One row of a solution path: heading bar, number area, explanation. A
// covered row shows only its heading and a prompt until it is clicked.
class TF_Tarvo_Loesungsschritt : public QWidget
{
    Q_OBJECT
public:
    explicit TF_Tarvo_Loesungsschritt(QWidget *parent = nullptr);
    ~TF_Tarvo_Loesungsschritt() override;

    TPanel *Panel1;
    TPanel *Panel2;
    TPanel *Panel3;
    TPanel *Panel4;
    TPanel *Panel5;
    TF_ein_Zeichen *F_ein_Zeichen1;
    TF_Ganzform_ohne_VZ *F_Ganzform_ohne_VZ1;
    TF_ein_Zeichen *F_ein_Zeichen2;
    TF_Ganzform_ohne_VZ *F_Ganzform_ohne_VZ2;
    QPlainTextEdit *Memo1;

    void Schritt_Zahl_zeigen(bool verdeckt, bool mit_Gleich, std::int32_t Wert,
                             const QString &Ueberschrift, const QStringList &Zeilen);
    void Schritt_Text_zeigen(bool verdeckt, bool mit_Gleich, const QString &Text,
                             const QString &Ueberschrift, const QStringList &Zeilen);
    void Schritt_Aufgabe_zeigen(bool verdeckt, bool mit_Gleich, std::int32_t Erste,
                                std::int32_t Zweite, const QString &Ueberschrift,
                                const QStringList &Zeilen);
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

    Ui::TF_Tarvo_Loesungsschritt *ui;
    int m_Nummer = 0;
};
