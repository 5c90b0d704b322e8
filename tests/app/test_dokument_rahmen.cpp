#include "tests/support/Dialog_Hilfen.h"
#include "tests/support/PDF_Pruefung.h"

#include "app/Dokument_Texte.h"
#include "app/TDialog_Abfrage_Drucken.h"
#include "app/TDialog_Fehlermeldung_1.h"
#include "app/TDialog_Impresssum_0.h"
#include "app/TFrame_RTF_Text_mit_drucken_Laden1.h"
#include "core/widgets/Text_speichern.h"
#include "core/Textdatei.h"
#include "evaluation/TOKBottomDlg_drucken_oder_speichern.h"

#include <QMenu>
#include <QPrinterInfo>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTextEdit>

class Test_Dokument_Rahmen : public QObject
{
    Q_OBJECT

    TOKBottomDlg_drucken_oder_speichern Auswahl;
    TDialog_Abfrage_Drucken Abfrage;

    void Verbinden(TFrame_RTF_Text_mit_drucken_Laden &Rahmen)
    {
        Rahmen.Dlg_drucken_oder_speichern_setzen(&Auswahl);
        Rahmen.Dialog_Abfrage_Drucken_setzen(&Abfrage);
    }

    static QStringList Sichtbare_Eintraege(QMenu *Menue)
    {
        QStringList Texte;
        for (QAction *A : Menue->actions())
            if (A->isVisible())
                Texte.append(A->text());
        return Texte;
    }

private slots:
    void Feste_Texte()
    {
        const QStringList Dokument = Informationsdokument_Zeilen();
        QCOMPARE(Dokument.first(), QStringLiteral(" Informationen zum Tarvo"));
        QCOMPARE(Dokument[1], u' ' + QString(63, u'-'));
        QCOMPARE(Dokument.last(), QString(64, u'-'));
        QCOMPARE(Dokument.count(QString(64, u'-')), 14);
        QVERIFY(Dokument.contains(QStringLiteral("  | a | wird gelesen: \"Betrag von a\"  oder  \"a absolut\".")));

        const QStringList Programm = Programm_Informationen_Zeilen();
        QCOMPARE(Programm.size(), 26);
        QCOMPARE(Programm.count(u' ' + QString(101, u'-')), 4);
        QCOMPARE(Programm[5],
                 QStringLiteral(" Im Teil \"Tarvo (Rechenwege zeigen)\" wird das Tarvo schrittweise ausgeführt."));
        QCOMPARE(Programm[15], QStringLiteral(" "));
        QCOMPARE(Programm[18],
                 QString(22, u' ')
                     + QStringLiteral("Darüber hinaus erfolgt eine differenziertere Erfassung aller Daten,"));
        for (int i = 21; i < 26; ++i)
            QCOMPARE(Programm[i], QString());

        TDialog_Abfrage_Drucken D;
        QCOMPARE(Zeilen_der_Box(D.RichEdit2).size(), 10);
        QCOMPARE(Zeilen_der_Box(D.RichEdit2)[7],
                 QStringLiteral("      auf \"Hochformat drucken\" oder auf \"Querformat drucken\" einzustellen!"));
    }

    void Modus_waehlt_Befehle()
    {
        TFrame_RTF_Text_mit_drucken_Laden1 Rahmen;
        Rahmen.resize(900, 600);
        Rahmen.show();
        Rahmen.Einrichten(QStringLiteral("Informationen_zum_Tarvo"), true, 1);
        QVERIFY(Rahmen.Panel2->isVisible());
        QCOMPARE(Sichtbare_Eintraege(Rahmen.PopupMenu1), QStringList{QStringLiteral("Text drucken oder laden")});
        QVERIFY(Rahmen.Button_drucken_und_laden->isVisible());
        QVERIFY(!Rahmen.Button_drucken->isVisible());
        QVERIFY(!Rahmen.Button_laden->isVisible());

        Rahmen.Einrichten(QString(), false, 3);
        QVERIFY(!Rahmen.Panel2->isVisible());
        QCOMPARE(Sichtbare_Eintraege(Rahmen.PopupMenu1), QStringList{QStringLiteral("Text laden")});
        // An unknown mode keeps what was there.
        Rahmen.Einrichten(QString(), true, 7);
        QCOMPARE(Sichtbare_Eintraege(Rahmen.PopupMenu1), QStringList{QStringLiteral("Text laden")});
        QVERIFY(Rahmen.Button_laden->isVisible());
        Rahmen.Einrichten(QString(), true, 0);
        QVERIFY(Sichtbare_Eintraege(Rahmen.PopupMenu1).isEmpty());
    }

    void Dokument_speichern_Byte_genau()
    {
        TFrame_RTF_Text_mit_drucken_Laden1 Rahmen;
        Verbinden(Rahmen);
        Rahmen.Einrichten(QStringLiteral("Informationen_zum_Tarvo"), true, 1);
        QTemporaryDir Ordner;
        QString Vorschlag;
        Beim_naechsten_Dialog([&](QWidget *D) {
            Beim_naechsten_Dialog(
                [&](QWidget *Speichern) {
                    Vorschlag = Speichern->findChild<QLineEdit *>(QStringLiteral("fileNameEdit"))->text();
                    Speichern_unter(Speichern, Ordner.filePath(QStringLiteral("info")));
                },
                D);
            QTest::keyClick(D->focusWidget(), Qt::Key_Return); // "Text speichern" is the default
        });
        QTest::mouseClick(Rahmen.Button_drucken_und_laden, Qt::LeftButton);
        QCOMPARE(Vorschlag, QStringLiteral("Informationen_zum_Tarvo.txt"));
        const QByteArray Bytes = Datei_lesen(Ordner.filePath(QStringLiteral("info.txt")));
        QVERIFY(Bytes.startsWith(" Informationen zum Tarvo\r\n " + QByteArray(63, '-') + "\r\n\r\n"));
        QVERIFY(Bytes.contains("  | a | hei\xDF"
                               "t Betrag der Zahl a.\r\n"));
        QVERIFY(Bytes.contains("der gr\xF6\xDF"
                               "eren Zahl subtrahiert.\r\n"));
        QVERIFY(Bytes.endsWith("\r\n" + QByteArray(64, '-') + "\r\n"));
        QCOMPARE(Bytes.count("\r\n"), Informationsdokument_Zeilen().size());
        QVERIFY(!Bytes.contains("\n\n"));
    }

    void Leerer_Name_Vorgabe_und_Ueberschreibwarnung()
    {
        TFrame_RTF_Text_mit_drucken_Laden1 Rahmen;
        Verbinden(Rahmen);
        Rahmen.Einrichten(QString(), true, 3);
        QTemporaryDir Ordner;
        const QString Pfad = Ordner.filePath(QStringLiteral("alt.txt"));
        QCOMPARE(Textdatei_schreiben(Pfad, {QStringLiteral("alt")}), QString());
        QString Vorschlag;
        bool Gewarnt = false;
        Beim_naechsten_Dialog([&](QWidget *Speichern) {
            Vorschlag = Speichern->findChild<QLineEdit *>(QStringLiteral("fileNameEdit"))->text();
            // The frame's save dialog asks before replacing; "No" keeps the old file.
            Beim_naechsten_Dialog(
                [&](QWidget *Frage) {
                    Gewarnt = qobject_cast<QMessageBox *>(Frage) != nullptr;
                    static_cast<QDialog *>(Frage)->reject();
                    Beim_naechsten_Dialog([](QWidget *S) { static_cast<QDialog *>(S)->reject(); }, Frage);
                },
                Speichern);
            Speichern_unter(Speichern, Pfad);
        });
        QTest::mouseClick(Rahmen.Button_laden, Qt::LeftButton);
        QCOMPARE(Vorschlag, QStringLiteral("Vorgabe_xx1.txt"));
        QVERIFY(Gewarnt);
        QCOMPARE(Datei_lesen(Pfad), QByteArray("alt\r\n"));
    }

    void Drucken_mit_Abfrage()
    {
        if (QPrinterInfo::defaultPrinter().isNull())
            QSKIP("no default printer (scripts/drucker_einrichten.sh sets one up)");
        TFrame_RTF_Text_mit_drucken_Laden1 Rahmen;
        Verbinden(Rahmen);
        Rahmen.Einrichten(QString(), true, 2);
        const int Seit = Letzter_Auftrag();

        // Cancelling the print query prints nothing.
        Beim_naechsten_Dialog([](QWidget *D) { QTest::keyClick(D, Qt::Key_Escape); });
        QTest::mouseClick(Rahmen.Button_drucken, Qt::LeftButton);
        Beim_naechsten_Dialog([&](QWidget *D) {
            QTest::mouseClick(Abfrage.Button2, Qt::LeftButton);
            Q_UNUSED(D);
        });
        QTest::mouseClick(Rahmen.Button_drucken, Qt::LeftButton);
        QCOMPARE(Letzter_Auftrag(), Seit);

        const QDateTime Beginn = QDateTime::currentDateTime().addSecs(-1);
        Beim_naechsten_Dialog([](QWidget *D) { QTest::keyClick(D->focusWidget(), Qt::Key_Return); });
        QTest::mouseClick(Rahmen.Button_drucken, Qt::LeftButton);
        QVERIFY2(
            QTest::qWaitFor([&] { return Auftrag_abgeschlossen(QStringLiteral("Ausdruck : Textseite"), Seit); }, 60000),
            "no completed job \"Ausdruck : Textseite\"");
        if (!Standarddrucker_schreibt_PDF())
            return;
        // The information document fills the first page from margin to margin;
        // the PDF printer writes its file bit by bit: wait until the page renders.
        TTinte Tinte;
        QVERIFY(QTest::qWaitFor(
            [&] {
                const QString Papier = Ausgabe_des_PDF_Druckers(QStringLiteral("Ausdruck : Textseite"), Beginn);
                return !Papier.isEmpty() && (Tinte = Tinte_der_Seite(Papier, 1)).Anteil > 0;
            },
            20000));
        QVERIFY2(Tinte.Umriss_mm.width() > 150 && Tinte.Umriss_mm.height() > 200,
                 qPrintable(QStringLiteral("%1 x %2 mm").arg(Tinte.Umriss_mm.width()).arg(Tinte.Umriss_mm.height())));
        QVERIFY(Tinte.Anteil > 0.01);
    }

    void Leeres_Dokument_wird_nicht_gedruckt()
    {
        TFrame_RTF_Text_mit_drucken_Laden Rahmen;
        Verbinden(Rahmen);
        Rahmen.Einrichten(QStringLiteral("leer"), true, 2);
        const int Seit = Letzter_Auftrag();
        int Zerstoert = 0;
        QString Titel;
        QStringList Zeilen, Kopf;
        Beim_naechsten_Dialog([&](QWidget *D) {
            Beim_naechsten_Dialog(
                [&](QWidget *M) {
                    auto *Meldung = qobject_cast<TDialog_Fehlermeldung_1 *>(M);
                    QVERIFY(Meldung);
                    connect(Meldung, &QObject::destroyed, [&] { ++Zerstoert; });
                    Titel = Meldung->windowTitle();
                    Zeilen = Zeilen_der_Box(Meldung->RichEdit_1_2);
                    Kopf = Zeilen_der_Box(Meldung->RichEdit_1_1);
                    QTest::keyClick(Meldung->Button_OK, Qt::Key_Return);
                },
                D);
            QTest::keyClick(D->focusWidget(), Qt::Key_Return);
        });
        QTest::mouseClick(Rahmen.Button_drucken, Qt::LeftButton);
        QCOMPARE(Titel, QStringLiteral("   Info:"));
        QCOMPARE(Zeilen,
                 (QStringList{QString(), QStringLiteral(" Datei wird nicht ausgedruckt:"),
                              QStringLiteral(" Text besteht aus 0 Zeilen !!!")}));
        QVERIFY(Kopf.isEmpty());
        QCOMPARE(Zerstoert, 1);
        QVERIFY(Rahmen.findChildren<TDialog_Fehlermeldung_1 *>().isEmpty());
        QCOMPARE(Letzter_Auftrag(), Seit);
    }

    void Impressum_schliesst_mit_RETURN()
    {
        TDialog_Impresssum_0 Impressum;
        QVERIFY(!(Impressum.windowFlags() & Qt::WindowCloseButtonHint));
        QCOMPARE(Zeilen_der_Box(Impressum.RichEdit_1_2).first(), QString());
        QVERIFY(Impressum.RichEdit_1_2->toPlainText().contains(QStringLiteral("Tarvo-Entwicklerteam")));
        // An empty title would be replaced by the application name.
        QVERIFY(!Impressum.windowTitle().isEmpty());
        QVERIFY(Impressum.windowTitle().trimmed().isEmpty());
    }

    // ESC leaves the imprint and the error message window open; RETURN closes them.
    void ESC_schliesst_nicht_RETURN_schon_data()
    {
        QTest::addColumn<bool>("Impressum");
        QTest::newRow("Impressum") << true;
        QTest::newRow("Fehlermeldung") << false;
    }

    void ESC_schliesst_nicht_RETURN_schon()
    {
        QFETCH(bool, Impressum);
        std::unique_ptr<QDialog> Dialog;
        if (Impressum)
            Dialog = std::make_unique<TDialog_Impresssum_0>();
        else
            Dialog = std::make_unique<TDialog_Fehlermeldung_1>();
        bool nach_ESC_offen = false;
        Beim_naechsten_Dialog([&](QWidget *D) {
            QTest::keyClick(D->focusWidget(), Qt::Key_Escape);
            QTest::keyClick(D, Qt::Key_Escape);
            nach_ESC_offen = D->isVisible();
            QTest::keyClick(D->focusWidget(), Qt::Key_Return);
        });
        QCOMPARE(Dialog->exec(), int(QDialog::Accepted));
        QVERIFY(nach_ESC_offen);
        QVERIFY(!Dialog->isVisible());
    }
};

QTEST_MAIN(Test_Dokument_Rahmen)
#include "test_dokument_rahmen.moc"
