#include "window_fixture.h"

#include <QLabel>
#include <QTest>

#include <algorithm>
#include <cmath>

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

    // The contrast ratio of the web's accessibility guidelines, worked out here rather than by the product.
    static double contrastRatio(const QColor& a, const QColor& b)
    {
        const auto luminance = [](const QColor& c) {
            const auto linear = [](double v) { return v <= 0.04045 ? v / 12.92 : std::pow((v + 0.055) / 1.055, 2.4); };
            return 0.2126 * linear(c.redF()) + 0.7152 * linear(c.greenF()) + 0.0722 * linear(c.blueF());
        };
        const double first = luminance(a), second = luminance(b);
        return (std::max(first, second) + 0.05) / (std::min(first, second) + 0.05);
    }

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

    void litLinkReadsOnEveryFace_data()
    {
        QTest::addColumn<QColor>("background");
        QTest::newRow("black") << QColor(Qt::black);
        QTest::newRow("dark grey") << QColor(0x20, 0x23, 0x26);
        QTest::newRow("dim grey") << QColor(0x50, 0x50, 0x50);
        QTest::newRow("mid grey") << QColor(0x80, 0x80, 0x80);
        QTest::newRow("white") << QColor(Qt::white);
        QTest::newRow("dark blue") << QColor(0x10, 0x20, 0x60);
        QTest::newRow("yellow") << QColor(0xff, 0xe0, 0x40);
    }

    void litLinkReadsOnEveryFace()
    {
        QFETCH(QColor, background);
        QCOMPARE(contrastRatio(Qt::black, Qt::white), 21.0);
        QPalette palette = window->palette();
        palette.setColor(QPalette::Window, background);
        palette.setColor(QPalette::WindowText, qGray(background.rgb()) < 128 ? Qt::white : Qt::black);
        window->setPalette(palette);
        hover(window.get(), QPoint(2, 2));
        hover(link(), link()->rect().center());
        const QColor lit = link()->palette().color(QPalette::WindowText);
        QVERIFY(link()->font().underline());
        QVERIFY(lit.blue() > lit.red() && lit.blue() > lit.green());
        QVERIFY2(contrastRatio(lit, background) >= 4.5, qPrintable(QString::number(contrastRatio(lit, background))));
        // Where the classic blue reads well, it stays.
        if (background == Qt::white)
            QCOMPARE(lit, QColor(0, 0, 192));
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
