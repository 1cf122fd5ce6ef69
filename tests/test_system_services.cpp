#include "application_identity.h"
#include "conversions.h"
#include "display_platform.h"
#include "system_services.h"

#include <QApplication>
#include <QClipboard>
#include <QDateTime>
#include <QFile>
#include <QMessageBox>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include <optional>

using namespace Qt::StringLiterals;

// The real services against Qt's own clipboard and dialogs, on the offscreen platform.
class SystemServicesTest : public QObject {
    Q_OBJECT

private slots:
    void clockReadsLocalTimeToTheMillisecond()
    {
        QDateTime before, read, after;
        // Until the first reading is off the full second and all three fall in one second.
        do {
            before = QDateTime::currentDateTime();
            const core::Moment now = SystemClock().localNow();
            after = QDateTime::currentDateTime();
            read = QDateTime(QDate(int(now.date.year()), unsigned(now.date.month()), unsigned(now.date.day())),
                             QTime(now.time.hour, now.time.minute, now.time.second, now.millisecond));
        } while (before.time().msec() == 0 || before.time().second() != after.time().second());
        QVERIFY(before <= read && read <= after);
    }

    // Date-time groups shown in local time by the time-zone database, on a computer set to Germany.
    void showsDateTimeGroupsInLocalTime_data()
    {
        QTest::addColumn<QString>("group");
        QTest::addColumn<QString>("shown");
        QTest::newRow("summer, UTC") << u"031732Zjul04"_s << u"19:32 03.07.04"_s;
        QTest::newRow("summer, UTC+2") << u"031732B jul 04"_s << u"17:32 03.07.04"_s;
        QTest::newRow("winter, UTC") << u"031732Zjan04"_s << u"18:32 03.01.04"_s;
        QTest::newRow("winter, UTC+1") << u"031732Ajan04"_s << u"17:32 03.01.04"_s;
        QTest::newRow("into the new year") << u"312330Zdez09"_s << u"00:30 01.01.10"_s;
        QTest::newRow("four-digit year") << u"312330Zdez2009"_s << u"00:30 01.01.2010"_s;
        QTest::newRow("1930 had no summer time") << u"011200Zjul30"_s << u"13:00 01.07.30"_s;
        QTest::newRow("before summer time starts") << u"280059Zmär21"_s << u"01:59 28.03.21"_s;
        QTest::newRow("as summer time starts") << u"280100Zmär21"_s << u"03:00 28.03.21"_s;
        QTest::newRow("before summer time ends") << u"310059Zokt21"_s << u"02:59 31.10.21"_s;
        QTest::newRow("as summer time ends") << u"310100Zokt21"_s << u"02:00 31.10.21"_s;
        QTest::newRow("local time as written") << u"031732Jjul04"_s << u"17:32 03.07.04"_s;
        QTest::newRow("past the years two digits read") << u"312330Zdez29"_s << QString();
    }

    void showsDateTimeGroupsInLocalTime()
    {
        QFETCH(QString, group);
        QFETCH(QString, shown);
        const auto normal = core::tacticalToNormal(group.toStdU16String(), SystemClock(QTimeZone("Europe/Berlin")));
        QCOMPARE(normal ? QString::fromStdU16String(normal->time + u' ' + normal->date) : QString(), shown);
    }

    void namesItselfByItsApplicationId()
    {
        nameApplication();
        QCOMPARE(QGuiApplication::desktopFileName(), QStringLiteral(TAKTZEIT_APP_ID));
        QCOMPARE(QGuiApplication::applicationName(), u"taktzeit"_s);
        QCOMPARE(QGuiApplication::applicationVersion(), u"6.00"_s);
    }

    // Empty columns are variables left unset; a local X server ":5" has its socket, ":6" has none.
    void prefersXWaylandOnlyWhenNobodyChose_data()
    {
        QTest::addColumn<QByteArray>("platform");
        QTest::addColumn<QByteArray>("session");
        QTest::addColumn<QByteArray>("wayland");
        QTest::addColumn<QByteArray>("display");
        QTest::addColumn<QByteArray>("argument");
        QTest::addColumn<bool>("xwayland");
        QTest::newRow("GNOME on Wayland") << ""_ba
                                          << "wayland"_ba
                                          << "wayland-0"_ba
                                          << ":5"_ba
                                          << ""_ba << true;
        QTest::newRow("a Wayland display alone") << ""_ba
                                                 << ""_ba
                                                 << "wayland-0"_ba
                                                 << ":5.0"_ba
                                                 << ""_ba << true;
        QTest::newRow("a remote X server") << ""_ba
                                           << "wayland"_ba
                                           << ""_ba
                                           << "host:10.0"_ba
                                           << ""_ba << true;
        QTest::newRow("user chose Wayland") << "wayland"_ba
                                            << "wayland"_ba
                                            << "wayland-0"_ba
                                            << ":5"_ba
                                            << ""_ba << false;
        QTest::newRow("-platform given") << ""_ba
                                         << "wayland"_ba
                                         << "wayland-0"_ba
                                         << ":5"_ba
                                         << "-platform"_ba << false;
        QTest::newRow("no XWayland") << ""_ba
                                     << "wayland"_ba
                                     << "wayland-0"_ba
                                     << ""_ba
                                     << ""_ba << false;
        QTest::newRow("X server without socket") << ""_ba
                                                 << "wayland"_ba
                                                 << "wayland-0"_ba
                                                 << ":6"_ba
                                                 << ""_ba << false;
        QTest::newRow("an X11 session") << ""_ba
                                        << "x11"_ba
                                        << ""_ba
                                        << ":5"_ba
                                        << ""_ba << false;
    }

    void prefersXWaylandOnlyWhenNobodyChose()
    {
        QFETCH(QByteArray, platform);
        QFETCH(QByteArray, session);
        QFETCH(QByteArray, wayland);
        QFETCH(QByteArray, display);
        QFETCH(QByteArray, argument);
        QFETCH(bool, xwayland);
        const QByteArray offscreen = qgetenv("QT_QPA_PLATFORM");
        const auto setOrUnset = [](const char* name, const QByteArray& value) {
            value.isEmpty() ? qunsetenv(name) : qputenv(name, value);
        };
        setOrUnset("QT_QPA_PLATFORM", platform);
        setOrUnset("XDG_SESSION_TYPE", session);
        setOrUnset("WAYLAND_DISPLAY", wayland);
        setOrUnset("DISPLAY", display);
        QTemporaryDir sockets;
        QVERIFY(QFile(sockets.filePath(u"X5"_s)).open(QIODevice::WriteOnly));
        QByteArray program("taktzeit"), wanted("wayland");
        char* arguments[] = {program.data(), argument.data(), wanted.data()};

        QCOMPARE(preferXWaylandOnWayland(argument.isEmpty() ? 1 : 3, arguments, sockets.path()), xwayland);
        QCOMPARE(qgetenv("QT_QPA_PLATFORM"), xwayland ? "xcb"_ba : platform);
        // What the browser started from the window inherits: the user's own choice, never the program's.
        forgetPreferredPlatform(xwayland);
        QCOMPARE(qgetenv("QT_QPA_PLATFORM"), platform);
        qputenv("QT_QPA_PLATFORM", offscreen);
    }

    void clipboardIsTheClipboardNotTheSelection()
    {
        SystemDesktop desktop;
        std::optional<form::ClipboardAnswer> copied;
        desktop.copy(u"141638okt09", [&](form::ClipboardAnswer answer) { copied = answer; });
        QCOMPARE(copied, form::ClipboardAnswer::Done);
        QCOMPARE(QApplication::clipboard()->text(QClipboard::Clipboard), u"141638okt09"_s);
        QApplication::clipboard()->setText(u"010900mär2010"_s, QClipboard::Clipboard);
        std::optional<std::u16string> pasted;
        desktop.requestPaste([&](form::ClipboardAnswer answer, std::u16string text) {
            pasted = answer == form::ClipboardAnswer::Done ? text : u"(no answer)";
        });
        QVERIFY(!pasted);
        QTRY_VERIFY(pasted);
        QCOMPARE(*pasted, u"010900mär2010");
    }

    // With no program to open it (no xdg-open on the PATH, no BROWSER), the link says so.
    void saysWhenNothingOpensTheWebAddress()
    {
        const QByteArray path = qgetenv("PATH"), browser = qgetenv("BROWSER");
        qputenv("PATH", "/nonexistent");
        qunsetenv("BROWSER");
        const bool opened = SystemDesktop().openWebAddress(u"http://www.example.org");
        qputenv("PATH", path);
        qputenv("BROWSER", browser);
        QVERIFY(!opened);
    }

    void pasteTakesNoMoreThanTheLimit_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<qsizetype>("taken");
        // A paste takes at most 10,000 characters, as the README promises its users.
        const QString plain(10005, u'x');
        QString pairAtTheLimit(9999, u'x');
        pairAtTheLimit += u"📻 und mehr"_s;
        QTest::newRow("plain") << plain << qsizetype(10000);
        QTest::newRow("surrogate pair at the limit") << pairAtTheLimit << qsizetype(9999);
    }

    void pasteTakesNoMoreThanTheLimit()
    {
        QFETCH(QString, text);
        QFETCH(qsizetype, taken);
        QCOMPARE(boundedClipboardText(text), text.left(taken));
    }

    void messageBoxIsModalToItsOwner_data()
    {
        QTest::addColumn<form::MessageIcon>("icon");
        QTest::addColumn<QMessageBox::Icon>("shown");
        QTest::newRow("critical") << form::MessageIcon::Critical << QMessageBox::Critical;
        QTest::newRow("information") << form::MessageIcon::Information << QMessageBox::Information;
    }

    void messageBoxIsModalToItsOwner()
    {
        QFETCH(form::MessageIcon, icon);
        QFETCH(QMessageBox::Icon, shown);
        QWidget owner;
        owner.show();
        // Read while the box is open: it lives only as long as the call that shows it.
        struct Seen {
            QWidget* parent;
            QString title, text;
            QMessageBox::Icon icon;
            QMessageBox::StandardButtons buttons;
        };
        std::optional<Seen> seen;
        QTimer::singleShot(0, [&] {
            if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) {
                seen = Seen{box->parentWidget(), box->windowTitle(), box->text(), box->icon(), box->standardButtons()};
                box->accept();
            }
        });
        SystemMessageBoxes().show(&owner, u"Titel"_s, u"Text"_s, icon);
        QVERIFY(seen);
        QCOMPARE(seen->parent, &owner);
        QCOMPARE(seen->title, u"Titel"_s);
        QCOMPARE(seen->text, u"Text"_s);
        QCOMPARE(seen->icon, shown);
        QCOMPARE(seen->buttons, QMessageBox::Ok);
    }
};

QTEST_MAIN(SystemServicesTest)
#include "test_system_services.moc"
