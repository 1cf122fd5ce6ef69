#pragma once

#include "converter_window.h"
#include "fakes.h"

#include <QTest>

#include <memory>

// The base of the Qt window tests: each test function gets a new window over a fresh fake desktop.
class WindowFixture : public QObject {
protected:
    std::unique_ptr<FakeDesktop> desktop = std::make_unique<FakeDesktop>();
    std::unique_ptr<FakeMessageBoxes> messageBoxes = std::make_unique<FakeMessageBoxes>();
    std::unique_ptr<ConverterWindow> window;

    // Creates the window, which reads the fake clock as it loads; shown, it also waits until it is active.
    bool openWindow(bool shown)
    {
        window = std::make_unique<ConverterWindow>(*desktop, *messageBoxes);
        if (!shown)
            return true;
        window->show();
        return QTest::qWaitForWindowActive(window.get());
    }

    void closeWindow()
    {
        window.reset();
        desktop = std::make_unique<FakeDesktop>();
        messageBoxes = std::make_unique<FakeMessageBoxes>();
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
