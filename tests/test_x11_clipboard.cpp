#include "x11_clipboard.h"

#include <QGuiApplication>
#include <QSignalSpy>
#include <QSocketNotifier>
#include <QTest>

#include <cstdlib>
#include <cstring>
#include <memory>

using namespace Qt::StringLiterals;

namespace {

xcb_atom_t atom(xcb_connection_t* connection, const char* name)
{
    std::unique_ptr<xcb_intern_atom_reply_t, decltype(&std::free)> reply(
        xcb_intern_atom_reply(connection, xcb_intern_atom(connection, 0, std::strlen(name), name), nullptr),
        &std::free);
    return reply->atom;
}

// Another program holding the clipboard, on a connection of its own: it offers its text in one form (UTF-8,
// or Latin-1 as STRING), whole or in pieces (an incremental transfer), or takes the clipboard and never answers.
class ClipboardOwner {
public:
    ClipboardOwner(const QByteArray& text, int pieceSize, bool answers, const char* form = "UTF8_STRING")
        : connection(xcb_connect(nullptr, nullptr)),
          text(text),
          pieceSize(pieceSize),
          answers(answers),
          offered(atom(connection, form)),
          incremental(atom(connection, "INCR"))
    {
        const xcb_screen_t* screen = xcb_setup_roots_iterator(xcb_get_setup(connection)).data;
        const xcb_window_t window = xcb_generate_id(connection);
        xcb_create_window(connection, XCB_COPY_FROM_PARENT, window, screen->root, 0, 0, 1, 1, 0,
                          XCB_WINDOW_CLASS_INPUT_ONLY, XCB_COPY_FROM_PARENT, 0, nullptr);
        const xcb_atom_t clipboard = atom(connection, "CLIPBOARD");
        xcb_set_selection_owner(connection, window, clipboard, XCB_CURRENT_TIME);
        // Owner only once the server says so; a reader that asks before would find nobody under load.
        std::free(xcb_get_selection_owner_reply(connection, xcb_get_selection_owner(connection, clipboard), nullptr));
        notifier = std::make_unique<QSocketNotifier>(xcb_get_file_descriptor(connection), QSocketNotifier::Read);
        QObject::connect(notifier.get(), &QSocketNotifier::activated, [this] { answerEvents(); });
    }

    ~ClipboardOwner()
    {
        notifier.reset();
        xcb_disconnect(connection);
    }

private:
    void answerEvents()
    {
        while (xcb_generic_event_t* event = xcb_poll_for_event(connection)) {
            if (answers && (event->response_type & 0x7f) == XCB_SELECTION_REQUEST)
                answerRequest(*reinterpret_cast<xcb_selection_request_event_t*>(event));
            else if ((event->response_type & 0x7f) == XCB_PROPERTY_NOTIFY)
                sendNextPiece(*reinterpret_cast<xcb_property_notify_event_t*>(event));
            std::free(event);
        }
        xcb_flush(connection);
    }

    void answerRequest(const xcb_selection_request_event_t& request)
    {
        xcb_selection_notify_event_t notify{};
        notify.response_type = XCB_SELECTION_NOTIFY;
        notify.requestor = request.requestor;
        notify.selection = request.selection;
        notify.target = request.target;
        notify.property = request.target == offered ? request.property : xcb_atom_t{XCB_ATOM_NONE};
        if (request.target == offered && text.size() <= pieceSize) {
            setProperty(request.requestor, request.property, offered, text);
        } else if (request.target == offered) {
            // Announces the size; the requestor deleting the announcement asks for the first piece.
            const uint32_t size = static_cast<uint32_t>(text.size());
            xcb_change_property(connection, XCB_PROP_MODE_REPLACE, request.requestor, request.property, incremental, 32,
                                1, &size);
            const uint32_t events = XCB_EVENT_MASK_PROPERTY_CHANGE;
            xcb_change_window_attributes(connection, request.requestor, XCB_CW_EVENT_MASK, &events);
            sent = 0;
        }
        xcb_send_event(connection, 0, request.requestor, 0, reinterpret_cast<const char*>(&notify));
    }

    // Each piece once the requestor has taken the last; an empty piece ends the transfer.
    void sendNextPiece(const xcb_property_notify_event_t& notify)
    {
        if (notify.state != XCB_PROPERTY_DELETE || sent > text.size())
            return;
        const QByteArray piece = text.mid(sent, pieceSize);
        setProperty(notify.window, notify.atom, offered, piece);
        sent += piece.isEmpty() ? 1 : piece.size();
    }

    void setProperty(xcb_window_t window, xcb_atom_t property, xcb_atom_t type, const QByteArray& value)
    {
        xcb_change_property(connection, XCB_PROP_MODE_REPLACE, window, property, type, 8,
                            static_cast<uint32_t>(value.size()), value.constData());
    }

    xcb_connection_t* const connection;
    const QByteArray text;
    const qsizetype pieceSize;
    const bool answers;
    const xcb_atom_t offered;
    const xcb_atom_t incremental;
    qsizetype sent = 0;
    std::unique_ptr<QSocketNotifier> notifier;
};

}  // namespace

// The X11 clipboard reader against an owner in the same test, on the X server the test runs on.
class X11ClipboardTest : public QObject {
    Q_OBJECT

private slots:
    void readsWhatTheOwnerGives_data()
    {
        QTest::addColumn<QByteArray>("offered");
        QTest::addColumn<int>("pieceSize");
        QTest::addColumn<QString>("pasted");
        QTest::addColumn<QByteArray>("form");
        const QByteArray ticks(12000, '1');
        const QByteArray utf8 = "UTF8_STRING";
        QTest::newRow("UTF-8 at once") << "010900m\xc3\xa4r2010"_ba << 100 << u"010900mär2010"_s << utf8;
        QTest::newRow("in pieces") << "141638okt2009"_ba << 4 << u"141638okt2009"_s << utf8;
        QTest::newRow("in pieces, longer than a paste") << ticks << 5000 << QString(10000, u'1') << utf8;
        QTest::newRow("in pieces, longer than a paste, two bytes a character")
            << "\xc3\xa4"_ba.repeated(12000) << 5000 << QString(10000, u'ä') << utf8;
        QTest::newRow("Latin-1 only") << "010900m\xe4r2010"_ba << 100 << u"010900mär2010"_s << "STRING"_ba;
    }

    void readsWhatTheOwnerGives()
    {
        QFETCH(QByteArray, offered);
        QFETCH(int, pieceSize);
        QFETCH(QString, pasted);
        QFETCH(QByteArray, form);
        ClipboardOwner owner(offered, pieceSize, true, form.constData());
        X11Clipboard clipboard(connection());
        QSignalSpy read(&clipboard, &Clipboard::textRead);
        clipboard.requestText();
        QVERIFY(read.wait(5000));
        QCOMPARE(read.takeFirst().first().toString(), pasted);
    }

    void ownerThatNeverAnswersIsGivenUp()
    {
        ClipboardOwner owner("141638okt2009", 100, false);
        X11Clipboard clipboard(connection(), std::chrono::milliseconds(50));
        QSignalSpy silent(&clipboard, &Clipboard::noAnswer);
        clipboard.requestText();
        QVERIFY(silent.wait(5000));
        // Asked again, it asks anew.
        clipboard.requestText();
        QVERIFY(silent.wait(5000));
    }

private:
    static xcb_connection_t* connection()
    {
        return qGuiApp->nativeInterface<QNativeInterface::QX11Application>()->connection();
    }
};

QTEST_MAIN(X11ClipboardTest)
#include "test_x11_clipboard.moc"
