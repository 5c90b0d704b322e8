#include "core/widgets/Farbe_Qt.h"
#include "core/widgets/Schriften.h"
#include "core/widgets/TPanel.h"
#include "core/widgets/TRadioGroup.h"
#include "evaluation/Sterne_Regeln.h"
#include "evaluation/TAuswertung.h"
#include "evaluation/TF_Sterne_Seite.h"

#include <QFontInfo>
#include <QFontMetrics>
#include <QImageReader>
#include <QLabel>
#include <QRadioButton>
#include <QTest>
#include <QTextEdit>

// The page fed through the real counting; the picture-choice click is routed
// as the main window does it.
class Test_Sterne_Seite : public QObject
{
    Q_OBJECT

    TAuswertung Auswertung;
    const TAuswertungs_Stand &Stand = Auswertung.Stand();
    std::unique_ptr<TF_Sterne_Seite> Seite;
    int Anzahl = 0;

    void antworten(int Schwierigkeitsgrad, const char *Folge)
    {
        for (const char *c = Folge; *c; ++c) {
            TAufgaben_Ergebnis E;
            E.Schwierigkeitsgrad = std::uint8_t(Schwierigkeitsgrad);
            E.richtig_geloest = *c == 'r' ? 1 : 0;
            E.Anzahl_Aufgaben = ++Anzahl;
            const TAuswertung_Folgen F = Auswertung.Ergebnis_uebernehmen(E);
            Seite->Sterne_aktualisieren(Stand.Sterne, Stand.aktueller_Schwierigkeitsgrad(), F.neuer_Smily);
        }
    }
    void Bild_waehlen(int Index)
    {
        // On the indicator: a radio button only takes clicks on indicator and text.
        QRadioButton *Knopf = Seite->RadioGroup_Bild_zeigen->Button(Index);
        QTest::mouseClick(Knopf, Qt::LeftButton, {}, QPoint(8, Knopf->height() / 2));
        QCOMPARE(Seite->RadioGroup_Bild_zeigen->ItemIndex(), Index);
    }
    bool Zeile_sichtbar(int d) const
    {
        const bool Ueberschrift = !Seite->Ueberschrift(d)->isHidden();
        const bool Box = !Seite->Smily_Box(d)->isHidden();
        return Ueberschrift && Box;
    }

private slots:
    void init()
    {
        Seite = std::make_unique<TF_Sterne_Seite>();
        Seite->resize(1240, 740);
        connect(Seite.get(), &TF_Sterne_Seite::Bild_zeigen_geklickt, this, [this] {
            Seite->Sterne_aktualisieren(Stand.Sterne, Stand.aktueller_Schwierigkeitsgrad(),
                                        Auswertung.Sterne_pruefen());
        });
        Auswertung.initialisieren();
        Seite->Sterne_initialisieren();
        Seite->show();
        QVERIFY(QTest::qWaitForWindowExposed(Seite.get()));
    }
    void cleanup() { Seite.reset(); }

    void Anfangszustand()
    {
        QVERIFY(Seite->Image1->isHidden());
        for (int d = 1; d <= 3; ++d) {
            QVERIFY(Zeile_sichtbar(d));
            QCOMPARE(Seite->Ueberschrift(d)->Caption(), Sterne_Ueberschrift(d));
            QVERIFY(Seite->Smily_Box(d)->toPlainText().isEmpty());
        }
        QCOMPARE(Seite->RadioGroup_Bild_zeigen->title(), QStringLiteral("Bild zeigen"));
        QCOMPARE(Seite->RadioGroup_Bild_zeigen->Items(),
                 QStringList({QStringLiteral("Bild zeigen"), QStringLiteral("Bild verdeckt lassen")}));
        QCOMPARE(Seite->RadioGroup_Bild_zeigen->ItemIndex(), 0);
        QCOMPARE(
            Seite->RichEdit4->toPlainText().split(u'\n'),
            QStringList({QString(), QStringLiteral("  Ist \"Bild zeigen\" eingestellt, so"),
                         QStringLiteral("  erscheint in jeder Schwieriglkeit nach 3 Smileys ein Teil einer Bildes.")}));
        // All six rows stack from 75 to 725 and cover the picture area (86..682).
        QCOMPARE(Seite->Panel_Sterne_1->geometry().top(), 75);
        QCOMPARE(Seite->RichEdit_Sterne_3->geometry().bottom() + 1, 725);
        QCOMPARE(Seite->Image1->geometry(), QRect(1, 86, 1229, 596));
    }

    void Antwort_zeigt_verdecktes_Bild_und_gestaltet_Box()
    {
        antworten(2, "r");
        QVERIFY(!Seite->Image1->isHidden());
        for (int d = 1; d <= 3; ++d)
            QVERIFY(Zeile_sichtbar(d));
        QTextEdit *Box = Seite->RichEdit_Sterne_2;
        QCOMPARE(Grundfarbe(Box), Farbe_Grau);
        QCOMPARE(QColor_zu_Farbe(Box->palette().color(QPalette::Text)), Farbe_Lime);
        QCOMPARE(Box->font().pixelSize(), 96);
        QVERIFY(Box->font().bold());
        QCOMPARE(Seite->Panel_Sterne_2->Caption(), Sterne_Ueberschrift_mit_Stand(Stand.Sterne, 2));
        QCOMPARE(Seite->Panel_Sterne_1->Caption(), Sterne_Ueberschrift(1));
    }

    void Drei_Smileys_leicht_geben_Bild_frei()
    {
        antworten(1, "rfrrrrfrr");
        const QChar Zeichen =
            Smily_Darstellung(Stand.Sterne, Schriftart_vorhanden(QStringLiteral("Wingdings"))).Zeichen;
        QCOMPARE(Seite->RichEdit_Sterne_1->toPlainText(), QString(3, Zeichen));
        QVERIFY(Seite->RichEdit_Sterne_2->toPlainText().isEmpty());
        QVERIFY(!Zeile_sichtbar(1));
        QVERIFY(Zeile_sichtbar(2) && Zeile_sichtbar(3));
        QVERIFY(!Seite->Image1->isHidden());
        // The rows below move up; the picture's lowest 177 rows show.
        QVERIFY(QTest::qWaitFor([this] { return Seite->Panel_Sterne_2->geometry().top() == 75; }));
        QCOMPARE(Seite->RichEdit_Sterne_3->geometry().bottom() + 1, 505);
        QCOMPARE(Seite->Image1->geometry().bottom() + 1 - 505, 177);

        Bild_waehlen(1);
        for (int d = 1; d <= 3; ++d)
            QVERIFY(Zeile_sichtbar(d));
        QVERIFY(Seite->Image1->isHidden());
        QCOMPARE(int(Stand.Sterne.Anzahl_Smily[0]), 3);

        Bild_waehlen(0);
        QVERIFY(!Zeile_sichtbar(1));
        QVERIFY(Zeile_sichtbar(2) && Zeile_sichtbar(3));
        QVERIFY(!Seite->Image1->isHidden());
    }

    void Klick_zwischen_Antworten_bringt_nichts()
    {
        antworten(1, "rr");
        Bild_waehlen(1);
        Bild_waehlen(0);
        QCOMPARE(int(Stand.Sterne.Anzahl_Smily[0]), 0);
        QVERIFY(Seite->RichEdit_Sterne_1->toPlainText().isEmpty());
        QVERIFY(Seite->Panel_Sterne_1->Caption().endsWith(QStringLiteral(": 0 / 2")));
        antworten(1, "r");
        QCOMPARE(Seite->RichEdit_Sterne_1->toPlainText().size(), 1);
    }

    void Ersatzschrift_hat_das_Zeichen()
    {
        const QFont F = Schrift(Smily_Ersatzschrift, 96, true);
        QCOMPARE(QFontInfo(F).family(), Smily_Ersatzschrift);
        QVERIFY(QFontMetrics(F).inFont(Smily_Ersatzzeichen));
    }

    void Bild_ist_eingebettet_und_lesbar()
    {
        QImageReader Leser(Bild_Ressource);
        QCOMPARE(Leser.format(), QByteArray("jpeg"));
        const QImage Bild = Leser.read();
        QVERIFY2(!Bild.isNull(), qPrintable(Leser.errorString()));
        QCOMPARE(Bild.size(), QSize(818, 603));
        QVERIFY(!Bild.hasAlphaChannel());
        QVERIFY(!Seite->Image1->pixmap().isNull());
    }
};

QTEST_MAIN(Test_Sterne_Seite)
#include "test_sterne_seite.moc"
