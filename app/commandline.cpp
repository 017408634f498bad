// SPDX-License-Identifier: MIT

#include "app/commandline.h"

#include "app/autostart.h"

#include <QCommandLineParser>
#include <QCoreApplication>

CommandLine ParseCommandLine(const QStringList &arguments)
{
    QCommandLineParser parser;
    parser.setApplicationDescription(
        QCoreApplication::translate("CommandLine", "World clock for the desktop: time and date "
                                                   "at home and anywhere in the world."));
    const QCommandLineOption help = parser.addHelpOption();
    const QCommandLineOption version = parser.addVersionOption();
    const QCommandLineOption newInstance(
        QStringLiteral("new-instance"),
        QCoreApplication::translate("CommandLine",
                                    "Start another copy, even when one runs in this session."));
    parser.addOption(newInstance);
    const QCommandLineOption atLogin(
        QString::fromLatin1(AutostartOption).mid(2),
        QCoreApplication::translate("CommandLine",
                                    "Started at login: show the window only when \"Show At "
                                    "Startup\" is ticked. Any other start shows it."));
    parser.addOption(atLogin);

    CommandLine result;
    const QString name = QCoreApplication::applicationName();
    if (!parser.parse(arguments)) {
        result.exitStatus = 2;
        result.output = QStringLiteral("%1: %2\n").arg(name, parser.errorText());
    } else if (!parser.positionalArguments().isEmpty()) {
        result.exitStatus = 2;
        result.output =
            QCoreApplication::translate("CommandLine", "%1: unexpected argument '%2'.\n")
                .arg(name, parser.positionalArguments().constFirst());
    } else if (parser.isSet(QStringLiteral("help-all"))) {
        // Only the parser knows Qt's own options: it prints them all and ends the process.
        parser.process(arguments);
    } else if (parser.isSet(help)) {
        result.exitStatus = 0;
        result.output = parser.helpText();
    } else if (parser.isSet(version)) {
        result.exitStatus = 0;
        result.output = name + u' ' + QCoreApplication::applicationVersion() + u'\n';
    } else {
        result.newInstance = parser.isSet(newInstance);
        result.atLogin = parser.isSet(atLogin);
    }
    if (result.exitStatus == 2)
        result.output += QCoreApplication::translate("CommandLine", "Try '%1 --help' for more "
                                                                    "information.\n")
                             .arg(name);
    return result;
}
