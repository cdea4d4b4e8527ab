#pragma once
// What the core (solver, creator) needs from the window that hosts it. The game implements
// this with Qt; sv-cli and the tests implement it headless. No Qt here.
#include <string>

namespace sv {

// NoIcon: a plain notice with only its OK button.
enum class MessageIcon { Information, Critical, Exclamation, Question, NoIcon };

class WindowSeam {
public:
    virtual ~WindowSeam() = default;

    // Status strip: set its caption, show it and repaint it at once.
    virtual void ShowStatus(const std::string& text) = 0;
    // Status strip: empty its caption and hide it.
    virtual void HideStatus() = 0;
    // Process pending window messages once, so the status strip is drawn.
    virtual void PumpMessages() = 0;

    // Modal message box with an OK button.
    virtual void ShowMessage(const std::string& text, const std::string& title,
                             MessageIcon icon) = 0;
    // Modal Yes/No question box (question icon); true for Yes.
    virtual bool AskYesNo(const std::string& text, const std::string& title) = 0;

    // True when at least one board cell shows no symbol.
    virtual bool BoardHasEmptyCell() = 0;
    // Stop the game clock.
    virtual void StopClock() = 0;
};

// A seam that shows nothing and answers every question with a fixed reply. The board it
// describes is "full" unless told otherwise. Used by sv-cli and by tests as a base.
class HeadlessSeam : public WindowSeam {
public:
    bool answerYes = true;
    bool boardHasEmptyCell = true;
    int messagesShown = 0;
    std::string lastMessage;
    std::string lastQuestion;
    bool clockStopped = false;

    void ShowStatus(const std::string&) override {}
    void HideStatus() override {}
    void PumpMessages() override {}
    void ShowMessage(const std::string& text, const std::string&, MessageIcon) override {
        ++messagesShown;
        lastMessage = text;
    }
    bool AskYesNo(const std::string& text, const std::string&) override {
        lastQuestion = text;
        return answerYes;
    }
    bool BoardHasEmptyCell() override { return boardHasEmptyCell; }
    void StopClock() override { clockStopped = true; }
};

} // namespace sv
