#include "system_services.h"

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

QString SystemClipboard::text() const
{
    return QGuiApplication::clipboard()->text(QClipboard::Clipboard);
}

void SystemClipboard::setText(const QString& text)
{
    QGuiApplication::clipboard()->setText(text, QClipboard::Clipboard);
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
