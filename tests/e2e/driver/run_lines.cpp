#include "run_lines.h"

#include <cstdio>
#include <cstdlib>
#include <string>

#include "commands.h"
#include "failure.h"

namespace driver {

namespace {

const char kRepeat[] = "repeat";
const char kEnd[] = "end";
const long kMostRounds = 100000;

struct Round {
    int line;  // the repeat line
    long number;
    long count;
};

class Runner {
public:
    Runner(Session& session, const std::vector<ScenarioLine>& lines) : session_(session), lines_(lines) {}

    bool Run() {
        std::string error;
        if (!MatchBlocks(&error)) return Report("scenario: " + error);
        try {
            RunRange(0, lines_.size(), true);
            return true;
        } catch (const Failure& failure) {
            return Report("FAILED at line " + std::to_string(lines_[current_].number) + ": " + lines_[current_].source +
                          Rounds() + "\n  " + failure.message);
        }
    }

private:
    // For each repeat line the index of its end line; false on a mismatch.
    bool MatchBlocks(std::string* error) {
        ends_.assign(lines_.size(), 0);
        std::vector<std::size_t> open;
        for (std::size_t i = 0; i < lines_.size(); ++i) {
            const std::string& word = lines_[i].words.front();
            if (word == kRepeat) {
                open.push_back(i);
            } else if (word == kEnd) {
                if (lines_[i].words.size() != 1) {
                    *error = "line " + std::to_string(lines_[i].number) + ": end takes no words";
                    return false;
                }
                if (open.empty()) {
                    *error = "line " + std::to_string(lines_[i].number) + ": end without repeat";
                    return false;
                }
                ends_[open.back()] = i;
                open.pop_back();
            }
        }
        if (!open.empty()) {
            *error = "line " + std::to_string(lines_[open.back()].number) + ": repeat without end";
            return false;
        }
        return true;
    }

    void RunRange(std::size_t begin, std::size_t end, bool printing) {
        for (std::size_t i = begin; i < end; ++i) {
            current_ = i;
            const ScenarioLine& line = lines_[i];
            if (printing) Print("%4d  %s\n", line.number, line.source.c_str());
            std::vector<std::string> words = Expanded(line);
            if (words.front() != kRepeat) {
                RunCommand(session_, words);
                continue;
            }
            long count = RoundCount(words);
            const DWORD start = GetTickCount();
            for (long round = 1; round <= count; ++round) {
                if (round > 1)
                    Print("      round %ld of %ld (line %d, %lu s)\n", round, count, line.number,
                          static_cast<unsigned long>((GetTickCount() - start) / 1000));
                rounds_.push_back(Round{line.number, round, count});
                RunRange(i + 1, ends_[i], printing && round == 1);
                rounds_.pop_back();
            }
            i = ends_[i];
            Print("      %ld rounds of line %d in %lu s\n", count, line.number,
                  static_cast<unsigned long>((GetTickCount() - start) / 1000));
        }
    }

    std::vector<std::string> Expanded(const ScenarioLine& line) {
        std::vector<std::string> words;
        std::string error;
        for (const std::string& word : line.words) {
            std::string expanded;
            if (!ExpandVariables(word, &expanded, &error)) Fail(error);
            words.push_back(expanded);
        }
        return words;
    }

    static long RoundCount(const std::vector<std::string>& words) {
        if (words.size() != 2) Fail("usage: repeat COUNT ... end");
        char* end = nullptr;
        long count = std::strtol(words[1].c_str(), &end, 10);
        if (words[1].empty() || *end != '\0' || count < 1 || count > kMostRounds)
            Fail("the count of a repeat lies between 1 and " + std::to_string(kMostRounds));
        return count;
    }

    // " (round 3 of 300 of line 12)" for each block the failure lies in.
    std::string Rounds() const {
        std::string text;
        for (const Round& r : rounds_)
            text += " (round " + std::to_string(r.number) + " of " + std::to_string(r.count) + " of line " +
                    std::to_string(r.line) + ")";
        return text;
    }

    template <typename... Args>
    static void Print(const char* format, Args... args) {
        std::printf(format, args...);
        std::fflush(stdout);
    }

    static bool Report(const std::string& utf8) {
        std::printf("%s\n", utf8.c_str());
        std::fflush(stdout);
        return false;
    }

    Session& session_;
    const std::vector<ScenarioLine>& lines_;
    std::vector<std::size_t> ends_;
    std::vector<Round> rounds_;
    std::size_t current_ = 0;
};

}  // namespace

bool RunLines(Session& session, const std::vector<ScenarioLine>& lines) { return Runner(session, lines).Run(); }

}  // namespace driver
