#include "core/Zahlentexte.h"

#include <QLocale>
#include <QTest>

class Test_Zahlentexte : public QObject
{
    Q_OBJECT
private slots:
    void Leerzeichen_sind_50_Blanks()
    {
        QCOMPARE(Leerzeichen.size(), 50);
        QCOMPARE(Leerzeichen.count(u' '), 50);
    }

    void Ganzzahltexte()
    {
        QCOMPARE(Byte_zu_Text(0), QStringLiteral("0"));
        QCOMPARE(Byte_zu_Text(255), QStringLiteral("255"));
        QCOMPARE(Integer_zu_Text(-2147483647 - 1), QStringLiteral("-2147483648"));
        QCOMPARE(Integer_zu_Text(2147483647), QStringLiteral("2147483647"));
        QCOMPARE(Integer_zu_Text(0), QStringLiteral("0"));
    }

    void Realtexte_data()
    {
        QTest::addColumn<double>("Wert");
        QTest::addColumn<QString>("Text");
        QTest::newRow("halb") << 0.5 << QStringLiteral("0.50");
        QTest::newRow("fuenf Zeichen") << 12.5 << QStringLiteral("12.50");
        QTest::newRow("negativ") << -1.5 << QStringLiteral("-1.50");
        QTest::newRow("null") << 0.0 << QStringLiteral("0.00");
        QTest::newRow("hundert") << 100.0 << QStringLiteral("100.00");
        QTest::newRow("zwei Drittel") << 200.0 / 3.0 << QStringLiteral("66.67");
        QTest::newRow("ohne Tausender") << 123456.789 << QStringLiteral("123456.79");
    }

    void Realtexte()
    {
        QFETCH(double, Wert);
        QFETCH(QString, Text);
        QCOMPARE(Real_zu_Text(Wert), Text);
    }

    void Realtext_unabhaengig_vom_Gebietsschema()
    {
        const QLocale vorher;
        QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
        QCOMPARE(Real_zu_Text(1234.5), QStringLiteral("1234.50"));
        QLocale::setDefault(vorher);
    }

    void Auffuellen()
    {
        QCOMPARE(Text_links_auffuellen(QStringLiteral("7"), 4), QStringLiteral("   7"));
        QCOMPARE(Text_links_auffuellen(QStringLiteral("12345"), 4), QStringLiteral("12345"));
        QCOMPARE(Text_links_auffuellen(QStringLiteral("abcd"), 4), QStringLiteral("abcd"));
        QCOMPARE(Text_links_auffuellen(QString(), 0), QString());
        // Never more than the 50 blanks of the constant.
        QCOMPARE(Text_links_auffuellen(QStringLiteral("x"), 200), Leerzeichen + QStringLiteral("x"));
        QCOMPARE(Text_links_auffuellen(QStringLiteral("x"), 51), Leerzeichen + QStringLiteral("x"));
    }
};

QTEST_APPLESS_MAIN(Test_Zahlentexte)
#include "test_zahlentexte.moc"
