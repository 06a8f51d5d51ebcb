#pragma once
// One row of a portfolio: a loan given by the columns `schedule` takes as options, run through
// the amortization form's validation and the schedule engine as `schedule` runs it, and written
// as the rows of each output the run asks for.

#include <cstddef>
#include <optional>
#include <string>
#include <vector>

#include "core/base/Csv.h"
#include "core/base/Dates.h"
#include "core/session/AppState.h"

namespace quorvia {

// The header of each output, with its CR LF.
inline constexpr std::string_view kPortfolioSummaryHeader =
    "id,payment,payments,last_date,total_interest,total_paid,apr\r\n";
inline constexpr std::string_view kPortfolioSchedulesHeader =
    "id,number,due_date,payment,interest,principal,balance\r\n";
inline constexpr std::string_view kPortfolioBalancesHeader =
    "id,balance,interest_paid,principal_paid\r\n";
inline constexpr std::string_view kPortfolioErrorsHeader = "line,id,message\r\n";

// The columns of a portfolio as its header names them.
class PortfolioColumns {
  public:
    // Nothing, and why in `error`, when a column is not one a loan has, a column is named
    // twice or the `id` column is missing.
    static std::optional<PortfolioColumns> FromHeader(const std::vector<std::string>& header,
                                                      std::string& error);

    std::size_t Count() const { return names_.size(); }
    std::size_t IdColumn() const { return id_; }
    const std::string& Name(std::size_t column) const { return names_[column]; }

  private:
    std::vector<std::string> names_;
    std::size_t id_ = 0;
};

// What every loan of a run shares: the options that are not a loan's own, and which outputs
// the run writes.
struct PortfolioSettings {
    // The program's state after the preferences were loaded; each loan starts from a copy.
    AppState state;
    Date today{};
    bool answerYes = false;
    bool summary = false;
    bool schedules = false;
    std::optional<Date> balancesAt;
};

// The rows one or more loans add to each output.
struct PortfolioRows {
    std::string summary;
    std::string schedules;
    std::string balances;
    std::string errors;
    // The loans that gave an error row.
    long failures = 0;
};

// Adds a row to the errors: the input line, the loan's id and what is wrong.
void AddErrorRow(PortfolioRows& rows, long line, std::string_view id, std::string_view message);

// Runs the loan of one record (or finds it cannot be read) and appends its rows to `rows`.
void RunPortfolioLoan(const CsvRecord& record, const PortfolioColumns& columns,
                      const PortfolioSettings& settings, PortfolioRows& rows);

}  // namespace quorvia
