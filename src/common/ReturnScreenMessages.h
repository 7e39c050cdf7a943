#pragma once
// The texts the return screens' record commands show, as the users know them.

namespace return_messages {

inline constexpr const char* kSavePrompt = "Save this Record?";
inline constexpr const char* kSaveTitle = "Save Record";
inline constexpr const char* kDeletePrompt = "Are you sure that you want to delete this record?";
inline constexpr const char* kDeleteTitle = "Delete Record";

// Add refused by the engine: "Error number, " + number + kAddRefusedRest.
inline constexpr const char* kAddRefusedStart = "Error number, ";
inline constexpr const char* kAddRefusedRest =
    " has occurred. The attempt to add a record is being cancelled. Please try again to add a record. "
    "If you need to edit existing data, be certain to click on Edit before attempting to change information.";
inline constexpr const char* kAddErrorTitle = "Add Record Error";

inline constexpr const char* kEditNoRow =
    "There is no 941 Dollar record for this Employer. Please Add Record before trying to edit it.";
inline constexpr const char* kEditTitle = "Edit Record";
inline constexpr const char* kEditNoRowTitle = kEditTitle;
inline constexpr const char* kEditLocked =
    "This record is currently being used by someone else and is not currently available.";
inline constexpr const char* kEditLockedTitle = "Edit Record Error";
inline constexpr const char* kUnexpectedStart = "error # ";
inline constexpr const char* kUnexpectedTitle = "Unexpected Error";

inline constexpr const char* kDeleteNoRow =
    "There are no more records for this employer for this quarter. Click on Add Record or Close.";
inline constexpr const char* kDeleteOtherStart = "Message # ";

// Our own reports of failures the screens once passed over in silence.
inline constexpr const char* kAddFailedStart = "The record could not be added. Error number ";
inline constexpr const char* kSaveFailedStart = "The record was not saved. Error number ";
inline constexpr const char* kSaveFailedTitle = "Save Record Error";
inline constexpr const char* kEmployerGone = "The record was not saved: its Employer has been deleted by another user.";
inline constexpr const char* kEmployerReplaced =
    "The record was not saved: its Employer has been changed or replaced by another user.";
inline constexpr const char* kSavedNotShownStart = "The record was saved but could not be shown again. Error number ";
// The title of a refused move among the rows.
inline constexpr const char* kForm941DataEntryTitle = "Form 941 Data Entry";
inline constexpr const char* kForm944DataEntryTitle = "Form 944 Data Entry";
inline constexpr const char* kLoadFailedStart = "The return could not be opened. Error number ";

} // namespace return_messages
