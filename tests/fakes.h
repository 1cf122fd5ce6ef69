#pragma once

#include "services.h"

#include <QList>

// Stand-ins for the world outside the program, so window tests control time, clipboard and browser.

class FakeClock final : public Clock {
public:
    core::Moment now() const override
    {
        ++reads;
        return moment;
    }

    void set(int year, unsigned month, unsigned day, int hour, int minute, int second, int millisecond = 0)
    {
        moment =
            core::Moment{std::chrono::year{year} / month / day, core::ClockTime{hour, minute, second}, millisecond};
    }

    core::Moment moment{std::chrono::year{2009} / 10 / 14, core::ClockTime{16, 38, 53}, 0};
    mutable int reads = 0;
};

// Answers at once unless told to wait; then answer() or giveUp() gives the answer the test wants, when it wants.
class FakeClipboard final : public Clipboard {
public:
    void requestText() override
    {
        ++requests;
        if (answersAtOnce)
            answer();
    }
    void answer() { emit textRead(content); }
    void giveUp() { emit noAnswer(); }
    void setText(const QString& text) override
    {
        content = text;
        ++writes;
    }

    QString content;
    bool answersAtOnce = true;
    int requests = 0;
    int writes = 0;
};

class FakeMessageBoxes final : public MessageBoxes {
public:
    struct Shown {
        QWidget* owner;
        QString title;
        QString text;
        MessageIcon icon;
    };

    void show(QWidget* owner, const QString& title, const QString& text, MessageIcon icon) override
    {
        shown.append({owner, title, text, icon});
    }

    QList<Shown> shown;
};

class FakeWebOpener final : public WebOpener {
public:
    bool open(const QUrl& address) override
    {
        opened.append(address);
        return succeeds;
    }

    bool succeeds = true;
    QList<QUrl> opened;
};

struct FakeServices {
    FakeClock clock;
    FakeClipboard clipboard;
    FakeMessageBoxes messageBoxes;
    FakeWebOpener webOpener;

    Services services() { return Services{clock, clipboard, messageBoxes, webOpener}; }
};
