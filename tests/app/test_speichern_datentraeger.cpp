#include "tests/support/Dialog_Hilfen.h"

#include "app/TFrame_RTF_Text_mit_drucken_Laden1.h"
#include "core/Ausgabe_Vorgaben.h"
#include "core/Textdatei.h"
#include "evaluation/TDlg_Protokoll_Auswertung_speichern_drucken.h"
#include "evaluation/TOKBottomDlg_drucken_oder_speichern.h"
#include "evaluation/TProtokoll_Statistik_Ausgabe.h"

#include <QPushButton>

// The four saves over an existing file on a small file system that is full
// before the save or fills up during it: the old file keeps its bytes and
// the pupil is told in German; with room again the same save succeeds.
class Test_Speichern_Datentraeger : public QObject
{
    Q_OBJECT

    QWidget Seite;
    QStringList Protokoll_Zeilen;
    QStringList Statistik_Zeilen;
    TDlg_Protokoll_Auswertung_speichern_drucken Auswahl;
    TProtokoll_Statistik_Ausgabe *Ausgabe = new TProtokoll_Statistik_Ausgabe(
        [this] { return Protokoll_Zeilen; }, [this] { return Statistik_Zeilen; }, 13, &Seite);
    TOKBottomDlg_drucken_oder_speichern Auswahl_Dokument;
    TFrame_RTF_Text_mit_drucken_Laden1 Dokument;

    // Answers the modal dialogs that open one after the other.
    static void Der_Reihe_nach(QList<std::function<void(QWidget *)>> Antworten, QWidget *Vorher = nullptr)
    {
        if (Antworten.isEmpty())
            return;
        const auto Erste = Antworten.takeFirst();
        Beim_naechsten_Dialog(
            [Erste, Antworten](QWidget *D) {
                Der_Reihe_nach(Antworten, D);
                Erste(D);
            },
            Vorher);
    }

    // Runs one save to Pfad; returns the failure message, where one is expected.
    QString Speichern(const QString &Art, const QString &Pfad, bool Meldung_erwartet)
    {
        QString Meldung;
        QList<std::function<void(QWidget *)>> Antworten;
        Antworten << [&, Art](QWidget *) {
            if (Art == QStringLiteral("Dokument"))
                QTest::mouseClick(Auswahl_Dokument.Button_speichern, Qt::LeftButton);
            else
                QTest::mouseClick(Art == QStringLiteral("Protokoll")       ? Auswahl.Btn_Protokoll_speichern
                                      : Art == QStringLiteral("Statistik") ? Auswahl.Btn_Auswertung_speichern
                                                                           : Auswahl.Btn_Auswertung_Protokoll_speichern,
                                  Qt::LeftButton);
        };
        Antworten << [Pfad](QWidget *D) { Speichern_unter(D, Pfad); };
        // The document frame asks before it replaces a file.
        if (Art == QStringLiteral("Dokument"))
            Antworten << [](QWidget *Frage) { qobject_cast<QMessageBox *>(Frage)->button(QMessageBox::Yes)->click(); };
        if (Meldung_erwartet)
            Antworten << [&](QWidget *D) {
                // Only a message is answered, so a missing one does not upset the next save.
                if (auto *Box = qobject_cast<QMessageBox *>(D)) {
                    if (Box->objectName() == QStringLiteral("Meldung_Speicherfehler"))
                        Meldung = Box->text();
                    Box->accept();
                }
            };
        Der_Reihe_nach(Antworten);
        if (Art == QStringLiteral("Dokument"))
            QTest::mouseClick(Dokument.Button_drucken_und_laden, Qt::LeftButton);
        else
            Ausgabe->Button_Protokoll_Statistik_drucken_speichernClick();
        return Meldung;
    }

private slots:
    void initTestCase()
    {
        Ausgabe->Auswahl_Dialog_setzen(&Auswahl);
        Dokument.Dlg_drucken_oder_speichern_setzen(&Auswahl_Dokument);
        Dokument.Einrichten(QStringLiteral("Informationen_zum_Tarvo"), true, 1);
        Statistik_Zeilen = {QStringLiteral(" Auswertung der Statistischen Daten:")};
    }

    void Alte_Datei_bleibt_Byte_fuer_Byte_data()
    {
        QTest::addColumn<QString>("Art");
        QTest::addColumn<bool>("voll_vorher");
        for (const char *Art : {"Protokoll", "Statistik", "Protokoll_und_Statistik", "Dokument", "Statistik.pdf"})
            QTest::addRow("%s, vorher voll", Art) << QString::fromLatin1(Art) << true;
        // More than Qt's 16 KB buffer: the disk fills while the protocol is written.
        for (const char *Art : {"Protokoll", "Protokoll_und_Statistik", "Protokoll.pdf"})
            QTest::addRow("%s, voll beim Schreiben", Art) << QString::fromLatin1(Art) << false;
    }

    void Alte_Datei_bleibt_Byte_fuer_Byte()
    {
        QFETCH(QString, Art);
        QFETCH(bool, voll_vorher);
        // A name ending in ".pdf" is saved as a PDF file, any other as a text file.
        const QString Datei = Art.contains(u'.') ? Art : Art + QStringLiteral(".txt");
        Art = Art.section(u'.', 0, 0);
        TKleiner_Datentraeger Platte(16 * 1024);
        if (!Platte.eingehaengt)
            QSKIP("mounting is not allowed here (needs root): no small file system");
        const QString Pfad = Platte.Pfad(Datei);
        QCOMPARE(Textdatei_schreiben(Pfad, {QStringLiteral("alt")}), QString());
        Protokoll_Zeilen = QStringList(voll_vorher ? 4 : 500, QString(60, u'='));
        if (voll_vorher)
            Platte.Fuellen();

        const QString Meldung = Speichern(Art, Pfad, true);
        QCOMPARE(Meldung,
                 Speicherfehler_Meldung(Pfad, QStringLiteral("Auf dem Datenträger ist nicht mehr genug Platz frei.")));
        QCOMPARE(Datei_lesen(Pfad), QByteArray("alt\r\n"));

        Platte.Leeren();
        Protokoll_Zeilen = {QString(60, u'=')};
        QCOMPARE(Speichern(Art, Pfad, false), QString());
        const QByteArray Neu = Datei_lesen(Pfad);
        QVERIFY2(Neu.size() > 20 && (Neu.endsWith("\r\n") || Neu.startsWith("%PDF-")), Neu.constData());
        QCOMPARE(QDir(Platte.Ordner.path()).entryList(QDir::Files | QDir::Hidden), QStringList{Datei});
    }
};

QTEST_MAIN(Test_Speichern_Datentraeger)
#include "test_speichern_datentraeger.moc"
