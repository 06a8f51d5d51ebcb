// The worked examples of the help topics: every figure marked in a topic is the one
// quorvia-batch produces today for the example's loan.
//
// A topic names an example's command in a comment,
//     <!-- example NAME: schedule --no-prefs ... -->
// and marks each figure taken from it,
//     <span class="fig" data-ex="NAME" data-line="04/10/98" data-field="3">100.00</span>
// where data-line is the first field of a line of the schedule work file (or the start of it,
// for the notes) and data-field the field's position, 1 to 5. The figures of a calc or apr
// example, and those a schedule example prints with --disclosure, name the key printed
// (data-field="payment"); a key printed again is numbered from its second line on
// (payment_schedule.2). data-minus="OTHER" marks the difference between this figure and the
// same figure of example OTHER.

#include <gtest/gtest.h>

#include <unistd.h>

#include <algorithm>
#include <cstdio>
#include <filesystem>
#include <map>
#include <regex>
#include <sstream>
#include <string>
#include <vector>

#include "support/BatchProcess.h"

namespace {

namespace fs = std::filesystem;
using quorvia::testing::BatchRun;
using quorvia::testing::ReadAll;
using quorvia::testing::RunBatch;

fs::path HelpDir() {
    return quorvia::testing::SourceDir() / "help";
}

struct Figure {
    std::string page;
    std::string example;
    std::string line;
    std::string field;
    std::string minus;
    std::string shown;
};

std::string Attribute(const std::string& attributes, const std::string& name) {
    std::smatch match;
    std::regex pattern(name + "=\"([^\"]*)\"");
    return std::regex_search(attributes, match, pattern) ? match[1].str() : "";
}

std::string Trim(std::string text) {
    text.erase(0, text.find_first_not_of(" \r"));
    text.erase(text.find_last_not_of(" \r") + 1);
    return text;
}

// The work file's lines, each split into its five quoted fields.
std::vector<std::vector<std::string>> WorkFileLines(const std::string& text) {
    std::vector<std::vector<std::string>> lines;
    std::istringstream in(text);
    for (std::string line; std::getline(in, line);) {
        line = Trim(line);
        std::vector<std::string> fields;
        std::size_t start = 1;
        for (std::size_t end; (end = line.find("\",\"", start)) != std::string::npos;
             start = end + 3) {
            fields.push_back(Trim(line.substr(start, end - start)));
        }
        fields.push_back(Trim(line.substr(start, line.size() - start - 1)));
        lines.push_back(fields);
    }
    return lines;
}

// The "name=value" lines a command printed, by name.
std::map<std::string, std::string> PrintedKeys(const std::string& out) {
    std::map<std::string, std::string> keys;
    std::map<std::string, int> printed;
    std::istringstream in(out);
    for (std::string line; std::getline(in, line);) {
        auto equals = line.find('=');
        if (equals != std::string::npos) {
            std::string name = line.substr(0, equals);
            int times = ++printed[name];
            keys[times == 1 ? name : name + "." + std::to_string(times)] = line.substr(equals + 1);
        }
    }
    return keys;
}

// What one example's run produced: the work file's lines and the key=value pairs it printed.
struct ExampleRun {
    BatchRun run;
    std::vector<std::vector<std::string>> lines;
    std::map<std::string, std::string> keys;

    // The figure's text as the program printed it; empty when there is no such figure.
    std::string Find(const Figure& figure) const {
        if (figure.line.empty()) {
            auto key = keys.find(figure.field);
            return key == keys.end() ? "" : key->second;
        }
        std::size_t field = std::stoul(figure.field);
        for (bool prefix : {false, true}) {
            for (const auto& line : lines) {
                bool matches = prefix ? line[0].rfind(figure.line, 0) == 0 : line[0] == figure.line;
                if (matches && field >= 1 && field <= line.size()) {
                    return line[field - 1];
                }
            }
        }
        return "";
    }
};

ExampleRun RunExample(const std::string& command) {
    ExampleRun result;
    if (command.rfind("schedule ", 0) != 0) {
        result.run = RunBatch(command);
        result.keys = PrintedKeys(result.run.out);
        return result;
    }
    fs::path workFile =
        fs::path(::testing::TempDir()) / ("help-example-" + std::to_string(::getpid()) + ".tmp");
    result.run = RunBatch(command + " --yes --work-file " + workFile.string());
    result.lines = WorkFileLines(ReadAll(workFile));
    result.keys = PrintedKeys(result.run.out);
    fs::remove(workFile);
    return result;
}

double Amount(std::string text) {
    text.erase(std::remove(text.begin(), text.end(), ','), text.end());
    return std::stod(text);
}

std::string Cents(double amount) {
    char text[32];
    std::snprintf(text, sizeof text, "%.2f", amount);
    return text;
}

TEST(HelpExamples, EveryMarkedFigureIsTheProgramsOwn) {
    std::map<std::string, std::string> commands;
    std::vector<Figure> figures;
    static const std::regex example(R"(<!-- example ([\w-]+): (.*?) -->)");
    static const std::regex figure(R"(<span class="fig"([^>]*)>([^<]*)</span>)");
    for (const auto& entry : fs::directory_iterator(HelpDir())) {
        if (entry.path().extension() != ".html") {
            continue;
        }
        std::string page = ReadAll(entry.path());
        std::string name = entry.path().filename().string();
        for (std::sregex_iterator it(page.begin(), page.end(), example), end; it != end; ++it) {
            EXPECT_TRUE(commands.emplace((*it)[1].str(), (*it)[2].str()).second)
                << "example " << (*it)[1] << " is named twice";
        }
        for (std::sregex_iterator it(page.begin(), page.end(), figure), end; it != end; ++it) {
            std::string attributes = (*it)[1].str();
            figures.push_back({name, Attribute(attributes, "data-ex"),
                               Attribute(attributes, "data-line"),
                               Attribute(attributes, "data-field"),
                               Attribute(attributes, "data-minus"), (*it)[2].str()});
        }
    }
    ASSERT_GE(commands.size(), 8u);
    ASSERT_GE(figures.size(), 40u);

    std::map<std::string, ExampleRun> runs;
    for (const auto& [name, command] : commands) {
        runs[name] = RunExample(command);
        EXPECT_EQ(runs[name].run.exitCode, 0) << name << ": " << runs[name].run.err;
    }
    std::map<std::string, int> uses;
    for (const Figure& f : figures) {
        std::string where = f.page + " (" + f.example + " " + f.line + " " + f.field + ")";
        ASSERT_TRUE(runs.contains(f.example)) << where << ": no such example";
        ++uses[f.example];
        std::string printed = runs[f.example].Find(f);
        ASSERT_FALSE(printed.empty()) << where << ": the program printed no such figure";
        if (!f.minus.empty()) {
            ASSERT_TRUE(runs.contains(f.minus)) << where;
            std::string other = runs[f.minus].Find(f);
            ASSERT_FALSE(other.empty()) << where;
            printed = Cents(Amount(printed) - Amount(other));
        }
        EXPECT_EQ(f.shown, printed) << where;
    }
    for (const auto& [name, command] : commands) {
        EXPECT_GT(uses[name], 0) << "example " << name << " shows no figure";
    }
}

}  // namespace
