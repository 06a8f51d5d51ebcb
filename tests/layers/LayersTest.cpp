// The source tree's include order. Each folder of src/ has its place in one list, lowest
// first: a file includes files of its own folder and of folders below it, never one above.
// The core never includes the desktop tree, the tools or Qt. Nor do the tools, which run on the
// core alone so that quorvia-batch starts without loading Qt or the workbook writer: only its
// drawing program (tools/draw) includes the desktop tree and core/export. A new folder must be
// given its place here (and in the README's Layout section) before its files can include anything.
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <regex>
#include <string>
#include <vector>

namespace {

namespace fs = std::filesystem;

const std::vector<std::string> kLayers = {
    "core/base",          // number text, masks, dates, profile files, files, Ui, key codes
    "core/help",          // the help as windows ask for it: topics by number, contents, index
    "core/schedule",      // the input record, the schedule engine, the work file
    "core/printing",      // printer identity and services, common dialogs
    "core/session",       // process-wide state, preferences, the report printer
    "core/reports",       // report document, pagination, composers, preview models
    "core/amortization",  // the amortization form: fields, payment dates, validation
    "core/calculator",    // the loan calculator
    "core/loanfile",      // loan data files
    "core/disclosure",    // the APR, the Truth-in-Lending figures and the disclosure window
    "core/comparison",    // the comparison of a loan with what-if scenarios
    "core/preferences",   // the preferences dialog
    "core/about",         // the about box
    "core/app",           // the main window's commands and start-up
    // The library of its own that writes workbooks, which quorvia-batch does not link: nothing
    // else of the core includes it.
    "core/export",         // the Export command: a shown schedule as a workbook or CSV file
    "desktop/platform",    // the Qt stand-ins: Ui, the form frame, printers, fonts, PDF
    "desktop/help",        // the help window over the help collection, F1
    "desktop/disclosure",  // the Truth-in-Lending Disclosure window
    "desktop/reports",     // the preview and go-to windows
    "desktop/amortization", "desktop/calculator", "desktop/comparison", "desktop/loanfile",
    "desktop/preferences", "desktop/printing", "desktop/about",
    "desktop/app",  // the main window, the status window, the program's entry point
    "tools",        // quorvia-batch, on the core alone
    "tools/draw",   // quorvia-batch-draw: the report as PDF or on a print queue, with Qt
};

// The folders that never see Qt or the desktop tree.
bool WithoutQt(const std::string& folder) {
    return folder.rfind("core/", 0) == 0 || folder == "tools";
}

int Rank(const std::string& folder) {
    auto found = std::find(kLayers.begin(), kLayers.end(), folder);
    return found == kLayers.end() ? -1 : static_cast<int>(found - kLayers.begin());
}

fs::path SourceDir() {
    return QUORVIA_SOURCE_TREE;
}

struct Fault {
    std::string where;
    std::string what;
};

std::vector<Fault> FaultsOf(const fs::path& file, const std::string& folder) {
    static const std::regex local(R"(^\s*#\s*include\s*"([^"]+)\")");
    static const std::regex qt(R"(^\s*#\s*include\s*<Q)");
    std::vector<Fault> faults;
    std::ifstream in(file);
    std::string line;
    const bool withoutQt = WithoutQt(folder);
    for (int number = 1; std::getline(in, line); ++number) {
        std::string where = fs::relative(file, SourceDir()).string() + ":" + std::to_string(number);
        std::smatch match;
        if (withoutQt && std::regex_search(line, qt)) {
            faults.push_back({where, folder + " includes Qt: " + line});
        }
        if (!std::regex_search(line, match, local)) {
            continue;
        }
        std::string included = fs::path(match[1].str()).parent_path().string();
        if (withoutQt && included.rfind("desktop/", 0) == 0) {
            faults.push_back({where, folder + " includes \"" + match[1].str() +
                                         "\" from the desktop tree, which needs Qt"});
        } else if (folder == "tools" && included == "core/export") {
            faults.push_back({where, "tools includes \"" + match[1].str() +
                                         "\" from core/export, which quorvia-batch does not link"});
        } else if (Rank(included) < 0) {
            faults.push_back({where, "includes \"" + match[1].str() + "\" outside the layers"});
        } else if (Rank(included) > Rank(folder)) {
            faults.push_back({where, folder + " includes \"" + match[1].str() + "\" from " +
                                         included + ", a layer above it"});
        }
    }
    return faults;
}

TEST(Layers, EveryIncludeGoesDownTheLayers) {
    ASSERT_TRUE(fs::is_directory(SourceDir())) << SourceDir();
    std::vector<Fault> faults;
    int files = 0;
    for (const auto& entry : fs::recursive_directory_iterator(SourceDir())) {
        std::string extension = entry.path().extension().string();
        if (!entry.is_regular_file() || (extension != ".h" && extension != ".cpp")) {
            continue;
        }
        std::string folder = fs::relative(entry.path().parent_path(), SourceDir()).string();
        ++files;
        if (Rank(folder) < 0) {
            faults.push_back({folder, "a folder without a place in the layers"});
            continue;
        }
        std::vector<Fault> found = FaultsOf(entry.path(), folder);
        faults.insert(faults.end(), found.begin(), found.end());
    }
    EXPECT_GT(files, 50);
    for (const Fault& fault : faults) {
        ADD_FAILURE() << fault.where << ": " << fault.what;
    }
}

}  // namespace
