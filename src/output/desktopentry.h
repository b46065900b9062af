#pragma once
// Reading the program line of a desktop entry (the file a desktop registers as the program for
// a document type), so that the help command can start the registered viewer itself.

#include <string>
#include <vector>

namespace kovolo::output {

struct DesktopCommand {
    std::string program;              // as the entry names it: a path or a bare program name
    std::vector<std::string> options; // the arguments that come before the document
};

// The Exec line of the [Desktop Entry] group, split into program and options: quoted arguments
// are unquoted, "%%" becomes "%", the field codes (%f, %U, ...) and the "@@" markers of
// sandboxed programs are dropped, and so is everything after the document's field code. An
// entry without an Exec line yields an empty program.
DesktopCommand desktopEntryCommand(const std::string& entryText);

// The words of an Exec value, unquoted (double quotes with backslash escapes).
std::vector<std::string> splitExecLine(const std::string& exec);

} // namespace kovolo::output
