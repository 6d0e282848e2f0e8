#include "session/program.h"

#include "foundation/messagesink.h"
#include "session/programfiles.h"

#include <filesystem>
#include <utility>

namespace {
std::string fileIn(const std::string& directory, const char* name) {
    return directory.empty() ? std::string() : programFile(directory, name);
}
} // namespace

Program::Program(const std::string& programDirectory, const std::string& settingsLocation)
    : directory(programDirectory), settingsDirectory(settingsLocation), reactor(&vReactor),
      animation(vReactor), preferences(settingsLocation),
      history([this](const ReactorSession& state) {
          session = state;
          SessionObjects current = objects();
          session.apply(current);
      }),
      recentFiles(fileIn(settingsLocation, recentFilesFileName)),
      calculation(vReactor, reactor, *this), weightedObservation(&vReactor, &calculation, this) {
    vReactor.settings.reset(&preferences.modelSettings);
    registerReceivers(nullptr, nullptr, nullptr);
}

Program::Program(const std::string& oneDirectory) : Program(oneDirectory, oneDirectory) {}

Program::~Program() {
    eventRegistry().clear();
}

void Program::registerReceivers(EventReceiver* reactionWindow, EventReceiver* animationWindow,
                                EventReceiver* mainWindow) {
    EventRegistry& registry = eventRegistry();
    registry.clear();
    for (EventReceiver* r : {static_cast<EventReceiver*>(&vReactor), reactionWindow,
                             static_cast<EventReceiver*>(&calculation),
                             static_cast<EventReceiver*>(&weightedObservation),
                             static_cast<EventReceiver*>(&animation), animationWindow, mainWindow})
        if (r) registry.registerReceiver(r);
}

SessionObjects Program::objects() {
    return {reactor, vReactor, weightedObservation, kineticsView, animation, &measurements};
}

void Program::pushUndo(const std::string& label, bool merge) {
    session.capture(objects());
    history.record(session, label, merge);
}

bool Program::openSession(const std::string& name) {
    const std::string file = name.empty() ? lastRunFile() : name;
    std::error_code error;
    if (file.empty() || !std::filesystem::exists(file, error)) return false;
    ReactorSession opened;
    if (!opened.read(file)) {
        std::string message = ReactorSession::openFailedMessage + file;
        if (name.empty()) message += moveUnreadableLastRun();
        showMessage(message);
        return false;
    }
    session = opened;
    SessionObjects current = objects();
    session.apply(current);
    history.clear();
    pushUndo("[Open session]", false);
    recentFiles.add(file);
    return true;
}

void Program::newSession() {
    session.makeNew();
    SessionObjects current = objects();
    session.apply(current);
    history.clear();
    pushUndo("[New session]", false);
}

void Program::importSession(ReactorSession imported) {
    session = std::move(imported);
    SessionObjects current = objects();
    session.apply(current);
    history.clear();
    pushUndo("[Import SBML]", false);
    session.modified = true;
}

std::string Program::moveUnreadableLastRun() {
    const std::string aside = fileIn(settingsDirectory, unreadableLastRunFileName);
    std::error_code error;
    std::filesystem::rename(lastRunFile(), aside, error);
    if (error) return std::string();
    return "\nIt was moved to " + aside + " so that your last work is not overwritten at exit.";
}

std::string Program::lastRunFile() const {
    return fileIn(settingsDirectory, lastRunFileName);
}

std::string Program::presetsDirectory() const {
    return fileIn(directory, presetsDirectoryName);
}

bool Program::saveSession(const std::string& name) {
    session.capture(objects());
    return session.save(name, preferences.floatingPointPrecision);
}

void Program::showStatus(const std::string& message) {
    status = message;
    if (statusDisplay) statusDisplay(message);
}
