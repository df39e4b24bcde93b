// The narrow system-services interface the game is written against. It stands in for the
// window, message, time, file and drawing facilities of the original Windows target.
// Only src/platform may include SDL or POSIX headers; everything else calls this header.
#pragma once

#include <cstdint>
#include <cstdio>
#include <ctime>
#include <string>
#include <string_view>
#include <vector>

namespace platform {

// ---- Backends -----------------------------------------------------------------------------
// One backend is installed at start-up: the game installs the SDL one, tests the headless
// one (src/platform/headless/headless.h). Every call below goes to the installed backend or
// to code shared by both.
void UseSdlBackend();
bool HasBackend();

// ---- Display ------------------------------------------------------------------------------
// False when the backend could not reach a display at all (no desktop session).
bool DisplayAvailable();

struct DisplayMode {
    int width = 0;         // SM_CXSCREEN
    int height = 0;        // SM_CYSCREEN
    int bitsPerPixel = 0;  // 15/16, 24 or 32 as the desktop reports it
};
DisplayMode GetDisplayMode();

// Writes a 0x00BBGGRR colour through the desktop's pixel format and reads it back: the
// green-depth probe. A 5-6-5 display returns 0x000C00 for 0x000C00, a 5-5-5 one does not.
uint32_t RoundTripDisplayColor(uint32_t color);

// The pixel layouts a back buffer can have. Surfaces are bottom-up in memory.
enum class PixelLayout { Rgb565, Rgb555, Bgr24, Bgrx32 };
int BitsOf(PixelLayout layout);
int BytesPerPixel(PixelLayout layout);
// The colour of the pixel stored at `pixel`, as 0x00RRGGBB with each channel widened to
// 8 bits the way a display shows it (the top bits repeated into the low ones).
uint32_t RgbOfPixel(PixelLayout layout, const uint8_t* pixel);

// ---- The main window ----------------------------------------------------------------------
// One borderless window covering the display.
bool CreateMainWindow(const char* title, int x, int y, int width, int height);
bool MainWindowExists();
void ShowMainWindow();
void MoveMainWindow(int x, int y, int width, int height);
void MinimiseMainWindow();
void SetMainWindowTopMost(bool topMost);
void DestroyMainWindow();

// Copies a bottom-up back buffer in `layout` to the screen with its top-left corner at
// (x, y) in screen coordinates, and shows it. The SDL backend's screen is the play area,
// scaled to the window (see play_area_fit.h).
void Present(const uint8_t* bits, int width, int height, int stride, PixelLayout layout,
             int x, int y);

// ---- Presentation -------------------------------------------------------------------------
// How the play area reaches the display: fullscreen or in a resizable window, scaled
// smoothly or by whole steps. The frame hands over what the profile says before it creates
// the window; Alt+Enter and F11 switch fullscreen, and the backend then posts
// kWmPresentationChanged so that the frame can store the choice.
struct Presentation {
    bool fullscreen = true;
    bool integerScale = false;
    bool operator==(const Presentation&) const = default;
};
void SetPresentation(const Presentation& presentation);
Presentation GetPresentation();
// Switches between fullscreen and the window at once (what Alt+Enter and F11 do).
void SetFullscreen(bool fullscreen);
// Starts this run in a window of "WxH" pixels whatever the profile says: the value of
// BRELLIK_WINDOW, or of a command-line option. False, and nothing changes, for text that
// is not such a size. Call it before the window is created; the last call wins, and any
// call wins over BRELLIK_WINDOW.
bool StartInWindow(const char* sizeText);
// The size asked for by StartInWindow or, failing that, by BRELLIK_WINDOW.
bool WindowedStartSize(int& width, int& height);

// ---- Side bands ---------------------------------------------------------------------------
// On a screen wider than 4:3 the play area leaves a band on either side. A screen may fill
// them with lines of text drawn at the screen's own resolution; the play area is not touched,
// and the engine never learns the real size: it describes, the platform lays out. Sizes are
// pixels on a screen 1080 lines high; the platform scales them to the band's real height and
// shrinks the whole column when it would not fit. A narrow band (or none, on 4:3) shows nothing.
struct BandPiece {
    std::string text;            // Windows-1250
    uint32_t colour = 0xFFFFFF;  // 0x00BBGGRR, as the canvas takes it
    bool operator==(const BandPiece&) const = default;
};
enum class BandAlign { Left, Centre, Right };
struct BandLine {
    // Drawn from the band's left edge at the line's size, each in its own colour.
    std::vector<BandPiece> marks;
    // Aligned in the width the marks leave; shrunk to fit it rather than cut.
    BandPiece text;
    int height = 40;  // cell height
    // 2 lets a text too wide for the band break at a space onto a second row of the same
    // height before it is shrunk.
    int rows = 1;
    bool bold = false;
    BandAlign align = BandAlign::Left;
    int spaceAbove = 0;
    bool operator==(const BandLine&) const = default;
};
struct SideBands {
    std::vector<BandLine> left;
    std::vector<BandLine> right;
    bool operator==(const SideBands&) const = default;
};
// What the bands show from now on; an empty description leaves them black. The platform
// draws again only when the description differs from the last one or the window's size
// changed, so a screen may hand over the same description every frame.
void SetSideBands(const SideBands& bands);
const SideBands& CurrentSideBands();

// The platform knows no fonts: the game installs the painter that turns one band's lines
// into its picture, `width` x `height` pixels of 0x00RRGGBB, top row first, black where
// nothing is drawn.
struct BandPicture {
    int width = 0;
    int height = 0;
    std::vector<uint32_t> pixels;
};
using BandPainter = void (*)(const std::vector<BandLine>& lines, BandPicture& picture);
void SetBandPainter(BandPainter painter);

// Resource ids of the original program.
constexpr int kIconApp = 101;
constexpr int kCursorBusy = 103;
constexpr int kCursorArrow = 104;
void SetCursor(int cursorId);
// Cursor 103 or 104 drawn from a picture file (BMP, magenta shows through) with its hot
// spot; a missing file keeps the system's cursor.
void SetCursorFile(int cursorId, const std::string& bmpPath, int hotX, int hotY);
// Icon 101 is read from this picture file (BMP); a missing file leaves a placeholder.
void SetIconFile(const std::string& bmpPath);

// ---- Messages -----------------------------------------------------------------------------
// Windows message ids, as the frame's window procedure handles them.
enum : uint32_t {
    kWmNull = 0x0000,
    kWmDestroy = 0x0002,
    kWmActivate = 0x0006,
    kWmPaint = 0x000F,
    kWmClose = 0x0010,
    kWmQuit = 0x0012,
    kWmKeyDown = 0x0100,
    kWmKeyUp = 0x0101,
    kWmChar = 0x0102,
    kWmSysKeyDown = 0x0104,
    kWmSysKeyUp = 0x0105,
    kWmSysChar = 0x0106,
    kWmMouseMove = 0x0200,
    kWmLButtonDown = 0x0201,
    kWmLButtonUp = 0x0202,
    kWmRButtonDown = 0x0204,
    kWmRButtonUp = 0x0205,
    // The platform's own: the player switched fullscreen (GetPresentation tells how).
    kWmPresentationChanged = 0x8001,
    // A game-pad button was pressed: wParam is its pad key (pad_keys.h), lParam 0.
    kWmPadButtonDown = 0x8002,
    // A phone's button was pressed: wParam is its phone key (phone_keys.h), lParam the tick
    // count when the press was made (its arrival less half the phone's round trip).
    kWmPhoneButtonDown = 0x8003,
    // A file was dropped onto the window: TakeDroppedFile gives its path.
    kWmDropFile = 0x8004,
};

struct Message {
    uint32_t id = kWmNull;
    uint32_t wParam = 0;
    uint32_t lParam = 0;
    // Presses (keys, pad and phone buttons): the tick count when the press was made, by which
    // presses that wait in the queue together are ordered.
    uint32_t time = 0;
};

// Key data (lParam) of key and character messages.
constexpr uint32_t kKeyRepeatCountOne = 1;
constexpr uint32_t kKeyExtendedBit = 1u << 24;
constexpr uint32_t kKeyPreviousStateBit = 1u << 30;
constexpr uint32_t kKeyTransitionBit = 1u << 31;  // set on release
inline uint32_t ScanCodeOf(uint32_t lParam) { return (lParam >> 16) & 0x1FF; }
inline uint32_t MakeMouseLParam(int x, int y) {
    return (static_cast<uint32_t>(y) & 0xFFFF) << 16 | (static_cast<uint32_t>(x) & 0xFFFF);
}

// Takes the next message off the queue without waiting; false when the queue is empty.
bool PeekMessage(Message& out);
void PostMessage(const Message& message);
void PostQuitMessage(int code);
// The only call other threads may make (with GetTickCount, for a stamp): the message joins the
// queue at the next poll, after everything that arrived before it.
void PostFromAnyThread(const Message& message);
// The platform's default handling of a message (closing destroys the window, and so on).
void DefaultHandling(const Message& message);

// ---- The desktop -------------------------------------------------------------------------------
// A backend's drop of a file onto the window: the path waits for the game, and a kWmDropFile
// message says so. At most kMaxWaitingDrops wait; further ones are dropped.
constexpr std::size_t kMaxWaitingDrops = 16;
void PostDroppedFile(const std::string& path);
// The oldest dropped path not yet taken; false when none waits.
bool TakeDroppedFile(std::string& path);
// Opens a folder in the desktop's file manager (xdg-open) without waiting for it. Empty when
// it was started, else why not (Czech, UTF-8).
std::string OpenFolderOnDesktop(const std::string& path);

// ---- Message boxes ------------------------------------------------------------------------
enum class BoxIcon { Information, Error };
// Text and caption are Windows-1250. Returns when the player has closed the box.
void ShowMessageBox(const char* text, const char* caption, BoxIcon icon);

// ---- Time ---------------------------------------------------------------------------------
uint32_t GetTickCount();  // milliseconds since boot, wrapping at 2^32; safe from any thread
void Sleep(uint32_t ms);
std::time_t Time();               // seconds since the epoch, as time(NULL)
std::tm LocalTime(std::time_t t);  // as localtime()
std::string StrDate();            // "MM/DD/YY", as _strdate

// ---- The user folder (the Windows directory) ---------------------------------------------
// $BRELLIK_HOME, else $XDG_DATA_HOME/brellik, else ~/.local/share/brellik. Created, with its
// System subfolder, by EnsureUserFolder.
std::string UserFolder();
bool EnsureUserFolder();
// Makes the user folder's subfolder `name` (a Linux name) when missing; false, with the
// system's reason in `why`, when it cannot be made or written to.
bool MakeUserSubfolder(const std::string& name, std::string* why);

// ---- Files --------------------------------------------------------------------------------
// Turns a Windows-style relative or absolute name into an existing Linux path where one
// matches: "\" becomes "/", and each component is matched case-insensitively against what
// exists. Components that do not exist are kept as written.
std::string TranslatePath(std::string_view windowsName);
// fopen with a Windows name and mode. A mode with 't' (or without 'b') reads CR LF as LF;
// 'c' (commit) is accepted and ignored. Returns nullptr on failure.
std::FILE* OpenFile(std::string_view windowsName, const char* mode);
// Makes an open file readable and writable by its owner only.
void KeepPrivate(std::FILE* file);
// Whether anything (a file, a folder) exists under the name, readable or not.
bool FileExists(std::string_view windowsName);
// What tells one version of a file from another: its size, modification time and inode.
struct FileStamp {
    int64_t size = 0;
    int64_t modifiedNs = 0;
    uint64_t inode = 0;
    bool operator==(const FileStamp&) const = default;
};
// False when nothing exists under the name.
bool StampOf(std::string_view windowsName, FileStamp& out);
// Replaces `path` by `data` atomically: a temporary file in the same folder, synced, then
// rename; the old file's mode and owner are kept.
bool WriteFileAtomically(std::string_view windowsName, const void* data, std::size_t size);
// Removes the temporaries an interrupted WriteFileAtomically left in `folder`. Only safe while
// no other process writes there (the single-instance lock is held).
void RemoveStaleTemporaries(std::string_view windowsFolder);

// ---- Bitmap files ---------------------------------------------------------------------------
// Reads a BMP file (any depth the platform's loader knows) as 0x00RRGGBB pixels, top row
// first. False when the file is missing or not a bitmap the loader can read.
struct RgbImage {
    int width = 0;
    int height = 0;
    std::vector<uint32_t> pixels;
};
bool LoadBitmapFile(std::string_view windowsName, RgbImage& out);

// The largest picture a file may claim. No screen needs more, and a damaged header must not
// make the game allocate what it claims.
constexpr int64_t kMaxPictureSide = 16384;
constexpr int64_t kMaxPicturePixels = int64_t{4096} * 4096;
bool PictureSizeIsSane(int64_t width, int64_t height);
// Whether a BMP file's header claims a picture that its own size can hold, within those
// limits. Every BMP is checked so before a loader allocates anything for it.
bool BitmapFileIsSane(std::string_view windowsName);

// ---- Sound --------------------------------------------------------------------------------
// Short effects mixed over one another, each read whole from a WAV file by LoadSound and kept
// ready to play. The game installs SDL's output, tests a recording one (headless.h); with no
// output, no audio device or the dummy driver every call does nothing.
void UseSdlSound();
bool OpenSound();  // false when nothing can be heard: the game stays silent
void CloseSound();
int LoadSound(std::string_view windowsName);  // a handle, or -1 when the file cannot be read
// The longest effect a WAV file may claim. A damaged header must not make the game decode or
// allocate what it claims.
constexpr int kLongestEffectSeconds = 30;
// Whether a RIFF WAVE file (a Linux path) claims sound data within that length; false for a
// claim beyond it or a format without a rate. Every effect is checked so before it is loaded.
bool SoundFileIsSane(const std::string& path);
void PlaySound(int handle);
void SetSoundVolume(int percent);  // 0..100, for every effect

// ---- Randomness and the network -----------------------------------------------------------
// Fills `out` from the kernel's random source; false when it cannot (nothing is then
// usable in `out`).
bool SecureRandomBytes(void* out, std::size_t size);
// The machine's IPv4 addresses on its network interfaces, loopback last: what a phone on the
// same network can reach.
std::vector<std::string> LocalAddresses();
// The machine's IPv4 interfaces in the kernel's order.
struct NetworkInterface {
    std::string name;
    std::string address;
    bool up = false;
    bool loopback = false;
};
std::vector<NetworkInterface> NetworkInterfaces();

// ---- Single instance ----------------------------------------------------------------------
// Takes an exclusive lock named after `title` in the user folder. False when another live
// process holds it. The kernel releases it when the process dies.
bool AcquireSingleInstance(const char* title);
void ReleaseSingleInstance();

// ---- Registry stand-in --------------------------------------------------------------------
// The game keeps nothing in the registry: opening succeeds and stores nothing.
bool OpenRegistryKey(const std::string& path);
void CloseRegistryKey();

// ---- The runtime's random generator -------------------------------------------------------
// The classic linear congruential rule: state = state * 214013 + 2531011, result bits 16-30.
void SeedRandom(uint32_t seed);
int Random();  // 0 .. 32767

// ---- Text encoding ------------------------------------------------------------------------
// All game text is Windows-1250.
char32_t Cp1250ToUnicode(uint8_t byte);
// Unmappable characters are dropped, or reported through `ok` when it is given.
std::string Utf8ToCp1250(std::string_view utf8, bool* ok = nullptr);
std::string Cp1250ToUtf8(std::string_view text);
// The code point at `pos` of UTF-8 text, moving `pos` past it; malformed input gives U+FFFD
// and one byte.
char32_t NextUtf8CodePoint(std::string_view text, std::size_t& pos);
// One code point to its Windows-1250 byte; false when it has none.
bool UnicodeToCp1250(char32_t cp, uint8_t& out);

}  // namespace platform
