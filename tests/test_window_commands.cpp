#include "window_fixture.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>

using namespace Qt::StringLiterals;

class WindowCommandsTest : public WindowFixture {
    Q_OBJECT

private:
    QLineEdit* text(int number) { return control<QLineEdit>(u"Text%1"_s.arg(number)); }
    QPushButton* command(int number) { return control<QPushButton>(u"Command%1"_s.arg(number)); }
    QRadioButton* option(int number) { return control<QRadioButton>(u"Option%1"_s.arg(number)); }
    QLabel* link() { return control<QLabel>(u"Label2"_s); }

    void type(int number, const QString& input)
    {
        text(number)->clear();
        QTest::keyClicks(text(number), input);
    }

    void click(int number) { QTest::mouseClick(command(number), Qt::LeftButton); }

    bool linkLit()
    {
        return link()->palette().color(QPalette::WindowText) == QColor(0, 0, 192) && link()->font().underline();
    }

    void hover(QWidget* widget, QPoint at = QPoint(3, 3)) { QTest::mouseMove(widget, at); }

private slots:
    void init()
    {
        fakes->clock.set(2026, 12, 8, 10, 15, 42);
        QVERIFY(openWindow(true));
    }

    void cleanup() { closeWindow(); }

    void convertsTypedTimeAndDate_data()
    {
        QTest::addColumn<QString>("time");
        QTest::addColumn<QString>("date");
        QTest::addColumn<int>("option");
        QTest::addColumn<QString>("tactical");
        QTest::newRow("German") << u"16:38:53"_s << u"14.10.2009"_s << 1 << u"141638okt09"_s;
        QTest::newRow("English") << u"16:38:53"_s << u"14.10.2009"_s << 2 << u"141638oct09"_s;
        QTest::newRow("German March") << u"08:07"_s << u"05.03.2009"_s << 1 << u"050807mär09"_s;
        QTest::newRow("English March") << u"08:07"_s << u"05.03.2009"_s << 2 << u"050807mar09"_s;
        QTest::newRow("short hour, date without year") << u"8:05"_s << u"24.12."_s << 1 << u"240805dez26"_s;
    }

    void convertsTypedTimeAndDate()
    {
        QFETCH(QString, time);
        QFETCH(QString, date);
        QFETCH(int, option);
        QFETCH(QString, tactical);
        type(1, time);
        type(2, date);
        QTest::mouseClick(this->option(option), Qt::LeftButton, {}, QPoint(5, 5));
        QVERIFY(this->option(option)->isChecked());
        click(2);
        QCOMPARE(text(3)->text(), tactical);
        QVERIFY(command(3)->isEnabled());
        QVERIFY(fakes->messageBoxes.shown.isEmpty());
    }

    void badNormalInputLeavesResultAlone_data()
    {
        QTest::addColumn<QString>("time");
        QTest::addColumn<QString>("date");
        QTest::newRow("empty date") << u"16:38"_s << QString();
        QTest::newRow("no date") << u"16:38"_s << u"abc"_s;
        QTest::newRow("impossible date") << u"16:38"_s << u"31.04.2009"_s;
        QTest::newRow("empty time") << QString() << u"14.10.2009"_s;
        QTest::newRow("time cut wrongly by position") << u"8:5"_s << u"14.10.2009"_s;
        QTest::newRow("no such hour") << u"24:00"_s << u"14.10.2009"_s;
    }

    void badNormalInputLeavesResultAlone()
    {
        QFETCH(QString, time);
        QFETCH(QString, date);
        for (bool earlierSuccess : {false, true}) {
            if (earlierSuccess) {
                type(1, u"16:38"_s);
                type(2, u"14.10.2009"_s);
                click(2);
            }
            const QString before = text(3)->text();
            type(1, time);
            type(2, date);
            fakes->messageBoxes.shown.clear();
            click(2);
            QCOMPARE(fakes->messageBoxes.shown.size(), 1);
            QCOMPARE(fakes->messageBoxes.shown[0].text, u"Bitte Eingaben überprüfen !!!"_s);
            QCOMPARE(fakes->messageBoxes.shown[0].title, u"- Umrechner taktische Zeit -"_s);
            QCOMPARE(fakes->messageBoxes.shown[0].icon, MessageIcon::Critical);
            QCOMPARE(text(3)->text(), before);
            QCOMPARE(command(3)->isEnabled(), earlierSuccess);
        }
    }

    void convertsTacticalBack_data()
    {
        QTest::addColumn<QString>("tactical");
        QTest::addColumn<QString>("time");
        QTest::addColumn<QString>("date");
        QTest::newRow("four-digit year") << u"141638okt2009"_s << u"16:38"_s << u"14.10.2009"_s;
        QTest::newRow("two-digit year") << u"141638okt09"_s << u"16:38"_s << u"14.10.09"_s;
        QTest::newRow("English month") << u"010900mar2010"_s << u"09:00"_s << u"01.03.2010"_s;
        QTest::newRow("capitalised") << u"141638Okt2009"_s << u"16:38"_s << u"14.10.2009"_s;
    }

    void convertsTacticalBack()
    {
        QFETCH(QString, tactical);
        QFETCH(QString, time);
        QFETCH(QString, date);
        option(2)->setChecked(true);
        type(4, tactical);
        click(5);
        QCOMPARE(text(5)->text(), time);
        QCOMPARE(text(6)->text(), date);
        QVERIFY(!command(3)->isEnabled());
        QVERIFY(fakes->messageBoxes.shown.isEmpty());
    }

    void badTacticalInputLeavesOutputsAlone()
    {
        type(4, u"141638okt2009"_s);
        click(5);
        for (const QString& bad : {QString(), u" 141638okt200"_s, u"xx1638okt2009"_s, u"141638xyz2009"_s,
                                   u"291200feb2009"_s}) {
            type(4, bad);
            fakes->messageBoxes.shown.clear();
            click(5);
            QCOMPARE(fakes->messageBoxes.shown.size(), 1);
            QCOMPARE(fakes->messageBoxes.shown[0].text, u"Bitte Eingaben überprüfen !!!"_s);
            QCOMPARE(fakes->messageBoxes.shown[0].icon, MessageIcon::Critical);
            QCOMPARE(text(5)->text(), u"16:38"_s);
            QCOMPARE(text(6)->text(), u"14.10.2009"_s);
        }
    }

    void nowFillsUpperFrameFromOneReading()
    {
        option(2)->setChecked(true);
        fakes->clock.set(2009, 10, 14, 16, 38, 53);
        fakes->clock.reads = 0;
        click(1);
        QCOMPARE(fakes->clock.reads, 1);
        QCOMPARE(text(1)->text(), u"16:38:53"_s);
        QCOMPARE(text(2)->text(), u"14.10.2009"_s);
        QCOMPARE(text(3)->text(), u"141638okt09"_s);
        QVERIFY(command(3)->isEnabled());
        click(2);
        QCOMPARE(text(3)->text(), u"141638oct09"_s);
    }

    void copiesAndPastesThroughClipboard()
    {
        click(1);
        click(3);
        QCOMPARE(fakes->clipboard.content, u"081015dez26"_s);
        click(7);
        QCOMPARE(text(4)->text(), u"081015dez26"_s);
        QVERIFY(text(5)->text().isEmpty());
        QVERIFY(text(6)->text().isEmpty());
        click(5);
        QCOMPARE(text(5)->text(), u"10:15"_s);
        QCOMPARE(text(6)->text(), u"08.12.26"_s);
    }

    void copyOfEmptyResultKeepsClipboard()
    {
        click(1);
        click(4);
        QVERIFY(text(1)->text().isEmpty() && text(2)->text().isEmpty() && text(3)->text().isEmpty());
        QVERIFY(command(3)->isEnabled());
        fakes->clipboard.content = u"was der Benutzer kopiert hatte"_s;
        click(3);
        QCOMPARE(fakes->clipboard.writes, 0);
        QCOMPARE(fakes->clipboard.content, u"was der Benutzer kopiert hatte"_s);
    }

    void pasteTakesWholeClipboard_data()
    {
        QTest::addColumn<QString>("clipboard");
        QTest::newRow("empty clipboard") << QString();
        QTest::newRow("longer than the form") << u"141638okt2009 aus dem Funkbuch"_s;
    }

    void pasteTakesWholeClipboard()
    {
        QFETCH(QString, clipboard);
        type(4, u"141638okt09"_s);
        fakes->clipboard.content = clipboard;
        click(7);
        QCOMPARE(text(4)->text(), clipboard);
    }

    void longPasteCanBeShortenedButNotLengthened()
    {
        fakes->clipboard.content = u" 141638okt2009\n"_s;
        click(7);
        QTest::keyClick(text(4), Qt::Key_End);
        QTest::keyClick(text(4), Qt::Key_Backspace);
        QCOMPARE(text(4)->text(), u" 141638okt2009"_s);
        QTest::keyClicks(text(4), u"x"_s);
        QCOMPARE(text(4)->text(), u" 141638okt2009"_s);
        click(5);
        QCOMPARE(text(5)->text(), u"16:38"_s);
        click(6);
        QTest::keyClicks(text(4), u"141638okt20091"_s);
        QCOMPARE(text(4)->text(), u"141638okt2009"_s);
    }

    void clearEmptiesOnlyItsFrame()
    {
        click(1);
        type(4, u"141638okt2009"_s);
        click(5);
        click(6);
        QVERIFY(text(4)->text().isEmpty() && text(5)->text().isEmpty() && text(6)->text().isEmpty());
        QCOMPARE(text(3)->text(), u"081015dez26"_s);
        click(4);
        QVERIFY(text(1)->text().isEmpty() && text(2)->text().isEmpty() && text(3)->text().isEmpty());
    }

    void linkLightsUnderPointerUntilBareWindow()
    {
        const QColor normal = link()->palette().color(QPalette::WindowText);
        QVERIFY(!linkLit());
        hover(link(), link()->rect().center());
        QVERIFY(linkLit());
        for (const char* name : {"Frame2", "Frame3", "Frame1", "Command1", "Text1"}) {
            hover(control(name));
            QVERIFY2(linkLit(), name);
        }
        hover(start.get(), QPoint(2, 2));
        QVERIFY(!linkLit());
        QCOMPARE(link()->palette().color(QPalette::WindowText), normal);
    }

    void linkOpensWebPage()
    {
        QTest::mouseClick(link(), Qt::LeftButton);
        QCOMPARE(fakes->webOpener.opened, QList<QUrl>{QUrl(QStringLiteral("http://" TAKTZEIT_WEB_ADDRESS))});
        QVERIFY(fakes->messageBoxes.shown.isEmpty());
    }

    void failingBrowserIsReportedOncePerClick()
    {
        fakes->webOpener.succeeds = false;
        for (int clicks = 1; clicks <= 2; ++clicks) {
            QTest::mouseClick(link(), Qt::LeftButton);
            QCOMPARE(fakes->messageBoxes.shown.size(), clicks);
            QCOMPARE(fakes->messageBoxes.shown.last().text, u"Kein Internetbrowser installiert ?!"_s);
            QCOMPARE(fakes->messageBoxes.shown.last().title, u"- Umrechner taktische Zeit -"_s);
            QCOMPARE(fakes->messageBoxes.shown.last().icon, MessageIcon::Information);
        }
    }
};

QTEST_MAIN(WindowCommandsTest)
#include "test_window_commands.moc"
