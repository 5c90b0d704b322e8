#include "core/Textdatei.h"

#include <QFile>
#include <QTemporaryDir>
#include <QTest>

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
        QCOMPARE(Datei.readAll(), QByteArray(" \xDC" "bungssequenz: gel\xF6" "st\r\n\r\n"));
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

    void Nicht_beschreibbarer_Ordner_meldet_Grund()
    {
        const QString Grund = Textdatei_schreiben(QStringLiteral("/proc/tarvo/nicht_da.txt"), {QStringLiteral("x")});
        QVERIFY(!Grund.isEmpty());
    }
};

QTEST_APPLESS_MAIN(Test_Textdatei)
#include "test_textdatei.moc"
