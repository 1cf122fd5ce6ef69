#pragma once

#include "converter_window.h"
#include "fakes.h"

#include <QTest>

#include <memory>

// The base of the window tests: each test function gets a new window over fresh fake services.
class WindowFixture : public QObject {
protected:
    std::unique_ptr<FakeServices> fakes = std::make_unique<FakeServices>();
    std::unique_ptr<ConverterWindow> window;

    // Creates the window, which reads the fake clock as it loads; shown, it also waits until it is active.
    bool openWindow(bool shown)
    {
        window = std::make_unique<ConverterWindow>(fakes->services());
        if (!shown)
            return true;
        window->show();
        return QTest::qWaitForWindowActive(window.get());
    }

    void closeWindow()
    {
        window.reset();
        fakes = std::make_unique<FakeServices>();
    }

    template <class T = QWidget>
    T* control(const QString& name)
    {
        auto* found = window->findChild<T*>(name);
        if (!found)
            qFatal("no control %s", qPrintable(name));
        return found;
    }
};
