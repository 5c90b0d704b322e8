#include "core/widgets/TPageControl.h"
#include "evaluation/Protokoll_Kopfzeilen.h"
#include "evaluation/TF_Auswertung.h"

#include <QFontInfo>
#include <QSplitter>
#include <QTest>
#include <QTextEdit>

class Test_TF_Auswertung : public QObject
{
    Q_OBJECT
private slots:
    void Seiten_und_Kaesten()
    {
        TAuswertung Auswertung;
        TF_Auswertung F(Auswertung);
        TPageControl *Seiten = F.findChild<TPageControl *>("PageControl_Statistik_1");
        QVERIFY(Seiten);
        const QStringList Namen{"TabSheet1",
                                "TabSheet_2_Tabelle_0",
                                "TabSheet_Statistik_1",
                                "TabSheet_Statistik_2",
                                "TabSheet_Statistik_3",
                                "TabSheet_Statistik_4",
                                "TabSheet_Protokoll"};
        const QStringList Titel{"Sterne",
                                "1. Statistik: Grundwerte",
                                "2. Statistik: Kategorien bzw. Unterkategorien",
                                "3. Statistik: Kategorien (mit allen Unterkategorien)",
                                "4. Statistik: Unterkategorien (aus allen Kategorien)",
                                "5. Statistik: alle Werte zusammen",
                                "Protokoll"};
        QCOMPARE(Seiten->count(), 7);
        for (int i = 0; i < 7; ++i) {
            QCOMPARE(Seiten->widget(i)->objectName(), Namen.at(i));
            QCOMPARE(Seiten->tabText(i), Titel.at(i));
        }
        QCOMPARE(Seiten->font().pixelSize(), 13);
        QVERIFY(Seiten->font().bold());
        QVERIFY(QFontInfo(F.RichEdit1->font()).fixedPitch());

        QCOMPARE(F.Panel_1->height(), 53);
        QCOMPARE(F.Splitter1->handleWidth(), 10);
        QCOMPARE(F.Splitter1->widget(0), F.RichEdit1);
        QCOMPARE(F.Splitter1->widget(1), F.RichEdit2);
        for (QTextEdit *Kasten : {F.RichEdit1, F.RichEdit2}) {
            QVERIFY(Kasten->isReadOnly());
            QCOMPARE(Kasten->lineWrapMode(), QTextEdit::NoWrap);
            QCOMPARE(Kasten->font().pixelSize(), 13);
        }
        F.resize(900, 600);
        F.show();
        Seiten->setCurrentWidget(F.TabSheet_Protokoll);
        QVERIFY(QTest::qWaitForWindowExposed(&F));
        QCOMPARE(F.RichEdit1->height(), 150);
    }

    void Protokoll_waechst_nur_mit_Antworten()
    {
        TAuswertung Auswertung;
        TF_Auswertung F(Auswertung);
        F.Auswertung_initialisieren();
        const auto uebergeben = [&](const TAufgaben_Ergebnis &E) {
            F.Uebergabe_zeigen(Auswertung.Ergebnis_uebernehmen(E));
        };
        QCOMPARE(F.Protokoll_Zeilen(), Protokoll_Kopfzeilen());
        QCOMPARE(F.Protokoll_Zeilen().at(0), u' ' + QString(51, u'='));

        TAufgaben_Ergebnis E;
        E.Protokollzeile_setzen(QStringLiteral("erste"));
        uebergeben(E); // a settings hand-over logs nothing
        QCOMPARE(F.Protokoll_Zeilen().size(), 4);
        E.Anzahl_Aufgaben = 1;
        uebergeben(E);
        Auswertung.Protokoll_Leerzeile_anhaengen();
        F.Protokoll_Leerzeile_anhaengen();
        E.Anzahl_Aufgaben = 1;
        E.Protokollzeile_setzen(QStringLiteral("zweite"));
        uebergeben(E);
        QCOMPARE(F.Protokoll_Zeilen(), Protokoll_Kopfzeilen() + QStringList({"erste", "", "zweite"}));
        QCOMPARE(F.RichEdit1->toPlainText().split(u'\n'), F.Protokoll_Zeilen());
        QCOMPARE(F.Stand().Statistik.alle_Werte.Anzahl, 2);

        Auswertung.initialisieren();
        F.Auswertung_initialisieren();
        QCOMPARE(F.RichEdit1->toPlainText().split(u'\n'), Protokoll_Kopfzeilen());
        QCOMPARE(F.Stand().Statistik, TStatistik_Speicher{});
    }
};

QTEST_MAIN(Test_TF_Auswertung)
#include "test_tf_auswertung.moc"
