#pragma once

// The status events the count-down and clock workers send to the window's
// thread. They are recognised by identity, not by content: a request names
// one of these arrays.
namespace s::sound::gui::dialogs::plinkett {

inline constexpr char16_t kProcessStatusStart[] = u"ProcessStatusStart";
inline constexpr char16_t kProcessStatusUpdate[] = u"ProcessStatusUpdate";
inline constexpr char16_t kProcessStatusPause[] = u"ProcessStatusPause";
inline constexpr char16_t kProcessStatusResume[] = u"ProcessStatusResume";
inline constexpr char16_t kProcessStatusAction[] = u"ProcessStatusAction";
inline constexpr char16_t kProcessStatusEnd[] = u"ProcessStatusEnd";
inline constexpr char16_t kProcessStatusStartAction[] = u"ProcessStatusStart_Action";
inline constexpr char16_t kProcessStatusEndAction[] = u"ProcessStatusEnd_Action";
inline constexpr char16_t kProcessUpdateClock[] = u"ProcessUpdateClock";
// Sent by the worker when a snoozed alarm starts counting to its next ring,
// and when the count-down comes down to the warning span before its end.
inline constexpr char16_t kProcessStatusSnooze[] = u"ProcessStatusSnooze";
inline constexpr char16_t kProcessStatusWarn[] = u"ProcessStatusWarn";
// Posted by the window's thread to itself: a count-down asked for while
// another ran starts once that one has ended.
inline constexpr char16_t kProcessStartRequested[] = u"ProcessStartRequested";
// Sent by the worker when the action failed: the second value is the text
// that says why.
inline constexpr char16_t kProcessActionFailed[] = u"ProcessActionFailed";
// Posted by the worker after a failed hibernation: the window explains what
// to do in a box of its own, while the worker goes on.
inline constexpr char16_t kProcessExplainHibernate[] = u"ProcessExplainHibernate";

} // namespace s::sound::gui::dialogs::plinkett
