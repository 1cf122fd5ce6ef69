#include "command_line.h"
#include "examples.h"
#include "fake_desktop.h"

#include <QFile>
#include <QRegularExpression>
#include <QTest>

#include <functional>
#include <memory>

using namespace Qt::StringLiterals;

namespace {

// The first line of the usage text, enough to know it.
const QString kUsage = u"Aufruf: taktzeit [--englisch] [--zone[=BUCHSTABE]] --jetzt\n"_s;
const QString kHelp = kUsage
    + u"        taktzeit [--englisch] [--zone[=BUCHSTABE]] --kopieren\n"
      "        taktzeit [--englisch] [--zone[=BUCHSTABE]] --tippen\n"
      "        taktzeit [--englisch] [--zone[=BUCHSTABE]] --taktisch UHRZEIT DATUM\n"
      "        taktzeit --normal TAKTISCHE-ZEIT\n"
      "        taktzeit --help | --version\n"
      "Ohne diese Optionen öffnet taktzeit sein Fenster.\n"
      "  --jetzt                    gibt die aktuelle taktische Zeit aus\n"
      "  --kopieren                 legt die aktuelle taktische Zeit in die Zwischenablage\n"
      "  --tippen                   tippt die aktuelle taktische Zeit dort ein, wo der Cursor steht\n"
      "  --taktisch UHRZEIT DATUM   rechnet Uhrzeit und Datum in die taktische Zeit um\n"
      "  --normal TAKTISCHE-ZEIT    rechnet eine taktische Zeit in Uhrzeit und Datum um\n"
      "  --englisch                 englische statt deutscher Monatsnamen\n"
      "  --zone[=BUCHSTABE]         mit dem Zonenbuchstaben der Ortszeit; =Z in UTC, =A bis =Y in der Zone\n"
      "  --help                     zeigt diese Hilfe\n"
      "  --version                  zeigt die Version\n"
      "Beispiele: taktzeit --taktisch 16:38 14.10.2009 --zone=Z\n"
      "           taktzeit --normal 031732Z jul 04\n"_s;
const QString kCheckInput = u"Bitte Eingaben überprüfen !!!\n"_s;
const QString kNoZoneLetter = u"Die Ortszeit hat keinen Zonenbuchstaben; bitte --zone=Z angeben.\n"_s;
const QString kNoClipboard = u"Die Zwischenablage ist nicht erreichbar.\n"_s;

QString qt(std::u16string_view text)
{
    return QString::fromUtf16(text.data(), qsizetype(text.size()));
}

// A clipboard that keeps what it is given, or that cannot be reached; a keyboard that is free or not, into a
// window that keeps the focus or not; the notifications it was given.
class FakeClipboard final : public command_line::Desktop {
public:
    bool copy(std::u16string_view text) override
    {
        if (reachable)
            clipboard = qt(text);
        return reachable;
    }
    command_line::Typing waitToType() override
    {
        if (waited)
            waited();
        return typing;
    }
    bool type(std::u16string_view text) override
    {
        if (focusStays)
            typed = qt(text);
        return focusStays;
    }
    void notify(std::u16string_view message) override { notified += qt(message); }
    bool reachable = true;
    QString clipboard;
    command_line::Typing typing = command_line::Typing::Ready;
    bool focusStays = true;
    std::function<void()> waited;
    QString typed;
    QString notified;
};

// The zone letters and their hours east of UTC.
const std::pair<char, int> kZoneLetters[] = {
    {'A', 1},  {'B', 2},  {'C', 3},  {'D', 4},   {'E', 5},   {'F', 6},   {'G', 7},  {'H', 8},  {'I', 9},
    {'K', 10}, {'L', 11}, {'M', 12}, {'N', -1},  {'O', -2},  {'P', -3},  {'Q', -4}, {'R', -5}, {'S', -6},
    {'T', -7}, {'U', -8}, {'V', -9}, {'W', -10}, {'X', -11}, {'Y', -12}, {'Z', 0}};

std::optional<command_line::Outcome> run(const QStringList& arguments, const core::Clock& clock,
                                         command_line::Desktop& desktop)
{
    std::vector<std::string> bytes;
    for (const QString& argument : arguments)
        bytes.push_back(argument.toStdString());
    return command_line::run(std::vector<std::string_view>(bytes.begin(), bytes.end()), clock, desktop);
}

std::optional<command_line::Outcome> run(const QStringList& arguments, const core::Clock& clock)
{
    FakeClipboard desktop;
    return run(arguments, clock, desktop);
}

// The clock of a row: "UTC", "Germany" (with summer time), or a fixed offset such as "+05:30"; it stands at
// 14.10.2009 16:38:53 local time.
std::unique_ptr<core::Clock> clockIn(const QString& zone)
{
    const core::Moment shown = momentAt(2009, 10, 14, 16, 38, 53);
    if (zone == "Germany"_L1) {
        auto germany = std::make_unique<FakeDesktop>();
        germany->standAt(shown);
        return germany;
    }
    const int minutes = zone == "UTC"_L1 ? 0 : (zone.mid(1, 2).toInt() * 60 + zone.mid(4, 2).toInt());
    return std::make_unique<FixedZoneClock>(shown, std::chrono::minutes{zone.startsWith(u'-') ? -minutes : minutes});
}

}  // namespace

// The command line in-process, on clocks that stand still in UTC, in Germany and at other offsets.
class CommandLineTest : public QObject {
    Q_OBJECT

private slots:
    void answers_data()
    {
        QTest::addColumn<QString>("zone");
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<QString>("output");
        QTest::addColumn<QString>("errors");
        QTest::addColumn<int>("exitCode");
        QTest::addColumn<QString>("clipboard");
        QTest::addColumn<bool>("reachable");
        const auto row = [](const char* name, const char* zone, const QString& arguments, const QString& output,
                            const QString& errors, int exitCode, const QString& clipboard = {}, bool reachable = true) {
            QTest::newRow(name) << QString::fromLatin1(zone) << arguments.split(u' ', Qt::SkipEmptyParts) << output
                                << errors << exitCode << clipboard << reachable;
        };
        row("now", "UTC", u"--jetzt"_s, u"141638okt09\n"_s, {}, 0);
        row("now in English, before", "UTC", u"--englisch --jetzt"_s, u"141638oct09\n"_s, {}, 0);
        row("now in English, after", "UTC", u"--jetzt --englisch"_s, u"141638oct09\n"_s, {}, 0);
        row("copy", "UTC", u"--kopieren"_s, {}, {}, 0, u"141638okt09"_s);
        row("copy in English with the local letter", "Germany", u"--englisch --kopieren --zone"_s, {}, {}, 0,
            u"141638Boct09"_s);
        row("copy in UTC", "Germany", u"--kopieren --zone=Z"_s, {}, {}, 0, u"141438Zokt09"_s);
        row("copy without a clipboard", "UTC", u"--kopieren"_s, {}, kNoClipboard, 1, {}, false);
        row("copy without a zone letter", "+05:30", u"--kopieren --zone"_s, {}, kNoZoneLetter, 1);
        row("copy beside to tactical", "UTC", u"--kopieren --taktisch 16:38 14.10.2009"_s, {}, kUsage, 2);
        row("copy beside to normal", "UTC", u"--normal 141638okt09 --kopieren"_s, {}, kUsage, 2);
        row("copy with a word", "UTC", u"--kopieren heute"_s, {}, kUsage, 2);
        row("type beside copy", "UTC", u"--tippen --kopieren"_s, {}, kUsage, 2);
        row("type with a word", "UTC", u"--tippen hier"_s, {}, kUsage, 2);
        row("to tactical", "UTC", u"--taktisch 16:38 14.10.2009"_s, u"141638okt09\n"_s, {}, 0);
        row("to tactical in English", "UTC", u"--taktisch 8:05 5.3.2009 --englisch"_s, u"050805mar09\n"_s, {}, 0);
        row("to tactical, date in this year", "UTC", u"--taktisch 10:00 24.12."_s, u"241000dez09\n"_s, {}, 0);
        row("to normal", "UTC", u"--normal 141638okt09"_s, u"16:38 14.10.09\n"_s, {}, 0);
        row("to normal, words joined", "UTC", u"--normal 031732Z jul 04"_s, u"17:32 03.07.04\n"_s, {}, 0);
        row("to normal, English changes nothing", "UTC", u"--englisch --normal 010900mär2010"_s,
            u"09:00 01.03.2010\n"_s, {}, 0);
        row("bad time", "UTC", u"--taktisch 24:00 14.10.2009"_s, {}, kCheckInput, 1);
        row("bad date", "UTC", u"--taktisch 16:38 31.04.2009"_s, {}, kCheckInput, 1);
        row("bad tactical time", "UTC", u"--normal 0317 32Bjul04"_s, {}, kCheckInput, 1);
        row("help", "UTC", u"--help"_s, kHelp, {}, 0);
        row("version", "UTC", u"--version"_s, u"taktzeit 6.00\n"_s, {}, 0);
        row("English alone", "UTC", u"--englisch"_s, {}, kUsage, 2);
        row("unknown option", "UTC", u"--jetzt --morgen"_s, {}, kUsage, 2);
        row("a word too many", "UTC", u"--jetzt heute"_s, {}, kUsage, 2);
        row("missing date", "UTC", u"--taktisch 16:38"_s, {}, kUsage, 2);
        row("missing text", "UTC", u"--normal --englisch"_s, {}, kUsage, 2);
        row("two modes", "UTC", u"--jetzt --normal 141638okt09"_s, {}, kUsage, 2);

        row("summer: the letter of local time", "Germany", u"--taktisch 16:38 14.10.2009 --zone"_s, u"141638Bokt09\n"_s,
            {}, 0);
        row("summer: in UTC", "Germany", u"--taktisch 16:38 14.10.2009 --zone=Z"_s, u"141438Zokt09\n"_s, {}, 0);
        row("summer: in zone A", "Germany", u"--taktisch 16:38 14.10.2009 --zone=A"_s, u"141538Aokt09\n"_s, {}, 0);
        row("winter: the letter of local time", "Germany", u"--taktisch 16:38 14.01.2009 --zone"_s, u"141638Ajan09\n"_s,
            {}, 0);
        row("J is local time", "Germany", u"--zone=j --taktisch 16:38 14.10.2009"_s, u"141638Jokt09\n"_s, {}, 0);
        row("a lower-case letter, in English", "Germany", u"--englisch --zone=z --taktisch 16:38 14.10.2009"_s,
            u"141438Zoct09\n"_s, {}, 0);
        row("now with the letter of local time", "Germany", u"--jetzt --zone"_s, u"141638Bokt09\n"_s, {}, 0);
        row("now in UTC", "Germany", u"--zone=Z --jetzt"_s, u"141438Zokt09\n"_s, {}, 0);
        row("just before summer time", "Germany", u"--taktisch 01:59 29.03.2026 --zone"_s, u"290159Amär26\n"_s, {}, 0);
        row("just after summer time began", "Germany", u"--taktisch 03:00 29.03.2026 --zone"_s, u"290300Bmär26\n"_s, {},
            0);
        row("the hour skipped in spring", "Germany", u"--taktisch 02:30 29.03.2026 --zone"_s, {}, kCheckInput, 1);
        row("the autumn hour is summer time", "Germany", u"--taktisch 02:30 25.10.2026 --zone=Z"_s, u"250030Zokt26\n"_s,
            {}, 0);
        row("just after summer time ended", "Germany", u"--taktisch 03:00 25.10.2026 --zone"_s, u"250300Aokt26\n"_s, {},
            0);
        row("to normal ignores the zone", "Germany", u"--zone=Z --normal 141638Bokt09"_s, u"16:38 14.10.09\n"_s, {}, 0);
        row("west of UTC: the letter of local time", "-05:00", u"--jetzt --zone"_s, u"141638Rokt09\n"_s, {}, 0);
        row("west of UTC: in UTC", "-05:00", u"--taktisch 16:38 14.10.2009 --zone=Z"_s, u"142138Zokt09\n"_s, {}, 0);
        row("local time is UTC: Z", "UTC", u"--jetzt --zone"_s, u"141638Zokt09\n"_s, {}, 0);
        row("half an hour off has no letter", "+05:30", u"--jetzt --zone"_s, {}, kNoZoneLetter, 1);
        row("beyond twelve hours has no letter", "+13:00", u"--jetzt --zone"_s, {}, kNoZoneLetter, 1);
        row("half an hour off, in UTC", "+05:30", u"--jetzt --zone=Z"_s, u"141108Zokt09\n"_s, {}, 0);
        row("two letters", "Germany", u"--jetzt --zone=ZZ"_s, {}, kUsage, 2);
        row("no letter after =", "Germany", u"--jetzt --zone="_s, {}, kUsage, 2);
        row("no letter but a digit", "Germany", u"--jetzt --zone=1"_s, {}, kUsage, 2);
        row("the letter apart", "Germany", u"--jetzt --zone Z"_s, {}, kUsage, 2);
        row("a zone without a mode", "Germany", u"--zone=Z"_s, {}, kUsage, 2);
        // Every letter, at 14:38 UTC.
        for (const auto& [letter, offset] : kZoneLetters) {
            const int hour = 14 + offset;
            const QByteArray name = "in zone " + QByteArray(1, letter);
            row(name.constData(), "Germany", u"--taktisch 16:38 14.10.2009 --zone="_s + QChar::fromLatin1(letter),
                QString::asprintf("%02d%02d38%cokt09\n", hour >= 24 ? 15 : 14, hour % 24, letter), {}, 0);
        }
    }

    void answers()
    {
        QFETCH(QString, zone);
        QFETCH(QStringList, arguments);
        QFETCH(bool, reachable);
        FakeClipboard desktop;
        desktop.reachable = reachable;
        const auto outcome = run(arguments, *clockIn(zone), desktop);
        QVERIFY(outcome);
        QFETCH(QString, output);
        QFETCH(QString, errors);
        QFETCH(int, exitCode);
        // The usage text is known by its first line.
        QCOMPARE(QString::fromStdString(outcome->output).left(output == kUsage ? kUsage.size() : -1), output);
        QCOMPARE(QString::fromStdString(outcome->errors).left(errors == kUsage ? kUsage.size() : -1), errors);
        QCOMPARE(outcome->exitCode, exitCode);
        QTEST(desktop.clipboard, "clipboard");
    }

    void types_data()
    {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<command_line::Typing>("typing");
        QTest::addColumn<bool>("focusStays");
        QTest::addColumn<bool>("reachable");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("clipboard");
        QTest::addColumn<QString>("notified");
        QTest::addColumn<int>("exitCode");
        using enum command_line::Typing;
        const QString copied = u"141639okt09 liegt in der Zwischenablage: taktzeit konnte hier nicht tippen."_s;
        const auto row = [](const char* name, const QString& arguments, command_line::Typing typing, bool focusStays,
                            bool reachable, const QString& typed, const QString& clipboard, const QString& notified,
                            int exitCode) {
            QTest::newRow(name) << arguments.split(u' ') << typing << focusStays << reachable << typed << clipboard
                                << notified << exitCode;
        };
        row("typed", u"--tippen"_s, Ready, true, true, u"141639okt09"_s, {}, {}, 0);
        row("a group in English", u"--tippen --zone --englisch"_s, Ready, true, true, u"141639Boct09"_s, {}, {}, 0);
        row("keys held or grabbed: copied", u"--tippen"_s, Impossible, true, true, {}, u"141639okt09"_s, copied, 0);
        row("the focus moved: copied", u"--tippen"_s, Ready, false, true, {}, u"141639okt09"_s, copied, 0);
        row("another one types: nothing", u"--tippen"_s, Busy, true, true, {}, {}, {}, 0);
        row("nor a clipboard", u"--tippen"_s, Impossible, true, false, {}, {}, kNoClipboard.trimmed(), 1);
        row("a group in UTC", u"--zone=Z --tippen"_s, Ready, true, true, u"141439Zokt09"_s, {}, {}, 0);
    }

    // The clock is read once the hands are off the keyboard, a minute after the start here; what is not typed
    // is copied, and said on the terminal and the desktop alike.
    void types()
    {
        QFETCH(QStringList, arguments);
        FakeDesktop germany;
        germany.standAt(momentAt(2009, 10, 14, 16, 38, 53));
        FakeClipboard desktop;
        QFETCH(command_line::Typing, typing);
        desktop.typing = typing;
        QFETCH(bool, focusStays);
        QFETCH(bool, reachable);
        desktop.focusStays = focusStays;
        desktop.reachable = reachable;
        desktop.waited = [&] { germany.standAt(momentAt(2009, 10, 14, 16, 39, 53)); };
        const auto outcome = run(arguments, germany, desktop);
        QVERIFY(outcome);
        QTEST(desktop.typed, "typed");
        QTEST(desktop.clipboard, "clipboard");
        QTEST(desktop.notified, "notified");
        QTEST(outcome->exitCode, "exitCode");
        QCOMPARE(QString::fromStdString(outcome->errors),
                 desktop.notified.isEmpty() ? QString() : desktop.notified + u'\n');
        QCOMPARE(outcome->told, !desktop.notified.isEmpty());
        QVERIFY(outcome->output.empty());
    }

    // Every group it writes, read back by --normal, is the time that was typed.
    void readsBackEveryGroupItWrites()
    {
        const auto germany = clockIn(u"Germany"_s);
        for (const auto& [letter, offset] : kZoneLetters) {
            for (const QString& date : {u"14.10.2009"_s, u"14.01.2009"_s}) {
                const auto written =
                    run({u"--taktisch"_s, u"16:38"_s, date, u"--zone="_s + QChar::fromLatin1(letter)}, *germany);
                const auto read = run({u"--normal"_s, QString::fromStdString(written->output).trimmed()}, *germany);
                QCOMPARE(QString::fromStdString(read->output), u"16:38 "_s + date.left(6) + date.right(2) + u'\n');
            }
        }
    }

    // Without any of its own options, the arguments are the window's.
    void leavesOtherArgumentsToTheWindow()
    {
        const FixedZoneClock clock(momentAt(2009, 10, 14, 16, 38, 53));
        FakeClipboard desktop;
        for (const std::vector<std::string_view>& arguments :
             {std::vector<std::string_view>{}, {"-platform", "xcb"}, {"--jetz"}})
            QVERIFY(!command_line::run(arguments, clock, desktop));
    }

    // The manual page and the bash completion name every option of the table, and no other.
    void manualAndCompletionNameEveryOption()
    {
        QStringList names;
        for (const command_line::Option& option : command_line::options())
            names << QString::fromLatin1(option.name.data(), qsizetype(option.name.size()));
        for (const char* file : {"/resources/taktzeit.1.in", "/resources/taktzeit.bash-completion"}) {
            QFile source(QStringLiteral(TAKTZEIT_SOURCE_DIR) + QString::fromLatin1(file));
            QVERIFY(source.open(QIODevice::ReadOnly));
            QStringList found;
            const QString text = QString::fromUtf8(source.readAll()).remove(u'\\');
            for (const auto& match : QRegularExpression(u"--[a-z]+"_s).globalMatch(text))
                found << match.captured();
            found.removeDuplicates();
            QCOMPARE(QSet(found.begin(), found.end()), QSet(names.begin(), names.end()));
        }
    }
};

QTEST_APPLESS_MAIN(CommandLineTest)
#include "test_command_line.moc"
