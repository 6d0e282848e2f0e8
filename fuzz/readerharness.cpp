#include "readerharness.h"

#include "foundation/messagesink.h"
#include "foundation/numberformat.h"
#include "foundation/textmeasurer.h"
#include "foundation/tickclock.h"
#include "model/equationsdocument.h"
#include "session/program.h"
#include "session/programfiles.h"

#include <cmath>
#include <cstdio>
#include <unordered_set>
#include <utility>

namespace {

// Messages are collected, not printed: hostile files produce many.
class CollectingSink : public MessageSink {
public:
    CollectingSink() : previous_(installMessageSink(this)) {}
    ~CollectingSink() override { installMessageSink(previous_); }
    CollectingSink(const CollectingSink&) = delete;
    CollectingSink& operator=(const CollectingSink&) = delete;
    void showMessage(const std::string& text) override { messages.push_back(text); }
    std::vector<std::string> messages;

private:
    MessageSink* previous_;
};

// A clock that stands still: one input always runs the same way, and a
// calculation never ends a slice early.
class StoppedClock : public TickClock {
public:
    StoppedClock() : previous_(installTickClock(this)) {}
    ~StoppedClock() override { installTickClock(previous_); }
    StoppedClock(const StoppedClock&) = delete;
    StoppedClock& operator=(const StoppedClock&) = delete;
    std::int64_t milliseconds() override { return 123456; }

private:
    TickClock* previous_;
};

// Texts of any length get a size, so that the layout works with long names.
class CountingMeasurer : public TextMeasurer {
public:
    TextSize measure(const std::string& text, int pixelHeight, bool bold) override {
        const int width = pixelHeight / 2 + (bold ? 1 : 0);
        const auto chars = static_cast<long long>(text.size());
        const long long total = chars * width;
        return {total > 1000000000 ? 1000000000 : static_cast<int>(total), pixelHeight + 2};
    }
};

// The process-wide number format as the program starts; preferences change it.
class NumberFormatScope {
public:
    NumberFormatScope() : precision_(numberPrecision), scientific_(alwaysScientific) {}
    ~NumberFormatScope() {
        numberPrecision = precision_;
        alwaysScientific = scientific_;
    }
    NumberFormatScope(const NumberFormatScope&) = delete;
    NumberFormatScope& operator=(const NumberFormatScope&) = delete;

private:
    int precision_;
    bool scientific_;
};

bool writeBytes(const std::string& fileName, const std::string& bytes) {
    std::FILE* f = std::fopen(fileName.c_str(), "wb");
    if (!f) return false;
    const bool ok = std::fwrite(bytes.data(), 1, bytes.size(), f) == bytes.size();
    return std::fclose(f) == 0 && ok;
}

std::string joined(const Text_& lines) {
    std::string text;
    for (const std::string& line : lines) {
        text += line;
        text += '\n';
    }
    return text;
}

// A session the user has worked on: two components, a reaction, two levels.
void prepareEditedSession(Program& program) {
    NotificationPause pause;
    program.newSession();
    Vreactor& v = program.vReactor;
    v.components.add(Vcomponent("A", 1, 0x0000FF));
    v.components.add(Vcomponent("B", 0, 0x00FF00));
    Vreaction r;
    Reactant a, b;
    b.index = 1;
    b.port = 1;
    r.reactants.add(a);
    r.reactants.add(b);
    v.reactions.add(r);
    program.pushUndo("New reaction", false);
}

std::string programState(Program& program) {
    std::string state = sessionText(program);
    state += "file:" + program.session.fileName;
    state += program.session.named ? " named" : " unnamed";
    state += program.session.modified ? " modified\n" : " unmodified\n";
    state += "history:" + std::to_string(program.history.current()) + "\n";
    for (int i = 0; i < program.history.count(); ++i)
        state += program.history.label(i) + "\n" + sessionText(program.history.states[i]);
    state += "recent:\n";
    for (const std::string& f : program.recentFiles.files)
        state += f + "\n";
    state += "precision:" + std::to_string(numberPrecision) + "\n";
    return state;
}

// The number of entries that one step works through, with a floor for the
// stepping itself.
double workPerStep(const Vreactor& v) {
    double work = 1 + v.uniqueComponentCount();
    for (const Vreaction& r : v.reactions)
        work += (r.active ? 1 : 0) * (1 + r.reactants.count()) +
                (r.activeBack ? 1 : 0) * (1 + r.reactants.count());
    return work;
}

// Shortens a long calculation; one that the calculation refuses stays refused.
void capSteps(Reactor& reactor, const Vreactor& system) {
    const double dt = reactor.timeResolution;
    const double end = reactor.simulationTime;
    if (!(dt > 0) || !std::isfinite(dt) || !std::isfinite(end) || end <= 0) return;
    const double steps = end / dt;
    if (steps > Calculation::stepLimit + 0.5) return;
    const double allowed = std::max(
        1.0, std::min(ReaderHarness::maxSteps, ReaderHarness::maxWork / workPerStep(system)));
    if (steps > allowed) reactor.simulationTime = dt * std::floor(allowed);
}

bool numberLike(const std::string& text, double& value) {
    if (text.empty()) return false;
    const char c = text[0];
    if (!(c == '-' || c == '+' || c == '.' || (c >= '0' && c <= '9') || c == 'n' || c == 'i'))
        return false;
    value = parseDouble(text);
    // parseDouble gives 1 for text that is no number.
    return value != 1 || text == "1";
}

bool closeEnough(double a, double b) {
    if (a == b) return true;
    if (std::isnan(a) || std::isnan(b)) return std::isnan(a) && std::isnan(b);
    return std::fabs(a - b) <= 1e-9 * std::max(std::fabs(a), std::fabs(b));
}

} // namespace

std::string sessionText(const ReactorSession& session) {
    NumberFormatScope scope;
    DecimalSeparatorScope dot('.');
    numberPrecision = 17;
    alwaysScientific = false;
    ReactorSession copy = session;
    const int indentation = textStreamIndentation;
    (void)copy.TextStream::save(ReactorSession::blockName, "");
    textStreamIndentation = indentation;
    return joined(copy.lines);
}

std::string sessionText(Program& program) {
    ReactorSession captured;
    captured.capture(program.objects());
    return sessionText(captured);
}

namespace {

// Values alike in 12 digits; a line of several values (a row of
// measurements) holds them tab-separated, each alike.
bool valuesAlike(const std::string& a, const std::string& b) {
    size_t i = 0, j = 0;
    while (true) {
        const size_t ei = std::min(a.find('\t', i), a.size());
        const size_t ej = std::min(b.find('\t', j), b.size());
        const std::string fa = a.substr(i, ei - i), fb = b.substr(j, ej - j);
        double va = 0, vb = 0;
        if (fa != fb && !(numberLike(fa, va) && numberLike(fb, vb) && closeEnough(va, vb)))
            return false;
        if (ei == a.size() || ej == b.size()) return ei == a.size() && ej == b.size();
        i = ei + 1;
        j = ej + 1;
    }
}

} // namespace

bool sameSession(const std::string& a, const std::string& b, std::string* difference) {
    size_t i = 0, j = 0;
    while (i < a.size() || j < b.size()) {
        const size_t ei = std::min(a.find('\n', i), a.size());
        const size_t ej = std::min(b.find('\n', j), b.size());
        const std::string la = a.substr(i, ei - i), lb = b.substr(j, ej - j);
        if (la != lb) {
            const size_t qa = la.find('='), qb = lb.find('=');
            const bool numbersAlike = qa != std::string::npos && qa == qb &&
                                      la.compare(0, qa, lb, 0, qb) == 0 &&
                                      valuesAlike(la.substr(qa + 1), lb.substr(qb + 1));
            if (!numbersAlike) {
                if (difference) *difference = "\"" + la + "\" against \"" + lb + "\"";
                return false;
            }
        }
        i = ei + 1;
        j = ej + 1;
    }
    return true;
}

ReaderHarness::ReaderHarness(std::string folder) : folder_(std::move(folder)) {}

std::string ReaderHarness::file(const char* name) const {
    return programFile(folder_, name);
}

std::string ReaderHarness::writeInput(const char* name, const std::string& bytes) {
    const std::string path = file(name);
    if (writeBytes(path, bytes)) return path;
    problems.push_back("cannot write " + path);
    return std::string();
}

// The rule's text is built only when it is broken: the checks run in loops.
void ReaderHarness::check(bool ok, const char* rule) {
    if (!ok) problems.emplace_back(rule);
}

void ReaderHarness::check(bool ok, const char* rule, const std::string& detail) {
    if (!ok) problems.push_back(rule + detail);
}

struct ProgramUnderTest::Parts {
    NumberFormatScope numberFormat;
    StoppedClock clock;
    CountingMeasurer measurer;
    Program program{""};
    std::unique_ptr<CollectingSink> sink;
};

ProgramUnderTest::ProgramUnderTest() : parts_(std::make_unique<Parts>()) {
    parts_->program.vReactor.measurer.reset(&parts_->measurer);
    prepareEditedSession(parts_->program);
    parts_->sink = std::make_unique<CollectingSink>();
}

ProgramUnderTest::~ProgramUnderTest() = default;

Program& ProgramUnderTest::program() {
    return parts_->program;
}

const std::vector<std::string>& ProgramUnderTest::messages() const {
    return parts_->sink->messages;
}

std::string ProgramUnderTest::state() {
    return programState(parts_->program);
}

ReaderHarness::SessionRun ReaderHarness::session(const std::string& bytes) {
    SessionRun run;
    const std::string input = writeInput("input.vsn", bytes);
    if (input.empty()) return run;
    ProgramUnderTest underTest;
    Program& program = underTest.program();
    // The prepared program is the same for every input, so its state is
    // taken once.
    static const std::string before = underTest.state();

    bool opened = false;
    {
        // The calculation waits until its steps are capped.
        NotificationPause pause;
        opened = program.openSession(input);
    }
    if (!opened) {
        run.messages = underTest.messages();
        check(run.messages.size() == 1 && run.messages[0] == "Failed to open session: " + input,
              "a refused session shows exactly its failure message");
        check(underTest.state() == before, "a refused session changes nothing");
        return run;
    }
    run.outcome = Outcome::opened;
    run.opened = program.session;
    check(program.history.count() == 1 && program.history.label(0) == "[Open session]",
          "an opened session is the history's only level");
    check(program.session.fileName == input && program.session.named && !program.session.modified,
          "an opened session is named after its file and unmodified");
    run.status = useSession(program);
    run.messages = underTest.messages();
    return run;
}

std::string ReaderHarness::useSession(Program& program) {
    checkModel(program);
    capSteps(program.reactor, program.vReactor);
    broadcast(sessionReplaced);
    // Without auto refresh the user starts the calculation, and the idle
    // loop does not animate.
    const bool autoRefresh = program.kineticsView.autoRefresh;
    if (!autoRefresh) program.calculation.calculate();
    checkCalculation(program);
    if (autoRefresh && program.animation.isAnimating()) {
        const double* parameter = program.animation.animatedParameter();
        const double value = *parameter;
        program.animation.step();
        check(*parameter == value || (std::isnan(value) && std::isnan(*parameter)),
              "an animation step leaves the parameter at its set value");
        checkCalculation(program);
    }
    const std::string status = program.status;

    for (bool options : {true, false}) {
        const Text_ equations = generateEquations(program.vReactor, {options, options});
        check(!taggedEquations(equations).empty() && !readableEquations(equations).empty(),
              "equations are generated");
    }
    checkSavedSession(program);
    return status;
}

void ReaderHarness::checkModel(const Program& program) {
    const Vreactor& v = program.vReactor;
    check(v.uniqueComponentCount() <= Vreactor::maxUniqueComponents &&
              v.reactions.count() <= Vreactor::maxReactions,
          "an opened model keeps its limits");
    std::unordered_set<std::string> unique;
    int asX = 0, animated = 0;
    for (const Vcomponent& c : v.components) {
        check(c.pos.x >= 0 && c.pos.x <= Vreactor::maxX && c.pos.y >= 0 &&
                  c.pos.y <= Vreactor::maxY,
              "component positions lie on the plane");
        if (c.shortcut) continue;
        check(!c.name.empty() && unique.insert(c.name).second, "unique names are unique");
        check(c.initialConcentration >= 0 && c.initialConcentration <= Vreactor::maxValue,
              "concentrations lie within 0..1e100");
        check(std::isfinite(c.weight), "weights are finite");
        asX += c.asX;
        animated += c.animate;
    }
    for (const Vcomponent& c : v.components)
        check(!c.shortcut || unique.count(c.name), "every shortcut has its component");
    for (int k = 0; k < v.reactions.count(); ++k) {
        const Vreaction& r = v.reactions[k];
        check(r.rateConstant >= 0 && r.rateConstant <= Vreactor::maxValue &&
                  r.rateConstantBack >= 0 && r.rateConstantBack <= Vreactor::maxValue,
              "rate constants lie within 0..1e100");
        check(r.pos.x >= 0 && r.pos.x <= Vreactor::maxX && r.pos.y >= 0 &&
                  r.pos.y <= Vreactor::maxY,
              "reaction positions lie on the plane");
        for (const Reactant& e : r.reactants)
            check(e.index >= 0 && e.index < v.components.count() && e.order >= 1 &&
                      (e.port == -1 || e.port == 1),
                  "entries refer to components with an order and a side");
        check(v.orderSum(k, -1) <= Vreactor::maxOrderSum &&
                  v.orderSum(k, 1) <= Vreactor::maxOrderSum,
              "order sums stay within 100");
        animated += r.animate + r.animateBack;
    }
    check(asX <= 1 && animated <= 1, "at most one x axis and one animated parameter");
}

void ReaderHarness::checkCalculation(const Program& program) {
    const Calculation& c = program.calculation;
    check(!c.isBusy(), "the calculation has finished");
    check(!program.status.empty(), "the calculation reports a verdict");
    check(c.kinetics.count() == program.vReactor.uniqueComponentCount(),
          "one series per unique component");
    check(c.pointCount >= 0 && c.pointCount <= Calculation::extendedPointCount &&
              c.times.count() >= c.pointCount,
          "the stored points fit the series");
    for (const Kinetics& k : c.kinetics) {
        check(k.values.count() >= c.pointCount, "every series holds the stored points");
        for (int i = 0; i < c.pointCount && i < k.values.count(); ++i)
            if (!(k.values[i] >= 0 && std::isfinite(k.values[i]))) {
                problems.push_back("stored concentrations are finite and not negative");
                return;
            }
    }
}

void ReaderHarness::checkSavedSession(Program& program) {
    const std::string saved = file("saved.vsn");
    const bool ok = program.saveSession(saved);
    check(ok, "the opened session can be saved");
    if (!ok) return;
    check(numberPrecision == program.preferences.floatingPointPrecision,
          "saving returns to the preferences' precision");

    // Read without the repair that opening does, so that a needed repair shows.
    ReactorSession raw;
    check(raw.load(ReactorSession::blockName, saved), "the saved session can be read");
    raw.lines.clear();
    const RepairReport report = raw.vReactor.repair();
    check(!report.refused() && report.repairs == 0, "a saved session needs no repair");

    ReactorSession reopened;
    check(reopened.open(saved), "a saved session opens");
    std::string difference;
    check(sameSession(sessionText(program.session), sessionText(reopened), &difference),
          "a saved session opens as it was saved: ", difference);
}

void ReaderHarness::preferences(const std::string& bytes) {
    NumberFormatScope numberFormat;
    CollectingSink sink;
    if (writeInput(preferencesFileName, bytes).empty()) return;
    std::vector<std::string> values;
    {
        Preferences prefs(folder_);
        for (int i = 0; i < prefs.optionCount; ++i) {
            const AutoOption& o = prefs.option(i);
            if (o.intTarget) {
                const int v = *o.intTarget;
                if (o.hasRange)
                    check(v >= std::min(o.minValue, o.maxValue) &&
                              v <= std::max(o.minValue, o.maxValue),
                          "a ranged preference is within its range: ", o.key);
                if (!o.choices.empty())
                    check(v >= 0 && v < o.choices.count(), "a choice is one of its names: ", o.key);
            }
            values.push_back(o.valueText());
        }
        check(numberPrecision == prefs.floatingPointPrecision &&
                  alwaysScientific == prefs.alwaysUseFloatingPointFormat,
              "the number format follows the preferences");
    }
    Preferences again(folder_);
    for (int i = 0; i < again.optionCount; ++i)
        check(again.option(i).valueText() == values[static_cast<size_t>(i)],
              "saved preferences load as they were: ", again.option(i).key);
}

void ReaderHarness::recentFiles(const std::string& bytes) {
    CollectingSink sink;
    const std::string config = writeInput(recentFilesFileName, bytes);
    if (config.empty()) return;
    std::vector<std::string> list;
    {
        RecentFiles recent(config);
        check(recent.files.count() <= RecentFiles::maxFiles, "at most ten recent files");
        for (int i = 0; i < recent.files.count(); ++i) {
            const std::string& f = recent.files[i];
            check(!f.empty() && static_cast<unsigned char>(f[0]) > ' ',
                  "recent entries start with a character");
            for (int j = 0; j < i; ++j)
                check(!sameFileName(recent.files[j], f), "recent entries differ");
        }
        check(recent.add("/tmp/new.vsn") && recent.files.count() <= RecentFiles::maxFiles &&
                  recent.files[0] == "/tmp/new.vsn",
              "a new entry goes to the front and is saved");
        list.assign(recent.files.begin(), recent.files.end());
    }
    RecentFiles again(config);
    check(std::vector<std::string>(again.files.begin(), again.files.end()) == list,
          "saved recent files load as they were");
}

void ReaderHarness::all(const std::string& bytes) {
    session(bytes);
    preferences(bytes);
    recentFiles(bytes);
}
