// The scenario file: one command per line, words separated by blanks.
#pragma once

#include <string>
#include <vector>

namespace driver {

struct ScenarioLine {
    int number;                      // 1-based, for reports
    std::string source;              // the line as written (UTF-8)
    std::vector<std::string> words;  // ANSI, variables not yet expanded
};

// Splits a line into words: a word is a run of non-blank characters, or a
// text between double quotes in which "" stands for one double quote. A #
// at the start of a word starts a comment. False, with a reason, on an
// unclosed quote.
bool SplitWords(const std::string& line, std::vector<std::string>* words, std::string* error);

// Reads a UTF-8 scenario file into lines with their words in ANSI; blank
// and comment lines are left out. False, with a reason, when the file cannot
// be read or a line is malformed.
bool ReadScenario(const std::string& path, std::vector<ScenarioLine>* lines, std::string* error);

// Replaces each ${NAME} by the value of the environment variable NAME as it
// is now. False, with a reason, when a variable is not set.
bool ExpandVariables(const std::string& word, std::string* expanded, std::string* error);

}  // namespace driver
