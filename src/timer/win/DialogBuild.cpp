// Building the timer window: the component tree with its texts, sizes,
// insets and gaps, and the dialog registered with every component it
// answers.

#include "timer/win/Dialog.h"
#include "timer/win/ComponentBuilders.h"

#include "foundation/objects/Pools.h"
#include "foundation/system/StartupTrace.h"
#include "foundation/system/OsVersion.h"
#include "toolkit/IWindowState.h"
#include "toolkit/combobox/ComboBoxItem.h"
#include "toolkit/component/Spacer.h"
#include "toolkit/controls/win/Button.h"
#include "toolkit/controls/win/CheckBox.h"
#include "toolkit/controls/win/ComboBox.h"
#include "toolkit/controls/win/GroupBox.h"
#include "toolkit/controls/win/ImageControl.h"
#include "toolkit/controls/win/Label.h"
#include "toolkit/controls/win/RadioButton.h"
#include "toolkit/controls/win/TextField.h"
#include "toolkit/counter/CounterBars.h"
#include "toolkit/counter/CounterData.h"
#include "toolkit/counter/win/Counter.h"
#include "toolkit/win/DisplayScales.h"
#include "toolkit/win/NativeImage.h"

namespace s::sound::gui::dialogs::plinkett {

using s::gui::win::Box;
using s::gui::win::Button;
using s::gui::win::ComboBox;
using s::gui::win::Label;
using s::gui::win::Spacer;
using s::gui::win::TextField;
using namespace build;

namespace {

constexpr std::int32_t kFull = 100;

// Language texts of the window itself.
constexpr std::int32_t kAtText = 2010000;
constexpr std::int32_t kAfterText = 2010100;
constexpr std::int32_t kPausedText = 3010100;
constexpr std::int32_t kActionText = 3900000;
constexpr std::int32_t kBrowseText = 3006000;
constexpr std::int32_t kRepeatText = 3901010;
constexpr std::int32_t kVolumeText = 3901020;
constexpr std::int32_t kParameterText = 3903010;
constexpr std::int32_t kTwentyFourText = 3803000;
constexpr std::int32_t kFirstShutdownText = 3905010;
constexpr std::int32_t kProgressScale = 1000;

Box* row() { return newBox(false); }
Box* column() { return newBox(true); }

Box* fullWidth(Box* box) {
    box->setPercentWidth(kFull, false);
    return box;
}

Spacer* horizontalSpacer(std::int32_t width) {
    Spacer* spacer = s::thread::take<Spacer>();
    spacer->setFixedWidth(width);
    return spacer;
}

Spacer* verticalSpacer(std::int32_t height) {
    Spacer* spacer = s::thread::take<Spacer>();
    spacer->setVertical();
    spacer->setFixedHeight(height);
    return spacer;
}

template <class T> T* sized(T* control, std::int32_t width, std::int32_t height) {
    if (width >= 0)
        control->setFixedWidth(width);
    if (height >= 0)
        control->setFixedHeight(height);
    return control;
}

Button* glyphButton(const char16_t* glyph, std::int32_t width, std::int32_t height) {
    Button* button = s::thread::take<Button>();
    button->setText(glyph);
    return sized(button, width, height);
}

Button* textButton(std::int32_t textId, std::int32_t width, std::int32_t height) {
    Button* button = s::thread::take<Button>();
    button->setTextId(textId);
    return sized(button, width, height);
}

Label* label(const char16_t* text, std::int32_t sizeCode) {
    Label* result = s::thread::take<Label>();
    result->setText(text);
    result->setSizeCode(sizeCode);
    return result;
}

TextField* timeField(const str::StrBuffer& text) {
    TextField* field = s::thread::take<TextField>();
    field->setText(text.cStr(), false);
    return sized(field, 27, 20);
}

void addItem(ComboBox* combo, const char16_t* text, std::int32_t id) {
    auto* item = s::thread::take<s::gui::combobox::ComboBoxItem>();
    item->setText(text);
    item->setId(id);
    combo->addItem(item);
}

// A progress meter: one level bar across the counter for the newest sample.
void makeCounter(s::gui::win::Counter* counter) {
    counter->setGraphType(s::gui::counter::kLevel);
    for (s::gui::counter::CounterData* series : {counter->getSeries1(), counter->getSeries2()}) {
        series->setCapacity(2);
        series->setMaximum(kProgressScale);
    }
}

} // namespace

Box* Dialog::buildUpDown(int index) {
    Box* pair = column();
    pair->alignLeft();
    pair->alignTop();
    Button* up = glyphButton(u"#Up", 12, 10);
    Button* down = glyphButton(u"#Down", 12, 10);
    for (Button* button : {up, down}) {
        // The arrow keys step the field; Tab goes from field to field.
        button->setTabStop(false);
        button->setAutoRepeat(true);
        button->addPressListener(this);
    }
    ui_.upButtons[index] = up;
    ui_.downButtons[index] = down;
    addAll(pair, {up, down});
    return pair;
}

// The application's icon, 14 toolkit pixels square, made at the pixel size
// the window shows it at so that the platform scales it once, from the
// nearest image of the icon group.
s::gui::win::Image* Dialog::titleIcon() {
    constexpr std::int32_t kSize = 14;
    auto* icon = s::thread::take<s::gui::win::Image>();
    s::gui::Image pixels;
    std::int32_t size = s::gui::win::scaleOfWindow(window_->handle()).px(kSize);
    if (s::gui::win::iconImage(GetModuleHandleW(nullptr),
                               s::gui::win::Window::kApplicationIconId, size, pixels))
        icon->setImage(&pixels, true);
    return sized(icon, kSize, kSize);
}

Box* Dialog::buildTitleBar() {
    Box* titleBar = fullWidth(row());
    titleBar->alignLeft();
    titleBar->alignTop();
    titleBar->setInsetsHorizontal(1);
    titleBar->setInsetsVertical(1);
    ui_.transformButton = glyphButton(u"#Transform", 16, 16);
    ui_.onTopButton = glyphButton(u"#OnTop", 16, 16);
    ui_.onTopButton->setToggle(true, true, false, false);
    ui_.onTopButton->setPressed(window_->isKeepOnTop());
    Box* titleBox = fullWidth(row());
    titleBox->alignCenter();
    titleBox->alignMiddle();
    // The product's display name, as the application window titles it.
    auto* state = dynamic_cast<app::IWindowState*>(appWindow_);
    Label* name = state != nullptr ? idLabel(state->getProductTextBase(), -106)
                                   : label(window_->getTitle(), -106);
    addAll(titleBox, {titleIcon(), horizontalSpacer(3), name});
    ui_.iconizeButton = glyphButton(u"#_", 16, 16);
    ui_.closeButton = glyphButton(u"#X", 16, 16);
    // The title bar's buttons are the frame's, reached by mouse as a
    // caption's are; their commands have keys and menu entries.
    for (Button* button : {ui_.transformButton, ui_.onTopButton, ui_.iconizeButton,
                           ui_.closeButton})
        button->setTabStop(false);
    addAll(titleBar, {ui_.transformButton, ui_.onTopButton, horizontalSpacer(4), titleBox,
                      horizontalSpacer(4), ui_.iconizeButton, ui_.closeButton});
    return titleBar;
}

Box* Dialog::buildEntry() {
    // The entry takes whatever height the window has beyond what its content
    // needs, its rows centred in it, so the bottom bar stays at the bottom.
    Box* entryBox = fullWidth(column());
    entryBox->setPercentHeight(kFull, false);
    entryBox->alignLeft();
    entryBox->alignMiddle();

    Box* modeRow = fullWidth(row());
    modeRow->alignLeft();
    modeRow->alignTop();
    ui_.radioBox = fullWidth(row());
    ui_.radioBox->alignCenter();
    ui_.radioBox->setHorizontalGap(5);
    ui_.atRadio = s::thread::take<s::gui::win::RadioButton>();
    ui_.atRadio->setTextId(kAtText);
    ui_.atRadio->setGroupStart(true);
    ui_.afterRadio = s::thread::take<s::gui::win::RadioButton>();
    ui_.afterRadio->setTextId(kAfterText);
    addAll(ui_.radioBox, {ui_.atRadio, ui_.afterRadio});
    ui_.pausedBox = row();
    ui_.pausedBox->setFixedWidth(0, false);
    ui_.pausedBox->alignCenter();
    ui_.pausedBox->add(idLabel(kPausedText, 0));
    addAll(modeRow, {ui_.radioBox, ui_.pausedBox});

    ui_.atRow = fullWidth(row());
    ui_.atRow->setFixedHeight(0, false);
    ui_.atRow->alignCenter();
    ui_.atRow->alignMiddle();
    ui_.amPmCombo = sized(s::thread::take<ComboBox>(), -1, 20);
    addItem(ui_.amPmCombo, text(ids::kAm).cStr(), 0);
    addItem(ui_.amPmCombo, text(ids::kAm + ids::kAmPmStep).cStr(), 1);
    addItem(ui_.amPmCombo, text(kTwentyFourText).cStr(), 2);
    // As wide as the longest of its names in the language shown.
    ui_.amPmCombo->setFitsItems(true);
    ui_.atHourField = timeField(entry_.atHour);
    ui_.atMinField = timeField(entry_.atMin);
    ui_.atSecField = timeField(entry_.atSec);
    addAll(ui_.atRow, {ui_.amPmCombo, horizontalSpacer(10), ui_.atHourField, buildUpDown(0),
                       label(u":", 0), ui_.atMinField, buildUpDown(1), horizontalSpacer(10),
                       ui_.atSecField, buildUpDown(2)});

    ui_.afterRow = fullWidth(row());
    ui_.afterRow->alignCenter();
    ui_.afterRow->alignMiddle();
    ui_.afterHourField = timeField(entry_.afterHour);
    ui_.afterMinField = timeField(entry_.afterMin);
    ui_.afterSecField = timeField(entry_.afterSec);
    addAll(ui_.afterRow, {ui_.afterHourField, buildUpDown(3), label(u":", 0),
                          ui_.afterMinField, buildUpDown(4), horizontalSpacer(10),
                          horizontalSpacer(8), ui_.afterSecField, buildUpDown(5)});

    addAll(entryBox,
           {modeRow, verticalSpacer(5), ui_.atRow, ui_.afterRow, verticalSpacer(5)});
    ui_.entryBox = entryBox;
    return entryBox;
}

Box* Dialog::buildCountdown() {
    ui_.countdownBox = fullWidth(column());
    ui_.countdownBox->setFixedHeight(0, false);
    ui_.countdownBox->alignCenter();
    ui_.countdownBox->alignMiddle();
    ui_.progressCounter = s::thread::take<s::gui::win::Counter>();
    ui_.progressCounter->setPercentWidth(kFull);
    ui_.progressCounter->setPercentHeight(kFull);
    makeCounter(ui_.progressCounter);
    Box* content = column();
    content->setPercentWidth(kFull, false);
    content->setPercentHeight(kFull, false);
    content->alignCenter();
    content->alignMiddle();
    ui_.remainingLabel = label(u"00:00 00", s::system::OsVersion::get().vistaOrLater ? 5 : 9);
    ui_.remainingLabel->setBold(true);
    ui_.actionLabel = label(u"(Play Sound)", -2);
    ui_.actionLabel->setBold(true);
    addAll(content, {ui_.remainingLabel, ui_.actionLabel});
    ui_.progressCounter->setContent(content);
    ui_.countdownBox->add(ui_.progressCounter);
    return ui_.countdownBox;
}

Box* Dialog::buildActionArea() {
    ui_.actionArea = fullWidth(column());
    ui_.actionArea->setFixedHeight(0, false);
    ui_.actionArea->alignCenter();
    ui_.actionArea->alignTop();
    ui_.actionArea->setInsetsHorizontal(6);
    auto* group = s::thread::take<s::gui::win::GroupBox>();
    group->setTitleId(kActionText);
    group->setPercentWidth(kFull, false);
    Box* rows = fullWidth(column());
    rows->setHorizontalGap(10);
    rows->setVerticalGap(8);
    rows->setInsetsHorizontal(8);
    rows->setInsetsVertical(6);

    Box* actionRow = fullWidth(row());
    actionRow->alignCenter();
    actionRow->alignTop();
    actionRow->setHorizontalGap(8);
    ui_.actionCombo = sized(s::thread::take<ComboBox>(), -1, 18);
    ui_.actionCombo->setPercentWidth(kFull);
    for (std::int32_t kind = kPlay; kind <= kShutdown; ++kind)
        addItem(ui_.actionCombo, text(actionNameId(static_cast<ActionKind>(kind))).cStr(), kind);
    ui_.actionCombo->setFitsItems(true);
    ui_.testButton = textButton(ids::kTest, -1, 18);
    addAll(actionRow, {ui_.actionCombo, ui_.testButton});

    ui_.pathRow = fullWidth(row());
    ui_.pathRow->alignLeft();
    ui_.pathRow->alignTop();
    ui_.pathField = sized(s::thread::take<TextField>(), -1, 20);
    ui_.pathField->setPercentWidth(kFull);
    ui_.pathField->setShowEnd(true);
    ui_.browseButton = textButton(kBrowseText, -1, 20);
    addAll(ui_.pathRow, {ui_.pathField, ui_.browseButton});

    ui_.playRow = fullWidth(row());
    ui_.playRow->alignCenter();
    ui_.playRow->alignMiddle();
    ui_.playRow->setHorizontalGap(3);
    ui_.repeatCheck = s::thread::take<s::gui::win::CheckBox>();
    ui_.repeatCheck->setTextId(kRepeatText);
    ui_.volumeCombo = sized(s::thread::take<ComboBox>(), 52, 18);
    for (std::int32_t percent = 100; percent >= 10; percent -= 10) {
        str::StrBuffer item;
        item.set(percent);
        item.append(u'%');
        addItem(ui_.volumeCombo, item.cStr(), percent);
    }
    addAll(ui_.playRow, {ui_.repeatCheck, horizontalSpacer(8), idLabel(kVolumeText, -1),
                         ui_.volumeCombo});

    auto collapsedRow = [](bool middle) {
        Box* box = fullWidth(row());
        box->setFixedHeight(0, false);
        if (middle) {
            box->alignLeft();
            box->alignMiddle();
        } else {
            box->alignCenter();
        }
        box->setHorizontalGap(3);
        return box;
    };
    ui_.openRow = collapsedRow(false);
    ui_.openRow->add(verticalSpacer(20));
    ui_.executeRow = collapsedRow(true);
    ui_.parameterField = sized(s::thread::take<TextField>(), -1, 20);
    ui_.parameterField->setPercentWidth(kFull);
    addAll(ui_.executeRow, {idLabel(kParameterText, -1), ui_.parameterField});
    ui_.webPageRow = collapsedRow(false);
    ui_.webPageRow->add(verticalSpacer(20));
    ui_.shutdownRow = collapsedRow(false);
    ui_.shutdownCombo = sized(s::thread::take<ComboBox>(), -1, 18);
    ui_.shutdownCombo->setPercentWidth(kFull);
    for (std::int32_t type = kStandBy; type <= kPowerOff; ++type)
        addItem(ui_.shutdownCombo, text(kFirstShutdownText + 10 * (type - 1)).cStr(), type);
    ui_.shutdownRow->add(ui_.shutdownCombo);

    addAll(rows, {actionRow, ui_.pathRow, ui_.playRow, ui_.openRow, ui_.executeRow,
                  ui_.webPageRow, ui_.shutdownRow});
    group->setContent(rows);
    addAll(ui_.actionArea, {verticalSpacer(1), group, verticalSpacer(12)});
    return ui_.actionArea;
}

Box* Dialog::buildBottomBar() {
    Box* bottomBar = fullWidth(row());
    bottomBar->alignLeft();
    bottomBar->alignBottom();
    Box* content = fullWidth(row());
    content->setFixedHeight(20, false);
    content->alignLeft();
    content->alignTop();

    Box* actionButtons = row();
    actionButtons->setFixedHeight(20, false);
    actionButtons->alignLeft();
    actionButtons->alignBottom();
    actionButtons->setInsetsVertical(2);
    ui_.actionArrowButton = glyphButton(u"#Down", 12, 14);
    ui_.actionArrowButton->setSizeCode(-2);
    // The Action button beside it does the same for the keyboard.
    ui_.actionArrowButton->setTabStop(false);
    ui_.actionButton = textButton(kActionText, -1, 16);
    ui_.actionButton->setSizeCode(-2);
    addAll(actionButtons, {ui_.actionArrowButton, ui_.actionButton});

    Box* startRow = fullWidth(row());
    ui_.startButton = textButton(ids::kStart, -1, 18);
    ui_.startButton->setPercentWidth(kFull);
    ui_.pauseButton = glyphButton(u"#Pause", 0, 18);
    ui_.snoozeButton = textButton(ids::kSnooze, 0, 18);
    ui_.snoozeButton->setEnabled(false);
    addAll(startRow, {ui_.startButton, ui_.pauseButton, ui_.snoozeButton});
    addAll(content, {actionButtons, horizontalSpacer(2), startRow, horizontalSpacer(3)});

    Button* grip = glyphButton(u"#Resizer", 12, 12);
    grip->setTabStop(false);
    addAll(bottomBar, {content, grip});
    return bottomBar;
}

Box* Dialog::buildClockView() {
    ui_.clockBox = fullWidth(row());
    ui_.clockBox->setFixedHeight(0, false);
    ui_.clockBox->alignCenter();
    ui_.clockBox->alignMiddle();
    ui_.clockBox->setInsetsHorizontal(2);
    ui_.clockProgressCounter = s::thread::take<s::gui::win::Counter>();
    ui_.clockProgressCounter->setPercentWidth(kFull);
    ui_.clockProgressCounter->setPercentHeight(kFull);
    makeCounter(ui_.clockProgressCounter);
    Box* content = row();
    content->setPercentWidth(kFull, false);
    content->setPercentHeight(kFull, false);
    content->alignCenter();
    content->alignMiddle();
    Box* dateColumn = column();
    dateColumn->alignRight();
    dateColumn->alignTop();
    ui_.dateLabel = label(u"Apr 24", -1);
    ui_.weekdayLabel = label(u"Sat", -1);
    addAll(dateColumn, {ui_.dateLabel, ui_.weekdayLabel});
    ui_.hourMinuteLabel = label(u"00:00", 109);
    Box* secondsColumn = column();
    secondsColumn->alignLeft();
    secondsColumn->alignTop();
    ui_.amPmLabel = label(u"AM", -1);
    ui_.secondsLabel = label(u"32", -1);
    addAll(secondsColumn, {ui_.amPmLabel, ui_.secondsLabel});
    addAll(content, {dateColumn, horizontalSpacer(10), ui_.hourMinuteLabel,
                     horizontalSpacer(10), secondsColumn});
    ui_.clockProgressCounter->setContent(content);
    ui_.clockBox->add(ui_.clockProgressCounter);
    return ui_.clockBox;
}

void Dialog::buildComponents() {
    ui_.rootBox = column();
    ui_.rootBox->setPercentWidth(kFull, false);
    ui_.rootBox->setPercentHeight(kFull, false);
    ui_.rootBox->setInsetsHorizontal(2);
    ui_.rootBox->setInsetsVertical(2);

    ui_.contentBox = fullWidth(column());
    ui_.contentBox->setPercentHeight(kFull, false);
    ui_.contentBox->alignCenter();
    ui_.contentBox->alignTop();
    addAll(ui_.contentBox, {verticalSpacer(3), buildEntry(), buildCountdown(),
                            verticalSpacer(3), buildActionArea(), buildBottomBar()});
    addAll(ui_.rootBox, {buildTitleBar(), ui_.contentBox, buildClockView()});
    trace::mark("build: component tree");
    // Frozen until the build is done: the layout passes of the build place
    // the components, and each native window moves once, at the end.
    ui_.rootBox->freeze();
    window_->add(ui_.rootBox);
    listenToComponents();
}

void Dialog::listenToComponents() {
    for (Button* button : {ui_.transformButton, ui_.iconizeButton, ui_.closeButton,
                           ui_.startButton, ui_.pauseButton, ui_.snoozeButton, ui_.testButton,
                           ui_.browseButton,
                           ui_.actionArrowButton, ui_.actionButton})
        button->addActionListener(this);
    ui_.onTopButton->addAfterActionListener(this);
    ui_.atRadio->addCheckedListener(this);
    ui_.afterRadio->addCheckedListener(this);
    ui_.repeatCheck->addCheckedListener(this);
    ui_.repeatCheck->addUncheckedListener(this);
    for (ComboBox* combo : {ui_.amPmCombo, ui_.actionCombo, ui_.volumeCombo, ui_.shutdownCombo})
        combo->addSelectionListener(this);
    for (TextField* field : {ui_.atHourField, ui_.atMinField, ui_.atSecField, ui_.afterHourField,
                             ui_.afterMinField, ui_.afterSecField, ui_.pathField,
                             ui_.parameterField}) {
        field->addEnterListener(this);
        field->addChangeListener(this);
    }
    window_->addCloseListener(this);
    window_->addSessionEndListener(this);
    window_->addDoubleClickListener(this);
}

} // namespace s::sound::gui::dialogs::plinkett
