#pragma once

#include "session/reactorsession.h"

#include <memory>
#include <string>
#include <vector>

class Program;

// Feeds arbitrary bytes to the readers of the program's files, as the program
// meets them, and collects every rule that the result breaks. The fuzz targets
// abort on a broken rule; the test suite replays hostile and once-crashing
// files through the same code and expects none.
//
// A session file is opened into a program that already holds a small edited
// session, then laid out, computed, animated one step, turned into equations
// and saved; the saved file must open again, need no repair and hold the same
// session. A refused file must leave the program exactly as it was.
class ReaderHarness {
public:
    // What opening the session file did.
    enum class Outcome { opened, refused };

    struct SessionRun {
        Outcome outcome = Outcome::refused;
        // The messages shown while the file was opened and computed.
        std::vector<std::string> messages;
        // The calculation's verdict (empty when refused).
        std::string status;
        // The session as opened, before its steps were capped.
        ReactorSession opened;
    };

    // Calculations are capped near this much work (steps times the rate terms'
    // entries) so that one input stays fast; a session whose steps exceed the
    // calculation's own limit is left alone so that the refusal is seen.
    static constexpr double maxWork = 5000;
    static constexpr double maxSteps = 10000;

    // Files are written into `folder`, which must exist.
    explicit ReaderHarness(std::string folder);

    SessionRun session(const std::string& bytes);
    // "prefs.cfg": loaded by the preferences, saved and loaded again.
    void preferences(const std::string& bytes);
    // "recent.cfg": loaded by the recent files list, extended, saved and loaded again.
    void recentFiles(const std::string& bytes);
    // All three readers on the same bytes.
    void all(const std::string& bytes);

    // One line per broken rule since construction.
    std::vector<std::string> problems;

protected:
    // What a session that the program has taken in must bear: a model within
    // its limits, a capped calculation (and one animation step), equations
    // and a save that opens as it was. Returns the calculation's verdict.
    std::string useSession(Program& program);
    void check(bool ok, const char* rule);
    void check(bool ok, const char* rule, const std::string& detail);
    std::string file(const char* name) const;
    // Writes the input as the file `name` in the folder and returns its path;
    // empty, with the problem recorded, when it cannot be written.
    std::string writeInput(const char* name, const std::string& bytes);

private:
    void checkModel(const Program& program);
    void checkCalculation(const Program& program);
    void checkSavedSession(Program& program);

    std::string folder_;
};

// The program as every input meets it, for as long as this lives: a program
// holding a small edited session, with the process-wide number format kept,
// a clock that stands still, labels measured by their length and the
// messages collected from the moment the session is prepared.
class ProgramUnderTest {
public:
    ProgramUnderTest();
    ~ProgramUnderTest();
    ProgramUnderTest(const ProgramUnderTest&) = delete;
    ProgramUnderTest& operator=(const ProgramUnderTest&) = delete;

    Program& program();
    const std::vector<std::string>& messages() const;
    // Everything a refused file must leave as it was: the session, its name
    // and flags, the history, the recent files and the number format.
    std::string state();

private:
    struct Parts;
    std::unique_ptr<Parts> parts_;
};

// The session's stored content with every number to 17 digits, so that equal
// texts mean equal sessions; the file name and flags are not part of it.
std::string sessionText(const ReactorSession& session);
// The same for the program's current objects.
std::string sessionText(Program& program);

// True when two texts from `sessionText` have the same lines, numbers equal
// within a relative 1e-9 (the 12 digits of a saved file), and report the first
// difference in `difference`.
bool sameSession(const std::string& a, const std::string& b, std::string* difference = nullptr);
