#include "core/Speicherfehler.h"
#include "core/Textdatei.h"
#include "tests/support/Kleiner_Datentraeger.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <QTest>

#include <cerrno>
#include <cstring>

namespace {
QByteArray Datei_lesen(const QString &Pfad)
{
    QFile Datei(Pfad);
    return Datei.open(QIODevice::ReadOnly) ? Datei.readAll() : QByteArray();
}

// No temporary file may be left behind next to the saved ones.
QStringList Ordner_Eintraege(const QString &Ordner)
{
    return QDir(Ordner).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot, QDir::Name);
}
}

class Test_Textdatei : public QObject
{
    Q_OBJECT
private slots:
    void Windows_1252_mit_CR_LF()
    {
        QTemporaryDir Ordner;
        const QString Pfad = Ordner.filePath(QStringLiteral("a.txt"));
        QCOMPARE(Textdatei_schreiben(Pfad, {QStringLiteral(" Übungssequenz: gelöst"), QString()}), QString());
        QFile Datei(Pfad);
        QVERIFY(Datei.open(QIODevice::ReadOnly));
        QCOMPARE(Datei.readAll(),
                 QByteArray(" \xDC"
                            "bungssequenz: gel\xF6"
                            "st\r\n\r\n"));
    }

    void Nicht_darstellbares_Zeichen_schreibt_nichts()
    {
        QTemporaryDir Ordner;
        const QString Pfad = Ordner.filePath(QStringLiteral("b.txt"));
        QCOMPARE(Textdatei_schreiben(Pfad, {QStringLiteral("alt")}), QString());
        QVERIFY(!Textdatei_schreiben(Pfad, {QString::fromUtf8("\u0416")}).isEmpty());
        QFile Datei(Pfad);
        QVERIFY(Datei.open(QIODevice::ReadOnly));
        QCOMPARE(Datei.readAll(), QByteArray("alt\r\n"));
    }

    // Each failure a pupil can meet, produced by a real write: the reason is
    // the program's German text and an old file keeps every byte.
    void Echte_Fehlschlaege_mit_deutschem_Grund()
    {
        QTemporaryDir Ordner;
        const QString Alt_Pfad = Ordner.filePath(QStringLiteral("alt.txt"));
        QCOMPARE(Textdatei_schreiben(Alt_Pfad, {QStringLiteral("alt")}), QString());

        QCOMPARE(Textdatei_schreiben(Ordner.filePath(QStringLiteral("fehlt/a.txt")), {QStringLiteral("x")}),
                 Speicherfehler_Grund(ENOENT));
        QVERIFY(!QFileInfo::exists(Ordner.filePath(QStringLiteral("fehlt"))));
        QCOMPARE(Textdatei_schreiben(Ordner.filePath(QString(300, u'n')), {QStringLiteral("x")}),
                 Speicherfehler_Grund(ENAMETOOLONG));
        QCOMPARE(Textdatei_schreiben(Ordner.path(), {QStringLiteral("x")}), Speicherfehler_Grund(EISDIR));

        QVERIFY(QFile::setPermissions(Alt_Pfad, QFileDevice::ReadOwner | QFileDevice::ReadGroup));
        QCOMPARE(Textdatei_schreiben(Alt_Pfad, {QStringLiteral("neu")}),
                 QStringLiteral("Die vorhandene Datei ist schreibgeschützt."));
        QCOMPARE(Datei_lesen(Alt_Pfad), QByteArray("alt\r\n"));
        QVERIFY(QFile::setPermissions(Alt_Pfad, QFileDevice::ReadOwner | QFileDevice::WriteOwner));
        QCOMPARE(Ordner_Eintraege(Ordner.path()), QStringList{QStringLiteral("alt.txt")});
    }

    void Schreibgeschuetzter_Ordner()
    {
        QTemporaryDir Ordner;
        const QString Pfad = Ordner.filePath(QStringLiteral("alt.txt"));
        QCOMPARE(Textdatei_schreiben(Pfad, {QStringLiteral("alt")}), QString());
        TSchreibgeschuetzter_Ordner Schutz(Ordner.path());
        if (!Schutz.schreibgeschuetzt)
            QSKIP("mounting is not allowed here (needs root): no read-only folder");
        QCOMPARE(Textdatei_schreiben(Pfad, {QStringLiteral("neu")}),
                 QStringLiteral("Sie dürfen in diesem Ordner nicht speichern."));
        QCOMPARE(Datei_lesen(Pfad), QByteArray("alt\r\n"));
    }

    // Below Qt's 16 KB buffer the bytes reach the disk only in the flush, which
    // QSaveFile::commit() does not check; above it the write itself fails.
    void Voller_Datentraeger_laesst_alte_Datei_stehen()
    {
        TKleiner_Datentraeger Platte(16 * 1024);
        if (!Platte.eingehaengt)
            QSKIP("mounting is not allowed here (needs root): no small file system");
        const QString Pfad = Platte.Pfad(QStringLiteral("Protokoll_zum_Tarvo.txt"));
        QCOMPARE(Textdatei_schreiben(Pfad, {QStringLiteral("alt")}), QString());
        const QString Voll = QStringLiteral("Auf dem Datenträger ist nicht mehr genug Platz frei.");

        const QStringList Gross(500, QString(60, u'='));
        QCOMPARE(Textdatei_schreiben(Pfad, Gross), Voll);
        QCOMPARE(Datei_lesen(Pfad), QByteArray("alt\r\n"));
        Platte.Fuellen();
        QCOMPARE(Textdatei_schreiben(Pfad, {QStringLiteral("neu")}), Voll);
        QCOMPARE(Datei_lesen(Pfad), QByteArray("alt\r\n"));
        QCOMPARE(Ordner_Eintraege(Platte.Ordner.path()),
                 (QStringList{QStringLiteral("Fueller"), QStringLiteral("Protokoll_zum_Tarvo.txt")}));

        Platte.Leeren();
        QCOMPARE(Textdatei_schreiben(Pfad, {QStringLiteral("neu")}), QString());
        QCOMPARE(Datei_lesen(Pfad), QByteArray("neu\r\n"));
    }

    // No English system text reaches the user; unknown errors carry their code.
    void Gruende_ohne_Systemtext()
    {
        for (int Code = 1; Code < 134; ++Code) {
            const QString Grund = Speicherfehler_Grund(Code);
            QVERIFY2(!Grund.contains(QString::fromLocal8Bit(std::strerror(Code)), Qt::CaseInsensitive),
                     qPrintable(Grund));
            QVERIFY(Grund.endsWith(u'.'));
        }
        QVERIFY(Speicherfehler_Grund(EIO).contains(QStringLiteral("(Systemfehler %1)").arg(EIO)));
    }
};

QTEST_APPLESS_MAIN(Test_Textdatei)
#include "test_textdatei.moc"
