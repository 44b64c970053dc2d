#include "scenario.h"

#include <windows.h>

#include "encoding.h"

namespace driver {

bool SplitWords(const std::string& line, std::vector<std::string>* words, std::string* error) {
    words->clear();
    std::string::size_type i = 0;
    const std::string::size_type n = line.size();
    while (i < n) {
        char c = line[i];
        if (c == ' ' || c == '\t' || c == '\r' || c == '\n') {
            ++i;
            continue;
        }
        if (c == '#') break;
        std::string word;
        if (c == '"') {
            ++i;
            bool closed = false;
            while (i < n) {
                if (line[i] == '"') {
                    if (i + 1 < n && line[i + 1] == '"') {
                        word += '"';
                        i += 2;
                        continue;
                    }
                    ++i;
                    closed = true;
                    break;
                }
                word += line[i++];
            }
            if (!closed) {
                *error = "a quoted text is not closed";
                return false;
            }
        } else {
            while (i < n && line[i] != ' ' && line[i] != '\t' && line[i] != '\r' && line[i] != '\n') word += line[i++];
        }
        words->push_back(word);
    }
    return true;
}

bool ReadScenario(const std::string& path, std::vector<ScenarioLine>* lines, std::string* error) {
    HANDLE file = CreateFileA(path.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING, 0, nullptr);
    if (file == INVALID_HANDLE_VALUE) {
        *error = "cannot open the scenario " + AnsiToUtf8(path);
        return false;
    }
    std::string text;
    char buffer[4096];
    DWORD got = 0;
    while (ReadFile(file, buffer, sizeof buffer, &got, nullptr) && got > 0) text.append(buffer, got);
    CloseHandle(file);
    if (text.compare(0, 3, "\xEF\xBB\xBF") == 0) text.erase(0, 3);

    int number = 0;
    std::string::size_type start = 0;
    while (start <= text.size()) {
        std::string::size_type end = text.find('\n', start);
        if (end == std::string::npos) end = text.size();
        std::string source = text.substr(start, end - start);
        start = end + 1;
        ++number;
        if (!source.empty() && source.back() == '\r') source.pop_back();
        std::string ansi;
        std::string reason;
        ScenarioLine line{number, source, {}};
        if (!Utf8ToAnsi(source, &ansi)) {
            reason = "the line is not UTF-8";
        } else if (!SplitWords(ansi, &line.words, &reason)) {
        } else if (!line.words.empty()) {
            lines->push_back(line);
        }
        if (!reason.empty()) {
            *error = "line " + std::to_string(number) + ": " + reason;
            return false;
        }
        if (end == text.size()) break;
    }
    return true;
}

bool ExpandVariables(const std::string& word, std::string* expanded, std::string* error) {
    expanded->clear();
    std::string::size_type i = 0;
    while (i < word.size()) {
        std::string::size_type open = word.find("${", i);
        if (open == std::string::npos) break;
        std::string::size_type close = word.find('}', open + 2);
        if (close == std::string::npos) break;
        expanded->append(word, i, open - i);
        std::string name = word.substr(open + 2, close - open - 2);
        char value[32768];
        SetLastError(ERROR_SUCCESS);
        DWORD length = GetEnvironmentVariableA(name.c_str(), value, sizeof value);
        if (length == 0 && GetLastError() == ERROR_ENVVAR_NOT_FOUND) {
            *error = "the variable " + AnsiToUtf8(name) + " is not set";
            return false;
        }
        if (length >= sizeof value) {
            *error = "the variable " + AnsiToUtf8(name) + " is too long";
            return false;
        }
        expanded->append(value, length);
        i = close + 1;
    }
    expanded->append(word, i, std::string::npos);
    return true;
}

}  // namespace driver
