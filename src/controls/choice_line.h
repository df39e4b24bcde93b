// Two lines of text in one control: a title followed by words to choose from (the chosen one
// lit; a click on a word chooses it and reports event 1), and under them a message line. A
// screen with few control slots left gets a choice and its guidance from one slot.
#pragma once

#include "frame/control.h"

#include <string>
#include <vector>

class ChoiceLine : public Control {
public:
    static constexpr int32_t kEventChosen = 1;
    static constexpr int kWordGap = 14;

    explicit ChoiceLine(int32_t id) : Control(id) {}

    // Texts are Windows-1250. The size is fixed: what does not fit is cut off.
    void SetUp(int x, int y, int width, int height, const gfx::Font* font, std::string title,
               std::vector<std::string> words, uint32_t flags);
    void SetColours(uint32_t text, uint32_t chosen);
    void Choose(int word);
    int Chosen() const { return chosen_; }
    void SetMessage(const std::string& text, uint32_t colour);
    const std::string& Message() const { return message_; }
    // Where a word is drawn, in the control's own coordinates.
    gfx::Rect WordArea(int word) const;

    void Render() override;
    void HandleInput(int32_t code, int32_t value, int32_t* handled) override;

private:
    int WordUnderPointer() const;

    const gfx::Font* font_ = nullptr;
    std::string title_;
    std::vector<std::string> words_;
    std::vector<gfx::Rect> areas_;
    std::string message_;
    uint32_t textColour_ = 0xFFFFFF;
    uint32_t chosenColour_ = 0x00FFFF;
    uint32_t messageColour_ = 0xFFFFFF;
    int chosen_ = -1;
    int armed_ = -1;
};
