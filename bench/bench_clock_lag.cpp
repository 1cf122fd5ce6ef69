// How far after the full second each status refresh lands, on the real clock, and whether any second
// was skipped. Usage: bench_clock_lag SECONDS   (runs the window headless for that long)
#include "converter_window.h"
#include "system_services.h"

#include <QApplication>
#include <QTimer>

#include <algorithm>
#include <cstdio>
#include <vector>

namespace {

// The real desktop, with every reading of its clock kept.
class RecordingDesktop final : public form::Desktop {
public:
    core::Instant now() const override
    {
        const core::Instant instant = real.now();
        readings.push_back(instant);
        return instant;
    }
    std::optional<core::Moment> localTime(std::chrono::sys_seconds utc) const override { return real.localTime(utc); }
    void copy(std::u16string_view text, form::CopyAnswer answer) override { real.copy(text, std::move(answer)); }
    void requestPaste(form::PasteAnswer answer) override { real.requestPaste(std::move(answer)); }
    bool openWebAddress(std::u16string_view address) override { return real.openWebAddress(address); }

    SystemDesktop real;
    mutable std::vector<core::Instant> readings;
};

long long secondsSinceEpoch(core::Instant instant)
{
    return std::chrono::floor<std::chrono::seconds>(instant).time_since_epoch().count();
}

}  // namespace

int main(int argc, char* argv[])
{
    const int seconds = argc > 1 ? std::atoi(argv[1]) : 600;
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication application(argc, argv);
    RecordingDesktop desktop;
    SystemMessageBoxes messageBoxes;
    ConverterWindow window(desktop, messageBoxes);
    window.show();
    QTimer::singleShot(seconds * 1000, &application, &QApplication::quit);
    application.exec();

    // The first reading is the one at load; every later one is a tick of the timer.
    std::vector<int> lags;
    int skipped = 0, early = 0;
    for (std::size_t i = 1; i < desktop.readings.size(); ++i) {
        const long long step = secondsSinceEpoch(desktop.readings[i]) - secondsSinceEpoch(desktop.readings[i - 1]);
        if (step == 0) {
            ++early;
            continue;
        }
        skipped += static_cast<int>(step - 1);
        lags.push_back(static_cast<int>(desktop.readings[i].time_since_epoch().count() % 1000));
    }
    if (lags.empty())
        return 1;
    std::sort(lags.begin(), lags.end());
    std::printf("ticks=%zu lag_median_ms=%d lag_p99_ms=%d lag_max_ms=%d skipped_seconds=%d early_ticks=%d\n",
                lags.size(), lags[lags.size() / 2], lags[lags.size() * 99 / 100], lags.back(), skipped, early);
    return 0;
}
