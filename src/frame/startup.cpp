// Start-up, the profile, the debug log, fatal errors and shutdown.
#include "frame/control.h"
#include "band_painter.h"
#include "frame_state.h"
#include "picture_cache.h"

#include <cstdlib>
#include <cstring>
#include <utility>

uint8_t controlsFrozen = 0;

namespace Interface {

namespace detail {

FrameState& State() {
    static FrameState state;
    return state;
}

int OriginX() { return (platform::GetDisplayMode().width - kPlayWidth) >> 1; }
int OriginY() { return (platform::GetDisplayMode().height - kPlayHeight) >> 1; }

void ReleaseDisplay() {
    FrameState& s = State();
    s.pensMade = false;
    s.background.reset();
    s.backgroundName.clear();
    s.backBuffer.reset();
    s.repaintNeeded = true;
}

}  // namespace detail

using detail::State;

namespace {

// The program's own messages, written here in UTF-8 and shown in Windows-1250.
const char* const kScreenTooSmall =
    "Pro spuštění aplikace je zapotřebí nastavit rozližení minimálně 800 x 600 v 16 "
    "bitových barvách.";
const char* const kTooFewColours =
    "Pro spuštění aplikace je zapotřebí nastavit minimálně 16 bitové barvy.";
const char* const kAlreadyRunning = "Aplikace je již spuštěna!";

std::string Cp1250(const char* utf8) { return platform::Utf8ToCp1250(utf8); }

// The text of a profile line after `key`, cut at its line feed.
std::string ValueAfter(const char* line, std::size_t keyLength) {
    std::string value(line + keyLength);
    const std::size_t end = value.find('\n');
    if (end != std::string::npos) value.erase(end);
    return value;
}

// Reads "Data path=" and "Runtime path=" from the title's section of the profile. Only the
// length of the title is compared, from the line's second character on.
void ReadProfile(const StartupProperties& properties) {
    std::FILE* file = platform::OpenFile(detail::ProfilePath(), "rt");
    if (!file) return;
    const std::size_t titleLength = std::strlen(properties.title);
    char line[255];
    bool inSection = false;
    while (std::fgets(line, sizeof line, file)) {
        if (!inSection) {
            inSection = line[0] != '\0' && std::strncmp(line + 1, properties.title, titleLength) == 0;
            continue;
        }
        if (line[0] == '[') break;
        if (std::strncmp(line, "Data path=", 10) == 0) State().dataPath = ValueAfter(line, 10);
        else if (std::strncmp(line, "Runtime path=", 13) == 0) State().runtimePath = ValueAfter(line, 13);
        else detail::ReadPresentationLine(line);
    }
    std::fclose(file);
}

platform::PixelLayout LayoutFor(int bits, bool green6) {
    if (bits >= 32) return platform::PixelLayout::Bgrx32;
    if (bits == 24) return platform::PixelLayout::Bgr24;
    return green6 ? platform::PixelLayout::Rgb565 : platform::PixelLayout::Rgb555;
}

// The icon and the two cursors are pictures of the game folder.
void LoadResourcePictures() {
    char path[kMaxPath];
    if (MakePath("Bitmaps\\icon.bmp", path, kPathData)) platform::SetIconFile(path);
    if (MakePath("Bitmaps\\cur_busy.bmp", path, kPathData)) {
        platform::SetCursorFile(platform::kCursorBusy, path, 15, 15);
    }
    if (MakePath("Bitmaps\\cur_arrow.bmp", path, kPathData)) {
        platform::SetCursorFile(platform::kCursorArrow, path, 1, 1);
    }
}

// A log that cannot be made where the profile says goes to the user folder, so that a bad
// runtime path still leaves a log behind.
// The log is the player's own: it names their network's addresses.
std::FILE* OpenLog() {
    std::FILE* log = OpenFile("Debug.log", "wtc", kPathRuntime);
    if (!log) {
        const std::string inUserFolder = platform::UserFolder() + "/Debug.log";
        log = OpenFile(inUserFolder.c_str(), "wtc", kPathAsGiven);
    }
    if (log) platform::KeepPrivate(log);
    return log;
}

// A data path that names no game folder would start a game of placeholder pictures, silent
// and without questions: the player is told which line to mend.
void CheckDataFolder() {
    const std::string& data = State().dataPath;
    if (data.empty() || platform::FileExists(data + "Bitmaps") ||
        platform::FileExists(data + "Data")) {
        return;
    }
    const std::string message = "Ve složce dat \"" + data +
                                "\" nejsou soubory hry (Bitmaps, Data): obrázky, zvuky a "
                                "otázky budou chybět. Opravte řádek \"Data path=\" v souboru " +
                                platform::TranslatePath(detail::ProfilePath()) + ".";
    Log(message.c_str(), false);
    platform::ShowMessageBox(Cp1250(message.c_str()).c_str(), "Chyba", platform::BoxIcon::Error);
}

// Closes what a start opened: the log, the registry key, the window and the lock.
void ReleaseStartResources() {
    detail::FrameState& s = State();
    if (s.log) std::fclose(s.log);
    s.log = nullptr;
    platform::DestroyMainWindow();
    if (s.registryOpen) platform::CloseRegistryKey();
    s.registryOpen = false;
    platform::ReleaseSingleInstance();
}

// A start that cannot go on leaves nothing open behind it.
int AbandonStart() {
    detail::ReleaseDisplay();
    ReleaseStartResources();
    return 0;
}

int SetupDisplay() {
    detail::FrameState& s = State();
    detail::ReleaseDisplay();
    platform::MoveMainWindow(0, 0, s.screenWidth, s.screenHeight);
    s.green6 = platform::RoundTripDisplayColor(0x000C00) == 0x000C00;
    s.displayBits = platform::GetDisplayMode().bitsPerPixel;
    if (s.displayBits < 16) Fatal(Cp1250(kTooFewColours).c_str(), -1);
    auto buffer = std::make_unique<gfx::Surface>();
    if (!buffer->Create(LayoutFor(s.displayBits, s.green6), kBufferWidth, kBufferHeight)) return 0;
    s.backBuffer = std::move(buffer);
    s.pensMade = true;
    return 1;
}

}  // namespace

int PreInit(void*, const char*, StartupProperties* properties) {
    detail::FrameState& s = State();
    const char* title = properties ? properties->title : "Brellik";
    if (!platform::AcquireSingleInstance(title)) {
        platform::ShowMessageBox(Cp1250(kAlreadyRunning).c_str(), "Informace", platform::BoxIcon::Information);
        return 0;
    }
    if (!properties) Fatal("Bad properties", -1);
    s = detail::FrameState{};
    s.properties = properties;
    if (properties->profileName[0] && properties->title[0]) {
        s.registryOpen = platform::OpenRegistryKey(std::string("SOFTWARE\\") +
                                                   properties->profileName + "\\" + properties->title);
    }
    platform::EnsureUserFolder();
    s.runtimePath = properties->runtimeFolder;
    platform::RemoveStaleTemporaries(platform::UserFolder() + "/System");
    ReadProfile(*properties);
    platform::SetPresentation(s.profilePresentation);
    platform::SetBandPainter(PaintBand);
    s.log = OpenLog();
    CheckDataFolder();

    const platform::DisplayMode mode = platform::GetDisplayMode();
    s.screenWidth = mode.width;
    s.screenHeight = mode.height + 40;
    if (mode.width < kPlayWidth) Fatal(Cp1250(kScreenTooSmall).c_str(), -1);
    if (!platform::CreateMainWindow(properties->title, detail::OriginX(), detail::OriginY(),
                                    s.screenWidth, s.screenHeight)) {
        return AbandonStart();
    }
    LoadResourcePictures();
    platform::ShowMainWindow();
    platform::SetCursor(platform::kCursorArrow);
    s.clip = {0, 0, kBufferWidth, kBufferHeight};
    s.controls.fill(nullptr);
    if (!SetupDisplay()) return AbandonStart();
    s.level = 1;
    Log("Interface::PreInit () OK", false);
    return 1;
}

int SetCallbacks(StateChangedCallback stateChanged, ControlEventCallback controlEvent,
                 TickCallback tick, InputCallback input) {
    detail::FrameState& s = State();
    if (s.level < 1) return 0;
    s.onStateChanged = stateChanged;
    s.onControlEvent = controlEvent;
    s.onTick = tick;
    s.onInput = input;
    s.level = 2;
    controlsFrozen = 0;
    return 1;
}

void Shutdown() {
    detail::FrameState& s = State();
    if (s.level == 0) return;
    RemoveAllControls(true);
    DestroyRetiredControls();
    detail::ReleaseDisplay();
    detail::ClearPictureCache();
    ReleaseStartResources();
    s.level = 0;
}

void SetFatalCallback(FatalCallback callback) { State().onFatal = callback; }

void Fatal(const char* message, int32_t code) {
    // Once: a fatal error met while letting go must not come back here.
    if (const FatalCallback stop = std::exchange(State().onFatal, nullptr)) stop();
    Log(message, false);
    char exitLine[32];
    std::snprintf(exitLine, sizeof exitLine, "Exit code: %x", static_cast<uint32_t>(code));
    Log(exitLine, false);
    platform::ShowMessageBox(message, "Chyba", platform::BoxIcon::Error);
    Shutdown();
    std::exit(code);
}

int Log(const char* text, bool withTimeStamp) {
    std::FILE* log = State().log;
    if (!log || !text) return 0;
    if (withTimeStamp) {
        const std::tm now = platform::LocalTime(platform::Time());
        char stamp[16];
        std::snprintf(stamp, sizeof stamp, "%02d:%02d:%02d", now.tm_hour, now.tm_min, now.tm_sec);
        if (std::fprintf(log, "[%s] ", stamp) < 0) return 0;
    }
    if (std::fputs(text, log) < 0 || std::fputs("\n", log) < 0) return 0;
    std::fflush(log);
    return 1;
}

bool MakePath(const char* name, char* out, int mode) {
    const detail::FrameState& s = State();
    std::string full = mode == kPathRuntime ? s.runtimePath : mode == kPathAsGiven ? "" : s.dataPath;
    full += name ? name : "";
    // A cut name would open some other file: refuse it instead.
    if (full.size() >= kMaxPath) {
        out[0] = '\0';
        Log(("File name too long: \"" + full + "\"").c_str(), false);
        return false;
    }
    std::snprintf(out, kMaxPath, "%s", full.c_str());
    return true;
}

std::FILE* OpenFile(const char* name, const char* openMode, int pathMode) {
    char full[kMaxPath];
    if (!MakePath(name, full, pathMode)) return nullptr;
    std::FILE* file = platform::OpenFile(full, openMode);
    if (!file && pathMode != kPathAsGiven) {
        if (!MakePath(name, full, pathMode == kPathData ? kPathRuntime : kPathData)) return nullptr;
        file = platform::OpenFile(full, openMode);
    }
    if (!file) {
        char line[300];
        std::snprintf(line, sizeof line, "Cannot load file \"%s\"", full);
        Log(line, false);
    }
    return file;
}

int Level() { return State().level; }

}  // namespace Interface
