// Conversions per second of the builder and both conversions, beside strftime writing the same moment.
#include "c_library_clock.h"
#include "conversions.h"
#include "tactical_time.h"

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <ctime>
#include <functional>
#include <vector>

namespace {

constexpr int kRuns = 7;
constexpr int kCallsPerRun = 2'000'000;

std::size_t sink = 0;

// Calls per second over several runs: median, min and max.
struct Rate {
    double median, min, max;
};

Rate measure(const std::function<std::size_t()>& call)
{
    std::vector<double> rates;
    for (int run = 0; run < kRuns; ++run) {
        const auto start = std::chrono::steady_clock::now();
        for (int i = 0; i < kCallsPerRun; ++i)
            sink += call();
        const std::chrono::duration<double> elapsed = std::chrono::steady_clock::now() - start;
        rates.push_back(kCallsPerRun / elapsed.count());
    }
    std::sort(rates.begin(), rates.end());
    return {rates[rates.size() / 2], rates.front(), rates.back()};
}

void report(const char* name, Rate rate, Rate baseline)
{
    std::printf("%-34s %12.0f/s  (min %12.0f, max %12.0f)  %5.2fx strftime\n", name, rate.median, rate.min, rate.max,
                rate.median / baseline.median);
}

}  // namespace

int main()
{
    using namespace std::chrono;
    const core::Moment moment{year{2009} / 10 / 14, core::ClockTime{16, 38, 53}, 0};
    std::tm tm{};
    tm.tm_year = 109;
    tm.tm_mon = 9;
    tm.tm_mday = 14;
    tm.tm_hour = 16;
    tm.tm_min = 38;
    tm.tm_sec = 53;

    const Rate baseline = measure([&] {
        char buffer[32];
        return std::strftime(buffer, sizeof buffer, "%d%H%M%b%y", &tm);
    });
    const Rate builder =
        measure([&] { return core::writeTactical(moment.date, moment.time, core::MonthLanguage::German).size(); });
    const Rate toTactical = measure([&] {
        return core::normalToTactical(u"16:38:53", u"14.10.2009", core::MonthLanguage::German, year{2026})->size();
    });
    const core::CLibraryClock clock;
    const Rate toNormal = measure([&] { return core::tacticalToNormal(u"141638okt2009", clock)->date.size(); });

    std::printf("%d runs of %d calls each; median calls per second\n", kRuns, kCallsPerRun);
    report("strftime (baseline)", baseline, baseline);
    report("builder (the current tactical time)", builder, baseline);
    report("normal to tactical", toTactical, baseline);
    report("tactical to normal", toNormal, baseline);
    return sink == 0;
}
