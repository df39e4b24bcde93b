#include "choice_line.h"

#include "background_copy.h"
#include "frame/interface.h"

void ChoiceLine::SetUp(int x, int y, int width, int height, const gfx::Font* font,
                       std::string title, std::vector<std::string> words, uint32_t flags) {
    SetPosition(x, y);
    SetFlags(flags);
    font_ = font;
    title_ = std::move(title);
    words_ = std::move(words);
    areas_.clear();
    gfx::Size extent;
    Interface::MeasureText(title_.c_str(), font_, &extent);
    int left = extent.width + kWordGap;
    for (const std::string& word : words_) {
        Interface::MeasureText(word.c_str(), font_, &extent);
        areas_.push_back({left, 0, left + extent.width, extent.height});
        left += extent.width + kWordGap;
    }
    SetSize(width, height);
}

void ChoiceLine::SetColours(uint32_t text, uint32_t chosen) {
    textColour_ = text;
    chosenColour_ = chosen;
    Render();
}

void ChoiceLine::Choose(int word) {
    chosen_ = word;
    Render();
}

void ChoiceLine::SetMessage(const std::string& text, uint32_t colour) {
    message_ = text;
    messageColour_ = colour;
    Render();
}

gfx::Rect ChoiceLine::WordArea(int word) const {
    return word >= 0 && word < static_cast<int>(areas_.size()) ? areas_[word] : gfx::Rect{};
}

void ChoiceLine::Render() {
    gfx::Surface* face = Picture();
    if (!face) return;
    gfx::Canvas canvas(*face);
    PrepareSeeThroughText(*this, *face, canvas, font_);
    canvas.SetTextColor(textColour_);
    canvas.TextOut(0, 0, title_);
    for (std::size_t i = 0; i < words_.size(); ++i) {
        canvas.SetTextColor(static_cast<int>(i) == chosen_ ? chosenColour_ : textColour_);
        canvas.TextOut(areas_[i].left, 0, words_[i]);
    }
    canvas.SetTextColor(messageColour_);
    canvas.TextOut(0, Height() / 2, message_);
}

int ChoiceLine::WordUnderPointer() const {
    for (std::size_t i = 0; i < areas_.size(); ++i) {
        if (IsPointerIn(areas_[i])) return static_cast<int>(i);
    }
    return -1;
}

void ChoiceLine::HandleInput(int32_t code, int32_t, int32_t* handled) {
    if (controlsFrozen || (GetFlags() & (kHidden | kDisabled)) || !*handled) return;
    if (code == Interface::kInputLeftDown || code == Interface::kInputDoubleClick) {
        armed_ = WordUnderPointer();
    } else if (code == Interface::kInputLeftUp) {
        const int word = WordUnderPointer();
        if (word >= 0 && word == armed_) {
            Choose(word);
            Interface::ReportControlEvent(this, kEventChosen, 1);
        }
        armed_ = -1;
    }
}
