#include "date_reader.h"

#include <QTest>

using namespace std::chrono;
using namespace Qt::StringLiterals;

class DateReaderTest : public QObject {
    Q_OBJECT

private slots:
    void acceptsGermanForms_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("y");
        QTest::addColumn<int>("m");
        QTest::addColumn<int>("d");

        QTest::newRow("dd.mm.yyyy") << u"14.10.2009"_s << 2009 << 10 << 14;
        QTest::newRow("d.m.yyyy") << u"5.3.2009"_s << 2009 << 3 << 5;
        QTest::newRow("surrounding white space") << u" \t05.03.2009\n"_s << 2009 << 3 << 5;
        QTest::newRow("d.m.yy, 29 is 2029") << u"1.2.29"_s << 2029 << 2 << 1;
        QTest::newRow("d.m.yy, 30 is 1930") << u"1.2.30"_s << 1930 << 2 << 1;
        QTest::newRow("dd.mm.yy 2009") << u"14.10.09"_s << 2009 << 10 << 14;
        QTest::newRow("d.m. in the current year") << u"14.10."_s << 2026 << 10 << 14;
        QTest::newRow("d.m in the current year") << u"14.10"_s << 2026 << 10 << 14;
        QTest::newRow("ISO") << u"2009-10-14"_s << 2009 << 10 << 14;
        QTest::newRow("slashes") << u"14/10/2009"_s << 2009 << 10 << 14;
        QTest::newRow("dashes") << u"4-1-2009"_s << 2009 << 1 << 4;
        QTest::newRow("written German month") << u"14. Oktober 2009"_s << 2009 << 10 << 14;
        QTest::newRow("three letters, spaces") << u"14 Okt 2009"_s << 2009 << 10 << 14;
        QTest::newRow("three letters, dots") << u"14.okt.2009"_s << 2009 << 10 << 14;
        QTest::newRow("abbreviation with dot and space") << u"14. Okt. 2009"_s << 2009 << 10 << 14;
        QTest::newRow("English, capitals") << u"14 OCTOBER 2009"_s << 2009 << 10 << 14;
        QTest::newRow("März") << u"1. März 2010"_s << 2010 << 3 << 1;
        QTest::newRow("MÄRZ") << u"1. MÄRZ 2010"_s << 2010 << 3 << 1;
        QTest::newRow("Maerz") << u"1. Maerz 2010"_s << 2010 << 3 << 1;
        QTest::newRow("Mrz") << u"1 Mrz 2010"_s << 2010 << 3 << 1;
        QTest::newRow("Mär") << u"1.Mär.2010"_s << 2010 << 3 << 1;
        QTest::newRow("English March") << u"1 March 2010"_s << 2010 << 3 << 1;
        QTest::newRow("Mai and May") << u"31 may 2009"_s << 2009 << 5 << 31;
        QTest::newRow("Dezember") << u"24. Dezember 2026"_s << 2026 << 12 << 24;
        QTest::newRow("leap day") << u"29.02.2008"_s << 2008 << 2 << 29;
        QTest::newRow("leap day 2000") << u"29.02.2000"_s << 2000 << 2 << 29;
        QTest::newRow("earliest year") << u"01.01.1000"_s << 1000 << 1 << 1;
        QTest::newRow("latest year") << u"31.12.9999"_s << 9999 << 12 << 31;
        // Every month written out, German and English, and the German "Sept".
        const std::pair<QString, int> written[] = {
            {u"Januar"_s, 1},    {u"January"_s, 1},  {u"Februar"_s, 2},  {u"February"_s, 2}, {u"April"_s, 4},
            {u"Juni"_s, 6},      {u"June"_s, 6},     {u"Juli"_s, 7},     {u"July"_s, 7},     {u"August"_s, 8},
            {u"September"_s, 9}, {u"Sept"_s, 9},     {u"Oktober"_s, 10}, {u"October"_s, 10}, {u"November"_s, 11},
            {u"Dezember"_s, 12}, {u"December"_s, 12}};
        for (const auto& [word, month] : written)
            QTest::addRow("%s", qPrintable(word)) << u"14. "_s + word + u" 2009"_s << 2009 << month << 14;
    }

    void acceptsGermanForms()
    {
        QFETCH(QString, text);
        QFETCH(int, y);
        QFETCH(int, m);
        QFETCH(int, d);
        const auto date = core::readDate(text.toStdU16String(), year{2026});
        QVERIFY(date.has_value());
        QCOMPARE(*date, year{y} / m / d);
    }

    void rejectsEverythingElse_data()
    {
        QTest::addColumn<QString>("text");
        for (const auto& text : {u""_s,
                                 u"   "_s,
                                 u"abc"_s,
                                 u"31.04.2009"_s,
                                 u"29.02.2009"_s,
                                 u"29.02.1900"_s,
                                 u"00.01.2009"_s,
                                 u"32.01.2009"_s,
                                 u"14.13.2009"_s,
                                 u"14.00.2009"_s,
                                 u"14.10.999"_s,
                                 u"14.10.0999"_s,
                                 u"14.10.20091"_s,
                                 u"14.10.209"_s,
                                 u"14.10.2009."_s,
                                 u"14..10.2009"_s,
                                 u"14.10.2009 12:00"_s,
                                 u"14 10 2009"_s,
                                 u"14/10/09"_s,
                                 u"14-10-09"_s,
                                 u"14/10-2009"_s,
                                 u"2009-1-14"_s,
                                 u"2009/10/14"_s,
                                 u"14. Okto 2009"_s,
                                 u"14. Oktober 09"_s,
                                 u"14 Oktober"_s,
                                 u"Oktober 14 2009"_s,
                                 u"14Okt2009"_s,
                                 u"141638okt09"_s,
                                 u"-14.10.2009"_s,
                                 u"14.-10.2009"_s,
                                 u"١٤.١٠.٢٠٠٩"_s,
                                 u"14.10.2009x"_s,
                                 u"14"_s,
                                 u"14."_s,
                                 u"111.10.2009"_s,
                                 u"014.10.2009"_s,
                                 u"14.010.2009"_s})
            QTest::newRow(qPrintable(text)) << text;
    }

    void rejectsEverythingElse()
    {
        QFETCH(QString, text);
        QVERIFY(!core::readDate(text.toStdU16String(), year{2026}).has_value());
    }

    void currentYearDecidesLeapDay()
    {
        QVERIFY(core::readDate(u"29.2.", year{2028}).has_value());
        QVERIFY(!core::readDate(u"29.2.", year{2026}).has_value());
    }
};

QTEST_APPLESS_MAIN(DateReaderTest)
#include "test_date_reader.moc"
