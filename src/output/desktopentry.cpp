#include "output/desktopentry.h"

#include <sstream>

namespace kovolo::output {

namespace {

std::string trimmed(const std::string& text)
{
    const auto first = text.find_first_not_of(" \t\r");
    if (first == std::string::npos)
        return {};
    const auto last = text.find_last_not_of(" \t\r");
    return text.substr(first, last - first + 1);
}

bool isDocumentCode(const std::string& word)
{
    return word == "%f" || word == "%F" || word == "%u" || word == "%U";
}

} // namespace

std::vector<std::string> splitExecLine(const std::string& exec)
{
    std::vector<std::string> words;
    std::string word;
    bool inWord = false;
    bool quoted = false;
    for (std::size_t i = 0; i < exec.size(); ++i) {
        const char c = exec[i];
        if (quoted) {
            if (c == '\\' && i + 1 < exec.size()) {
                word += exec[++i];
            } else if (c == '"') {
                quoted = false;
            } else {
                word += c;
            }
        } else if (c == '"') {
            quoted = true;
            inWord = true;
        } else if (c == ' ' || c == '\t') {
            if (inWord)
                words.push_back(word);
            word.clear();
            inWord = false;
        } else {
            word += c;
            inWord = true;
        }
    }
    if (inWord)
        words.push_back(word);
    return words;
}

DesktopCommand desktopEntryCommand(const std::string& entryText)
{
    std::istringstream lines(entryText);
    std::string line;
    bool inMainGroup = false;
    std::string exec;
    while (std::getline(lines, line)) {
        line = trimmed(line);
        if (line.empty() || line[0] == '#')
            continue;
        if (line[0] == '[') {
            inMainGroup = line == "[Desktop Entry]";
            continue;
        }
        if (inMainGroup && line.rfind("Exec", 0) == 0) {
            const std::string key = trimmed(line.substr(0, line.find('=')));
            if (key == "Exec" && line.find('=') != std::string::npos) {
                exec = trimmed(line.substr(line.find('=') + 1));
                break;
            }
        }
    }

    DesktopCommand command;
    for (const std::string& raw : splitExecLine(exec)) {
        if (isDocumentCode(raw) || raw == "@@u")
            break;
        if (raw == "@@")
            continue;
        std::string word;
        bool fieldCodeOnly = false;
        for (std::size_t i = 0; i < raw.size(); ++i) {
            if (raw[i] == '%' && i + 1 < raw.size()) {
                if (raw[i + 1] == '%')
                    word += '%';
                else
                    fieldCodeOnly = raw.size() == 2;
                ++i;
            } else {
                word += raw[i];
            }
        }
        if (fieldCodeOnly)
            continue;
        if (command.program.empty())
            command.program = word;
        else
            command.options.push_back(word);
    }
    return command;
}

} // namespace kovolo::output
