#pragma once

#include "fakes.h"
#include "window/start.h"

#include <QTest>

#include <memory>

// The base of the window tests: each test function gets a new window over fresh fake services.
class WindowFixture : public QObject {
protected:
    std::unique_ptr<FakeServices> fakes = std::make_unique<FakeServices>();
    std::unique_ptr<Start> start;

    // Creates the window, which reads the fake clock as it loads; shown, it also waits until it is active.
    bool openWindow(bool shown)
    {
        start = std::make_unique<Start>(fakes->services());
        if (!shown)
            return true;
        start->show();
        return QTest::qWaitForWindowActive(start.get());
    }

    void closeWindow()
    {
        start.reset();
        fakes = std::make_unique<FakeServices>();
    }

    template <class T = QWidget>
    T* control(const QString& name)
    {
        auto* found = start->findChild<T*>(name);
        if (!found)
            qFatal("no control %s", qPrintable(name));
        return found;
    }
};
