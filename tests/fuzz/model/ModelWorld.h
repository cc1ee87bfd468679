#pragma once

#include <cstddef>
#include <cstdint>
#include <functional>
#include <optional>
#include <set>
#include <string>
#include <vector>

#include "model/ModelInvariants.h"
#include "support/MainFormRig.h"

// The input of one run, read a byte at a time; zeros once it is used up, so that every input
// plays to an end.
class FuzzInput {
public:
    FuzzInput(const std::uint8_t* data, std::size_t size) : data_(data), size_(size) {}
    bool Empty() const { return next_ >= size_; }
    std::uint8_t Byte() { return Empty() ? 0 : data_[next_++]; }
    int Below(int bound) { return Byte() % bound; }
    bool Chance() { return Byte() & 1; }
    std::uint32_t Word();

private:
    const std::uint8_t* data_;
    std::size_t size_;
    std::size_t next_ = 0;
};

// The whole program on the fake system, driven by the events an input spells: tray callbacks,
// device broadcasts, the messages posted and the refresh timer's ticks, floods of thousands of
// notices, ticks or right presses, taskbar restarts (in bursts too), changes of scale, the clock
// and the timer, the clock set or the computer waking up, a second start's hand-over, a drive
// replaced by one of another kind, list editing and options on the pages, the buttons and the
// icons' menu, and failures of the system injected on the way. Boxes, dialogs and menus run nested
// events as their message loops would. After every event, what must always hold is checked; the
// first breach ends the run with the events that led to it.
class ModelWorld {
public:
    // The events a user rarely thinks of, counted for the summary of a run.
    struct Kinds {
        long long TimeChanges = 0, WakeUps = 0, ScaleChanges = 0, HandOvers = 0, KindChanges = 0,
                  HeldFiles = 0, MixedEndings = 0, RefusedExits = 0, LateLookUps = 0;
    };

    ModelWorld(const std::uint8_t* data, std::size_t size);
    ~ModelWorld();
    // Plays the input; the number of events played.
    int Run();
    const Kinds& Played() const { return played_; }

    // The program's state, for the invariants.
    const MainFormRig& Rig() const { return rig_; }
    // Icons whose tip and picture the shell may show out of date: a change of theirs was refused.
    const std::set<std::uint32_t>& StaleTips() const { return staleTips_; }
    // The taskbar is gone, or its restart waits to be answered: the area lags behind.
    bool AwaitingTaskbar() const;
    // A change of scale waits in the queue: the pictures are still of the former size.
    bool IconSizeAwaited() const;
    // A look at whether any icon is left waits in the queue: the window may still be hidden.
    bool ReachCheckAwaited() const;

private:
    void SetUp();
    std::string SettingsText();
    // One event from the input; nested ones come from inside the message loops of boxes,
    // dialogs, menus and waits.
    void Play(int depth);
    void MaybeNested(bool windowUsable);
    bool WindowUsable() const;
    void Check(const std::string& what);
    void CheckDrivesFollowed();
    void Fail(const std::string& what, const std::string& breach);
    void Log(const std::string& line);
    void PrintLog() const;
    bool Ended() const;
    // Nothing queued and nothing due: the drives are as their last notices said.
    bool Settled() const;

    // Events.
    void TrayCallback();
    void DeviceBroadcast(bool arrival);
    void Announce(bool arrival, std::uint32_t mask, std::uint16_t flags);
    void Flood();
    void PressRight();
    void DeliverPosted(bool all);
    void TaskbarRestart();
    void RestartBurst();
    void ChangeScale();
    void ClockAndTimer();
    // The schedule looks at the clock (`tick`): the timer's tick, or the look a change of the
    // clock or a wake-up posted. At its minute, with its timer running, it acts at once; never
    // outside it.
    void ScheduleLook(const std::function<void()>& tick);
    // The events of the world around the program: the clock set, a wake-up, a monitor of another
    // scale, a second start, a drive replaced.
    void WorldEvent();
    void SetClock(bool wakeUp);
    void HandOver();
    // A second start's hand-over shows the window and changes nothing else.
    void ShowHandedOver(const WindowMessage& message);
    void ReplaceDrive();
    void DelayLookUps();
    void EditLists();
    void Edit(bool onFolders, int action);
    void ToggleOption();
    void PressButton();
    // "Quitter", the button or the menu's item.
    template <typename Command>
    void Quit(Command& command);
    void InjectFailure();
    // The settings file cannot be written or read, or can again, or another program edits it.
    void ChangeSettingsFile(int how);

    // Answers from inside the loops.
    void OnBox();
    ui::ModalResult AnswerModal(ui::Form& form);
    void AnswerConfirmation();
    // The reminder's buttons, or neither.
    void AnswerReminder();
    void ChooseMenuItem();
    // The entry a menu was opened for, as the user knows it, and the edits of the lists then.
    struct MenuEntry {
        TrayGroup Group = TrayGroup::None;
        bool Any = false;
        std::string Path, Name, Options;
        int Edits = 0;
    };
    // An entry's command of the menu acts on the entry the menu was opened for, or on none once
    // that entry went; `firstCall`: the system's calls the command made begin there.
    void CheckMenuCommand(const ui::MenuItem& item, const MenuEntry& opened, std::size_t firstCall);
    bool Refuse(NotifyCommand command, const NotifyIconData& data);
    void OnExitCall(unsigned code);

    // What the user sees, checked against what was asked (model/ModelExpectations.cpp).
    // An edit of a list leaves its lines and selection where the page's rules put them.
    void EditAndCheck(bool onFolders, int action);
    void CheckDuplicateQuestion();
    // A command that saves: once it ran, the file holds what the window shows.
    void SaveAndCheck(const std::string& what, const std::function<void()>& command);
    // A command that neither saved nor heard the user keep the file has a box say the settings
    // were not saved, at once or once the box showing closes (`told`: such boxes before it).
    void ExpectNotSavedTold(const std::string& what, int told, int keptBefore);
    // A save now would write the file: it can be written, and it is not one the user must
    // agree to replace first (`mayAsk`: unless the user is asked and agrees).
    bool SaveExpected(bool mayAsk) const;
    // Every icon is shown exactly when the options want it; after a regrouping, in group order.
    void CheckShownAsWanted(const std::string& what);
    void CheckTrayOrder(const std::string& what);
    // A drive that came during the event shows exactly when its kind is shown.
    // And a drive whose kind changed during the event, as when a stick is replaced by a disk.
    void CheckNewDrives(const std::vector<std::pair<std::string, TrayItemKind>>& before);
    bool DriveWanted(const TrayItem& drive) const;
    // The code the shutdown icon asks for now, and the force bit.
    unsigned IconAction() const;
    unsigned ForceBit() const;
    // Nothing but the event itself ran: no nested event, no refusal of the shell.
    bool Undisturbed(int nestedBefore, int refusalsBefore) const;

    std::uint32_t PickIconId();
    std::uint32_t PickUnitMask();
    std::uint16_t PickVolumeFlags();
    const std::string& PickFolder();
    const std::string& PickLaunch();
    const std::string& PickName();
    // The controls a user can change on the pages now.
    std::vector<ui::Control*> UsableOptions() const;
    void CheckSaved();

    // The minute the schedule is set for, in minutes of the day.
    int ChosenMinute() const;
    bool AtChosenMinute() const;

    FuzzInput in_;
    MainFormRig rig_;
    Kinds played_;
    std::vector<std::string> log_;
    std::set<std::uint32_t> staleTips_;
    IdentityBook identities_;
    int depth_ = 0;
    int events_ = 0;
    int delivered_ = 0;
    int refuseAdds_ = 0, refuseModifies_ = 0, refuseDeletes_ = 0;
    // The right presses of a flood still to come, and their icon.
    int rightPressesLeft_ = 0;
    std::uint32_t rightPressId_ = 0;
    bool pumpInBoxes_ = false;
    bool nestInNextLoop_ = false;
    bool restartInShellCall_ = false;
    bool windowBlocked_ = false;
    // Letters whose last notice said present, and those whose entry may have been given up.
    std::uint32_t announcedDrives_ = 0;
    std::uint32_t uncertainDrives_ = 0;
    // Why an exit call may come during the event being played, and which code it must have.
    struct ExitRequests {
        bool Icon = false;
        // The codes of the menu's items chosen.
        std::vector<unsigned> Menu;
        // The scheduled minute came, its timer running, without a question.
        bool Schedule = false;
        bool YesToUser = false, YesToSchedule = false;
    };
    ExitRequests asked_;
    // Events played inside others, refusals of the shell and writes of the settings file, so
    // far: what an expectation must not have seen meanwhile.
    int nestedPlays_ = 0;
    int refusals_ = 0;
    int writes_ = 0;
    // The same at the start of the event being played.
    int eventNested_ = 0, eventRefusals_ = 0;
    // The writes before a scheduled shutdown's tick, when it must save (-1: it need not).
    int scheduleWrites_ = -1;
    // The schedule's question was answered anything but yes.
    bool scheduleRefused_ = false;
    // Boxes shown so far, and how many when the scheduled minute came without a question or when
    // its question was accepted: the exit call follows either with no box between.
    int boxesSeen_ = 0;
    int scheduleBoxes_ = -1, acceptBoxes_ = -1;
    // What the schedule did so far (exit calls, questions, boxes of a failed save), and the tick
    // of the last: one act per minute.
    int scheduleActs_ = 0;
    std::optional<std::uint32_t> scheduleActedAt_;
    // Boxes that said the settings were not saved, and a command's that must still show before
    // the event ends.
    int notSavedTold_ = 0;
    bool boxSaysNotSaved_ = false;
    std::string awaitingNotSaved_;
    // Questions about replacing the settings file answered no; edits of the lists so far.
    int keptByUser_ = 0;
    int listEdits_ = 0;
    // What the folder picker or the launch dialog gave the edit under way, and the questions.
    struct Picked {
        bool Ok = false;
        std::string Path, Name, Options;
        int ExcludedLine = -1;
        bool DuplicateAsked = false, Refused = false;
    };
    Picked picked_;
    // Answers to the question Quitter asks when the settings could not be saved.
    int quitYes_ = 0, quitNo_ = 0;
    // The settings file holds what the program could not read at start, or what another
    // program wrote since; a save may replace it only once the user said yes to a question
    // about it.
    bool unreadFile_ = false;
    // Where the settings file of this start lives.
    std::string settingsPlace_;
    bool changedBehind_ = false;
    bool userAgreedToReplace_ = false;
};
