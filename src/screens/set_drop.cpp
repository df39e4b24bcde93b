#include "set_drop.h"

#include "frame/interface.h"
#include "panel_drawing.h"
#include "platform/platform.h"
#include "question_sets.h"
#include "sets_panel.h"

#include <filesystem>

namespace screens {

namespace {
namespace fs = std::filesystem;

constexpr int kMostNumberedNames = 999;

DropOutcome Refused(std::string message) { return {false, {}, std::move(message)}; }

// Copies without ever replacing a file: copy_file refuses a name that exists, so a name taken
// meanwhile moves on to the next number.
DropOutcome CopyUnderFreeName(const fs::path& from, const fs::path& folder) {
    const std::string stem = from.stem().string(), extension = from.extension().string();
    for (int number = 1; number <= kMostNumberedNames; ++number) {
        const std::string name =
            number == 1 ? stem + extension : stem + " " + std::to_string(number) + extension;
        std::error_code error;
        if (fs::exists(folder / name, error)) continue;
        if (fs::copy_file(from, folder / name, fs::copy_options::none, error))
            return {true, name, "Sada „" + name + "“ je ve složce " + kSetsFolderName + "."};
        if (!fs::exists(folder / name)) return Refused("Soubor nejde zkopírovat: " + error.message());
    }
    return Refused("Ve složce je moc souborů jménem „" + stem + "“; přejmenujte ho.");
}
}  // namespace

DropOutcome AddDroppedFile(const std::string& path) {
    const fs::path from(path);
    const std::string name = from.filename().string();
    if (!IsSetFileName(path))
        return Refused("„" + name + "“ není sada otázek: hra bere soubory .txt, .csv, .xlsx a .ods.");
    std::error_code error;
    if (!fs::is_regular_file(from, error))
        return Refused("„" + name + "“ nejde přečíst (není to soubor, nebo k němu chybí práva).");
    const std::uintmax_t size = fs::file_size(from, error);
    if (error) return Refused("„" + name + "“ nejde přečíst: " + error.message());
    if (size > kLargestDroppedFile)
        return Refused("„" + name + "“ má víc než 10 MB; takovou sadu hra nebere.");
    const fs::path folder(SetsFolder());
    fs::create_directories(folder, error);
    if (fs::equivalent(from.parent_path(), folder, error))
        return {true, name, "Sada „" + name + "“ už ve složce " + kSetsFolderName + " je."};
    return CopyUnderFreeName(from, folder);
}

void HandleDroppedFiles() {
    std::string path, messages;
    while (platform::TakeDroppedFile(path)) {
        const DropOutcome outcome = AddDroppedFile(path);
        Interface::Log(("Sets: dropped " + path + ": " + outcome.message).c_str(), false);
        messages += (messages.empty() ? "" : "\n") + outcome.message;
    }
    if (messages.empty()) return;
    if (ShowOnSetsPanel(messages)) return;
    platform::ShowMessageBox(Cp(messages).c_str(), Cp(kSetsFolderName).c_str(),
                             platform::BoxIcon::Information);
}

}  // namespace screens
