#include "system_services.h"

#include <QApplication>
#include <QClipboard>
#include <QMessageBox>
#include <QSignalSpy>
#include <QTest>
#include <QTimer>

#include <optional>

using namespace Qt::StringLiterals;

// The real services against Qt's own clipboard and dialogs, on the offscreen platform.
class SystemServicesTest : public QObject {
    Q_OBJECT

private slots:
    void clipboardIsTheClipboardNotTheSelection()
    {
        SystemClipboard clipboard;
        clipboard.setText(u"141638okt09"_s);
        QCOMPARE(QApplication::clipboard()->text(QClipboard::Clipboard), u"141638okt09"_s);
        QApplication::clipboard()->setText(u"010900mär2010"_s, QClipboard::Clipboard);
        QSignalSpy read(&clipboard, &Clipboard::textRead);
        clipboard.requestText();
        QVERIFY(read.isEmpty());
        QVERIFY(read.wait());
        QCOMPARE(read.takeFirst().first().toString(), u"010900mär2010"_s);
    }

    void pasteTakesNoMoreThanTheLimit_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<qsizetype>("taken");
        const QString plain(kClipboardTextLimit + 5, u'x');
        QString pairAtTheLimit(kClipboardTextLimit - 1, u'x');
        pairAtTheLimit += u"📻 und mehr"_s;
        QTest::newRow("plain") << plain << kClipboardTextLimit;
        QTest::newRow("surrogate pair at the limit") << pairAtTheLimit << kClipboardTextLimit - 1;
    }

    void pasteTakesNoMoreThanTheLimit()
    {
        QFETCH(QString, text);
        QFETCH(qsizetype, taken);
        QCOMPARE(boundedClipboardText(text), text.left(taken));
    }

    void messageBoxIsModalToItsOwner_data()
    {
        QTest::addColumn<MessageIcon>("icon");
        QTest::addColumn<QMessageBox::Icon>("shown");
        QTest::newRow("critical") << MessageIcon::Critical << QMessageBox::Critical;
        QTest::newRow("information") << MessageIcon::Information << QMessageBox::Information;
    }

    void messageBoxIsModalToItsOwner()
    {
        QFETCH(MessageIcon, icon);
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
