#include "CommandLine.h"

#include "core/Errors.h"
#include "panel/SettingsFile.h"

#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QTemporaryDir>
#include <cstdio>
#include <map>

namespace orvanta::cli {

QTextStream out(stdout);
QTextStream err(stderr);

QString Translated(const char *text)
{
    return QCoreApplication::translate("Cli", text);
}

void PrintJson(const QJsonValue &value)
{
    out << (value.isArray() ? QJsonDocument(value.toArray()) : QJsonDocument(value.toObject()))
               .toJson(QJsonDocument::Indented);
}

void PrintLines(QTextStream &to, const QStringList &lines)
{
    for (const QString &line : lines)
        to << "  " << line << "\n";
}

int SaveOutput(const QString &output, const std::function<QString(const QString &path)> &write)
{
    if (output != QLatin1String("-")) {
        if (const QString failure = write(output); !failure.isEmpty()) {
            err << failure << "\n";
            return NotWritten;
        }
        out << output << "\n";
        return Done;
    }
    // Made whole first: a failure leaves nothing half-given on standard output.
    const QTemporaryDir aside;
    const QString path = aside.filePath(QStringLiteral("output"));
    const QString failure = aside.isValid() ? write(path) : aside.errorString();
    QFile made(path);
    QFile standardOutput;
    out.flush();
    if (!failure.isEmpty() || !made.open(QIODevice::ReadOnly) ||
        !standardOutput.open(stdout, QIODevice::WriteOnly) ||
        standardOutput.write(made.readAll()) < 0 || !standardOutput.flush()) {
        err << (failure.isEmpty() ? standardOutput.errorString() : failure) << "\n";
        return NotWritten;
    }
    return Done;
}

Secrets SecretsShown(const Options &options)
{
    return options.showSecrets ? Secrets::Shown : Secrets::Hidden;
}

PanelSettings ReadSettingsArgument(const QString &path)
{
    QStringList notes;
    PanelSettings settings;
    if (path != QLatin1String("-")) {
        settings = ReadSettingsFile(path, &notes);
    } else {
        QFile input;
        if (!input.open(stdin, QIODevice::ReadOnly))
            throw EInOutError(Cli::tr("Не удалось прочитать стандартный ввод"));
        settings = ReadSettings(input, &notes);
    }
    for (const QString &note : notes)
        err << path << ": " << note << "\n";
    return settings;
}

bool ParseCommandLine(const QStringList &arguments, Options &options)
{
    bool optionsEnded = false;
    for (int i = 1; i < arguments.size(); ++i) {
        const QString &argument = arguments[i];
        const auto value = [&](QString &into) {
            if (i + 1 >= arguments.size()) {
                err << Cli::tr("orvanta-cli: %1 needs a value\n").arg(argument);
                return false;
            }
            into = arguments[++i];
            // An empty port would be no port at all, and every port would be searched.
            if (into.isEmpty() && argument == QLatin1String("--port")) {
                err << Cli::tr("orvanta-cli: %1 needs a value\n").arg(argument);
                return false;
            }
            return true;
        };
        const std::map<QString, bool *> flags = {
            {QStringLiteral("-h"), &options.help},
            {QStringLiteral("--help"), &options.help},
            {QStringLiteral("--password"), &options.password},
            {QStringLiteral("--yes"), &options.yes},
            {QStringLiteral("--show-secrets"), &options.showSecrets},
            {QStringLiteral("--json"), &options.json},
            {QStringLiteral("--verbose"), &options.verbose},
            {QStringLiteral("--version"), &options.version},
            {QStringLiteral("--any"), &options.any},
            {QStringLiteral("--check"), &options.check},
            {QStringLiteral("--again"), &options.again},
            {QStringLiteral("--keep-going"), &options.keepGoing},
        };
        const std::map<QString, QString *> values = {
            {QStringLiteral("--config"), &options.config},
            {QStringLiteral("--port"), &options.port},
            {QStringLiteral("-o"), &options.output},
            {QStringLiteral("--output"), &options.output},
            {QStringLiteral("--timeout"), &options.timeout},
            {QStringLiteral("--messages"), &options.messages},
            {QStringLiteral("--sounds"), &options.sounds},
            {QStringLiteral("--site"), &options.site},
            {QStringLiteral("--settings"), &options.settings},
            {QStringLiteral("--sites"), &options.sites},
            {QStringLiteral("--ledger"), &options.ledger},
            {QStringLiteral("--reports"), &options.reports},
            {QStringLiteral("--count"), &options.count},
        };
        const bool positional = optionsEnded || argument == QLatin1String("-") ||
                                !argument.startsWith(QLatin1Char('-'));
        if (!positional && argument == QLatin1String("--")) {
            optionsEnded = true;
        } else if (!positional && flags.count(argument)) {
            *flags.at(argument) = true;
        } else if (!positional && values.count(argument)) {
            if (!value(*values.at(argument)))
                return false;
        } else if (!positional) {
            err << Cli::tr("orvanta-cli: unknown option %1 (see --help)\n").arg(argument);
            return false;
        } else if (options.command.isEmpty()) {
            options.command = argument;
        } else if (options.command == QLatin1String("table") && options.action.isEmpty()) {
            options.action = argument;
        } else if (options.file.isEmpty()) {
            options.file = argument;
        } else {
            err << Cli::tr("orvanta-cli: one file at most (see --help)\n");
            return false;
        }
    }
    // "help COMMAND" is "COMMAND --help".
    if (options.command == QLatin1String("help")) {
        options.help = true;
        options.command = options.file;
        options.file.clear();
    }
    return true;
}

} // namespace orvanta::cli
