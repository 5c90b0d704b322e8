#include "tests/support/Dialog_Hilfen.h"

#include "app/TTarvo_Anwendung.h"
#include "core/Druck_Texte.h"
#include "evaluation/Protokoll_Ausgabe_Texte.h"
#include "evaluation/TDlg_Protokoll_Auswertung_speichern_drucken.h"
#include "evaluation/TProtokoll_Statistik_Ausgabe.h"

#include <QPushButton>
#include <stdexcept>

// Runs without any print spooler to reach.
class Test_Fehlerbericht : public QObject
{
    Q_OBJECT
private slots:
    void Druck_ohne_Druckdienst_wird_gemeldet_und_es_geht_weiter()
    {
        QWidget Seite;
        auto *Ausgabe = new TProtokoll_Statistik_Ausgabe(
            [] { return QStringList{QStringLiteral(" Protokoll zur Übung : Tarvo :")}; }, [] { return QStringList(); },
            13, &Seite);
        TDlg_Protokoll_Auswertung_speichern_drucken Dialog;
        Ausgabe->Auswahl_Dialog_setzen(&Dialog);
        auto *Knopf = new QPushButton(QStringLiteral("Protokoll / Statistik drucken / speichern"), &Seite);
        connect(Knopf, &QPushButton::clicked, Ausgabe,
                &TProtokoll_Statistik_Ausgabe::Button_Protokoll_Statistik_drucken_speichernClick);
        int Weiter = 0;
        auto *Zweiter = new QPushButton(&Seite);
        Zweiter->move(0, 40);
        connect(Zweiter, &QPushButton::clicked, [&] { ++Weiter; });
        Seite.resize(400, 100);
        Seite.show();

        QString Meldung;
        Beim_naechsten_Dialog([&](QWidget *D) {
            Beim_naechsten_Dialog(
                [&](QWidget *Box) {
                    Meldung = qobject_cast<QMessageBox *>(Box) ? qobject_cast<QMessageBox *>(Box)->text() : QString();
                    static_cast<QDialog *>(Box)->accept();
                },
                D);
            QTest::mouseClick(Dialog.Btn_Protokoll_drucken, Qt::LeftButton);
        });
        QTest::mouseClick(Knopf, Qt::LeftButton);
        QVERIFY2(Meldung.startsWith(Druckfehler_Text(TDruck_Fehlerart::Dienst_nicht_erreichbar, Auftrag_Protokoll,
                                                     QString(), QString())),
                 qPrintable(Meldung));
        QTest::mouseClick(Zweiter, Qt::LeftButton);
        QCOMPARE(Weiter, 1);
    }

    void Jede_Ausnahme_eines_Handlers_wird_gemeldet()
    {
        QPushButton Knopf;
        connect(&Knopf, &QPushButton::clicked, [] { throw std::logic_error("Fehler im Handler"); });
        Knopf.show();
        QString Meldung;
        Beim_naechsten_Dialog([&](QWidget *Box) {
            Meldung = qobject_cast<QMessageBox *>(Box)->text();
            static_cast<QDialog *>(Box)->accept();
        });
        QTest::mouseClick(&Knopf, Qt::LeftButton);
        QCOMPARE(Meldung, QStringLiteral("Fehler im Handler"));
    }
};

int main(int argc, char **argv)
{
    // A spooler address where nothing listens: the real spooler is left alone.
    qputenv("CUPS_SERVER", "/nonexistent/tarvo-kein-cups.sock");
    TTarvo_Anwendung Anwendung(argc, argv);
    Test_Fehlerbericht Test;
    QTEST_SET_MAIN_SOURCE_PATH
    return QTest::qExec(&Test, argc, argv);
}
#include "test_fehlerbericht.moc"
