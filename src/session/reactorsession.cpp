#include "session/reactorsession.h"

#include "foundation/messagesink.h"
#include "foundation/numberformat.h"

#include <utility>

ReactorSession::ReactorSession() : animation(vReactor) {}

ReactorSession::ReactorSession(const ReactorSession& other)
    : TextStream(other), named(other.named), reactor(other.reactor), vReactor(other.vReactor),
      weightedObservation(other.weightedObservation), kineticsView(other.kineticsView),
      animation(vReactor), measurements(other.measurements), fileName(other.fileName), modified(other.modified) {
    animation = other.animation;
}

ReactorSession& ReactorSession::operator=(const ReactorSession& other) {
    if (this == &other) return *this;
    TextStream::operator=(other);
    named = other.named;
    reactor = other.reactor;
    vReactor = other.vReactor;
    weightedObservation = other.weightedObservation;
    kineticsView = other.kineticsView;
    animation = other.animation;
    measurements = other.measurements;
    fileName = other.fileName;
    modified = other.modified;
    return *this;
}

ReactorSession::ReactorSession(ReactorSession&& other) noexcept
    : TextStream(std::move(other)), named(other.named), reactor(std::move(other.reactor)),
      vReactor(std::move(other.vReactor)),
      weightedObservation(std::move(other.weightedObservation)),
      kineticsView(std::move(other.kineticsView)), animation(vReactor),
      measurements(std::move(other.measurements)), fileName(std::move(other.fileName)), modified(other.modified) {
    animation = other.animation;
}

ReactorSession& ReactorSession::operator=(ReactorSession&& other) noexcept {
    if (this == &other) return *this;
    TextStream::operator=(std::move(other));
    named = other.named;
    reactor = std::move(other.reactor);
    vReactor = std::move(other.vReactor);
    weightedObservation = std::move(other.weightedObservation);
    kineticsView = std::move(other.kineticsView);
    animation = other.animation;
    measurements = std::move(other.measurements);
    fileName = std::move(other.fileName);
    modified = other.modified;
    return *this;
}

void ReactorSession::exchange() {
    exchangeObject("reactor", reactor);
    exchangeObject("vReactor", vReactor);
    exchangeObject("weighted observation", weightedObservation);
    exchangeObject(KineticsView::sectionName, kineticsView);
    exchangeObject(Animation::sectionName, animation);
    // Optional: a session without measurements stays as it always was.
    if (!writing || !measurements.empty()) exchangeObject(Measurements::sectionName, measurements);
}

void ReactorSession::reset() {
    reactor = Reactor();
    vReactor = Vreactor();
    weightedObservation = WeightedObservation();
    kineticsView = KineticsView();
    animation = Animation(vReactor);
    measurements.clear();
}

namespace {

bool holdsBlock(const Text_& lines, const std::string& name) {
    const std::string opening = "<" + name + ">";
    const std::string closing = "</" + name + ">";
    bool opened = false;
    for (const std::string& line : lines) {
        if (opened && line.find(closing) != std::string::npos) return true;
        if (line.find(opening) != std::string::npos) opened = true;
    }
    return false;
}

} // namespace

bool ReactorSession::open(const std::string& name) {
    if (read(name)) return true;
    showMessage(openFailedMessage + name);
    return false;
}

bool ReactorSession::read(const std::string& name) {
    reset();
    Text_ fileLines;
    bool ok = readTextFile(name, fileLines) && holdsBlock(fileLines, blockName);
    if (ok) {
        lines = std::move(fileLines);
        ok = load(blockName, "") && !vReactor.repair().refused();
        lines.clear();
    }
    if (!ok) {
        reset();
        return false;
    }
    fileName = name;
    named = true;
    modified = false;
    return true;
}

bool ReactorSession::save(const std::string& name, int uiPrecision) {
    numberPrecision = filePrecision;
    const bool ok = !name.empty() && TextStream::save(blockName, name);
    lines.clear();
    numberPrecision = uiPrecision;
    if (!ok) {
        showMessage("Failed to save session: " + name);
        return false;
    }
    fileName = name;
    named = true;
    modified = false;
    return true;
}

bool ReactorSession::saveIfNamed(int uiPrecision) {
    return named && save(fileName, uiPrecision);
}

void ReactorSession::makeNew() {
    fileName.clear();
    named = false;
    modified = false;
    reset();
}

void ReactorSession::capture(const SessionObjects& current) {
    reactor.timeResolution = current.reactor.timeResolution;
    reactor.simulationTime = current.reactor.simulationTime;
    vReactor = current.vReactor;
    vReactor.clearLayout();
    weightedObservation.active = current.weightedObservation.active;
    weightedObservation.differential = current.weightedObservation.differential;
    weightedObservation.globalFactor = current.weightedObservation.globalFactor;
    kineticsView = current.kineticsView;
    animation = current.animation;
    if (current.measurements) measurements = *current.measurements;
}

void ReactorSession::apply(SessionObjects& current) const {
    current.reactor.timeResolution = reactor.timeResolution;
    current.reactor.simulationTime = reactor.simulationTime;
    current.vReactor = vReactor;
    current.weightedObservation.active = weightedObservation.active;
    current.weightedObservation.differential = weightedObservation.differential;
    current.weightedObservation.globalFactor = weightedObservation.globalFactor;
    current.kineticsView = kineticsView;
    current.animation = animation;
    if (current.measurements) *current.measurements = measurements;
    broadcast(sessionReplaced);
}

bool ReactorSession::systemEmpty() const {
    return vReactor.components.empty() && vReactor.reactions.empty();
}
