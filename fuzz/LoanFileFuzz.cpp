// The loan data file loader. Input: any bytes as the file. A file that loads is saved and
// loaded again, and gives the same entries: loading and saving never changes what a person
// typed.

#include "FuzzSupport.h"
#include "core/loanfile/LoanFile.h"

namespace {

using namespace quorvia;

std::string Described(const LoanFileEntries& e) {
    std::string text;
    for (const std::string* line : {&e.name, &e.amount, &e.rate, &e.term, &e.firstPayment,
                                    &e.payment, &e.oddDays, &e.fundingDate}) {
        text += "[" + *line + "]";
    }
    for (int number : {e.frequency, e.semiMonthlyPair, e.fixedPrincipal, e.fullPayout,
                       e.interestMethod, e.numberPayments, e.reportStyle}) {
        text += " " + std::to_string(number);
    }
    return text;
}

bool SameEntries(const LoanFileEntries& a, const LoanFileEntries& b) {
    return Described(a) == Described(b);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, std::size_t size) {
    const std::filesystem::path typed = fuzz::ScratchFolder() / "TYPED.QRV";
    const std::filesystem::path saved = fuzz::ScratchFolder() / "SAVED.QRV";
    fuzz::WriteBytes(typed, std::string_view(reinterpret_cast<const char*>(data), size));

    LoanFileEntries loaded;
    if (ReadLoanFile(typed, loaded, 0, 0)) {
        return 0;
    }
    std::optional<RunError> written = WriteLoanFile(saved, loaded);
    QUORVIA_FUZZ_CHECK(!written, written ? written->description : "");
    LoanFileEntries again;
    std::optional<RunError> reread = ReadLoanFile(saved, again, 0, 0);
    QUORVIA_FUZZ_CHECK(!reread, reread ? reread->description : "");
    QUORVIA_FUZZ_CHECK(SameEntries(loaded, again),
                       "loaded " + Described(loaded) + " | saved and loaded " + Described(again));
    return 0;
}
