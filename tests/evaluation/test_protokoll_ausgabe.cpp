#include "tests/support/Dialog_Hilfen.h"
#include "tests/support/PDF_Pruefung.h"

#include "core/Ausgabe_Vorgaben.h"
#include "core/widgets/Text_speichern.h"
#include "evaluation/Protokoll_Ausgabe_Texte.h"
#include "evaluation/TDlg_Protokoll_Auswertung_speichern_drucken.h"
#include "evaluation/TOKBottomDlg_drucken_oder_speichern.h"
#include "evaluation/TProtokoll_Statistik_Ausgabe.h"

#include <QPrinterInfo>
#include <QPushButton>
#include <QTemporaryDir>

class Test_Protokoll_Ausgabe : public QObject
{
    Q_OBJECT

    QWidget Seite;
    QStringList Protokoll_Zeilen;
    QStringList Statistik_Zeilen;
    TDlg_Protokoll_Auswertung_speichern_drucken Dialog;
    TProtokoll_Statistik_Ausgabe *Ausgabe = new TProtokoll_Statistik_Ausgabe(
        [this] { return Protokoll_Zeilen; }, [this] { return Statistik_Zeilen; }, 13, &Seite);
    const QStringList Protokoll{u' ' + QString(51, u'='), QStringLiteral(" Protokoll zur Übung : Tarvo :"),
                                u' ' + QString(51, u'='), QString()};
    const QStringList Statistik{QString(73, u'='), QStringLiteral(" Auswertung der Statistischen Daten:"),
                                QStringLiteral(" A+: Anzahl richtig gelöster Aufgaben")};

    // Opens the choice dialog, presses the button and answers the save dialog.
    void Waehlen_und_speichern(QPushButton *Knopf, const QString &Pfad)
    {
        Beim_naechsten_Dialog([&, Knopf](QWidget *Auswahl) {
            Beim_naechsten_Dialog([&](QWidget *Speichern) { Speichern_unter(Speichern, Pfad); }, Auswahl);
            QTest::mouseClick(Knopf, Qt::LeftButton);
        });
        Ausgabe->Button_Protokoll_Statistik_drucken_speichernClick();
    }

private slots:
    void initTestCase()
    {
        Ausgabe->Auswahl_Dialog_setzen(&Dialog);
        Protokoll_Zeilen = Protokoll;
        Statistik_Zeilen = Statistik;
    }

    void Texte_der_Auswahl_Dialoge()
    {
        const QStringList Zeilen = Auswahl_Protokoll_Statistik_Zeilen();
        QCOMPARE(Zeilen.size(), 12);
        for (int i : {0, 4, 9, 11})
            QCOMPARE(Zeilen[i], QString());
        QCOMPARE(Zeilen[8], QStringLiteral("  ") + QString(117, u'_'));
        QCOMPARE(Zeilen[1],
                 QStringLiteral("  Wollen Sie das Protokoll                   drucken:   Drücken Sie den Schalter "
                                "\"Protokoll               drucken\""));
        QCOMPARE(Zeilen[3],
                 QStringLiteral("  Wollen Sie das Protokoll und die Statistik drucken:   Drücken Sie den Schalter "
                                "\"Protokoll und Statistik drucken\""));
        QCOMPARE(Zeilen[6],
                 QStringLiteral("  Wollen Sie die Statistik                   speichern: Drücken Sie den Schalter "
                                "\"Statistik               speichern\""));
        QCOMPARE(
            Zeilen[10],
            QStringLiteral(
                "  Wollen Sie abbrechen                                 : Drücken Sie den Schalter \"Abbrechen\""));
        // The box shows every line, the leading empty one included.
        QCOMPARE(Zeilen_der_Box(Dialog.RichEdit1), Zeilen);
        QCOMPARE(Dialog.size(), QSize(982, 292));

        TOKBottomDlg_drucken_oder_speichern Klein;
        QCOMPARE(Zeilen_der_Box(Klein.RichEdit1), Auswahl_drucken_oder_speichern_Zeilen());
        QCOMPARE(Zeilen_der_Box(Klein.RichEdit1).size(), 6);
        QCOMPARE(Klein.size(), QSize(826, 168));
        QVERIFY(!(Klein.windowFlags() & Qt::WindowCloseButtonHint));
    }

    void Druck_oder_Speicher_Auswahl()
    {
        TOKBottomDlg_drucken_oder_speichern Klein;
        Klein.Auswahl = TAusgabe_Art::drucken;
        Beim_naechsten_Dialog([](QWidget *D) { QTest::keyClick(D, Qt::Key_Escape); });
        QCOMPARE(Klein.exec(), int(QDialog::Rejected));
        QCOMPARE(Klein.Auswahl, TAusgabe_Art::abgebrochen);
        Beim_naechsten_Dialog([](QWidget *D) { QTest::keyClick(D->focusWidget(), Qt::Key_Return); });
        QCOMPARE(Klein.exec(), int(QDialog::Accepted));
        QCOMPARE(Klein.Auswahl, TAusgabe_Art::speichern);
        Beim_naechsten_Dialog([&](QWidget *) { QTest::mouseClick(Klein.Button_drucken, Qt::LeftButton); });
        QCOMPARE(Klein.exec(), int(QDialog::Accepted));
        QCOMPARE(Klein.Auswahl, TAusgabe_Art::drucken);
    }

    void Escape_tut_nichts()
    {
        Dialog.Auswahl = TProtokoll_Wahl::Protokoll_speichern;
        bool Weiterer_Dialog = false, geprueft = false;
        Beim_naechsten_Dialog([&](QWidget *D) {
            QTest::keyClick(D, Qt::Key_Escape);
            QTimer::singleShot(50, [&] {
                Weiterer_Dialog = QApplication::activeModalWidget() != nullptr;
                if (Weiterer_Dialog)
                    QApplication::activeModalWidget()->close();
                geprueft = true;
            });
        });
        Ausgabe->Button_Protokoll_Statistik_drucken_speichernClick();
        // The check runs after the dialog has closed; the locals must outlive it.
        QVERIFY(QTest::qWaitFor([&] { return geprueft; }, 5000));
        QVERIFY(!Weiterer_Dialog);
        QVERIFY(!Dialog.isVisible());
    }

    void Enter_druckt_das_Protokoll()
    {
        if (QPrinterInfo::defaultPrinter().isNull())
            QSKIP("no default printer (scripts/drucker_einrichten.sh sets one up)");
        const int Seit = Letzter_Auftrag();
        const QDateTime Beginn = QDateTime::currentDateTime().addSecs(-1);
        Beim_naechsten_Dialog([](QWidget *D) { QTest::keyClick(D->focusWidget(), Qt::Key_Return); });
        Ausgabe->Button_Protokoll_Statistik_drucken_speichernClick();
        QCOMPARE(Dialog.Auswahl, TProtokoll_Wahl::Protokoll_drucken);
        QVERIFY2(QTest::qWaitFor([&] { return Auftrag_abgeschlossen(Auftrag_Protokoll, Seit); }, 60000),
                 "no completed job \"Protokoll: zum Tarvo\"");
        if (!Standarddrucker_schreibt_PDF())
            return;
        // What came out of the printer: the 51 "=" of the header at 9.75 pt
        // leave ink across about 97 mm of the page.
        // The PDF printer writes its file bit by bit: wait until the page renders.
        TTinte Tinte;
        QVERIFY(QTest::qWaitFor(
            [&] {
                const QString Papier = Ausgabe_des_PDF_Druckers(Auftrag_Protokoll, Beginn);
                return !Papier.isEmpty() && (Tinte = Tinte_der_Seite(Papier, 1)).Anteil > 0;
            },
            20000));
        QVERIFY2(Tinte.Umriss_mm.width() > 90 && Tinte.Umriss_mm.height() > 8,
                 qPrintable(QStringLiteral("%1 x %2 mm").arg(Tinte.Umriss_mm.width()).arg(Tinte.Umriss_mm.height())));
    }

    void Abbrechen_des_Speicherdialogs_schreibt_nichts()
    {
        QTemporaryDir Ordner;
        QString Vorschlag, Ordner_Vorschlag;
        Beim_naechsten_Dialog([&](QWidget *Auswahl) {
            Beim_naechsten_Dialog(
                [&](QWidget *Speichern) {
                    auto *D = qobject_cast<QFileDialog *>(Speichern);
                    Vorschlag = D->findChild<QLineEdit *>(QStringLiteral("fileNameEdit"))->text();
                    Ordner_Vorschlag = D->directory().absolutePath();
                    D->reject();
                },
                Auswahl);
            QTest::mouseClick(Dialog.Btn_Protokoll_speichern, Qt::LeftButton);
        });
        Ausgabe->Button_Protokoll_Statistik_drucken_speichernClick();
        QCOMPARE(Vorschlag, Datei_Protokoll + QStringLiteral(".txt"));
        QCOMPARE(Ordner_Vorschlag, Speicher_Ordner_vorschlagen());
        QVERIFY(QDir(Speicher_Ordner_vorschlagen()).entryList({QStringLiteral("Protokoll_zum_Tarvo*")}).isEmpty());
    }

    void Gespeicherte_Dateien_Byte_genau()
    {
        QTemporaryDir Ordner;
        const QByteArray Protokoll_Bytes = " ===================================================\r\n"
                                           " Protokoll zur \xDC"
                                           "bung : Tarvo :\r\n"
                                           " ===================================================\r\n\r\n";
        const QByteArray Statistik_Bytes = QByteArray(73, '=')
            + "\r\n Auswertung der Statistischen Daten:\r\n"
              " A+: Anzahl richtig gel\xF6"
              "ster Aufgaben\r\n";

        // A name without extension gets .txt.
        Waehlen_und_speichern(Dialog.Btn_Protokoll_speichern, Ordner.filePath(QStringLiteral("p")));
        QCOMPARE(Datei_lesen(Ordner.filePath(QStringLiteral("p.txt"))), Protokoll_Bytes);
        Waehlen_und_speichern(Dialog.Btn_Auswertung_speichern, Ordner.filePath(QStringLiteral("s.txt")));
        QCOMPARE(Datei_lesen(Ordner.filePath(QStringLiteral("s.txt"))), Statistik_Bytes);
        Waehlen_und_speichern(Dialog.Btn_Auswertung_Protokoll_speichern, Ordner.filePath(QStringLiteral("b.txt")));
        QCOMPARE(Datei_lesen(Ordner.filePath(QStringLiteral("b.txt"))), Protokoll_Bytes + "\r\n" + Statistik_Bytes);

        // The same name again replaces the file without a question.
        Protokoll_Zeilen = {QStringLiteral("neu")};
        Waehlen_und_speichern(Dialog.Btn_Protokoll_speichern, Ordner.filePath(QStringLiteral("p.txt")));
        QCOMPARE(Datei_lesen(Ordner.filePath(QStringLiteral("p.txt"))), QByteArray("neu\r\n"));
        Protokoll_Zeilen = Protokoll;
    }

    void Vorgeschlagener_Name_im_Programmordner()
    {
        const QString Pfad =
            QDir(Speicher_Ordner_vorschlagen()).filePath(QStringLiteral("Protokoll_und_Statistik_zum_Tarvo.txt"));
        QFile::remove(Pfad);
        Beim_naechsten_Dialog([&](QWidget *Auswahl) {
            Beim_naechsten_Dialog([](QWidget *Speichern) { static_cast<QDialog *>(Speichern)->accept(); }, Auswahl);
            QTest::mouseClick(Dialog.Btn_Auswertung_Protokoll_speichern, Qt::LeftButton);
        });
        Ausgabe->Button_Protokoll_Statistik_drucken_speichernClick();
        const QByteArray Inhalt = Datei_lesen(Pfad);
        QFile::remove(Pfad);
        QVERIFY(Inhalt.startsWith(" ====="));
        QVERIFY(Inhalt.contains("\r\n\r\n\r\n" + QByteArray(73, '=')));
    }

    // A name the file system does not take, or a folder that is not there, is
    // answered inside the dialog, which stays open for a better choice.
    void Unmoegliches_Ziel_im_Dialog_beantwortet_data()
    {
        QTest::addColumn<QString>("Name");
        QTest::addColumn<QString>("Grund");
        QTest::newRow("zu langer Name") << QString(300, u'n') + QStringLiteral(".txt")
                                        << QStringLiteral("Der Dateiname ist zu lang oder nicht erlaubt.");
        QTest::newRow("fehlender Ordner")
            << QStringLiteral("fehlt/p.txt") << QStringLiteral("Den Ordner gibt es nicht.");
    }

    void Unmoegliches_Ziel_im_Dialog_beantwortet()
    {
        QFETCH(QString, Name);
        QFETCH(QString, Grund);
        QTemporaryDir Ordner;
        QString Meldung;
        bool noch_offen = false;
        Beim_naechsten_Dialog([&](QWidget *Auswahl) {
            Beim_naechsten_Dialog(
                [&](QWidget *Speichern) {
                    Beim_naechsten_Dialog(
                        [&](QWidget *Box) {
                            Meldung = Box->objectName() + u':' + qobject_cast<QMessageBox *>(Box)->text();
                            static_cast<QDialog *>(Box)->accept();
                        },
                        Speichern);
                    // Typed by the pupil into the name field.
                    Speichern->findChild<QLineEdit *>(QStringLiteral("fileNameEdit"))->setText(Ordner.filePath(Name));
                    static_cast<QDialog *>(Speichern)->accept();
                    noch_offen = Speichern->isVisible();
                    static_cast<QDialog *>(Speichern)->reject();
                },
                Auswahl);
            QTest::mouseClick(Dialog.Btn_Protokoll_speichern, Qt::LeftButton);
        });
        Ausgabe->Button_Protokoll_Statistik_drucken_speichernClick();
        QVERIFY(noch_offen);
        QCOMPARE(Meldung, QStringLiteral("Meldung_Speicherziel:") + Speicherziel_Meldung(Ordner.filePath(Name), Grund));
        QCOMPARE(QDir(Ordner.path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot), QStringList());
    }
};

QTEST_MAIN(Test_Protokoll_Ausgabe)
#include "test_protokoll_ausgabe.moc"
