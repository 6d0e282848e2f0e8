#include "sbmlharness.h"

#include "exchange/sbmlexport.h"
#include "exchange/sbmlimport.h"
#include "foundation/messagesink.h"
#include "session/program.h"

namespace {

const std::string refusalStart = "Cannot import SBML: ";

} // namespace

SbmlHarness::SbmlRun SbmlHarness::sbml(const std::string& bytes) {
    SbmlRun run;
    const std::string input = writeInput("input.xml", bytes);
    if (input.empty()) return run;
    ProgramUnderTest underTest;
    Program& program = underTest.program();
    static const std::string before = underTest.state();

    SbmlImport imported = importSbmlFile(input);
    if (!imported.ok) {
        run.message = imported.message;
        check(imported.message.size() > refusalStart.size() &&
                  imported.message.compare(0, refusalStart.size(), refusalStart) == 0,
              "a refusal says why: ", imported.message);
        // The main window shows the refusal and does nothing else.
        showMessage(imported.message);
        check(underTest.messages() == std::vector<std::string>{imported.message},
              "a refused model shows exactly its refusal");
        check(underTest.state() == before, "a refused model changes nothing");
        return run;
    }
    check(imported.message.empty(), "an accepted model has no refusal message");
    check(underTest.messages().empty(), "an import shows no message");
    check(!imported.session.named && imported.session.fileName.empty(),
          "an imported session is unnamed");
    run.outcome = Outcome::opened;
    run.imported = imported.session;
    {
        // The calculation waits until its steps are capped.
        NotificationPause pause;
        program.importSession(std::move(imported.session));
    }
    check(program.history.count() == 1 && program.history.label(0) == "[Import SBML]",
          "an imported session is the history's only level");
    check(!program.session.named && program.session.modified,
          "an imported session is unnamed and modified");
    checkExportedAgain(run.imported);
    run.status = useSession(program);
    return run;
}

// Another simulator reads what the program writes; the program reads it too.
void SbmlHarness::checkExportedAgain(const ReactorSession& session) {
    const SbmlImport again = importSbmlText(sbmlDocumentText(session));
    check(again.ok, "an imported model exports to SBML that imports again: ", again.message);
    if (!again.ok) return;
    check(again.session.vReactor.uniqueComponentCount() ==
                  session.vReactor.uniqueComponentCount() &&
              again.session.vReactor.reactions.count() == session.vReactor.reactions.count(),
          "a model exported and imported again keeps its species and reactions");
}
