#include "core/Ausgabe_Vorgaben.h"
#include "core/Druck_Texte.h"
#include "core/Speicher_Dateityp.h"

#include <QDir>
#include <QTemporaryDir>
#include <QTest>

// Where the save dialog starts: the program's folder only for a portable
// copy the user may write to, never a system folder (root may write
// /usr/bin), else the documents folder, else home.
class Test_Speicher_Ordner : public QObject
{
    Q_OBJECT
private slots:
    void Vorschlag()
    {
        QTemporaryDir Programm, Home;
        const QString Dokumente = QDir(Home.path()).filePath(QStringLiteral("Dokumente"));
        const QString Fehlt = QDir(Home.path()).filePath(QStringLiteral("fehlt"));
        QVERIFY(QDir().mkpath(Dokumente));

        QCOMPARE(Speicher_Ordner_waehlen(Programm.path(), Dokumente, Home.path()), Programm.path());
        QCOMPARE(Speicher_Ordner_waehlen(QStringLiteral("/usr/bin"), Dokumente, Home.path()), Dokumente);
        QCOMPARE(Speicher_Ordner_waehlen(QStringLiteral("/bin"), Dokumente, Home.path()), Dokumente);
        QCOMPARE(Speicher_Ordner_waehlen(Fehlt, Dokumente, Home.path()), Dokumente);
        QCOMPARE(Speicher_Ordner_waehlen(QStringLiteral("/usr/bin"), Fehlt, Home.path()), Home.path());
        QCOMPARE(Speicher_Ordner_waehlen(QStringLiteral("/usr/bin"), QString(), Home.path()), Home.path());
    }

    // A typed extension wins over the chosen file type. Only where no printer
    // can be reached is the PDF file shown as the way on.
    void Dateityp_und_Ausweg_ohne_Drucker()
    {
        const QString Text = Dateityp_Filter(TDateityp::Textdatei), PDF = Dateityp_Filter(TDateityp::PDF_Dokument);
        QCOMPARE(Dateityp_zum_Speichern(QStringLiteral("/a/b.PDF"), Text), TDateityp::PDF_Dokument);
        QCOMPARE(Dateityp_zum_Speichern(QStringLiteral("/a/b.txt"), PDF), TDateityp::Textdatei);
        for (TDruck_Fehlerart Art : {TDruck_Fehlerart::keine_Druckdatei, TDruck_Fehlerart::kein_Standarddrucker,
                                     TDruck_Fehlerart::Dienst_nicht_erreichbar, TDruck_Fehlerart::Drucker_lehnt_ab})
            QCOMPARE(
                Druckfehler_Text(Art, QString(), QString(), QStringLiteral("x")).endsWith(PDF + QStringLiteral("\".")),
                Art == TDruck_Fehlerart::kein_Standarddrucker || Art == TDruck_Fehlerart::Dienst_nicht_erreichbar);
    }
};

QTEST_APPLESS_MAIN(Test_Speicher_Ordner)
#include "test_speicher_ordner.moc"
