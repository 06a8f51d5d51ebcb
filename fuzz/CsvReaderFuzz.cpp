// The CSV reader a portfolio's loans come through. Input: the first byte chooses the record
// limit (small limits reach the over-long records), the rest is the CSV text.
//
// Whatever the bytes, each record is either fields or a problem, records start on later and
// later lines, and a record that was read, written back with CsvField, reads back the same.

#include <sstream>
#include <string>
#include <vector>

#include "FuzzSupport.h"
#include "core/base/Csv.h"

namespace {

using namespace quorvia;

std::vector<CsvRecord> ReadAll(const std::string& text, std::size_t limit) {
    std::istringstream stream(text);
    CsvReader reader(stream, limit);
    std::vector<CsvRecord> records;
    for (CsvRecord record; reader.Next(record);) {
        records.push_back(record);
    }
    return records;
}

std::string Written(const std::vector<std::string>& fields) {
    std::string line;
    for (const std::string& field : fields) {
        line += (line.empty() && &field == &fields.front() ? "" : ",") + CsvField(field);
    }
    return line + "\r\n";
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, std::size_t size) {
    fuzz::FuzzInput input(data, size);
    const std::size_t limit = static_cast<std::size_t>(input.Choice(1, 64)) * 16;
    const std::string text(input.Rest());
    long lastLine = 0;
    // Written back after a byte-order mark, which the reader skips: a first field that starts
    // with one of its own keeps it.
    const std::string mark = "\xEF\xBB\xBF";
    std::string rewritten = mark;
    for (const CsvRecord& record : ReadAll(text, limit)) {
        QUORVIA_FUZZ_CHECK(record.line > lastLine, "line " + std::to_string(record.line));
        lastLine = record.line;
        QUORVIA_FUZZ_CHECK(record.problem.empty() != record.fields.empty(),
                           "fields and problem: " + record.problem);
        std::size_t length = 0;
        for (const std::string& field : record.fields) {
            length += field.size();
        }
        QUORVIA_FUZZ_CHECK(length <= limit, "a record over the limit was read");
        // A lone empty field is an empty line when written back, and empty lines are skipped.
        if (record.problem.empty() && !(record.fields.size() == 1 && record.fields[0].empty())) {
            rewritten += Written(record.fields);
        }
    }
    std::string reread;
    for (const CsvRecord& record : ReadAll(rewritten, kCsvRecordLimit * 64)) {
        QUORVIA_FUZZ_CHECK(record.problem.empty(), record.problem);
        reread += Written(record.fields);
    }
    QUORVIA_FUZZ_CHECK(mark + reread == rewritten, rewritten + " read back as " + reread);
    return 0;
}
