#pragma once

namespace s::gui::win {
class Box;
class Button;
class CheckBox;
class ComboBox;
class Counter;
class GroupBox;
class Label;
class RadioButton;
class TextField;
} // namespace s::gui::win

namespace s::sound::gui::dialogs::plinkett {

// The components of the timer window the dialog changes after building it.
// All of them are owned by the window's tree; these are references only,
// valid while the window exists.
struct TimerComponents {
    using Box = s::gui::win::Box;
    using Button = s::gui::win::Button;

    Box* rootBox = nullptr;
    Button* transformButton = nullptr;
    Button* onTopButton = nullptr;
    Button* iconizeButton = nullptr;
    Button* closeButton = nullptr;

    // The Timer View.
    Box* contentBox = nullptr;
    Box* entryBox = nullptr;
    Box* radioBox = nullptr;
    s::gui::win::RadioButton* atRadio = nullptr;
    s::gui::win::RadioButton* afterRadio = nullptr;
    Box* pausedBox = nullptr;
    Box* atRow = nullptr;
    Box* afterRow = nullptr;
    s::gui::win::ComboBox* amPmCombo = nullptr;
    s::gui::win::TextField* atHourField = nullptr;
    s::gui::win::TextField* atMinField = nullptr;
    s::gui::win::TextField* atSecField = nullptr;
    s::gui::win::TextField* afterHourField = nullptr;
    s::gui::win::TextField* afterMinField = nullptr;
    s::gui::win::TextField* afterSecField = nullptr;
    // Up and down of the six fields, in the order of the fields.
    Button* upButtons[6] = {};
    Button* downButtons[6] = {};
    Box* countdownBox = nullptr;
    s::gui::win::Counter* progressCounter = nullptr;
    s::gui::win::Label* remainingLabel = nullptr;
    s::gui::win::Label* actionLabel = nullptr;

    // The action box.
    Box* actionArea = nullptr;
    s::gui::win::ComboBox* actionCombo = nullptr;
    Button* testButton = nullptr;
    Box* pathRow = nullptr;
    s::gui::win::TextField* pathField = nullptr;
    Button* browseButton = nullptr;
    Box* playRow = nullptr;
    s::gui::win::CheckBox* repeatCheck = nullptr;
    s::gui::win::ComboBox* volumeCombo = nullptr;
    Box* openRow = nullptr;
    Box* executeRow = nullptr;
    s::gui::win::TextField* parameterField = nullptr;
    Box* webPageRow = nullptr;
    Box* shutdownRow = nullptr;
    s::gui::win::ComboBox* shutdownCombo = nullptr;

    // The bottom bar.
    Button* actionArrowButton = nullptr;
    Button* actionButton = nullptr;
    Button* startButton = nullptr;
    Button* pauseButton = nullptr;
    // Beside Stop while the alarm rings; width 0 otherwise.
    Button* snoozeButton = nullptr;

    // The Clock View.
    Box* clockBox = nullptr;
    s::gui::win::Counter* clockProgressCounter = nullptr;
    s::gui::win::Label* dateLabel = nullptr;
    s::gui::win::Label* weekdayLabel = nullptr;
    s::gui::win::Label* hourMinuteLabel = nullptr;
    s::gui::win::Label* amPmLabel = nullptr;
    s::gui::win::Label* secondsLabel = nullptr;
};

} // namespace s::sound::gui::dialogs::plinkett
