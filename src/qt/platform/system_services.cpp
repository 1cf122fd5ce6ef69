#include "system_services.h"
#include "qt_text.h"

#ifdef TAKTZEIT_X11
#include "x11_clipboard.h"
#endif

#include <QClipboard>
#include <QDateTime>
#include <QDesktopServices>
#include <QGuiApplication>
#include <QMessageBox>
#include <QUrl>

namespace {

core::Moment momentOf(const QDateTime& dateTime)
{
    const QDate date = dateTime.date();
    const QTime time = dateTime.time();
    return core::Moment{std::chrono::year{date.year()} / date.month() / date.day(),
                        core::ClockTime{time.hour(), time.minute(), time.second()}, 0};
}

}  // namespace

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
    const std::u16string_view whole(reinterpret_cast<const char16_t*>(text.utf16()),
                                    static_cast<std::size_t>(text.size()));
    text.truncate(static_cast<qsizetype>(form::pastedPart(whole).size()));
    return text;
}

std::unique_ptr<Clipboard> makeSystemClipboard()
{
#ifdef TAKTZEIT_X11
    // The offscreen platform answers as an X11 application too, but without a connection.
    if (auto* x11 = qGuiApp->nativeInterface<QNativeInterface::QX11Application>(); x11 && x11->connection())
        return std::make_unique<X11Clipboard>(x11->connection());
#endif
    return std::make_unique<SystemClipboard>();
}

SystemClock::SystemClock(const QTimeZone& zone)
    : zone(zone)
{
}

core::Instant SystemClock::now() const
{
    return core::Instant{std::chrono::milliseconds{QDateTime::currentMSecsSinceEpoch()}};
}

std::optional<core::Moment> SystemClock::localTime(std::chrono::sys_seconds utc) const
{
    const QDateTime local = QDateTime::fromSecsSinceEpoch(utc.time_since_epoch().count(), zone);
    if (!local.isValid())
        return std::nullopt;
    return momentOf(local);
}

SystemDesktop::SystemDesktop(const QTimeZone& zone)
    : clock(zone),
      clipboard(makeSystemClipboard())
{
    QObject::connect(clipboard.get(), &Clipboard::textRead, clipboard.get(),
                     [this](const QString& text) { answerPaste(form::ClipboardAnswer::Done, text.toStdU16String()); });
    QObject::connect(clipboard.get(), &Clipboard::noAnswer, clipboard.get(),
                     [this] { answerPaste(form::ClipboardAnswer::Silent, {}); });
}

core::Instant SystemDesktop::now() const
{
    return clock.now();
}

std::optional<core::Moment> SystemDesktop::localTime(std::chrono::sys_seconds utc) const
{
    return clock.localTime(utc);
}

// Qt takes the clipboard at once: the answer is given before the call returns.
void SystemDesktop::copy(std::u16string_view text, form::CopyAnswer answer)
{
    clipboard->setText(qText(text));
    answer(form::ClipboardAnswer::Done);
}

void SystemDesktop::requestPaste(form::PasteAnswer answer)
{
    pendingPaste = std::move(answer);
    clipboard->requestText();
}

void SystemDesktop::answerPaste(form::ClipboardAnswer answer, std::u16string text)
{
    if (const form::PasteAnswer pending = std::exchange(pendingPaste, nullptr))
        pending(answer, std::move(text));
}

bool SystemDesktop::openWebAddress(std::u16string_view address)
{
    return QDesktopServices::openUrl(QUrl(qText(address)));
}

void SystemMessageBoxes::show(QWidget* owner, const QString& title, const QString& text, form::MessageIcon icon)
{
    QMessageBox box(icon == form::MessageIcon::Critical ? QMessageBox::Critical : QMessageBox::Information, title, text,
                    QMessageBox::Ok, owner);
    box.exec();
}
