#include "app/TF_Haupt.h"
#include "core/widgets/Farbe_Qt.h"
#include "core/widgets/TPanel.h"
#include "core/Textdatei.h"
#include "evaluation/TF_Auswertung.h"
#include "exercises/TFrame_Auswertung_kurz.h"
#include "exercises/TFrame_Tarvo_Uebungen.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QLabel>
#include <QLineEdit>
#include <QTest>
#include <QTextDocument>
#include <QTextEdit>
#include <memory>

// Text no pupil should type but anyone can paste: it is thrown away like any
// other non-number, quickly, and never reaches the protocol.
class Test_Feindlicher_Text : public QObject
{
    Q_OBJECT

    std::unique_ptr<TF_Haupt> Fenster;
    TFrame_Tarvo_Uebungen *U = nullptr;
    QLineEdit *Feld = nullptr;

    struct TStand
    {
        int Uebergaben, Alle, Kurz, Protokoll;
        QString Aufgabe;
        bool operator==(const TStand &) const = default;
    };
    TStand Stand() const
    {
        return {U->F_Auswertung2->Anzahl_Uebergaben(), U->F_Auswertung2->Stand().Statistik.alle_Werte.Anzahl,
                U->Frame_Auswertung_kurz1->Werte().Anzahl_gestellt,
                U->F_Auswertung2->RichEdit1->document()->blockCount(), U->Label_Aufgabenstellung->text()};
    }

    void verworfen_pruefen(const TStand &Vorher)
    {
        QTest::keyClick(Feld, Qt::Key_Return);
        QVERIFY(Stand() == Vorher);
        QCOMPARE(Feld->text(), QString());
        QCOMPARE(U->Panel_2_1_3->Farbe(), Farbe_Grau);
    }

private slots:
    void initTestCase()
    {
        Fenster = std::make_unique<TF_Haupt>();
        Fenster->Dialoge_erzeugen();
        Fenster->show();
        QVERIFY(QTest::qWaitForWindowExposed(Fenster.get()));
        U = Fenster->Frame_Tarvo_Uebungen1;
        Feld = U->MaskEdit_Schuelerloesung;
    }

    void Texte_werden_verworfen_data()
    {
        QTest::addColumn<QString>("Text");
        QTest::newRow("Tabulator davor") << QStringLiteral("\t5");
        QTest::newRow("Tabulator danach") << QStringLiteral("5\t");
        QTest::newRow("Nullzeichen") << QString(QStringLiteral("5") + QChar(0) + QStringLiteral("5"));
        QTest::newRow("Nullzeichen allein") << QString(QChar(0));
        QTest::newRow("CR LF davor") << QStringLiteral("\r\n5");
        QTest::newRow("LF danach") << QStringLiteral("5\n");
        QTest::newRow("CR allein") << QStringLiteral("\r");
        QTest::newRow("kyrillisch") << QStringLiteral("пять");
        QTest::newRow("kyrillisches Х als x") << QStringLiteral("Х1F");
        QTest::newRow("arabisch-indische Ziffer") << QStringLiteral("\u0665");
        QTest::newRow("Vollbreite Ziffer") << QStringLiteral("\uFF15");
        QTest::newRow("Emoji") << QStringLiteral("\U0001F600");
        QTest::newRow("Emoji nach Ziffer") << QStringLiteral("5\U0001F600");
        QTest::newRow("halbes Ersatzzeichen") << QString(QStringLiteral("5") + QChar(0xD83D));
        QTest::newRow("Rechts-nach-links-Marke davor") << QStringLiteral("\u200F5");
        QTest::newRow("Rechts-nach-links-Marke danach") << QStringLiteral("5\u200F");
        QTest::newRow("Richtungsumkehr") << QStringLiteral("\u202E-5");
        QTest::newRow("Minuszeichen U+2212") << QStringLiteral("\u22125");
        QTest::newRow("geschuetztes Leerzeichen") << QStringLiteral("\u00A05");
        QTest::newRow("Megabyte Ziffern") << QString(1 << 20, u'7');
        QTest::newRow("Megabyte gemischt") << QStringLiteral("12\t\u200F\U0001F600x").repeated((1 << 20) / 7);
    }

    void Texte_werden_verworfen()
    {
        QFETCH(QString, Text);
        const TStand Vorher = Stand();
        Feld->setText(Text);
        verworfen_pruefen(Vorher);
    }

    void Megabyte_eingefuegt()
    {
        // Through the clipboard and Ctrl+V, as a paste really arrives.
        const TStand Vorher = Stand();
        QGuiApplication::clipboard()->setText(QStringLiteral("9\u0000\r\n\U0001F600").repeated(1 << 18));
        QTest::keyClick(Feld, Qt::Key_V, Qt::ControlModifier);
        QVERIFY(Feld->text().size() > 1000);
        verworfen_pruefen(Vorher);
    }

    void Protokoll_bleibt_Windows_1252()
    {
        // Real answers between the hostile ones: the protocol only ever
        // holds what the program wrote itself.
        for (int i = 0; i < 50; ++i) {
            Feld->setText(U->Aufgabe().STR_Ergebnis);
            QTest::keyClick(Feld, Qt::Key_Return);
            Feld->setText(QStringLiteral("\u0416\U0001F600"));
            QTest::keyClick(Feld, Qt::Key_Return);
        }
        bool ok = false;
        Text_zu_Windows_1252(U->F_Auswertung2->Protokoll_Zeilen(), ok);
        QVERIFY(ok);
        QCOMPARE(U->F_Auswertung2->Stand().Statistik.alle_Werte.Anzahl_richtig, 50);
    }
};

QTEST_MAIN(Test_Feindlicher_Text)
#include "test_feindlicher_text.moc"
