#include "solution_paths/TF_Tarvo.h"

#include "core/widgets/TListBox.h"
#include "core/widgets/TPanel.h"
#include "core/widgets/TRadioGroup.h"
#include "core/Zufall.h"
#include "core/Zugang_Texte.h"
#include "solution_paths/TAusgabe_Regeln.h"
#include "solution_paths/TDlg_Arbeitsanweisungen.h"
#include "solution_paths/TF_Tarvo_Loesungsschritt.h"
#include "solution_paths/TF_Tarvo_Loesungsweg.h"
#include "solution_paths/TF_ein_Zeichen.h"
#include "solution_paths/Tarvo_Aufgabe_erzeugen.h"

#include <QAction>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalBlocker>

namespace {
constexpr int Schritthoehe = 130;
}

TF_Tarvo::TF_Tarvo(QWidget *parent)
    : QWidget(parent)
{
    setupUi(this);

    Panel3->setFarbe(Farbe_Hellgruen);

    RadioGroup_Schwierigkeitsgrad->setTitle(QStringLiteral(" Schwierigkeitsgrad "));
    RadioGroup_Schwierigkeitsgrad->setItems({QStringLiteral("leichte            Aufgabe"),
                                             QStringLiteral("mittelschwere Aufgabe"),
                                             QStringLiteral("schwere         Aufgabe")});
    RadioGroup_Schwierigkeitsgrad->setItemIndex(0);
    RadioGroup_Loesungsweg->setTitle(QStringLiteral(" Lösungsweg "));
    RadioGroup_Loesungsweg->setItems({QStringLiteral("kurzer Lösungsweg"), QStringLiteral("langer Lösungsweg")});
    RadioGroup_Loesungsweg->setItemIndex(1);
    RadioGroup_Loesungsausgabe->setTitle(QStringLiteral(" Lösungsausgabe"));
    RadioGroup_Loesungsausgabe->setItems({QStringLiteral("direkt           ausgeben"),
                                          QStringLiteral("nicht direkt  ausgeben"),
                                          QStringLiteral("schrittweise ausgeben")});
    RadioGroup_Loesungsausgabe->setItemIndex(0);

    A_Aufgabe_stellen = Aktion_binden(Button_Aufgabe_stellen, QStringLiteral("Aufgabe stellen"));
    A_Aufgabe_stellen->setObjectName(QStringLiteral("A_Aufgabe_stellen"));
    A_Aufgabe_loesen = Aktion_binden(Button_Aufgabe_loesen, QStringLiteral("Aufgabe lösen"));
    A_Aufgabe_loesen->setObjectName(QStringLiteral("A_Aufgabe_loesen"));
    A_Einstellungen_uebernehmen = new QAction(QStringLiteral("Einstellungen übernehmen"), this);
    A_Einstellungen_uebernehmen->setObjectName(QStringLiteral("A_Einstellungen_uebernehmen"));

    connect(A_Aufgabe_stellen, &QAction::triggered, this, &TF_Tarvo::A_Aufgabe_stellenExecute);
    connect(A_Aufgabe_loesen, &QAction::triggered, this, &TF_Tarvo::A_Aufgabe_loesenExecute);
    connect(A_Einstellungen_uebernehmen, &QAction::triggered, this, &TF_Tarvo::A_Einstellungen_uebernehmenExecute);

    // Every change of a setting poses a new task.
    connect(ListBox_Operation, &TListBox::Click, A_Einstellungen_uebernehmen, &QAction::trigger);
    for (TRadioGroup *Gruppe : {RadioGroup_Schwierigkeitsgrad, RadioGroup_Loesungsweg, RadioGroup_Loesungsausgabe})
        connect(Gruppe, &TRadioGroup::Click, A_Einstellungen_uebernehmen, &QAction::trigger);
    connect(Button_Arbeitsanweisungen, &QPushButton::clicked, this, &TF_Tarvo::Button_ArbeitsanweisungenClick);

    Zugang_einrichten();
}

void TF_Tarvo::Zugang_einrichten()
{
    ListBox_Operation->setAccessibleName(QStringLiteral("Rechenart"));
    Button_Aufgabe_stellen->setAccessibleDescription(
        QStringLiteral("Stellt eine neue Aufgabe mit den gewählten Einstellungen"));
    Button_Aufgabe_loesen->setAccessibleDescription(QStringLiteral("Zeigt den ganzen Lösungsweg"));
    Button_Arbeitsanweisungen->setAccessibleDescription(QStringLiteral("Öffnet die Arbeitsanweisungen"));
    for (TRadioGroup *Gruppe : {RadioGroup_Schwierigkeitsgrad, RadioGroup_Loesungsweg, RadioGroup_Loesungsausgabe})
        Gruppe->setAccessibleName(Vorlese_Text(Gruppe->title()));

    // The radio items are made after the form, so they would come last:
    // the control bar is walked left to right, then the rows of the path.
    QList<QWidget *> Reihenfolge = {Button_Aufgabe_stellen, Button_Aufgabe_loesen, ListBox_Operation};
    for (TRadioGroup *Gruppe : {RadioGroup_Schwierigkeitsgrad, RadioGroup_Loesungsweg, RadioGroup_Loesungsausgabe})
        for (int i = 0; i < Gruppe->Items().size(); ++i)
            Reihenfolge << Gruppe->Button(i);
    Reihenfolge << Button_Arbeitsanweisungen;
    for (int i = 1; i < Reihenfolge.size(); ++i)
        setTabOrder(Reihenfolge.at(i - 1), Reihenfolge.at(i));
}

QAction *TF_Tarvo::Aktion_binden(QPushButton *Knopf, const QString &Text)
{
    auto *Aktion = new QAction(Text, this);
    Knopf->setText(Text);
    connect(Knopf, &QPushButton::clicked, Aktion, &QAction::trigger);
    connect(Aktion, &QAction::changed, Knopf, [Knopf, Aktion] {
        Knopf->setText(Aktion->text());
        Knopf->setEnabled(Aktion->isEnabled());
    });
    return Aktion;
}

void TF_Tarvo::Arbeitsanweisungen_setzen(TDlg_Arbeitsanweisungen *Dialog)
{
    Dlg_Arbeitsanweisungen = Dialog;
}

void TF_Tarvo::Initialisieren()
{
    Zufall_initialisieren();
    Aufgabe_initialisieren(Einstellung);
    F_Tarvo_Loesungsweg1->Loesungsweg_loeschen();
    Memo1.clear();
    {
        const QSignalBlocker Sperre(ListBox_Operation);
        ListBox_Operation->setCurrentRow(0);
    }
    A_Einstellungen_uebernehmenExecute();
}

void TF_Tarvo::A_Einstellungen_uebernehmenExecute()
{
    Einstellungen_lesen();
    A_Aufgabe_stellenExecute();
}

void TF_Tarvo::Uebungsaufgabe_stellen(const TEinstellung_Aufgabe &Aufgabe)
{
    {
        const QSignalBlocker Sperre_Liste(ListBox_Operation);
        const QSignalBlocker Sperre_Grad(RadioGroup_Schwierigkeitsgrad);
        ListBox_Operation->setCurrentRow(int(Aufgabe.Rechenart));
        RadioGroup_Schwierigkeitsgrad->setItemIndex(int(Aufgabe.Schwierigkeitsgrad));
    }
    Einstellungen_lesen();
    F_Tarvo_Loesungsweg1->Loesungsweg_loeschen();
    Memo1.clear();
    Uebungsaufgabe_uebernehmen(Einstellung, Aufgabe, Memo1);
    Aufgabe_ausgeben();
}

void TF_Tarvo::Einstellungen_lesen()
{
    Einstellung.Rechenart = TRechenart(qMax(0, ListBox_Operation->currentRow()));
    Einstellung.Schwierigkeitsgrad = TSchwierigkeitsgrad(qMax(0, RadioGroup_Schwierigkeitsgrad->ItemIndex()));
    Einstellung.Loesungsweg = TLoesungsweg(qMax(0, RadioGroup_Loesungsweg->ItemIndex()));
    Einstellung.Loesungsausgabe = TLoesungsausgabe(qMax(0, RadioGroup_Loesungsausgabe->ItemIndex()));

    if (Ausgabe_Regeln(Einstellung.Loesungsausgabe).Button_loesen_sichtbar) {
        Button_Aufgabe_loesen->show();
        A_Aufgabe_loesen->setText(QStringLiteral("Aufgabe lösen"));
    } else {
        Button_Aufgabe_loesen->hide();
    }
    F_Tarvo_Loesungsweg1->Schritthoehe_setzen(Schritthoehe);
}

void TF_Tarvo::A_Aufgabe_stellenExecute()
{
    F_Tarvo_Loesungsweg1->Loesungsweg_loeschen();
    Memo1.clear();
    Aufgabe_erzeugen(Einstellung, Memo1);
    Aufgabe_ausgeben();
}

void TF_Tarvo::Aufgabe_ausgeben()
{
    Aufgabe_zeigen();
    F_Tarvo_Loesungsweg1->Aufgabe_uebernehmen(Einstellung);

    const TAusgabe_Regeln Regeln = Ausgabe_Regeln(Einstellung.Loesungsausgabe);
    if (Regeln.sofort_loesen)
        A_Aufgabe_loesenExecute();
    if (Regeln.Fokus_wechseln && !Button_Aufgabe_loesen->isHidden())
        Button_Aufgabe_loesen->setFocus();
}

void TF_Tarvo::A_Aufgabe_loesenExecute()
{
    F_Tarvo_Loesungsweg1->Loesungsweg_anzeigen();
    // A repeated "Aufgabe lösen" shows every row of the same task uncovered.
    F_Tarvo_Loesungsweg1->Aufgabe.schrittweise = false;
    if (Ausgabe_Regeln(Einstellung.Loesungsausgabe).Fokus_wechseln && !Button_Aufgabe_stellen->isHidden())
        Button_Aufgabe_stellen->setFocus();
}

void TF_Tarvo::Aufgabe_zeigen()
{
    TF_Tarvo_Loesungsschritt *Zeile = F_Tarvo_Loesungsweg1->F_Tarvo_Loesungsschritt1;
    Zeile->Schritt_Aufgabe_zeigen(false, false, Einstellung.Zahl_1, Einstellung.Zahl_2, Einstellung.Ueberschrift,
                                  Memo1);
    Zeile->F_ein_Zeichen2->Edit1->setText(QString(Einstellung.Rechenzeichen));
}

void TF_Tarvo::Button_ArbeitsanweisungenClick()
{
    if (Dlg_Arbeitsanweisungen)
        Dlg_Arbeitsanweisungen->exec();
    Button_Aufgabe_stellen->setFocus();
}
