#pragma once
// The PDF file the built-in printer proposes for a report: named after the borrower and the
// report, so that one borrower's report never stands ready to replace another's.

#include <string>
#include <string_view>

#include "core/schedule/AmortInputs.h"
#include "core/session/AppState.h"

namespace quorvia {

// "SMITH, JOHN - Truth-in-Lending Disclosure.pdf": a document's name after its borrower's, or
// the document's name alone. Characters a file name cannot hold, here or on the disks people
// carry reports on, become "-".
std::string DocumentPdfName(std::string_view borrower, std::string_view document);

// The proposed place of a PDF file named `fileName`: the data folder of the preferences. Without
// one (none chosen, which leaves the program's own folder, or one that is gone) it is the bare
// name, which the desktop puts in the person's documents folder.
std::string ProposedPdf(const AppState& state, const std::string& fileName);

// "SMITH, JOHN - Amortization Schedule.pdf", "SMITH, JOHN - Amortization Summary.pdf".
std::string ReportPdfName(std::string_view borrower, int16_t reportKind);

// The report's PDF file where ProposedPdf puts it.
std::string ProposedReportPdf(const AppState& state, std::string_view borrower, int16_t reportKind);

}  // namespace quorvia
