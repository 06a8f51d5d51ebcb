#pragma once
// A run-time error carried as a value: each handler catches its own and tells the person.

#include <stdexcept>
#include <string>
#include <utility>

namespace quorvia {

struct RunError {
    int number = 0;
    std::string description;
};

namespace error_number {
inline constexpr int kInvalidCall = 5;
inline constexpr int kOverflow = 6;
inline constexpr int kDivisionByZero = 11;
inline constexpr int kTypeMismatch = 13;
inline constexpr int kBadFileName = 52;
inline constexpr int kFileNotFound = 53;
inline constexpr int kInputPastEnd = 62;
inline constexpr int kPathFileAccess = 75;
inline constexpr int kPathNotFound = 76;
inline constexpr int kPrinterError = 482;
inline constexpr int kDialogCancelled = 32755;
}  // namespace error_number

// A run-time error raised for the caller's error handler, as the file dialogs raise a cancel
// when asked to (CancelError).
class RaisedRunError : public std::runtime_error {
  public:
    explicit RaisedRunError(RunError error)
        : std::runtime_error(error.description), error_(std::move(error)) {}
    const RunError& Error() const { return error_; }

  private:
    RunError error_;
};

}  // namespace quorvia
