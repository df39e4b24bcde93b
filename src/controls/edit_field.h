// A one-line entry field with a blinking caret: player names and score-table names. A text
// wider than the field is drawn in a smaller size of its font.
#pragma once

#include "frame/control.h"

class EditField : public Control {
public:
    static constexpr uint32_t kPassword = 0x1000000;       // every character shown as "*"
    static constexpr uint32_t kReadOnly = 0x2000000;       // all input ignored
    static constexpr uint32_t kClickToFocus = 0x8000000;   // focused by a press, not the pointer
    static constexpr uint32_t kSeeThrough = 0x10000000;    // the screen background behind the text
    static constexpr uint32_t kAlwaysEditing = 0x20000000; // caret and typing without the focus

    // Events reported through Interface::ReportControlEvent.
    static constexpr int32_t kEventPressed = 1;
    static constexpr int32_t kEventAppended = 3;
    static constexpr int32_t kEventEnter = 4;
    static constexpr int32_t kEventPressedOutside = 5;

    static constexpr int kTextCapacity = 255;

    explicit EditField(int32_t id);

    int SetUp(int x, int y, int width, const char* text, const gfx::Font* font, uint32_t flags);
    // 0 when the text is the one shown already, 1 otherwise. Keeps the first 255 characters.
    int SetText(const char* text);
    // `buffer` holds at least 256 bytes.
    void GetText(char* buffer) const;
    const char* Text() const { return text_; }
    void SetMaxLength(int length) { maxLength_ = length; }
    int MaxLength() const { return maxLength_; }
    bool CaretOn() const { return caretOn_; }

    void Render() override;
    void Update() override;
    void HandleInput(int32_t code, int32_t value, int32_t* handled) override;

private:
    void HandleCharacter(int32_t value, int32_t* handled);
    void HandleCharacterUp(int32_t value, int32_t* handled);
    void HandlePress(int32_t* handled);
    void HandlePointerMove(int32_t* handled);
    bool MayEdit() const;

    static constexpr int kTextInset = 4;

    int maxLength_ = 9;
    char text_[kTextCapacity + 1] = "";
    const gfx::Font* font_ = nullptr;
    bool caretOn_ = false;
    int32_t blinkCounter_ = 0;
};
