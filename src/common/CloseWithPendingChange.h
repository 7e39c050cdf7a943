#pragma once
// Closing a screen that has a Save button (Close, or the window's close box)
// while an addition or edit is pending: the user is asked first, so that
// nothing typed is lost or stored without a word.

#include <functional>

namespace data {
class DataControl;
}

inline constexpr const char* kCloseSavePrompt = "Save the changes to this record before closing?";
inline constexpr const char* kCloseSaveTitle = "Close";

// True when the screen may close. Nothing pending: true, nothing asked.
// Otherwise a box with Yes, No and Cancel: Yes runs `saveWithoutAsking`
// (the Save button's checks and reports without its own question) and
// closes only when it stored the row; No cancels the change and closes;
// Cancel keeps the screen open with the change pending.
bool MayCloseWithPendingChange(data::DataControl& rows, const std::function<bool()>& saveWithoutAsking);
