#include "command_line.h"

#include "conversions.h"
#include "date_reader.h"
#include "tactical_time.h"
#include "text.h"
#include "time_reader.h"

#include <algorithm>
#include <array>

namespace command_line {
namespace {

constexpr std::array kOptions{
    Option{"--jetzt", "", "gibt die aktuelle taktische Zeit aus"},
    Option{"--taktisch", "UHRZEIT DATUM", "rechnet Uhrzeit und Datum in die taktische Zeit um"},
    Option{"--normal", "TAKTISCHE-ZEIT", "rechnet eine taktische Zeit in Uhrzeit und Datum um"},
    Option{"--zone", "[=BUCHSTABE]", "mit dem Zonenbuchstaben der Ortszeit; =Z in UTC, =A bis =Y in der Zone"},
    Option{"--englisch", "", "englische statt deutscher Monatsnamen"},
    Option{"--help", "", "zeigt diese Hilfe"},
    Option{"--version", "", "zeigt die Version"},
};

// The window's own message for input that is no time or date.
constexpr std::string_view kCheckInput = "Bitte Eingaben überprüfen !!!\n";
constexpr std::string_view kNoZoneLetter = "Die Ortszeit hat keinen Zonenbuchstaben; bitte --zone=Z angeben.\n";

std::string usage()
{
    std::string text = "Aufruf: taktzeit [--englisch] [--zone[=BUCHSTABE]] --jetzt\n"
                       "        taktzeit [--englisch] [--zone[=BUCHSTABE]] --taktisch UHRZEIT DATUM\n"
                       "        taktzeit --normal TAKTISCHE-ZEIT\n"
                       "        taktzeit --help | --version\n"
                       "Ohne diese Optionen öffnet taktzeit sein Fenster.\n";
    for (const Option& option : kOptions) {
        const bool attached = option.operands.empty() || option.operands.starts_with('[');
        std::string head = "  " + std::string(option.name) + (attached ? "" : " ") + std::string(option.operands);
        head.resize(std::max<std::size_t>(head.size() + 2, 29), ' ');
        text += head + std::string(option.help) + '\n';
    }
    return text
        + "Beispiele: taktzeit --taktisch 16:38 14.10.2009 --zone=Z\n"
          "           taktzeit --normal 031732Z jul 04\n";
}

enum class Mode { None, Now, ToTactical, ToNormal };

// How a group is written: without a letter, with the letter of local time, or in the zone of a letter.
struct Zone {
    bool wanted = false;
    std::optional<char16_t> letter;
};

Outcome printed(std::u16string_view text)
{
    return Outcome{0, core::toUtf8(text) + '\n', {}};
}

Outcome usageError()
{
    return Outcome{2, {}, usage()};
}

Outcome failed(std::string_view message)
{
    return Outcome{1, {}, std::string(message)};
}

bool isOption(std::string_view argument)
{
    const std::string_view name = argument.substr(0, argument.find('='));
    return std::any_of(kOptions.begin(), kOptions.end(), [&](const Option& option) {
        return option.name == name && (name == argument || option.operands.starts_with("[="));
    });
}

// The moment written as a tactical time or group.
Outcome written(std::chrono::sys_seconds utc, const Zone& zone, core::MonthLanguage language, const core::Clock& clock)
{
    using namespace std::chrono;
    core::Moment shown = clock.localMoment(utc);
    std::optional<char16_t> letter = zone.letter;
    if (zone.wanted && !letter) {
        // The letter of local time at that moment, where its offset has one.
        const auto offset = floor<seconds>(core::utcInstant(shown)) - utc;
        if (offset % hours{1} == seconds{0})
            letter = core::zoneLetter(static_cast<int>(duration_cast<hours>(offset).count()));
        if (!letter)
            return failed(kNoZoneLetter);
    } else if (letter && *letter != u'J') {
        shown = core::utcMoment(utc + hours{*core::zoneOffsetHours(*letter)});
    }
    return printed(core::writeTactical(shown.date, shown.time, language, letter));
}

}  // namespace

std::span<const Option> options()
{
    return kOptions;
}

std::optional<Outcome> run(const std::vector<std::string_view>& arguments, const core::Clock& clock)
{
    if (std::none_of(arguments.begin(), arguments.end(), isOption))
        return std::nullopt;

    Mode mode = Mode::None;
    bool english = false;
    Zone zone;
    std::vector<std::u16string> operands;
    for (std::size_t i = 0; i < arguments.size(); ++i) {
        const std::string_view argument = arguments[i];
        if (argument == "--help")
            return Outcome{0, usage(), {}};
        if (argument == "--version")
            return Outcome{0, "taktzeit " TAKTZEIT_VERSION "\n", {}};
        if (argument == "--englisch") {
            english = true;
            continue;
        }
        if (argument == "--zone" || argument.starts_with("--zone=")) {
            const std::string_view value = argument.substr(std::min<std::size_t>(argument.size(), 7));
            const char letter = value.size() == 1 ? static_cast<char>(value.front() & ~0x20) : 0;
            if (argument != "--zone" && !(letter >= 'A' && letter <= 'Z'))
                return usageError();
            zone = Zone{true, letter ? std::optional<char16_t>(letter) : std::nullopt};
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

    const core::MonthLanguage language = english ? core::MonthLanguage::English : core::MonthLanguage::German;
    switch (mode) {
    case Mode::Now: return written(std::chrono::floor<std::chrono::seconds>(clock.now()), zone, language, clock);
    case Mode::ToTactical: {
        if (operands.size() != 2)
            return usageError();
        const auto time = core::readClockTime(operands[0]);
        const auto date = core::readDate(operands[1], clock.localNow().date.year());
        if (!time || !date)
            return failed(kCheckInput);
        if (!zone.wanted)
            return printed(core::writeTactical(*date, *time, language));
        // A group is written from the typed local time's moment in UTC, which the hour skipped in spring lacks.
        const auto utc = clock.utcOf(core::Moment{*date, *time, 0});
        return utc ? written(*utc, zone, language, clock) : failed(kCheckInput);
    }
    case Mode::ToNormal: {
        if (operands.empty())
            return usageError();
        std::u16string text = operands.front();
        for (std::size_t i = 1; i < operands.size(); ++i)
            text += u' ' + operands[i];
        const auto normal = core::tacticalToNormal(text, clock);
        return normal ? printed(normal->time + u' ' + normal->date) : failed(kCheckInput);
    }
    case Mode::None: break;
    }
    return usageError();
}

}  // namespace command_line
