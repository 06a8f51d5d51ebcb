#pragma once
// The one version of this build, the project's, as the backdrop, the about box and the command
// lines show it (the about box and the command lines with the word size the program was built
// for).

#include <string>

namespace quorvia {

// "1.0.0": major, minor and revision.
inline std::string VersionNumberText() {
    return std::to_string(QUORVIA_VERSION_MAJOR) + "." + std::to_string(QUORVIA_VERSION_MINOR) +
           "." + std::to_string(QUORVIA_VERSION_PATCH);
}

// "(64 bit version)" on a 64-bit build.
inline std::string WordSizeText() {
    return "(" + std::to_string(sizeof(void*) * 8) + " bit version)";
}

// "Version 1.0.0", as the backdrop shows it.
inline std::string VersionLine() {
    return "Version " + VersionNumberText();
}

// "Version 1.0.0 (64 bit version)", the about box's version line.
inline std::string AboutVersionText() {
    return VersionLine() + " " + WordSizeText();
}

// What `--version` prints: the program's name and the version line.
inline std::string CommandLineVersionText(const std::string& program) {
    return program + " " + VersionNumberText() + " " + WordSizeText();
}

}  // namespace quorvia
