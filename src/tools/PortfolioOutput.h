#pragma once
// Where one output of a portfolio run goes: a file, written through the atomic writer so that
// it appears only whole, or a standard stream ("-"), written as the run goes.

#include <iosfwd>
#include <optional>
#include <string>
#include <string_view>

#include "core/base/AtomicFile.h"
#include "core/base/RunError.h"

namespace quorvia {

class PortfolioOutput {
  public:
    // Opens `destination` ("-" for `standard`) and writes the header.
    std::optional<RunError> Open(const std::string& destination, std::ostream& standard,
                                 std::string_view header);
    bool IsOpen() const { return open_; }
    std::optional<RunError> Write(std::string_view rows);
    // A file is put in place; a stream is flushed.
    std::optional<RunError> Close();

  private:
    bool open_ = false;
    std::ostream* stream_ = nullptr;
    AtomicFileWriter file_;
};

}  // namespace quorvia
