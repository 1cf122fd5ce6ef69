#include "designed_form.h"
#include "status_bar.h"
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

#include <map>
#include <string_view>

using namespace Qt::StringLiterals;

namespace {

QRect pixels(int left, int top, int width, int height)
{
    return QRect(left / 15, top / 15, width / 15, height / 15);
}

QString captionOf(QWidget* control)
{
    if (auto* button = qobject_cast<QAbstractButton*>(control))
        return button->text();
    if (auto* frame = qobject_cast<QGroupBox*>(control))
        return frame->title();
    if (auto* label = qobject_cast<QLabel*>(control))
        return label->text();
    if (auto* field = qobject_cast<QLineEdit*>(control))
        return field->text();
    return QString();
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
        QTest::addColumn<QString>("caption");
        for (const Placement& p : kPlacements)
            QTest::newRow(p.name) << QString(p.name) << QString(p.container) << pixels(p.left, p.top, p.width, p.height)
                                  << QString::fromUtf8(p.caption);
    }

    void placesEveryControl()
    {
        QFETCH(QString, name);
        QFETCH(QString, container);
        QFETCH(QRect, geometry);
        QFETCH(QString, caption);
        QWidget* widget = control(name);
        QCOMPARE(widget->parentWidget()->objectName(), container);
        QCOMPARE(widget->geometry(), geometry);
        QCOMPARE(captionOf(widget), caption);
        QVERIFY(widget->isVisible());
    }

    void placesCopyButtonInWindowCoordinates()
    {
        QCOMPARE(control("copyButton")->geometry().topLeft(), QPoint(240, 168));
        QCOMPARE(control("tacticalResult")->mapTo(window.get(), QPoint(0, 0)), QPoint(128, 168));
    }

    void stacksTopmostFirst()
    {
        for (const char* container :
             {"converterWindow", "toTacticalFrame", "makerFrame", "monthNamesFrame", "toNormalFrame"}) {
            QStringList expected;
            for (const char* name : kDesignedMakingOrder) {
                const auto p = std::find_if(std::begin(kPlacements), std::end(kPlacements),
                                            [&](const Placement& row) { return QString(row.name) == name; });
                if (QString(p->container) == container)
                    expected.prepend(name);
            }
            QWidget* parent = QString(container) == "converterWindow"_L1 ? window.get() : control(container);
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
        QCOMPARE(window->size(), QSize(458, 388));
        QCOMPARE(window->minimumSize(), QSize(458, 388));
        QCOMPARE(window->maximumSize(), QSize(458, 388));
        QVERIFY(!(window->windowFlags() & Qt::WindowMaximizeButtonHint));
        QVERIFY(window->windowFlags() & Qt::WindowMinimizeButtonHint);
        QVERIFY(window->windowFlags() & Qt::WindowCloseButtonHint);
        QCOMPARE(window->windowTitle(), u"- Umrechner taktische Zeit -"_s);
        const QRect bar = control("statusBar")->geometry();
        QCOMPARE(bar.bottom(), window->height() - 1);
        QCOMPARE(bar.height(), 17);
    }

    void opensCentredOnScreen()
    {
        // Centred as placed; the window frame may shift the client area by its border.
        const QPoint offset = window->screen()->availableGeometry().center() - window->geometry().center();
        QVERIFY2(qAbs(offset.x()) <= 3 && qAbs(offset.y()) <= 3, "window is not centred");
    }

    // The fields, the copy button and the options at start are the form's table's.
    void startsWithTheFocusAndNoDefaultButton()
    {
        QCOMPARE(QApplication::focusWidget(), control("toTacticalButton"));
        for (QPushButton* button : window->findChildren<QPushButton*>()) {
            QVERIFY(!button->isDefault());
            QVERIFY(!button->autoDefault());
        }
    }

    void showsTooltipsOnInputsOnly()
    {
        QMap<QString, QString> tips;
        for (const auto& [name, hint] : kDesignedHints)
            tips.insert(QString::fromLatin1(name), QString::fromUtf8(hint));
        for (QWidget* widget : window->findChildren<QWidget*>())
            QCOMPARE(widget->toolTip(), tips.value(widget->objectName()));
    }

    // Typing is the form's table's; Ctrl+V is the widget's own.
    void limitsPastingWithCtrlVInTacticalInput()
    {
        QApplication::clipboard()->setText(u"141638okt2009 und 17 mehr Zeichen"_s);
        QTest::keyClick(control("tacticalInput"), Qt::Key_V, Qt::ControlModifier);
        QCOMPARE(control<QLineEdit>("tacticalInput")->text(), u"141638okt2009 un"_s);
    }

    void lockedBoxesRefuseTypingButCopy()
    {
        for (const char* name : {"tacticalResult", "timeResult", "dateResult"}) {
            auto* box = control<QLineEdit>(name);
            box->setText(u"141638okt09"_s);
            QTest::keyClicks(box, u"x"_s);
            QCOMPARE(box->text(), u"141638okt09"_s);
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
        QCOMPARE(tabStops(15),
                 (QStringList{"toTacticalButton", "tacticalResult", "dateInput", "timeInput", "nowButton", "logo",
                              "germanMonthsOption", "tacticalInput", "timeResult", "dateResult", "toNormalButton",
                              "clearToTacticalButton", "clearToNormalButton", "pasteButton", "toTacticalButton",
                              "tacticalResult"}));
    }

    void tabStopsAtEnabledCopyAndSelectedOption()
    {
        control("copyButton")->setEnabled(true);
        control<QRadioButton>("englishMonthsOption")->setChecked(true);
        control("nowButton")->setFocus();
        QCOMPARE(tabStops(4), (QStringList{"nowButton", "copyButton", "logo", "englishMonthsOption", "tacticalInput"}));
    }

    void usesTheDesignedFonts()
    {
        const auto labelFontLabels = window->findChildren<QLabel*>(QRegularExpression(u"Caption$|^webLink$"_s));
        QCOMPARE(labelFontLabels.size(), 7);
        for (QLabel* label : labelFontLabels) {
            QCOMPARE(label->font().pointSize(), 12);
            QCOMPARE(label->font().weight(), QFont::Normal);
            QCOMPARE(QFontInfo(label->font()).family(), u"Liberation Sans"_s);
        }
        for (const char* name : {"nowButton", "timeInput", "germanMonthsOption", "toTacticalFrame", "statusBar"}) {
            QCOMPARE(control(name)->font().pointSize(), 8);
            QCOMPARE(QFontInfo(control(name)->font()).family(), u"Liberation Sans"_s);
        }
        QVERIFY(!control<QLabel>("webLink")->font().underline());
    }

    void captionsFitUncut()
    {
        for (QAbstractButton* button : window->findChildren<QAbstractButton*>()) {
            QVERIFY2(button->sizeHint().width() <= button->width(), qPrintable(button->text()));
            QVERIFY2(button->fontMetrics().height() <= button->height(), qPrintable(button->text()));
        }
        for (QLabel* label : window->findChildren<QLabel*>()) {
            if (label->text().isEmpty())
                continue;
            // The ink of the text, not the font's full line height: the labels are as tall as the design made them.
            const QRect ink = label->fontMetrics().tightBoundingRect(label->text());
            QVERIFY2(label->fontMetrics().horizontalAdvance(label->text()) <= label->contentsRect().width(),
                     qPrintable(label->text()));
            QVERIFY2(ink.height() <= label->contentsRect().height(), qPrintable(label->text()));
        }
        for (QGroupBox* frame : window->findChildren<QGroupBox*>()) {
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
        const QImage logo = control<QLabel>("logo")->pixmap().toImage();
        QCOMPARE(qAlpha(logo.pixel(0, 0)), 0);
        auto* picture = control<QLabel>("logo");
        QCOMPARE(picture->pixmap().deviceIndependentSize(), QSizeF(32, 32));
        QCOMPARE(picture->pixmap().devicePixelRatio(), window->devicePixelRatio());
        QCOMPARE(picture->size(), QSize(36, 36));
        QVERIFY(window->windowIcon().availableSizes().contains(QSize(32, 32)));

        QTest::mouseMove(window.get(), control("webLink")->mapTo(window.get(), QPoint(5, 5)));
        QVERIFY(control("webLink")->testAttribute(Qt::WA_SetCursor));
        const QCursor cursor = control("webLink")->cursor();
        QCOMPARE(cursor.hotSpot(), QPoint(12, 1));
        QCOMPARE(cursor.pixmap().size(), QSize(32, 32));
        for (QWidget* widget : window->findChildren<QWidget*>()) {
            if (qobject_cast<QLineEdit*>(widget))
                QCOMPARE(widget->cursor().shape(), Qt::IBeamCursor);
            else if (widget->objectName() != "webLink"_L1)
                QVERIFY2(!widget->testAttribute(Qt::WA_SetCursor), qPrintable(widget->objectName()));
        }
    }

    // Every control's name and role as designed. Qt keeps a QLabel static text, so the link is static text here.
    void namesControlsForScreenReaders()
    {
        const std::map<std::string_view, QAccessible::Role> roles{{"push button", QAccessible::Button},
                                                                  {"radio button", QAccessible::RadioButton},
                                                                  {"editable text", QAccessible::EditableText},
                                                                  {"read-only text", QAccessible::EditableText},
                                                                  {"static text", QAccessible::StaticText},
                                                                  {"grouping", QAccessible::Grouping},
                                                                  {"link", QAccessible::StaticText},
                                                                  {"graphic", QAccessible::Graphic},
                                                                  {"status bar", QAccessible::StatusBar}};
        for (const Placement& designed : kPlacements) {
            QAccessibleInterface* accessible = QAccessible::queryAccessibleInterface(control(designed.name));
            QCOMPARE(accessible->text(QAccessible::Name), QString::fromUtf8(designed.accessibleName));
            QCOMPARE(accessible->role(), roles.at(designed.role));
            if (accessible->role() == QAccessible::EditableText)
                QCOMPARE(accessible->state().readOnly, std::string_view(designed.role) == "read-only text");
        }
        QAccessibleInterface* self = QAccessible::queryAccessibleInterface(window.get());
        QCOMPARE(self->role(), QAccessible::Window);
        QCOMPARE(self->text(QAccessible::Name), u"- Umrechner taktische Zeit -"_s);
        QCOMPARE(QAccessible::queryAccessibleInterface(control("timeInput"))->text(QAccessible::Description),
                 u"Bitte im Format hh:mm:ss eingeben."_s);
        QCOMPARE(QAccessible::queryAccessibleInterface(control("webLink"))->text(QAccessible::Description),
                 QString::fromUtf8(kDesignedLinkDescription));
    }

    void labelsNameTheirFields_data()
    {
        QTest::addColumn<QString>("label");
        QTest::addColumn<QString>("field");
        for (const char* field :
             {"timeInput", "tacticalResult", "dateInput", "timeResult", "tacticalInput", "dateResult"})
            QTest::newRow(field) << QString(field) + u"Caption"_s << QString(field);
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
        QCOMPARE(window->devicePixelRatio(), scale);
        QCOMPARE(window->grab().size(), QSize(458, 388) * scale);
        QCOMPARE(control<QLabel>("logo")->size(), QSize(36, 36));
    }

    void findsStatusPanelsByKey()
    {
        auto* bar = control<StatusBar>("statusBar");
        QCOMPARE(bar->findChildren<QLabel*>().size(), 3);
        // Left to right from the bar's left edge; the rest of the bar stays empty.
        int left = 0;
        for (form::StatusPanel key : {form::StatusPanel::Time, form::StatusPanel::Date, form::StatusPanel::Tactical}) {
            QLabel* panel = bar->panel(key);
            QVERIFY(panel);
            QCOMPARE(panel->x(), left);
            QCOMPARE(panel->width(), 96);
            QVERIFY(panel->geometry().bottom() < bar->height());
            QCOMPARE(panel->frameShadow(), QFrame::Sunken);
            left += 96;
        }
        QVERIFY(!bar->isSizeGripEnabled());
        StatusBar timeOnly;
        timeOnly.addPanel(form::StatusPanel::Time, 96);
        QCOMPARE(timeOnly.panel(form::StatusPanel::Date), nullptr);
    }
};

QTEST_MAIN(WindowLayoutTest)
#include "test_window_layout.moc"
