// The option tables read with QCommandLineParser. Every argument goes in as Latin-1, one character per
// byte, so names in any encoding come back byte for byte; the option names themselves are ASCII.
#include "cli/command_line.h"

#include <QCommandLineParser>
#include <QStringList>

#include <algorithm>

namespace sb::cli {
namespace {

const std::vector<Option> kCommonOptions{
    {"--settings", "DATEI", "eine andere train.cfg als die des Programms"},
    {"--help", nullptr, "diese Hilfe"},
    {"--version", nullptr, "die Version des Programms"},
};

QString bytesOf(const std::string& text) {
    return QString::fromLatin1(text.data(), qsizetype(text.size()));
}
std::string textOf(const QString& bytes) {
    return bytes.toLatin1().toStdString();
}
QString bareName(const std::string& name) {
    return QString::fromLatin1(name.substr(std::min(name.find_first_not_of('-'), name.size())));
}

std::vector<Option> optionsOf(const Subcommand& command) {
    std::vector<Option> options = command.options;
    options.insert(options.end(), kCommonOptions.begin(), kCommonOptions.end());
    return options;
}

const Option* optionNamed(const std::vector<Option>& options, const QString& bare) {
    for (const Option& option : options)
        if (bareName(option.name) == bare) return &option;
    return nullptr;
}

// The unknown option as the user typed it, without a value after '='.
std::string typedOption(const Arguments& arguments, const QString& bare) {
    for (const std::string& argument : arguments) {
        const std::string name = argument.substr(0, argument.find('='));
        if (name.starts_with("-") && bareName(name) == bare) return name;
    }
    return "--" + textOf(bare);
}

std::string readError(const QCommandLineParser& parser, const Arguments& arguments,
                      const std::vector<Option>& options) {
    if (!parser.unknownOptionNames().isEmpty())
        return "unbekannte Option: " + typedOption(arguments, parser.unknownOptionNames().front());
    for (const std::string& argument : arguments) {
        const std::size_t equals = argument.find('=');
        const Option* option = optionNamed(options, bareName(argument.substr(0, equals)));
        if (argument.starts_with("-") && equals != std::string::npos && option && !option->valueName)
            return "Option ohne Wert: " + argument.substr(0, equals);
    }
    // The only other failure: an option that takes a value came last.
    return "unvollständige Option: " + arguments.back();
}

}  // namespace

ParsedCommandLine parseCommandLine(const Subcommand& command, const Arguments& arguments) {
    ParsedCommandLine parsed;
    parsed.line.command = &command;
    const std::vector<Option> options = optionsOf(command);
    QCommandLineParser parser;
    parser.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
    for (const Option& option : options) {
        QCommandLineOption qtOption(bareName(option.name));
        if (option.valueName) qtOption.setValueName(QString::fromLatin1(option.valueName));
        parser.addOption(qtOption);
    }
    QStringList all{QStringLiteral("saisonbuch-cli")};
    for (const std::string& argument : arguments) all << bytesOf(argument);
    if (!parser.parse(all)) {
        parsed.error = readError(parser, arguments, options);
        return parsed;
    }
    const QStringList names = parser.optionNames();
    for (const QString& bare : names) {
        const Option* option = optionNamed(options, bare);
        if (names.count(bare) > 1) {
            parsed.error = std::string("Option mehrfach angegeben: ") + option->name;
            return parsed;
        }
        parsed.line.options[option->name] = option->valueName ? textOf(parser.value(bare)) : std::string();
    }
    if (parsed.line.has("--help")) parsed.request = Request::Help;
    if (parsed.line.has("--version")) parsed.request = Request::Version;
    if (parsed.request != Request::Run) return parsed;
    for (const QString& argument : parser.positionalArguments())
        parsed.line.arguments.push_back(textOf(argument));
    if (parsed.line.arguments.size() > command.maxArguments)
        parsed.error = "unbekanntes Argument: " + parsed.line.arguments[command.maxArguments];
    else if (parsed.line.arguments.size() < command.minArguments)
        parsed.error = "zu wenige Argumente";
    return parsed;
}

std::string helpText(const Subcommand& command) {
    std::string text = std::string("Aufruf: saisonbuch-cli ") + command.name + " " + command.synopsis + "\n" +
                       command.summary + "\n\nOptionen:\n";
    for (const Option& option : optionsOf(command)) {
        std::string left =
            std::string("  ") + option.name + (option.valueName ? std::string(" ") + option.valueName : "");
        left.resize(std::max<std::size_t>(left.size() + 1, 22), ' ');
        text += left + option.help + "\n";
    }
    return text;
}

}  // namespace sb::cli
