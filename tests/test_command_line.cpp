#include "command_line.h"
#include "examples.h"

#include <QTest>

using namespace Qt::StringLiterals;

namespace {

// The first lines of the usage text, enough to know it.
const QString kUsage = u"Aufruf: taktzeit [--englisch] --jetzt\n"_s;

}  // namespace

// The command line in-process, on a clock that stands at 14.10.2009 16:38:53 in a computer set to UTC.
class CommandLineTest : public QObject {
    Q_OBJECT

private slots:
    void answers_data()
    {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<QString>("output");
        QTest::addColumn<QString>("errors");
        QTest::addColumn<int>("exitCode");
        const QString checkInput = u"Bitte Eingaben überprüfen !!!\n"_s;
        const auto row = [](const char* name, const QString& arguments, const QString& output, const QString& errors,
                            int exitCode) {
            QTest::newRow(name) << arguments.split(u' ', Qt::SkipEmptyParts) << output << errors << exitCode;
        };
        row("now", u"--jetzt"_s, u"141638okt09\n"_s, {}, 0);
        row("now in English, before", u"--englisch --jetzt"_s, u"141638oct09\n"_s, {}, 0);
        row("now in English, after", u"--jetzt --englisch"_s, u"141638oct09\n"_s, {}, 0);
        row("to tactical", u"--taktisch 16:38 14.10.2009"_s, u"141638okt09\n"_s, {}, 0);
        row("to tactical in English", u"--taktisch 8:05 5.3.2009 --englisch"_s, u"050805mar09\n"_s, {}, 0);
        row("to tactical, date in this year", u"--taktisch 10:00 24.12."_s, u"241000dez09\n"_s, {}, 0);
        row("to normal", u"--normal 141638okt09"_s, u"16:38 14.10.09\n"_s, {}, 0);
        row("to normal, words joined", u"--normal 031732Z jul 04"_s, u"17:32 03.07.04\n"_s, {}, 0);
        row("to normal, English changes nothing", u"--englisch --normal 010900mär2010"_s, u"09:00 01.03.2010\n"_s, {},
            0);
        row("bad time", u"--taktisch 24:00 14.10.2009"_s, {}, checkInput, 1);
        row("bad date", u"--taktisch 16:38 31.04.2009"_s, {}, checkInput, 1);
        row("bad tactical time", u"--normal 0317 32Bjul04"_s, {}, checkInput, 1);
        row("help", u"--help"_s, kUsage, {}, 0);
        row("version", u"--version"_s, u"taktzeit 6.00\n"_s, {}, 0);
        row("English alone", u"--englisch"_s, {}, kUsage, 2);
        row("unknown option", u"--jetzt --morgen"_s, {}, kUsage, 2);
        row("a word too many", u"--jetzt heute"_s, {}, kUsage, 2);
        row("missing date", u"--taktisch 16:38"_s, {}, kUsage, 2);
        row("missing text", u"--normal --englisch"_s, {}, kUsage, 2);
        row("two modes", u"--jetzt --normal 141638okt09"_s, {}, kUsage, 2);
    }

    void answers()
    {
        QFETCH(QStringList, arguments);
        std::vector<std::string> bytes;
        for (const QString& argument : arguments)
            bytes.push_back(argument.toStdString());
        const std::vector<std::string_view> views(bytes.begin(), bytes.end());
        const UtcClock clock(momentAt(2009, 10, 14, 16, 38, 53));
        const auto outcome = command_line::run(views, clock);
        QVERIFY(outcome);
        QFETCH(QString, output);
        QFETCH(QString, errors);
        QFETCH(int, exitCode);
        // The usage text is known by its first line.
        QCOMPARE(QString::fromStdString(outcome->output).left(output == kUsage ? kUsage.size() : -1), output);
        QCOMPARE(QString::fromStdString(outcome->errors).left(errors == kUsage ? kUsage.size() : -1), errors);
        QCOMPARE(outcome->exitCode, exitCode);
    }

    // Without any of its own options, the arguments are Qt's and the window's.
    void leavesOtherArgumentsToTheWindow()
    {
        const UtcClock clock(momentAt(2009, 10, 14, 16, 38, 53));
        for (const std::vector<std::string_view>& arguments :
             {std::vector<std::string_view>{}, {"-platform", "xcb"}, {"--jetz"}})
            QVERIFY(!command_line::run(arguments, clock));
    }
};

QTEST_APPLESS_MAIN(CommandLineTest)
#include "test_command_line.moc"
