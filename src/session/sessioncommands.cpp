#include "session/sessioncommands.h"

#include "session/program.h"
#include "session/reactorsession.h"

#include <algorithm>
#include <cctype>
#include <filesystem>

namespace {

std::string upper(std::string text) {
    for (char& c : text)
        c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
    return text;
}

} // namespace

SessionCommands::SessionCommands(Program& program, SessionDialogs& dialogs)
    : program_(program), dialogs_(dialogs) {}

bool SessionCommands::needsName() const {
    const ReactorSession& s = program_.session;
    const bool systemEmpty =
        program_.vReactor.components.empty() && program_.vReactor.reactions.empty();
    return (!s.named && s.modified) || (s.fileName == program_.lastRunFile() && !systemEmpty);
}

bool SessionCommands::confirmSaveChanges() {
    if (!program_.preferences.warningOnSessionDelete) return true;
    const bool nameNeeded = needsName();
    if (!program_.session.modified && !nameNeeded) return true;
    const std::string question = nameNeeded ? std::string("Save actual session?")
                                            : "Save changes to " + program_.session.fileName + "?";
    switch (dialogs_.ask(question)) {
    case SessionDialogs::Answer::yes:
        return nameNeeded ? saveAs() : save();
    case SessionDialogs::Answer::no:
        return true;
    case SessionDialogs::Answer::cancel:
        break;
    }
    return false;
}

bool SessionCommands::newSession() {
    if (!confirmSaveChanges()) return false;
    program_.newSession();
    dialogs_.setCaption("new");
    return true;
}

bool SessionCommands::open() {
    if (!confirmSaveChanges()) return false;
    const std::string file = dialogs_.chooseOpenFile();
    return !file.empty() && openFile(file);
}

bool SessionCommands::openFile(const std::string& name) {
    if (!program_.openSession(name)) return false;
    dialogs_.setCaption(program_.session.fileName);
    return true;
}

bool SessionCommands::save() {
    if (!program_.session.named) return saveAs();
    return program_.saveSession(program_.session.fileName);
}

bool SessionCommands::saveAs() {
    const ReactorSession& s = program_.session;
    const std::string proposed = s.fileName == program_.lastRunFile() ? std::string() : s.fileName;
    const std::string file = dialogs_.chooseSaveFile(proposed);
    if (file.empty()) return false;
    if (!program_.saveSession(file)) return false;
    dialogs_.setCaption(file);
    program_.recentFiles.add(file);
    return true;
}

bool SessionCommands::saveEnabled() const {
    return program_.session.named && program_.session.fileName != program_.lastRunFile();
}

std::vector<PresetItem> SessionCommands::presets() const {
    std::vector<PresetItem> items;
    const std::string folder = program_.presetsDirectory();
    std::error_code error;
    if (folder.empty() || !std::filesystem::is_directory(folder, error)) return items;
    const std::string extension = std::string(".") + ReactorSession::extension;
    for (const auto& entry : std::filesystem::directory_iterator(folder, error)) {
        const std::string name = entry.path().filename().string();
        if (name.size() <= extension.size() ||
            name.compare(name.size() - extension.size(), extension.size(), extension) != 0)
            continue;
        if (!entry.is_regular_file(error)) continue;
        items.push_back({name.substr(0, name.find('.')), entry.path().string()});
    }
    std::sort(items.begin(), items.end(), [](const PresetItem& a, const PresetItem& b) {
        const std::string ua = upper(std::filesystem::path(a.path).filename().string());
        const std::string ub = upper(std::filesystem::path(b.path).filename().string());
        return ua != ub ? ua < ub : a.path < b.path;
    });
    return items;
}

bool SessionCommands::openPreset(const PresetItem& preset) {
    return confirmSaveChanges() && openFile(preset.path);
}

bool SessionCommands::openRecent(int index) {
    if (index < 0 || index >= program_.recentFiles.files.count()) return false;
    // Copied: opening the file reorders the list.
    const std::string file = program_.recentFiles.files[index];
    return confirmSaveChanges() && openFile(file);
}

bool SessionCommands::mayClose() {
    if (program_.preferences.rememberLastRun && program_.saveSession(program_.lastRunFile()))
        return true;
    return confirmSaveChanges();
}
