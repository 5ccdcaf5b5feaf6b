#pragma once

#include "CommandLine.h"

#include <vector>

namespace orvanta::cli {

// Whether a command takes its one argument.
enum class Argument { None, Required, Optional };

// One command of orvanta-cli: everything the program knows of it, in one row of Commands().
struct Command
{
    const char *name;
    const char *synopsis;               // what follows the name, as the help shows it
    Argument argument;                  // the one argument: a file, a text, a number
    const char *summary;                // its line in the program's help
    const char *describes;              // its own help, below its synopsis
    int (*run)(const Invocation &call); // the exit code; nullptr for help, which main answers
};

// Every command, in the order the program's help lists them.
const std::vector<Command> &Commands();
// The command of that name, or nullptr.
const Command *FindCommand(const QString &name);
// The command's own help, in the interface's language.
QString CommandHelp(const QString &name);
// The program's help: its usage with every command's line and the options.
QString ProgramHelp();

} // namespace orvanta::cli
