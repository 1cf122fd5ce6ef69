#include "command_line.h"

#include "conversions.h"
#include "tactical_time.h"
#include "text.h"

#include <algorithm>
#include <array>

namespace command_line {
namespace {

constexpr std::array<std::string_view, 6> kOptions{"--jetzt",    "--taktisch", "--normal",
                                                   "--englisch", "--help",     "--version"};

constexpr std::string_view kUsage = "Aufruf: taktzeit [--englisch] --jetzt\n"
                                    "        taktzeit [--englisch] --taktisch UHRZEIT DATUM\n"
                                    "        taktzeit --normal TAKTISCHE-ZEIT\n"
                                    "        taktzeit --help | --version\n"
                                    "Ohne diese Optionen öffnet taktzeit sein Fenster.\n"
                                    "  --jetzt      gibt die aktuelle taktische Zeit aus\n"
                                    "  --taktisch   rechnet Uhrzeit und Datum in die taktische Zeit um\n"
                                    "               (taktzeit --taktisch 16:38 14.10.2009)\n"
                                    "  --normal     rechnet eine taktische Zeit in Uhrzeit und Datum um\n"
                                    "               (taktzeit --normal 141638okt09, taktzeit --normal 031732Z jul 04)\n"
                                    "  --englisch   englische statt deutscher Monatsnamen\n"
                                    "  --help       zeigt diese Hilfe\n"
                                    "  --version    zeigt die Version\n";

// The window's own message for input that is no time or date.
constexpr std::string_view kCheckInput = "Bitte Eingaben überprüfen !!!\n";

enum class Mode { None, Now, ToTactical, ToNormal };

Outcome printed(std::u16string_view text)
{
    return Outcome{0, core::toUtf8(text) + '\n', {}};
}

Outcome usageError()
{
    return Outcome{2, {}, std::string(kUsage)};
}

Outcome badInput()
{
    return Outcome{1, {}, std::string(kCheckInput)};
}

}  // namespace

std::optional<Outcome> run(const std::vector<std::string_view>& arguments, const core::Clock& clock)
{
    if (std::none_of(arguments.begin(), arguments.end(), [](std::string_view argument) {
            return std::find(kOptions.begin(), kOptions.end(), argument) != kOptions.end();
        }))
        return std::nullopt;

    Mode mode = Mode::None;
    bool english = false;
    std::vector<std::u16string> operands;
    for (std::size_t i = 0; i < arguments.size(); ++i) {
        const std::string_view argument = arguments[i];
        if (argument == "--help")
            return Outcome{0, std::string(kUsage), {}};
        if (argument == "--version")
            return Outcome{0, "taktzeit " TAKTZEIT_VERSION "\n", {}};
        if (argument == "--englisch") {
            english = true;
            continue;
        }
        const Mode chosen = argument == "--jetzt" ? Mode::Now
            : argument == "--taktisch"            ? Mode::ToTactical
            : argument == "--normal"              ? Mode::ToNormal
                                                  : Mode::None;
        if (chosen == Mode::None || mode != Mode::None)
            return usageError();
        mode = chosen;
        // The operands: two after --taktisch, every word up to the next option after --normal.
        const std::size_t wanted = mode == Mode::ToTactical ? 2 : mode == Mode::ToNormal ? arguments.size() : 0;
        while (operands.size() < wanted && i + 1 < arguments.size() && !arguments[i + 1].starts_with("--"))
            operands.push_back(core::fromUtf8(arguments[++i]));
    }

    switch (mode) {
    case Mode::Now: {
        const core::Moment now = clock.localNow();
        return printed(core::writeTactical(now.date, now.time,
                                           english ? core::MonthLanguage::English : core::MonthLanguage::German));
    }
    case Mode::ToTactical: {
        if (operands.size() != 2)
            return usageError();
        const auto tactical = core::normalToTactical(
            operands[0], operands[1], english ? core::MonthLanguage::English : core::MonthLanguage::German,
            clock.localNow().date.year());
        return tactical ? printed(*tactical) : badInput();
    }
    case Mode::ToNormal: {
        if (operands.empty())
            return usageError();
        std::u16string text = operands.front();
        for (std::size_t i = 1; i < operands.size(); ++i)
            text += u' ' + operands[i];
        const auto normal = core::tacticalToNormal(text, clock);
        return normal ? printed(normal->time + u' ' + normal->date) : badInput();
    }
    case Mode::None: break;
    }
    return usageError();
}

}  // namespace command_line
