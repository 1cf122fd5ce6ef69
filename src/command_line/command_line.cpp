#include "command_line.h"

#include "conversions.h"
#include "date_reader.h"
#include "tactical_time.h"
#include "text.h"
#include "time_reader.h"

#include <algorithm>
#include <array>
#include <initializer_list>

namespace command_line {
namespace {

constexpr std::array kOptions{
    Option{"--jetzt", Does::Now, "", "gibt die aktuelle taktische Zeit aus", 0, true},
    Option{"--kopieren", Does::Copy, "", "legt die aktuelle taktische Zeit in die Zwischenablage", 0, true},
    Option{"--tippen", Does::Type, "", "tippt die aktuelle taktische Zeit dort ein, wo der Cursor steht", 0, true},
    Option{"--taktisch", Does::ToTactical, "UHRZEIT DATUM", "rechnet Uhrzeit und Datum in die taktische Zeit um", 2,
           true},
    Option{"--normal", Does::ToNormal, "TAKTISCHE-ZEIT", "rechnet eine taktische Zeit in Uhrzeit und Datum um",
           kEveryWord},
    Option{"--englisch", Does::English, "", "englische statt deutscher Monatsnamen"},
    Option{"--zone", Does::Zone, "[=BUCHSTABE]",
           "mit dem Zonenbuchstaben der Ortszeit; =Z in UTC, =A bis =Y in der Zone"},
    Option{"--help", Does::Help, "", "zeigt diese Hilfe"},
    Option{"--version", Does::Version, "", "zeigt die Version"},
};

// The window's own message for input that is no time or date.
constexpr std::string_view kCheckInput = "Bitte Eingaben überprüfen !!!\n";
constexpr std::string_view kNoZoneLetter = "Die Ortszeit hat keinen Zonenbuchstaben; bitte --zone=Z angeben.\n";
constexpr std::string_view kNoClipboard = "Die Zwischenablage ist nicht erreichbar.\n";
constexpr std::u16string_view kCopiedInstead = u" liegt in der Zwischenablage: taktzeit konnte hier nicht tippen.";

bool isMode(Does does)
{
    return does == Does::Now || does == Does::Copy || does == Does::Type || does == Does::ToTactical
        || does == Does::ToNormal;
}

bool isSetting(Does does)
{
    return does == Does::English || does == Does::Zone;
}

// The option as the help writes it, its operands apart or, for a value after "=", joined to it.
std::string written(const Option& option)
{
    const bool joined = option.operands.empty() || option.operands.starts_with('[');
    return std::string(option.name) + (joined ? "" : " ") + std::string(option.operands);
}

// One line a mode, each with the settings that change its text, then the answers of their own.
std::string synopsis()
{
    std::string settings;
    std::string answers;
    for (const Option& option : kOptions) {
        if (isSetting(option.does))
            settings += '[' + written(option) + "] ";
        else if (!isMode(option.does))
            answers += (answers.empty() ? "" : " | ") + written(option);
    }
    std::string text;
    const auto line = [&](const std::string& call) {
        text += (text.empty() ? "Aufruf: taktzeit " : "        taktzeit ") + call + '\n';
    };
    for (const Option& option : kOptions) {
        if (isMode(option.does))
            line((option.writesTactical ? settings : "") + written(option));
    }
    line(answers);
    return text;
}

std::string usage()
{
    std::string text = synopsis() + "Ohne diese Optionen öffnet taktzeit sein Fenster.\n";
    for (const Option& option : kOptions) {
        std::string head = "  " + written(option);
        head.resize(std::max<std::size_t>(head.size() + 2, 29), ' ');
        text += head + std::string(option.help) + '\n';
    }
    return text
        + "Beispiele: taktzeit --taktisch 16:38 14.10.2009 --zone=Z\n"
          "           taktzeit --normal 031732Z jul 04\n";
}

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

// The option an argument names, with its value after "=" where it takes one.
const Option* optionOf(std::string_view argument)
{
    const std::string_view name = argument.substr(0, argument.find('='));
    const auto option = std::find_if(kOptions.begin(), kOptions.end(), [&](const Option& row) {
        return row.name == name && (name == argument || row.operands.starts_with("[="));
    });
    return option == kOptions.end() ? nullptr : &*option;
}

// How a tactical time is written: as it stands, or as a group in the zone of a letter or of local time.
struct Writing {
    core::MonthLanguage language = core::MonthLanguage::German;
    bool group = false;
    std::optional<core::Zone> zone;
};

// The moment as a tactical time, or as a group; nothing where local time has no letter for it.
std::optional<std::u16string> written(std::chrono::sys_seconds utc, const Writing& writing, const core::Clock& clock)
{
    if (writing.group)
        return core::writeGroup(utc, writing.zone, writing.language, clock);
    const core::Moment shown = clock.localMoment(utc);
    return core::writeTactical(shown.date, shown.time, writing.language);
}

bool asks(const std::vector<std::string_view>& arguments, std::initializer_list<Does> modes)
{
    return std::any_of(arguments.begin(), arguments.end(), [&](std::string_view argument) {
        const Option* option = optionOf(argument);
        return option && std::find(modes.begin(), modes.end(), option->does) != modes.end();
    });
}

// The outcome, its errors shown on the desktop too: a shortcut that types has no terminal.
Outcome told(Outcome outcome, Desktop& desktop)
{
    std::u16string message = core::fromUtf8(outcome.errors);
    if (message.ends_with(u'\n'))
        message.pop_back();
    desktop.notify(message);
    outcome.told = true;
    return outcome;
}

// Typed where the keyboard is free and the focus stays; copied instead, and said so, where not.
Outcome typed(const Writing& writing, const core::Clock& clock, Desktop& desktop)
{
    const Typing typing = desktop.waitToType();
    if (typing == Typing::Busy)
        return Outcome{};
    // The clock is read after the wait, just before the keys.
    const auto text = written(std::chrono::floor<std::chrono::seconds>(clock.now()), writing, clock);
    if (!text)
        return told(failed(kNoZoneLetter), desktop);
    if (typing == Typing::Ready && desktop.type(*text))
        return Outcome{};
    if (!desktop.copy(*text))
        return told(failed(kNoClipboard), desktop);
    return told(Outcome{0, {}, core::toUtf8(*text + std::u16string(kCopiedInstead)) + '\n'}, desktop);
}

}  // namespace

std::span<const Option> options()
{
    return kOptions;
}

bool actsWithoutTerminal(const std::vector<std::string_view>& arguments)
{
    return asks(arguments, {Does::Copy, Does::Type});
}

bool types(const std::vector<std::string_view>& arguments)
{
    return asks(arguments, {Does::Type});
}

std::optional<Outcome> run(const std::vector<std::string_view>& arguments, const core::Clock& clock, Desktop& desktop)
{
    if (std::none_of(arguments.begin(), arguments.end(), optionOf))
        return std::nullopt;

    const Option* mode = nullptr;
    Writing writing;
    std::vector<std::u16string> operands;
    for (std::size_t i = 0; i < arguments.size(); ++i) {
        const Option* option = optionOf(arguments[i]);
        if (!option)
            return usageError();
        switch (option->does) {
        case Does::Help: return Outcome{0, usage(), {}};
        case Does::Version: return Outcome{0, "taktzeit " TAKTZEIT_VERSION "\n", {}};
        case Does::English: writing.language = core::MonthLanguage::English; break;
        case Does::Zone: {
            const std::string_view value = arguments[i].substr(option->name.size());
            writing.group = true;
            writing.zone = value.size() == 2 ? core::zoneNamed(static_cast<char16_t>(value[1])) : std::nullopt;
            if (!value.empty() && !writing.zone)
                return usageError();
            break;
        }
        case Does::Now:
        case Does::Copy:
        case Does::Type:
        case Does::ToTactical:
        case Does::ToNormal:
            if (mode)
                return usageError();
            mode = option;
            while (operands.size() < option->words && i + 1 < arguments.size() && !arguments[i + 1].starts_with("--"))
                operands.push_back(core::fromUtf8(arguments[++i]));
            break;
        }
    }
    if (!mode || (mode->words == kEveryWord ? operands.empty() : operands.size() != mode->words))
        return usageError();

    switch (mode->does) {
    case Does::Type: return typed(writing, clock, desktop);
    case Does::Now:
    case Does::Copy: {
        const auto text = written(std::chrono::floor<std::chrono::seconds>(clock.now()), writing, clock);
        if (!text)
            return failed(kNoZoneLetter);
        if (mode->does == Does::Now)
            return printed(*text);
        return desktop.copy(*text) ? Outcome{} : failed(kNoClipboard);
    }
    case Does::ToTactical: {
        const auto time = core::readClockTime(operands[0]);
        const auto date = core::readDate(operands[1], clock.localNow().date.year());
        if (!time || !date)
            return failed(kCheckInput);
        if (!writing.group)
            return printed(core::writeTactical(*date, *time, writing.language));
        // A group is written from the typed local time's moment in UTC, which the hour skipped in spring lacks.
        const auto utc = clock.utcOf(core::Moment{*date, *time, 0});
        if (!utc)
            return failed(kCheckInput);
        const auto group = written(*utc, writing, clock);
        return group ? printed(*group) : failed(kNoZoneLetter);
    }
    case Does::ToNormal: {
        std::u16string text = operands.front();
        for (std::size_t i = 1; i < operands.size(); ++i)
            text += u' ' + operands[i];
        const auto normal = core::tacticalToNormal(text, clock);
        return normal ? printed(normal->time + u' ' + normal->date) : failed(kCheckInput);
    }
    default: return usageError();
    }
}

}  // namespace command_line
