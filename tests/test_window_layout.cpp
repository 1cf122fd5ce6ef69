#include "platform/status_bar.h"
#include "window_fixture.h"

#include <QAbstractButton>
#include <QAccessible>
#include <QApplication>
#include <QClipboard>
#include <QFile>
#include <QFileInfo>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <QStyleOptionGroupBox>
#include <QTest>
#include <QTimer>

using namespace Qt::StringLiterals;

namespace {

// Window and controls as designed, in twips, containers first, the topmost of overlapping controls first.
struct Placement {
    const char* name;
    const char* container;
    int left, top, width, height;
};

constexpr Placement kPlacements[] = {
    {"Frame4", "Start", 120, 3720, 6615, 1695},       {"Command7", "Frame4", 3480, 240, 2775, 375},
    {"Command6", "Frame4", 3480, 1200, 2775, 375},    {"Command5", "Frame4", 3480, 720, 2775, 375},
    {"Text6", "Frame4", 1800, 1200, 1575, 285},       {"Text5", "Frame4", 1800, 720, 1575, 285},
    {"Text4", "Frame4", 1800, 240, 1575, 285},        {"Label1(5)", "Frame4", 120, 1200, 975, 255},
    {"Label1(4)", "Frame4", 120, 240, 1575, 255},     {"Label1(3)", "Frame4", 120, 720, 1215, 255},
    {"Frame3", "Start", 120, 120, 3615, 1095},        {"Option2", "Frame3", 120, 720, 1695, 255},
    {"Option1", "Frame3", 120, 360, 2295, 195},       {"Frame2", "Start", 3840, 120, 2895, 1095},
    {"Picture1", "Frame2", 120, 360, 540, 540},       {"Label2", "Frame2", 720, 480, 2055, 375},
    {"Command3", "Start", 3600, 2520, 2775, 375},     {"Frame1", "Start", 120, 1320, 6615, 2175},
    {"Command4", "Frame1", 3480, 1680, 2775, 375},    {"Command1", "Frame1", 3480, 240, 2775, 375},
    {"Text1", "Frame1", 1800, 240, 1575, 285},        {"Text2", "Frame1", 1800, 720, 1575, 285},
    {"Text3", "Frame1", 1800, 1200, 1575, 285},       {"Command2", "Frame1", 3480, 720, 2775, 375},
    {"Label1(0)", "Frame1", 120, 240, 1215, 255},     {"Label1(1)", "Frame1", 120, 1200, 1575, 255},
    {"Label1(2)", "Frame1", 120, 720, 975, 255},      {"StatusBar1", "Start", 0, 5565, 6870, 255},
};

QRect pixels(int left, int top, int width, int height)
{
    return QRect(left / 15, top / 15, width / 15, height / 15);
}

}  // namespace

class WindowLayoutTest : public WindowFixture {
    Q_OBJECT

private:

    QStringList tabStops(int presses)
    {
        QStringList stops{QApplication::focusWidget()->objectName()};
        for (int i = 0; i < presses; ++i) {
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
            stops << QApplication::focusWidget()->objectName();
        }
        return stops;
    }

private slots:
    void init() { QVERIFY(openWindow(true)); }
    void cleanup() { closeWindow(); }

    void placesEveryControl_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("container");
        QTest::addColumn<QRect>("geometry");
        for (const Placement& p : kPlacements)
            QTest::newRow(p.name) << QString(p.name) << QString(p.container)
                                  << pixels(p.left, p.top, p.width, p.height);
    }

    void placesEveryControl()
    {
        QFETCH(QString, name);
        QFETCH(QString, container);
        QFETCH(QRect, geometry);
        QWidget* widget = control(name);
        QCOMPARE(widget->parentWidget()->objectName(), container);
        QCOMPARE(widget->geometry(), geometry);
        QVERIFY(widget->isVisible());
    }

    void placesCopyButtonInWindowCoordinates()
    {
        QCOMPARE(control("Command3")->geometry().topLeft(), QPoint(240, 168));
        QCOMPARE(control("Text3")->mapTo(start.get(), QPoint(0, 0)), QPoint(128, 168));
    }

    void stacksTopmostFirst()
    {
        for (const char* container : {"Start", "Frame1", "Frame2", "Frame3", "Frame4"}) {
            QStringList expected;
            for (const Placement& p : kPlacements) {
                if (QString(p.container) == container)
                    expected.prepend(p.name);
            }
            QWidget* parent = QString(container) == "Start"_L1 ? start.get() : control(container);
            QStringList bottomFirst;
            for (QObject* child : parent->children()) {
                if (child->isWidgetType())
                    bottomFirst << child->objectName();
            }
            QCOMPARE(bottomFirst, expected);
        }
    }

    void hasFixedClientArea()
    {
        QCOMPARE(start->size(), QSize(458, 388));
        QCOMPARE(start->minimumSize(), QSize(458, 388));
        QCOMPARE(start->maximumSize(), QSize(458, 388));
        QVERIFY(!(start->windowFlags() & Qt::WindowMaximizeButtonHint));
        QVERIFY(start->windowFlags() & Qt::WindowMinimizeButtonHint);
        QVERIFY(start->windowFlags() & Qt::WindowCloseButtonHint);
        QCOMPARE(start->windowTitle(), u"- Umrechner taktische Zeit -"_s);
        const QRect bar = control("StatusBar1")->geometry();
        QCOMPARE(bar.bottom(), start->height() - 1);
        QCOMPARE(bar.height(), 17);
    }

    void opensCentredOnScreen()
    {
        // Centred as placed; the window frame may shift the client area by its border.
        const QPoint offset = start->screen()->availableGeometry().center() - start->geometry().center();
        QVERIFY2(qAbs(offset.x()) <= 3 && qAbs(offset.y()) <= 3, "window is not centred");
    }

    void startsInInitialStates()
    {
        for (const char* name : {"Text1", "Text2", "Text3", "Text4", "Text5", "Text6"})
            QVERIFY(control<QLineEdit>(name)->text().isEmpty());
        QVERIFY(!control("Command3")->isEnabled());
        QVERIFY(control<QRadioButton>("Option1")->isChecked());
        QVERIFY(!control<QRadioButton>("Option2")->isChecked());
        QCOMPARE(QApplication::focusWidget(), control("Command2"));
        for (QPushButton* button : start->findChildren<QPushButton*>()) {
            QVERIFY(!button->isDefault());
            QVERIFY(!button->autoDefault());
        }
    }

    void showsTooltipsOnInputsOnly()
    {
        const QMap<QString, QString> tips{
            {u"Text1"_s, u"Bitte im Format hh:mm:ss eingeben."_s},
            {u"Text2"_s, u"Bitte im Format tt.mm.jjjj eingeben"_s},
            {u"Text4"_s, u"Bitte im Format tthhmmMMMjjjj eingeben."_s},
        };
        for (QWidget* widget : start->findChildren<QWidget*>())
            QCOMPARE(widget->toolTip(), tips.value(widget->objectName()));
    }

    void limitsTypingInTacticalInput()
    {
        QTest::keyClicks(control("Text4"), u"141638okt20091"_s);
        QCOMPARE(control<QLineEdit>("Text4")->text(), u"141638okt2009"_s);
        const QString longTime = u"16:38:53 und noch viel mehr"_s;
        QTest::keyClicks(control("Text1"), longTime);
        QCOMPARE(control<QLineEdit>("Text1")->text(), longTime);
        QTest::keyClicks(control("Text2"), longTime);
        QCOMPARE(control<QLineEdit>("Text2")->text(), longTime);
    }

    void lockedBoxesRefuseTypingButCopy()
    {
        for (const char* name : {"Text3", "Text5", "Text6"}) {
            auto* box = control<QLineEdit>(name);
            box->setText(u"141638okt09"_s);
            QTest::keyClicks(box, u"x"_s);
            QTest::keyClick(box, Qt::Key_Backspace);
            QCOMPARE(box->text(), u"141638okt09"_s);
            QApplication::clipboard()->clear();
            box->selectAll();
            QTest::keyClick(box, Qt::Key_C, Qt::ControlModifier);
            QCOMPARE(QApplication::clipboard()->text(), u"141638okt09"_s);
        }
    }

    void tabsThroughStopsInOrder()
    {
        QCOMPARE(tabStops(15), (QStringList{"Command2", "Text3", "Text2", "Text1", "Command1", "Picture1", "Option1",
                                            "Text4", "Text5", "Text6", "Command5", "Command4", "Command6", "Command7",
                                            "Command2", "Text3"}));
    }

    void tabStopsAtEnabledCopyAndSelectedOption()
    {
        control("Command3")->setEnabled(true);
        control<QRadioButton>("Option2")->setChecked(true);
        control("Command1")->setFocus();
        QCOMPARE(tabStops(4), (QStringList{"Command1", "Command3", "Picture1", "Option2", "Text4"}));
    }

    void usesTheDesignedFonts()
    {
        for (QLabel* label : start->findChildren<QLabel*>(QRegularExpression(u"^Label"_s))) {
            QCOMPARE(label->font().pointSize(), 12);
            QCOMPARE(label->font().weight(), QFont::Normal);
            QCOMPARE(QFontInfo(label->font()).family(), u"Liberation Sans"_s);
        }
        for (const char* name : {"Command1", "Text1", "Option1", "Frame1", "StatusBar1"}) {
            QCOMPARE(control(name)->font().pointSize(), 8);
            QCOMPARE(QFontInfo(control(name)->font()).family(), u"Liberation Sans"_s);
        }
        QVERIFY(!control<QLabel>("Label2")->font().underline());
    }

    void captionsFitUncut()
    {
        for (QAbstractButton* button : start->findChildren<QAbstractButton*>()) {
            QVERIFY2(button->sizeHint().width() <= button->width(), qPrintable(button->text()));
            QVERIFY2(button->fontMetrics().height() <= button->height(), qPrintable(button->text()));
        }
        for (QLabel* label : start->findChildren<QLabel*>()) {
            if (label->text().isEmpty())
                continue;
            // The ink of the text, not the font's full line height: the labels are as tall as the design made them.
            const QRect ink = label->fontMetrics().tightBoundingRect(label->text());
            QVERIFY2(label->fontMetrics().horizontalAdvance(label->text()) <= label->contentsRect().width(),
                     qPrintable(label->text()));
            QVERIFY2(ink.height() <= label->contentsRect().height(), qPrintable(label->text()));
        }
        for (QGroupBox* frame : start->findChildren<QGroupBox*>()) {
            QStyleOptionGroupBox option;
            option.initFrom(frame);
            option.text = frame->title();
            option.subControls = QStyle::SC_GroupBoxLabel | QStyle::SC_GroupBoxFrame;
            const QRect title =
                frame->style()->subControlRect(QStyle::CC_GroupBox, &option, QStyle::SC_GroupBoxLabel, frame);
            const int textWidth = frame->fontMetrics().horizontalAdvance(frame->title());
            QVERIFY2(frame->rect().contains(title), qPrintable(frame->title()));
            QVERIFY2(textWidth <= title.width(), qPrintable(frame->title()));
        }
    }

    void showsLogoAndHandCursor()
    {
        QCOMPARE(QFileInfo(QStringLiteral(TAKTZEIT_SOURCE_DIR "/resources/logo.ico")).size(), 3262);
        QCOMPARE(QFile(u":/hand.cur"_s).size(), 766);
        const QImage logo = control<QLabel>("Picture1")->pixmap().toImage();
        QCOMPARE(qAlpha(logo.pixel(0, 0)), 0);
        auto* picture = control<QLabel>("Picture1");
        QCOMPARE(picture->pixmap().deviceIndependentSize(), QSizeF(32, 32));
        QCOMPARE(picture->pixmap().devicePixelRatio(), start->devicePixelRatio());
        QCOMPARE(picture->size(), QSize(36, 36));
        QVERIFY(start->windowIcon().availableSizes().contains(QSize(32, 32)));

        QTest::mouseMove(start.get(), control("Label2")->mapTo(start.get(), QPoint(5, 5)));
        QVERIFY(control("Label2")->testAttribute(Qt::WA_SetCursor));
        const QCursor cursor = control("Label2")->cursor();
        QCOMPARE(cursor.hotSpot(), QPoint(12, 1));
        QCOMPARE(cursor.pixmap().size(), QSize(32, 32));
        for (QWidget* widget : start->findChildren<QWidget*>()) {
            if (qobject_cast<QLineEdit*>(widget))
                QCOMPARE(widget->cursor().shape(), Qt::IBeamCursor);
            else if (widget->objectName() != "Label2"_L1)
                QVERIFY2(!widget->testAttribute(Qt::WA_SetCursor), qPrintable(widget->objectName()));
        }
    }

    void namesControlsForScreenReaders()
    {
        const std::pair<const char*, QString> names[] = {
            {"Text1", u"Uhrzeit"_s},
            {"Text2", u"Datum"_s},
            {"Text3", u"taktische Zeit (Ergebnis)"_s},
            {"Text4", u"taktische Zeit"_s},
            {"Text5", u"Uhrzeit (Ergebnis)"_s},
            {"Text6", u"Datum (Ergebnis)"_s},
            {"Command1", u"Jetzt"_s},
            {"Command2", u"Umrechnen in taktische Zeit"_s},
            {"Command3", u"In die Zwischenablage kopieren"_s},
            {"Command4", u"Eingaben löschen (normale Zeit)"_s},
            {"Command5", u"Umrechnen in normale Zeit"_s},
            {"Command6", u"Eingaben löschen (taktische Zeit)"_s},
            {"Command7", u"Aus der Zwischenablage einfügen"_s},
            {"Option1", u"deutsche Monate"_s},
            {"Option2", u"englische Monate"_s},
            {"Picture1", u"Logo"_s},
            {"Label2", QStringLiteral(TAKTZEIT_WEB_ADDRESS)},
        };
        for (const auto& [name, spoken] : names)
            QCOMPARE(QAccessible::queryAccessibleInterface(control(name))->text(QAccessible::Name), spoken);
        QCOMPARE(QAccessible::queryAccessibleInterface(control("Text1"))->text(QAccessible::Description),
                 u"Bitte im Format hh:mm:ss eingeben."_s);
    }

    void labelsNameTheirFields_data()
    {
        QTest::addColumn<QString>("label");
        QTest::addColumn<QString>("field");
        const char* fields[] = {"Text1", "Text3", "Text2", "Text5", "Text4", "Text6"};
        for (int index = 0; index < 6; ++index)
            QTest::addRow("Label1(%d)", index) << u"Label1(%1)"_s.arg(index) << QString(fields[index]);
    }

    void labelsNameTheirFields()
    {
        QFETCH(QString, label);
        QFETCH(QString, field);
        QCOMPARE(control<QLabel>(label)->buddy(), control(field));
        // Same row: the label sits level with its field.
        QCOMPARE(control(label)->y(), control(field)->y());
        const auto relations = QAccessible::queryAccessibleInterface(control(field))->relations(QAccessible::Label);
        QVERIFY(std::any_of(relations.begin(), relations.end(),
                            [&](const auto& relation) { return relation.first->object() == control(label); }));
    }

    // Run at QT_SCALE_FACTOR 1 and 2: the layout keeps its logical size and is drawn with more pixels.
    void scalesWithDevicePixelRatio()
    {
        const qreal scale = qEnvironmentVariable("QT_SCALE_FACTOR", u"1"_s).toDouble();
        QCOMPARE(start->devicePixelRatio(), scale);
        QCOMPARE(start->grab().size(), QSize(458, 388) * scale);
        QCOMPARE(control<QLabel>("Picture1")->size(), QSize(36, 36));
    }

    void findsStatusPanelsByKey()
    {
        auto* bar = control<StatusBar>("StatusBar1");
        QCOMPARE(bar->findChildren<QLabel*>().size(), 3);
        int left = -1;
        for (const QString& key : {u"zeit"_s, u"datum"_s, u"orvformat"_s}) {
            QLabel* panel = bar->panel(key);
            QVERIFY(panel);
            QCOMPARE(panel->width(), 96);
            QVERIFY(panel->x() > left);
            QVERIFY(panel->geometry().bottom() < bar->height());
            QCOMPARE(panel->frameShadow(), QFrame::Sunken);
            left = panel->x();
        }
        QVERIFY(!bar->isSizeGripEnabled());
        QCOMPARE(bar->panel(u"sonst"_s), nullptr);
    }
};

QTEST_MAIN(WindowLayoutTest)
#include "test_window_layout.moc"
