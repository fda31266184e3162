#pragma once
// The check at start-up of what earlier runs saved, against itself and against the disk:
// progress that a resume could only fail on is named before the user tries it.
#include <string>

#include "platform/data/table.h"

namespace tutorial {

// The questions the check and the recovery of typed values ask.
inline constexpr const char* SProgressWithoutCompany =
    "The set-up was saved at step %d, but the company created then is missing, so it cannot be "
    "continued. Would you like to start over?";
// The path comes last: a long one is what the dialog cuts.
inline constexpr const char* SCompanyFileGone =
    "The database file of the company created earlier is gone, so its set-up cannot be "
    "continued. Would you like to start over? The file was '%s'.";
inline constexpr const char* SRestoreEntries =
    "The previous session did not end normally. Would you like to restore the information you "
    "entered in it?";
inline constexpr const char* SEntriesNotRestored =
    "The information entered in the previous session cannot be restored: '%s' %s. Everything "
    "else is as it was saved.";

// What is wrong with the saved progress, as the question to the user; "" when a resume from
// it can work. `company` is the company table as loaded (its current record is the company
// created, if any); `lastPage` is the highest step reached.
std::string SavedProgressProblem(data::Table& company, int lastPage);

}  // namespace tutorial
