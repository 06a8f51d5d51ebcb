#include "tools/PortfolioOutput.h"

#include <ostream>

namespace quorvia {

namespace {

RunError StreamWriteError() {
    return FileWriteError("standard output", "the stream was closed or is full");
}

}  // namespace

std::optional<RunError> PortfolioOutput::Open(const std::string& destination,
                                              std::ostream& standard, std::string_view header) {
    if (destination == "-") {
        stream_ = &standard;
    } else if (auto error = file_.Open(destination)) {
        return error;
    }
    open_ = true;
    return Write(header);
}

std::optional<RunError> PortfolioOutput::Write(std::string_view rows) {
    if (stream_ == nullptr) {
        return file_.Append(rows);
    }
    stream_->write(rows.data(), static_cast<std::streamsize>(rows.size()));
    return stream_->good() ? std::nullopt : std::optional(StreamWriteError());
}

std::optional<RunError> PortfolioOutput::Close() {
    open_ = false;
    if (stream_ == nullptr) {
        return file_.Commit();
    }
    stream_->flush();
    return stream_->good() ? std::nullopt : std::optional(StreamWriteError());
}

}  // namespace quorvia
