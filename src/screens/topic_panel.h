// Choosing the topics a game draws from: a button that opens a panel of the topics, a switch
// each, "vše" and "nic" shortcuts, the number of questions chosen and "Hotovo", which keeps a
// playable choice in the profile and refuses one too small with a message. The one-player
// variant choice and the buzzer set-up share it. The question browser gets a button that
// steps through the topics to show one, or all.
#pragma once

#include "frame/control.h"

#include <cstdint>

namespace screens {

constexpr int32_t kTopicButton = 1900;
constexpr int32_t kTopicPanel = 1901;
constexpr int32_t kBrowserTopicButton = 1902;

// Adds the button at (x, y) and the hidden panel over the screen; nothing when the questions
// have no topics. Call after the screen's controls, so the panel lies over them, and before
// a picture that covers the whole screen, so that covers the button.
void AddTopicChoice(int x, int y);

// Shows the chosen questions on the button again, after the topics changed.
void RefreshTopicChoice();

// The browser's button at (x, y); `changed` is called with the topic shown (-1 for all).
void AddBrowserTopicButton(int x, int y, void (*changed)(int topic));

class TopicPanel : public Control {
public:
    TopicPanel();

    void Open();
    // Keeps the choice and closes when it is playable; else shows why not and stays.
    bool Close();
    bool IsOpen() const { return !(GetFlags() & kHidden); }
    bool Refused() const { return refused_; }
    // Where a row's switch or a shortcut lies on the screen, for the pointer.
    gfx::Rect RowArea(int topic) const;
    gfx::Rect AllArea() const;
    gfx::Rect NoneArea() const;
    gfx::Rect DoneArea() const;

    void Render() override;
    void HandleInput(int32_t code, int32_t value, int32_t* handled) override;

private:
    int Rows() const;
    gfx::Rect OnScreen(const gfx::Rect& area) const;
    void Click();
    void DrawRow(gfx::Canvas& canvas, int topic);
    void DrawFooter(gfx::Canvas& canvas);

    bool refused_ = false;
};

// The choice kept in the profile ("Topics off=" in the game's section), shared by every mode.
// Reading a missing profile or line chooses every topic.
void ReadTopicChoice();
bool WriteTopicChoice();

}  // namespace screens
