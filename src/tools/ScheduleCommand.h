#pragma once
// quorvia-batch schedule: the amortization form from the command line. The form starts from
// its defaults, takes a loan data file's entries when one is named, then the options as if a
// person typed them into the fields; the Okay button's validation runs with every message and
// question on the error stream, and a validated loan's schedule is written where the output
// options say.

#include <string>

#include "core/amortization/AmortFormModel.h"
#include "core/session/AppState.h"
#include "tools/BatchCommand.h"
#include "tools/BatchOptions.h"

namespace quorvia {

// Nobody is there to save or close a window: the form's requests go nowhere.
class BatchHost : public AmortFormHost {
  public:
    void QueueFileSaveAs() override {}
    void UnloadAmortForm() override {}
    void UpdateMainCommands() override {}
};

enum class Typing { Done, UsageError, Refused };

// The form's fields as a loan's options give them, in the order a person would fill them in:
// the interest method and the dates before the frequency and its due-day pair. A field that
// refuses its entry keeps a person in it: nothing is typed after it. A choice option out of
// its range is a usage error, told in `error`.
Typing TypeOptions(AmortFormModel& form, AppState& state, const BatchOptions& options,
                   std::string& error);

int RunScheduleCommand(const CommandArgs& args, std::ostream& out, std::ostream& err);

inline constexpr BatchCommand kScheduleCommand{
    "schedule",
    "schedule [LOAN.QRV] [--name T] [--amount P] [--rate R] [--term M] [--freq 1..6]\n"
    "                 [--pair 1..4] [--first DATE] [--payment A] [--fixed 0|1] [--full 0|1]\n"
    "                 [--odd D] [--funding DATE] [--method 0|1] [--number 0|1] [--style 0..3]\n"
    "                 [--free N] [--today MM/DD/YYYY] [--no-prefs] [--yes]\n"
    "                 [--work-file PATH] [--csv PATH] [--xlsx PATH] [--pdf PATH] [--save PATH]\n"
    "                 [--font NAME] [--font-size N] [--bold]\n"
    "                 [--paper letter|legal|executive|tabloid|a3|a4|a5]\n"
    "                 [--orientation portrait|landscape]\n"
    "                 [--print QUEUE [--pages FROM-TO] [--copies N] [--collate]]\n"
    "                 [--extra AMOUNT[@FROM[-TO]]]... [--lump AMOUNT@N]...\n"
    "                 [--rate-change RATE@N]... [--keep-payment] [--interest-only N]\n"
    "                 [--summary] [--disclosure [--prepaid AMOUNT]]",
    RunScheduleCommand};

}  // namespace quorvia
