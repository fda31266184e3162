#pragma once
// The questions the assistant asks through the message dialog, and the dialog's captions.
namespace tutorial {

inline constexpr const char* SMarkTaskComplete = "Do you want to mark this task as complete?";
inline constexpr const char* SDeletePreviousSession =
    "You have left some information from a previous session. Would you like to delete them?";
inline constexpr const char* SOpenLastCreatedCompany =
    "Currently opened company is not you last created. Would you like to open that company "
    "instead?";
inline constexpr const char* SSaveDataBeforeExit = "Do you want to save Data before exit?";
inline constexpr const char* SSourceCompanyNotFound =
    "Source company not found. Reinstall Zendri then try again.";

// The file dialog's choice of company databases.
inline constexpr const char* SDatabaseFilter = "Database file(*.gdb)|*.gdb|All Files(*.*)|*.*";

inline constexpr const char* SYes = "Yes";
inline constexpr const char* SNo = "No";
inline constexpr const char* SCancel = "Cancel";

// The default descriptions of the main and secondary currency.
inline constexpr const char* SMainCurDesc = "U.S. Dollar";
inline constexpr const char* SSecondaryCurDesc = "LL Pound";

}  // namespace tutorial

// The wizard window's texts.
namespace tutorial {

inline constexpr const char* SNextCaption = "&Next ";
inline constexpr const char* SFinishCaption = "&Finish";
inline constexpr const char* SWindowTitle = "Company set-up - step %d of %d";
inline constexpr const char* SNextHint = "Next";
// The hint of a disabled Next: what the step still needs.
inline constexpr const char* SNextNeedsPath = "Enter the database path to go on";
inline constexpr const char* SNextNeedsName = "Enter the company name to go on";
inline constexpr const char* SNextNeedsFiscalYear =
    "Enter the fiscal year and the number of periods to go on";
// A voice button's name for screen readers, followed by its topic.
inline constexpr const char* SPlayNarration = "Play narration: ";
// A check mark's name for screen readers: "Task 3 done".
inline constexpr const char* STaskMarkDone = "Task %d done";
inline constexpr const char* STaskMarkNotDone = "Task %d not done";
inline constexpr const char* SVoiceButtonHint = "Listen (Alt+M turns the narration off or on, Alt+T its captions)";

}  // namespace tutorial

// The set-up pages' texts.
namespace tutorial {

inline constexpr const char* SOpeningPage = "Opening";
inline constexpr const char* SFiscalYearFormsNoDate =
    "The fiscal year %d does not form a valid date. Enter the company's fiscal year first.";

}  // namespace tutorial
