#include "tests/support/Dialog_Hilfen.h"
#include "tests/support/PDF_Pruefung.h"

#include "app/TF_Haupt.h"
#include "app/TFrame_RTF_Text_mit_drucken_Laden1.h"
#include "core/Druck_Texte.h"
#include "core/widgets/Box_als_PDF.h"
#include "core/widgets/Text_speichern.h"
#include "core/Zahlentexte.h"
#include "evaluation/Protokoll_Ausgabe_Texte.h"
#include "evaluation/TF_Auswertung.h"
#include "evaluation/TProtokoll_Statistik_Ausgabe.h"
#include "exercises/TFrame_Tarvo_Uebungen.h"

#include <QComboBox>
#include <QLineEdit>
#include <QTemporaryDir>
#include <QTest>
#include <QTextEdit>
#include <algorithm>
#include <cmath>
#include <memory>

// What the print jobs put on paper, read back from the PDF every job sends:
// each line of the box in order with its blanks, at a readable size, inside
// the printable area, over as many pages as it needs.
using namespace Qt::StringLiterals;

class Test_Druckbild : public QObject
{
    Q_OBJECT

    static constexpr double Rand = 20.0 / 25.4 * 72; // 2 cm in points
    std::unique_ptr<TF_Haupt> Fenster;
    QTemporaryDir Ordner;

    void antworten(int Anzahl)
    {
        TFrame_Tarvo_Uebungen *U = Fenster->Frame_Tarvo_Uebungen1;
        for (int i = 0; i < Anzahl; ++i) {
            const std::int32_t Ergebnis = U->Aufgabe().Ergebnis;
            U->MaskEdit_Schuelerloesung->setText(Integer_zu_Text(i % 4 == 1 ? Ergebnis + 1 : Ergebnis));
            QTest::keyClick(U->MaskEdit_Schuelerloesung, Qt::Key_Return);
        }
    }

    struct TZeile
    {
        double y;
        QList<TPDF_Wort> Woerter;
    };

    static QList<TZeile> Zeilen_der_Seite(const TPDF_Seite &Seite)
    {
        QList<TPDF_Wort> Woerter = Seite.Woerter;
        std::sort(Woerter.begin(), Woerter.end(), [](const TPDF_Wort &a, const TPDF_Wort &b) {
            return std::abs(a.Umriss.top() - b.Umriss.top()) > 0.5 ? a.Umriss.top() < b.Umriss.top()
                                                                   : a.Umriss.left() < b.Umriss.left();
        });
        QList<TZeile> Zeilen;
        for (const TPDF_Wort &W : Woerter) {
            if (Zeilen.isEmpty() || std::abs(Zeilen.last().y - W.Umriss.top()) > 0.5)
                Zeilen.append(TZeile{W.Umriss.top(), {}});
            Zeilen.last().Woerter.append(W);
        }
        return Zeilen;
    }

    // The line as typed: each word at the column its position on paper gives.
    static QString Zeile_setzen(const TZeile &Z, double Zeichenbreite)
    {
        QString Text;
        for (const TPDF_Wort &W : Z.Woerter) {
            const int Spalte = int(std::lround((W.Umriss.left() - Rand) / Zeichenbreite));
            Text =
                Text.leftJustified(std::max<int>(Spalte, int(Text.size()) + (Text.isEmpty() ? 0 : 1)), u' ') + W.Text;
        }
        return Text;
    }

    // Prints the text into a PDF through the print jobs' own document and compares.
    void Pruefen(const TAusgabe_Text &Text, const QString &Name, double kleinster_Abstand_mm)
    {
        const QString Pfad = Ordner.filePath(Name + QStringLiteral(".pdf"));
        const int Seitenzahl = Box_als_PDF_schreiben(Text, Name, Pfad);
        QVERIFY(Seitenzahl > 0);
        const QList<TPDF_Seite> Seiten = PDF_Seiten_lesen(Pfad);
        QCOMPARE(Seiten.size(), Seitenzahl);

        QStringList Erwartet = Text.Zeilen;
        for (QString &Z : Erwartet)
            while (Z.endsWith(u' '))
                Z.chop(1);
        QVERIFY2(!Erwartet.first().isEmpty(), "the first line anchors the line grid");

        QList<QList<TZeile>> Zeilen;
        double Abstand = 1e9, Zeichenbreite = 0;
        for (const TPDF_Seite &S : Seiten) {
            Zeilen.append(Zeilen_der_Seite(S));
            for (qsizetype i = 1; i < Zeilen.last().size(); ++i)
                Abstand = std::min(Abstand, Zeilen.last()[i].y - Zeilen.last()[i - 1].y);
            for (const TPDF_Wort &W : S.Woerter) {
                if (W.Text.size() >= 3)
                    Zeichenbreite = std::max(Zeichenbreite, W.Umriss.width() / W.Text.size());
                // Nothing outside the printable area.
                QVERIFY2(W.Umriss.left() > Rand - 1 && W.Umriss.right() < S.Breite - Rand + 1
                             && W.Umriss.top() > Rand - 1 && W.Umriss.bottom() < S.Hoehe - Rand + 1,
                         qPrintable(W.Text));
            }
        }
        const double Abstand_mm = Abstand * 25.4 / 72;
        QVERIFY2(Abstand_mm >= kleinster_Abstand_mm && Abstand_mm <= 6.0, qPrintable(QString::number(Abstand_mm)));

        // Full pages hold the lines that fit above the two foot lines.
        const int je_Seite = int(std::floor((Seiten.first().Hoehe - 2 * Rand) / Abstand + 0.01)) - 2;
        QCOMPARE(Seitenzahl, std::max(1, int((Erwartet.size() + je_Seite - 1) / je_Seite)));

        const double y0 = Zeilen.first().first().y;
        QStringList Gedruckt(Erwartet.size());
        for (int s = 0; s < Zeilen.size(); ++s) {
            for (const TZeile &Z : Zeilen[s]) {
                const QString Text = Zeile_setzen(Z, Zeichenbreite);
                if (Seitenzahl > 1 && Text.trimmed() == Seitennummer_Text(s + 1, Seitenzahl))
                    continue;
                const double Stelle = (Z.y - y0) / Abstand;
                const long Nr = std::lround(Stelle);
                QVERIFY2(std::abs(Stelle - Nr) < 0.1 && Nr >= 0 && Nr < je_Seite, qPrintable(Text));
                const qsizetype i = qsizetype(s) * je_Seite + Nr;
                QVERIFY2(i < Gedruckt.size() && Gedruckt[i].isEmpty(), qPrintable(Text));
                Gedruckt[i] = Text;
            }
        }
        QCOMPARE(Gedruckt, Erwartet);
    }

    // Page numbers and breaks, trailing blanks and the indent all lines share aside.
    static QStringList Zeilen_ohne_Rand(QString Text)
    {
        static const QRegularExpression Seitenzahl(QStringLiteral("\\n *Seite \\d+ von \\d+\\n")),
            Rechts(QStringLiteral(" +$|\\s+\\z"), QRegularExpression::MultilineOption);
        QStringList Zeilen = Text.replace(Seitenzahl, QStringLiteral("\n")).remove(u'\f').remove(Rechts).split(u'\n');
        qsizetype Einzug = 1000;
        for (const QString &Z : Zeilen)
            if (!Z.isEmpty())
                Einzug = std::min(Einzug, Z.size() - Z.trimmed().size());
        for (QString &Z : Zeilen)
            Z.remove(0, Einzug);
        return Zeilen;
    }

private slots:
    void initTestCase()
    {
        Fenster = std::make_unique<TF_Haupt>();
        Fenster->Dialoge_erzeugen();
        Fenster->show();
        QVERIFY(QTest::qWaitForWindowExposed(Fenster.get()));
        antworten(25);
    }

    void Protokoll_und_Statistik()
    {
        TF_Auswertung *A = Fenster->Frame_Tarvo_Uebungen1->F_Auswertung2;
        const TAusgabe_Text Protokoll = Ausgabe_Text_der_Box(A->RichEdit1);
        const TAusgabe_Text Statistik = Ausgabe_Text_der_Box(A->RichEdit2);
        Pruefen(Protokoll, QStringLiteral("Protokoll"), 3.0);
        Pruefen(Statistik, QStringLiteral("Statistik"), 3.0);
        Pruefen({Protokoll_und_Statistik_zusammenfuegen(Protokoll.Zeilen, Statistik.Zeilen), Protokoll.Pixelhoehe},
                QStringLiteral("Protokoll_und_Statistik"), 3.0);
    }

    void Informationsdokument()
    {
        // Its widest line does not fit at 12 pt: the whole text is set smaller.
        Pruefen(Ausgabe_Text_der_Box(Fenster->Frame_RTF_Text_mit_drucken_Laden11->RichEdit1),
                QStringLiteral("Informationen"), 2.5);
    }

    // Saved as PDF through the save dialog: the printout's pages (same words
    // in the same boxes on A4, same title) with the text file's lines.
    void Als_PDF_gespeichert_wie_gedruckt()
    {
        TF_Auswertung *A = Fenster->Frame_Tarvo_Uebungen1->F_Auswertung2;
        TFrame_RTF_Text_mit_drucken_Laden *Dokument = Fenster->Frame_RTF_Text_mit_drucken_Laden11;
        struct TFall
        {
            TAusgabe_Text Text;
            QString Titel, Name;
            std::function<void()> Speichern;
        };
        const TAusgabe_Text Protokoll = Ausgabe_Text_der_Box(A->RichEdit1);
        const TAusgabe_Text Statistik = Ausgabe_Text_der_Box(A->RichEdit2);
        const TAusgabe_Text Beide{Protokoll_und_Statistik_zusammenfuegen(Protokoll.Zeilen, Statistik.Zeilen),
                                  Protokoll.Pixelhoehe};
        for (const TFall &F : QList<TFall>{
                 {Protokoll, Auftrag_Protokoll, Datei_Protokoll, [A] { A->Ausgabe->Protokoll_speichern(); }},
                 {Statistik, Auftrag_Statistik, Datei_Statistik, [A] { A->Ausgabe->Statistik_speichern(); }},
                 {Beide, Auftrag_Protokoll_und_Statistik, Datei_Protokoll_und_Statistik,
                  [A] { A->Ausgabe->Protokoll_und_Statistik_speichern(); }},
                 {Ausgabe_Text_der_Box(Dokument->RichEdit1), QStringLiteral("Ausdruck : Informationen_zum_Tarvo"),
                  QStringLiteral("Informationen_zum_Tarvo"), [Dokument] { Dokument->Action_Text_laden->trigger(); }}}) {
            QString Vorschlag;
            Beim_naechsten_Dialog([&](QWidget *D) {
                qobject_cast<QFileDialog *>(D)->setDirectory(Ordner.path());
                QTest::keyClick(D->findChild<QComboBox *>(QStringLiteral("fileTypeCombo")), Qt::Key_Down);
                Vorschlag = D->findChild<QLineEdit *>(QStringLiteral("fileNameEdit"))->text();
                static_cast<QDialog *>(D)->accept();
            });
            F.Speichern();
            const QString PDF = Ordner.filePath(F.Name + QStringLiteral(".pdf")), Druck = Ordner.filePath(u"d.pdf"_s);
            QCOMPARE(Vorschlag, QFileInfo(PDF).fileName());
            QVERIFY(Box_als_PDF_schreiben(F.Text, F.Titel, Druck) > 0);
            const QString Woerter = Befehl(u"pdftotext"_s, {u"-bbox-layout"_s, PDF, u"-"_s});
            QVERIFY(Woerter.contains(u"<title>%1</title>"_s.arg(F.Titel)));
            QCOMPARE(Woerter.count(u"<page "_s), Woerter.count(u"<page width=\"595.000000\" height=\"842.000000\">"_s));
            QCOMPARE(Woerter.section(u"<doc>"_s, 1),
                     Befehl(u"pdftotext"_s, {u"-bbox-layout"_s, Druck, u"-"_s}).section(u"<doc>"_s, 1));
            // At the text's own pitch (its first word is long) pdftotext keeps every column.
            const TPDF_Wort Erstes = PDF_Seiten_lesen(PDF).first().Woerter.first();
            const double Teilung = Erstes.Umriss.width() / Erstes.Text.size();
            const QString Layout =
                Befehl(u"pdftotext"_s, {u"-layout"_s, u"-fixed"_s, QString::number(Teilung), PDF, u"-"_s});
            QCOMPARE(Zeilen_ohne_Rand(Layout), Zeilen_ohne_Rand(F.Text.Zeilen.join(u'\n')));
        }
    }

    void Protokoll_einer_langen_Stunde()
    {
        antworten(3000);
        Pruefen(Ausgabe_Text_der_Box(Fenster->Frame_Tarvo_Uebungen1->F_Auswertung2->RichEdit1),
                QStringLiteral("Lange_Stunde"), 3.0);
    }
};

QTEST_MAIN(Test_Druckbild)
#include "test_druckbild.moc"
