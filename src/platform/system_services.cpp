#include "system_services.h"

#ifdef TAKTZEIT_X11
#include "x11_clipboard.h"
#endif

#include <QClipboard>
#include <QDateTime>
#include <QDesktopServices>
#include <QGuiApplication>
#include <QMessageBox>

core::Moment SystemClock::now() const
{
    const QDateTime local = QDateTime::currentDateTime();
    const QDate date = local.date();
    const QTime time = local.time();
    return core::Moment{std::chrono::year{date.year()} / date.month() / date.day(),
                        core::ClockTime{time.hour(), time.minute(), time.second()}, time.msec()};
}

void SystemClipboard::requestText()
{
    const QString text = boundedClipboardText(QGuiApplication::clipboard()->text(QClipboard::Clipboard));
    // Answered through the event loop, as the interface promises.
    QMetaObject::invokeMethod(
        this, [this, text] { emit textRead(text); }, Qt::QueuedConnection);
}

void SystemClipboard::setText(const QString& text)
{
    QGuiApplication::clipboard()->setText(text, QClipboard::Clipboard);
}

QString boundedClipboardText(QString text)
{
    if (text.size() > kClipboardTextLimit)
        text.truncate(text.at(kClipboardTextLimit - 1).isHighSurrogate() ? kClipboardTextLimit - 1
                                                                         : kClipboardTextLimit);
    return text;
}

std::unique_ptr<Clipboard> makeSystemClipboard()
{
#ifdef TAKTZEIT_X11
    if (auto* x11 = qGuiApp->nativeInterface<QNativeInterface::QX11Application>())
        return std::make_unique<X11Clipboard>(x11->connection());
#endif
    return std::make_unique<SystemClipboard>();
}

void SystemMessageBoxes::show(QWidget* owner, const QString& title, const QString& text, MessageIcon icon)
{
    QMessageBox box(icon == MessageIcon::Critical ? QMessageBox::Critical : QMessageBox::Information, title, text,
                    QMessageBox::Ok, owner);
    box.exec();
}

bool SystemWebOpener::open(const QUrl& address)
{
    return QDesktopServices::openUrl(address);
}
