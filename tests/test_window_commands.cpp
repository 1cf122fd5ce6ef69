#include "contrast.h"
#include "examples.h"
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
    QLineEdit* field(const char* name) { return control<QLineEdit>(QString::fromLatin1(name)); }
    QPushButton* button(const char* name) { return control<QPushButton>(QString::fromLatin1(name)); }
    QRadioButton* option(const char* name) { return control<QRadioButton>(QString::fromLatin1(name)); }
    QLabel* link() { return control<QLabel>(u"webLink"_s); }

    void type(const char* name, const QString& input)
    {
        field(name)->clear();
        QTest::keyClicks(field(name), input);
    }

    void click(const char* name) { QTest::mouseClick(button(name), Qt::LeftButton); }

    bool linkLit()
    {
        return link()->palette().color(QPalette::WindowText) == QColor(0, 0, 192) && link()->font().underline();
    }

    void hover(QWidget* widget, QPoint at = QPoint(3, 3)) { QTest::mouseMove(widget, at); }

    // The one message shown since the list was last cleared, modal to the window.
    void verifyOneMessage(const QString& text, MessageIcon icon)
    {
        QCOMPARE(fakes->messageBoxes.shown.size(), 1);
        const auto& shown = fakes->messageBoxes.shown.first();
        QCOMPARE(shown.text, text);
        QCOMPARE(shown.title, u"- Umrechner taktische Zeit -"_s);
        QCOMPARE(shown.icon, icon);
        QCOMPARE(shown.owner, window.get());
    }

private slots:
    void init()
    {
        fakes->clock.set(2026, 12, 8, 10, 15, 42);
        QVERIFY(openWindow(true));
    }

    void cleanup() { closeWindow(); }

    void convertsTypedTimeAndDate_data() { addNormalToTacticalRows(); }

    void convertsTypedTimeAndDate()
    {
        QFETCH(QString, time);
        QFETCH(QString, date);
        QFETCH(QString, german);
        QFETCH(QString, english);
        // Set rather than typed: some rows hold line breaks, which arrive in a field only pasted.
        field("timeInput")->setText(time);
        field("dateInput")->setText(date);
        for (const auto& [name, tactical] :
             {std::pair{"germanMonthsOption", german}, {"englishMonthsOption", english}}) {
            QTest::mouseClick(option(name), Qt::LeftButton, {}, QPoint(5, 5));
            QVERIFY(option(name)->isChecked());
            click("toTacticalButton");
            QCOMPARE(field("tacticalResult")->text(), tactical);
        }
        QVERIFY(button("copyButton")->isEnabled());
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
                type("timeInput", u"16:38"_s);
                type("dateInput", u"14.10.2009"_s);
                click("toTacticalButton");
            }
            const QString before = field("tacticalResult")->text();
            type("timeInput", time);
            type("dateInput", date);
            fakes->messageBoxes.shown.clear();
            click("toTacticalButton");
            verifyOneMessage(u"Bitte Eingaben überprüfen !!!"_s, MessageIcon::Critical);
            QCOMPARE(field("tacticalResult")->text(), before);
            QCOMPARE(button("copyButton")->isEnabled(), earlierSuccess);
        }
    }

    void convertsTacticalBack_data() { addTacticalToNormalRows(); }

    void convertsTacticalBack()
    {
        QFETCH(QString, tactical);
        QFETCH(QString, time);
        QFETCH(QString, date);
        option("englishMonthsOption")->setChecked(true);
        // Pasted, as texts with line breaks and no-break spaces arrive.
        fakes->clipboard.content = tactical;
        click("pasteButton");
        click("toNormalButton");
        QCOMPARE(field("timeResult")->text(), time);
        QCOMPARE(field("dateResult")->text(), date);
        QVERIFY(!button("copyButton")->isEnabled());
        QVERIFY(fakes->messageBoxes.shown.isEmpty());
    }

    void badTacticalInputLeavesOutputsAlone()
    {
        type("tacticalInput", u"141638okt2009"_s);
        click("toNormalButton");
        for (const QString& bad :
             {QString(), u" 141638okt200"_s, u"xx1638okt2009"_s, u"141638xyz2009"_s, u"291200feb2009"_s}) {
            type("tacticalInput", bad);
            fakes->messageBoxes.shown.clear();
            click("toNormalButton");
            verifyOneMessage(u"Bitte Eingaben überprüfen !!!"_s, MessageIcon::Critical);
            QCOMPARE(field("timeResult")->text(), u"16:38"_s);
            QCOMPARE(field("dateResult")->text(), u"14.10.2009"_s);
        }
    }

    void nowFillsUpperFrameFromOneReading()
    {
        option("englishMonthsOption")->setChecked(true);
        fakes->clock.set(2009, 10, 14, 16, 38, 53);
        fakes->clock.reads = 0;
        click("nowButton");
        QCOMPARE(fakes->clock.reads, 1);
        QCOMPARE(field("timeInput")->text(), u"16:38:53"_s);
        QCOMPARE(field("dateInput")->text(), u"14.10.2009"_s);
        QCOMPARE(field("tacticalResult")->text(), u"141638okt09"_s);
        QVERIFY(button("copyButton")->isEnabled());
        click("toTacticalButton");
        QCOMPARE(field("tacticalResult")->text(), u"141638oct09"_s);
    }

    void copiesAndPastesThroughClipboard()
    {
        click("nowButton");
        click("copyButton");
        QCOMPARE(fakes->clipboard.content, u"081015dez26"_s);
        click("pasteButton");
        QCOMPARE(field("tacticalInput")->text(), u"081015dez26"_s);
        QVERIFY(field("timeResult")->text().isEmpty());
        QVERIFY(field("dateResult")->text().isEmpty());
        click("toNormalButton");
        QCOMPARE(field("timeResult")->text(), u"10:15"_s);
        QCOMPARE(field("dateResult")->text(), u"08.12.26"_s);
    }

    void copyOfEmptyResultKeepsClipboard()
    {
        click("nowButton");
        click("clearToTacticalButton");
        QVERIFY(field("timeInput")->text().isEmpty() && field("dateInput")->text().isEmpty()
                && field("tacticalResult")->text().isEmpty());
        QVERIFY(button("copyButton")->isEnabled());
        fakes->clipboard.content = u"was der Benutzer kopiert hatte"_s;
        click("copyButton");
        QCOMPARE(fakes->clipboard.writes, 0);
        QCOMPARE(fakes->clipboard.content, u"was der Benutzer kopiert hatte"_s);
    }

    void pasteTakesWholeClipboard_data()
    {
        QTest::addColumn<QString>("clipboard");
        QTest::newRow("empty clipboard") << QString();
        QTest::newRow("longer than the form") << u"141638okt2009 aus dem Funkbuch"_s;
        QTest::newRow("as long as a paste may be") << QString(10000, u'1');
    }

    // Whatever the clipboard gave lands whole; converting it reports bad input.
    void pasteTakesWholeClipboard()
    {
        QFETCH(QString, clipboard);
        type("tacticalInput", u"141638okt09"_s);
        fakes->clipboard.content = clipboard;
        click("pasteButton");
        QCOMPARE(field("tacticalInput")->text(), clipboard);
        click("toNormalButton");
        verifyOneMessage(u"Bitte Eingaben überprüfen !!!"_s, MessageIcon::Critical);
    }

    void pasteWaitsForTheClipboardWithoutBlocking()
    {
        fakes->clipboard.answersAtOnce = false;
        fakes->clipboard.content = u"141638okt2009"_s;
        click("pasteButton");
        click("pasteButton");
        QCOMPARE(fakes->clipboard.requests, 1);
        QVERIFY(field("tacticalInput")->text().isEmpty());
        click("nowButton");
        QCOMPARE(field("tacticalResult")->text(), u"081015dez26"_s);
        fakes->clipboard.answer();
        QCOMPARE(field("tacticalInput")->text(), u"141638okt2009"_s);
        click("pasteButton");
        QCOMPARE(fakes->clipboard.requests, 2);
    }

    void silentClipboardLeavesInputAndSaysSo()
    {
        fakes->clipboard.answersAtOnce = false;
        type("tacticalInput", u"141638okt09"_s);
        click("pasteButton");
        fakes->clipboard.giveUp();
        verifyOneMessage(u"Die Zwischenablage antwortet nicht."_s, MessageIcon::Information);
        QCOMPARE(field("tacticalInput")->text(), u"141638okt09"_s);
        click("pasteButton");
        QCOMPARE(fakes->clipboard.requests, 2);
    }

    void longPasteCanBeShortenedButNotLengthened()
    {
        fakes->clipboard.content = u" 141638okt2009\n"_s;
        click("pasteButton");
        QTest::keyClick(field("tacticalInput"), Qt::Key_End);
        QTest::keyClick(field("tacticalInput"), Qt::Key_Backspace);
        QCOMPARE(field("tacticalInput")->text(), u" 141638okt2009"_s);
        QTest::keyClicks(field("tacticalInput"), u"x"_s);
        QCOMPARE(field("tacticalInput")->text(), u" 141638okt2009"_s);
        click("toNormalButton");
        QCOMPARE(field("timeResult")->text(), u"16:38"_s);
        click("clearToNormalButton");
        QTest::keyClicks(field("tacticalInput"), u"141638okt20091"_s);
        QCOMPARE(field("tacticalInput")->text(), u"141638okt2009"_s);
    }

    void clearEmptiesOnlyItsFrame()
    {
        click("nowButton");
        type("tacticalInput", u"141638okt2009"_s);
        click("toNormalButton");
        click("clearToNormalButton");
        QVERIFY(field("tacticalInput")->text().isEmpty() && field("timeResult")->text().isEmpty()
                && field("dateResult")->text().isEmpty());
        QCOMPARE(field("tacticalResult")->text(), u"081015dez26"_s);
        click("clearToTacticalButton");
        QVERIFY(field("timeInput")->text().isEmpty() && field("dateInput")->text().isEmpty()
                && field("tacticalResult")->text().isEmpty());
    }

    void linkLightsUnderPointerUntilBareWindow()
    {
        const QColor normal = link()->palette().color(QPalette::WindowText);
        QVERIFY(!linkLit());
        hover(link(), link()->rect().center());
        QVERIFY(linkLit());
        for (const char* name : {"makerFrame", "monthNamesFrame", "toTacticalFrame", "nowButton", "timeInput"}) {
            hover(control(name));
            QVERIFY2(linkLit(), name);
        }
        hover(window.get(), QPoint(2, 2));
        QCOMPARE(link()->palette().color(QPalette::WindowText), normal);
        QVERIFY(!link()->font().underline());
    }

    void litLinkReadsOnDarkWindow_data()
    {
        QTest::addColumn<QColor>("background");
        QTest::newRow("black") << QColor(Qt::black);
        QTest::newRow("dark grey") << QColor(0x20, 0x23, 0x26);
        QTest::newRow("dim grey") << QColor(0x50, 0x50, 0x50);
    }

    void litLinkReadsOnDarkWindow()
    {
        QFETCH(QColor, background);
        QCOMPARE(contrastRatio(Qt::black, Qt::white), 21.0);
        QPalette dark = window->palette();
        dark.setColor(QPalette::Window, background);
        dark.setColor(QPalette::WindowText, Qt::white);
        window->setPalette(dark);
        hover(window.get(), QPoint(2, 2));
        hover(link(), link()->rect().center());
        const QColor lit = link()->palette().color(QPalette::WindowText);
        QVERIFY(link()->font().underline());
        QVERIFY(lit.blue() > lit.red() && lit.blue() > lit.green());
        QVERIFY2(contrastRatio(lit, background) >= 4.5, qPrintable(QString::number(contrastRatio(lit, background))));
    }

    void linkOpensWebPage()
    {
        // Pressed on the link but released off it is no click.
        QTest::mousePress(link(), Qt::LeftButton, {}, link()->rect().center());
        QTest::mouseRelease(link(), Qt::LeftButton, {}, link()->rect().bottomRight() + QPoint(5, 5));
        QVERIFY(fakes->webOpener.opened.isEmpty());
        QTest::mouseClick(link(), Qt::LeftButton);
        QCOMPARE(fakes->webOpener.opened, QList<QUrl>{QUrl(QStringLiteral("http://" TAKTZEIT_WEB_ADDRESS))});
        QVERIFY(fakes->messageBoxes.shown.isEmpty());
    }

    void failingBrowserIsReportedOncePerClick()
    {
        fakes->webOpener.succeeds = false;
        for (int clicks = 1; clicks <= 2; ++clicks) {
            fakes->messageBoxes.shown.clear();
            QTest::mouseClick(link(), Qt::LeftButton);
            verifyOneMessage(u"Kein Internetbrowser installiert ?!"_s, MessageIcon::Information);
        }
    }
};

QTEST_MAIN(WindowCommandsTest)
#include "test_window_commands.moc"
