#include "tests/support/Dialog_Hilfen.h"
#include "tests/support/PDF_Pruefung.h"

#include "app/TTarvo_Anwendung.h"
#include "core/Druck_Texte.h"
#include "evaluation/Protokoll_Ausgabe_Texte.h"
#include "evaluation/Protokoll_Kopfzeilen.h"
#include "evaluation/TProtokoll_Statistik_Ausgabe.h"

#include <QElapsedTimer>
#include <QStandardPaths>
#include <csignal>

// Printing against a print service of the test's own (its own cupsd with its
// own configuration folder and socket, reached through CUPS_SERVER), so the
// machine's spooler is never touched: every way the spooler can fail is
// reported in its own words within the time limit, and the next print works
// once the printer is back.
class Test_Druckdienst : public QObject
{
    Q_OBJECT

    static constexpr qint64 Zeitgrenze_ms = 10000;
    QTemporaryDir Ordner;
    QString Sockel;
    QProcess Dienst;
    QWidget Seite;
    QStringList Protokoll;
    TProtokoll_Statistik_Ausgabe *Ausgabe =
        new TProtokoll_Statistik_Ausgabe([this] { return Protokoll; }, [] { return QStringList(); }, 13, &Seite);

    QString Pfad(const QString &Name) const { return Ordner.filePath(Name); }

    // A CUPS tool on the test's service, answering in English whatever the
    // program's own locale.
    bool Werkzeug(const QString &Programm, const QStringList &Argumente, QString *Ausgabe = nullptr)
    {
        QProcess P;
        QProcessEnvironment Umgebung = QProcessEnvironment::systemEnvironment();
        Umgebung.insert(QStringLiteral("LC_ALL"), QStringLiteral("C"));
        P.setProcessEnvironment(Umgebung);
        P.start(Programm, QStringList{QStringLiteral("-h"), Sockel} + Argumente);
        const bool fertig = P.waitForFinished(10000);
        if (Ausgabe)
            *Ausgabe = QString::fromLocal8Bit(P.readAllStandardOutput());
        return fertig && P.exitCode() == 0;
    }

    bool Verwalten(const QString &Programm, const QStringList &Argumente) { return Werkzeug(Programm, Argumente); }

    QString Abfrage(const QStringList &Argumente)
    {
        QString Ausgabe;
        Werkzeug(QStringLiteral("lpstat"), Argumente, &Ausgabe);
        return Ausgabe;
    }

    bool Dienst_starten()
    {
        Dienst.start(QStringLiteral("/usr/sbin/cupsd"),
                     {QStringLiteral("-f"), QStringLiteral("-c"), Pfad(QStringLiteral("cupsd.conf")),
                      QStringLiteral("-s"), Pfad(QStringLiteral("cups-files.conf"))});
        return QTest::qWaitFor([&] { return Abfrage({QStringLiteral("-r")}).contains(QStringLiteral("is running")); },
                               10000);
    }

    bool Drucker_einrichten()
    {
        return Verwalten(QStringLiteral("lpadmin"),
                         {QStringLiteral("-p"), QStringLiteral("Tarvo_Test"), QStringLiteral("-E"),
                          QStringLiteral("-v"), QStringLiteral("file:///dev/null"), QStringLiteral("-m"),
                          QStringLiteral("raw")})
            && Verwalten(QStringLiteral("lpadmin"), {QStringLiteral("-d"), QStringLiteral("Tarvo_Test")});
    }

    int Fertige_Auftraege()
    {
        return int(Abfrage({QStringLiteral("-W"), QStringLiteral("completed"), QStringLiteral("-o")}).count(u'\n'));
    }

    // Prints the protocol as the page's button does; returns the error report's
    // text, empty when none was shown.
    QString Drucken(qint64 *Dauer = nullptr)
    {
        QString Meldung;
        QTimer Schliesser;
        connect(&Schliesser, &QTimer::timeout, [&] {
            if (auto *Box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget())) {
                Meldung = Box->text();
                Box->accept();
            }
        });
        Schliesser.start(10);
        QElapsedTimer Uhr;
        Uhr.start();
        Ausgabe->Button_Protokoll_druckenClick();
        if (Dauer)
            *Dauer = Uhr.elapsed();
        return Meldung;
    }

    QString Meldung(TDruck_Fehlerart Art, const QString &Drucker = QString())
    {
        return Druckfehler_Text(Art, Auftrag_Protokoll, Drucker, QString());
    }

    // The message within the time limit, then a print that works once the printer is back.
    void Fehler_und_Erholung(TDruck_Fehlerart Art, const QString &Drucker, const std::function<bool()> &Zurueck)
    {
        qint64 Dauer = 0;
        const QString Text = Drucken(&Dauer);
        // The spooler's reason may stand between the message and the way to a PDF file.
        QVERIFY2(Text.startsWith(Meldung(Art, Drucker).section(QStringLiteral("\n\n"), 0, 1)), qPrintable(Text));
        QVERIFY2(Dauer < Zeitgrenze_ms, qPrintable(QString::number(Dauer)));
        QVERIFY(Zurueck());
        const int Fertig = Fertige_Auftraege();
        QCOMPARE(Drucken(), QString());
        QVERIFY(QTest::qWaitFor([&] { return Fertige_Auftraege() > Fertig; }, 20000));
    }

private slots:
    void initTestCase()
    {
        if (getuid() != 0 || !QFileInfo::exists(QStringLiteral("/usr/sbin/cupsd"))
            || QStandardPaths::findExecutable(QStringLiteral("lpadmin")).isEmpty())
            QSKIP("needs root and CUPS (scripts/drucker_einrichten.sh installs it)");
        Sockel = Pfad(QStringLiteral("cups.sock"));
        qputenv("CUPS_SERVER", Sockel.toLocal8Bit());
        // The scheduler's filters run as lp and must reach the folder.
        QFile::setPermissions(Ordner.path(),
                              QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner
                                  | QFileDevice::ReadOther | QFileDevice::ExeOther | QFileDevice::ReadGroup
                                  | QFileDevice::ExeGroup);
        for (const char *Name : {"spool", "cache", "state", "tmp", "log"})
            QVERIFY(QDir(Ordner.path()).mkdir(QString::fromLatin1(Name)));
        QFile Konfiguration(Pfad(QStringLiteral("cupsd.conf")));
        QVERIFY(Konfiguration.open(QIODevice::WriteOnly));
        Konfiguration.write(QStringLiteral("Listen %1\nLogLevel warn\nBrowsing No\nWebInterface No\n"
                                           "DirtyCleanInterval 0\nPreserveJobFiles Yes\nDefaultAuthType None\n"
                                           "<Location />\n Order allow,deny\n Allow all\n</Location>\n"
                                           "<Policy default>\n <Limit All>\n  Order deny,allow\n </Limit>\n</Policy>\n")
                                .arg(Sockel)
                                .toUtf8());
        Konfiguration.close();
        QFile Dateien(Pfad(QStringLiteral("cups-files.conf")));
        QVERIFY(Dateien.open(QIODevice::WriteOnly));
        Dateien.write(QStringLiteral("ServerRoot %1\nRequestRoot %1/spool\nCacheDir %1/cache\nStateDir %1/state\n"
                                     "TempDir %1/tmp\nAccessLog %1/log/access_log\nErrorLog %1/log/error_log\n"
                                     "PageLog %1/log/page_log\nFileDevice Yes\n")
                          .arg(Ordner.path())
                          .toUtf8());
        Dateien.close();
        QVERIFY(Dienst_starten());
        QVERIFY(Drucker_einrichten());
        Protokoll = Protokoll_Kopfzeilen()
            + QStringList(30, QStringLiteral("  1 | Addition       | leicht |  (+4) + (-8) = -4          | richtig"));
    }

    void cleanupTestCase()
    {
        if (Dienst.state() == QProcess::NotRunning)
            return;
        ::kill(pid_t(Dienst.processId()), SIGCONT);
        Dienst.terminate();
        if (!Dienst.waitForFinished(10000)) {
            Dienst.kill();
            Dienst.waitForFinished(10000);
        }
    }

    void Der_Auftrag_kommt_lesbar_auf_Papier()
    {
        const int Fertig = Fertige_Auftraege();
        qint64 Dauer = 0;
        QCOMPARE(Drucken(&Dauer), QString());
        QVERIFY(Dauer < Zeitgrenze_ms);
        QVERIFY(QTest::qWaitFor([&] { return Fertige_Auftraege() > Fertig; }, 20000));
        // The job carries its title (the spooler keeps its attributes).
        QVERIFY(Datei_lesen(Pfad(QStringLiteral("spool/c00001"))).contains(Auftrag_Protokoll.toUtf8()));
        // The spooled job rendered: text across the page, not a block in a corner.
        const TTinte Tinte = Tinte_der_Seite(Pfad(QStringLiteral("spool/d00001-001")), 1);
        QVERIFY2(Tinte.Umriss_mm.width() > 100 && Tinte.Umriss_mm.height() > 100,
                 qPrintable(QStringLiteral("%1 x %2 mm").arg(Tinte.Umriss_mm.width()).arg(Tinte.Umriss_mm.height())));
        QVERIFY(Tinte.Anteil > 0.01);
    }

    void Angehaltener_Drucker_nimmt_den_Auftrag_an()
    {
        QVERIFY(Verwalten(QStringLiteral("cupsdisable"), {QStringLiteral("Tarvo_Test")}));
        const int Fertig = Fertige_Auftraege();
        QCOMPARE(Drucken(), QString());
        QVERIFY(Abfrage({QStringLiteral("-o")}).contains(QStringLiteral("Tarvo_Test-")));
        QVERIFY(Verwalten(QStringLiteral("cupsenable"), {QStringLiteral("Tarvo_Test")}));
        QVERIFY(QTest::qWaitFor([&] { return Fertige_Auftraege() > Fertig; }, 20000));
    }

    void Drucker_weist_Auftraege_ab()
    {
        QVERIFY(Verwalten(QStringLiteral("cupsreject"), {QStringLiteral("Tarvo_Test")}));
        Fehler_und_Erholung(TDruck_Fehlerart::Drucker_lehnt_ab, QStringLiteral("Tarvo_Test"),
                            [&] { return Verwalten(QStringLiteral("cupsaccept"), {QStringLiteral("Tarvo_Test")}); });
    }

    void Standarddrucker_geloescht()
    {
        QVERIFY(Verwalten(QStringLiteral("lpadmin"), {QStringLiteral("-x"), QStringLiteral("Tarvo_Test")}));
        Fehler_und_Erholung(TDruck_Fehlerart::kein_Standarddrucker, QString(), [&] { return Drucker_einrichten(); });
    }

    void Druckdienst_eingefroren()
    {
        QVERIFY(::kill(pid_t(Dienst.processId()), SIGSTOP) == 0);
        Fehler_und_Erholung(TDruck_Fehlerart::Dienst_nicht_erreichbar, QString(),
                            [&] { return ::kill(pid_t(Dienst.processId()), SIGCONT) == 0; });
    }

    void Druckdienst_beendet()
    {
        Dienst.terminate();
        QVERIFY(Dienst.waitForFinished(10000));
        Fehler_und_Erholung(TDruck_Fehlerart::Dienst_nicht_erreichbar, QString(), [&] { return Dienst_starten(); });
    }
};

int main(int argc, char **argv)
{
    // Only the service of the test names the default printer.
    qunsetenv("PRINTER");
    qunsetenv("LPDEST");
    TTarvo_Anwendung Anwendung(argc, argv);
    Test_Druckdienst Test;
    QTEST_SET_MAIN_SOURCE_PATH
    return QTest::qExec(&Test, argc, argv);
}
#include "test_druckdienst.moc"
