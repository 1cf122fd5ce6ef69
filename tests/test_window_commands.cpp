#include "contrast.h"
#include "window_fixture.h"

#include <QLabel>
#include <QTest>

using namespace Qt::StringLiterals;

class WindowCommandsTest : public WindowFixture {
    Q_OBJECT

private:
    QLabel* link() { return control<QLabel>(u"webLink"_s); }

    bool linkLit()
    {
        return link()->palette().color(QPalette::WindowText) == QColor(0, 0, 192) && link()->font().underline();
    }

    void hover(QWidget* widget, QPoint at = QPoint(3, 3)) { QTest::mouseMove(widget, at); }

private slots:
    void init() { QVERIFY(openWindow(true)); }
    void cleanup() { closeWindow(); }

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

    // Pressed on the link but released off it is no click.
    void linkOpensOnClickOnly()
    {
        QTest::mousePress(link(), Qt::LeftButton, {}, link()->rect().center());
        QTest::mouseRelease(link(), Qt::LeftButton, {}, link()->rect().bottomRight() + QPoint(5, 5));
        QVERIFY(desktop->opened.empty());
        QTest::mouseClick(link(), Qt::LeftButton);
        QCOMPARE(desktop->opened.size(), 1u);
    }
};

QTEST_MAIN(WindowCommandsTest)
#include "test_window_commands.moc"
