#pragma once

#include <cstdint>
#include <string>

#include "platform/System.h"
#include "ui/Buttons.h"
#include "ui/Form.h"
#include "ui/Static.h"
#include "ui/Timer.h"

// The window that warns a minute before a scheduled shutdown (shown without blocking) and asks
// for confirmation just before any shutdown (modal). Made once, after the main form.
class TBoiteConfirmation : public ui::Form {
public:
    // Cancelling the reminder stops the schedule's timer; the window stays on top while the
    // main form is hidden, as nothing else of ours shows then.
    TBoiteConfirmation(System& system, ui::Timer& eteindreTimer, const ui::Form& mainForm);

    // Also the system beep kinds: the stop sound and the question sound.
    static constexpr std::uint16_t ModeReminder = mb::IconHand;
    static constexpr std::uint16_t ModeConfirmation = mb::IconQuestion;
    // The message-box answers: none yet, yes, no.
    static constexpr std::int32_t AnswerNone = 0;
    static constexpr std::int32_t AnswerAccepted = mb::IdYes;
    static constexpr std::int32_t AnswerRefused = mb::IdNo;

    // Set by the caller before showing; 0 until then.
    std::uint16_t Mode = 0;
    std::int32_t Answer = AnswerNone;
    // The caption of the action that the confirmation names.
    std::string ActionText;

    void FormCreate();
    void FormShow();
    void OkBtnClick();
    void AnnulerBtnClick();
    void FormClose();

    ui::PaintBox Icone{this, "Icone"};
    ui::Label AttentionLbl{this, "AttentionLbl"};
    ui::Label MessageLbl{this, "MessageLbl"};
    ui::Button OkBtn{this, "OkBtn"};
    ui::Button AnnulerBtn{this, "AnnulerBtn"};

private:
    void ShowIcon(int systemIcon);
    void PaintIcon(ui::Canvas& canvas);

    System& system_;
    ui::Timer& eteindreTimer_;
    const ui::Form& mainForm_;
    IconHandle icon_ = nullptr;
};
