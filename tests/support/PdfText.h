#pragma once
// What a PDF file holds, read back with poppler's tools (pdfinfo, pdftotext, pdffonts).

#include <cstdio>
#include <filesystem>
#include <regex>
#include <string>

namespace quorvia::testing {

// What the shell command printed on standard output.
inline std::string RunCommand(const std::string& command) {
    std::string output;
    if (FILE* pipe = popen(command.c_str(), "r")) {
        char buffer[4096];
        std::size_t n;
        while ((n = std::fread(buffer, 1, sizeof buffer, pipe)) > 0) {
            output.append(buffer, n);
        }
        pclose(pipe);
    }
    return output;
}

// The text of one page, laid out as on the page.
inline std::string PageText(const std::filesystem::path& pdf, int page) {
    std::string p = std::to_string(page);
    return RunCommand("pdftotext -layout -f " + p + " -l " + p + " '" + pdf.string() + "' -");
}

// The number of pages pdfinfo reports; -1 when it reports none.
inline int PdfPageCount(const std::filesystem::path& pdf) {
    std::string info = RunCommand("pdfinfo '" + pdf.string() + "'");
    std::smatch pages;
    if (!std::regex_search(info, pages, std::regex(R"(Pages: +(\d+))"))) {
        return -1;
    }
    return std::stoi(pages[1]);
}

}  // namespace quorvia::testing
