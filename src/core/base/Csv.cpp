#include "core/base/Csv.h"

namespace quorvia {

namespace {

constexpr int kEnd = std::char_traits<char>::eof();

}  // namespace

CsvReader::CsvReader(std::istream& input, std::size_t recordLimit)
    : input_(*input.rdbuf()), recordLimit_(recordLimit) {
    SkipByteOrderMark();
}

int CsvReader::Get() {
    if (held_ < heldBytes_.size()) {
        return static_cast<unsigned char>(heldBytes_[held_++]);
    }
    return input_.sbumpc();
}

int CsvReader::Peek() {
    if (held_ < heldBytes_.size()) {
        return static_cast<unsigned char>(heldBytes_[held_]);
    }
    return input_.sgetc();
}

// A spreadsheet saving "CSV UTF-8" starts the file with the byte-order mark. Bytes that start
// like it but are not it belong to the first field.
void CsvReader::SkipByteOrderMark() {
    constexpr std::string_view kMark = "\xEF\xBB\xBF";
    while (heldBytes_.size() < kMark.size() &&
           input_.sgetc() == static_cast<unsigned char>(kMark[heldBytes_.size()])) {
        heldBytes_ += static_cast<char>(input_.sbumpc());
    }
    if (heldBytes_ == kMark) {
        heldBytes_.clear();
    }
}

void CsvReader::SkipRestOfLine() {
    for (int c = Get(); c != kEnd; c = Get()) {
        if (c == '\n') {
            ++line_;
            return;
        }
    }
}

bool CsvReader::Next(CsvRecord& record) {
    record.fields.clear();
    record.problem.clear();
    while (Peek() == '\n' || Peek() == '\r') {
        if (Get() == '\n') {
            ++line_;
        }
    }
    if (Peek() == kEnd) {
        return false;
    }
    record.line = line_;
    std::string field;
    std::size_t length = 0;
    bool quoted = false;
    bool closedQuote = false;
    auto fail = [&](std::string problem, int c) {
        record.fields.clear();
        record.problem = std::move(problem);
        if (c == '\n') {
            ++line_;
        } else if (c != kEnd) {
            SkipRestOfLine();
        }
        return true;
    };
    for (;;) {
        int c = Get();
        if (length > recordLimit_) {
            return fail("the record is longer than " + std::to_string(recordLimit_) + " characters",
                        c);
        }
        if (c == kEnd) {
            if (quoted) {
                return fail("a quoted field is not closed before the end of the input", c);
            }
            record.fields.push_back(std::move(field));
            return true;
        }
        if (quoted) {
            if (c == '"') {
                if (Peek() == '"') {
                    Get();
                    field += '"';
                    ++length;
                } else {
                    quoted = false;
                    closedQuote = true;
                }
            } else {
                if (c == '\n') {
                    ++line_;
                }
                field += static_cast<char>(c);
                ++length;
            }
        } else if (c == ',') {
            record.fields.push_back(std::move(field));
            field.clear();
            closedQuote = false;
        } else if (c == '\n' || (c == '\r' && Peek() == '\n')) {
            if (c == '\r') {
                Get();
            }
            ++line_;
            record.fields.push_back(std::move(field));
            return true;
        } else if (closedQuote) {
            return fail("text follows the closing quote of a field", c);
        } else if (c == '"' && field.empty()) {
            quoted = true;
        } else {
            field += static_cast<char>(c);
            ++length;
        }
    }
}

std::string CsvField(std::string_view text) {
    if (text.find_first_of(",\"\r\n") == std::string_view::npos) {
        return std::string(text);
    }
    std::string quoted = "\"";
    for (char c : text) {
        quoted += c;
        if (c == '"') {
            quoted += '"';
        }
    }
    return quoted + '"';
}

}  // namespace quorvia
