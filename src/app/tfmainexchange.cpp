// The main window's exchange with other simulators: SBML models out and in.

#include "app/programdirectory.h"
#include "app/tfmain.h"
#include "exchange/sbmlexport.h"
#include "exchange/sbmlimport.h"
#include "foundation/messagesink.h"
#include "session/program.h"

#include <QFileDialog>
#include <QFileInfo>

namespace {

const QString sbmlFilter = QStringLiteral("SBML Model (*.xml *.sbml);;All Files (*)");

} // namespace

std::string TFmain::chosenSbmlFile(bool save) {
    if (chooseSbmlFile) return chooseSbmlFile(save);
    const QString file =
        save ? QFileDialog::getSaveFileName(this, QStringLiteral("Export SBML Model"), QString(),
                                            sbmlFilter)
             : QFileDialog::getOpenFileName(this, QStringLiteral("Import SBML"), QString(),
                                            sbmlFilter);
    if (file.isEmpty()) return std::string();
    return toFileName(save && QFileInfo(file).suffix().isEmpty() ? file + QStringLiteral(".xml")
                                                                 : file);
}

void TFmain::exportSbmlModel() {
    const std::string file = chosenSbmlFile(true);
    if (file.empty()) return;
    // The session as it stands, without touching the program's own copy.
    ReactorSession current;
    current.capture(program.objects());
    std::string error;
    if (!exportSbml(current, file, error)) showMessage(error);
}

void TFmain::importSbmlModel() {
    if (!sessionCommands.confirmSaveChanges()) return;
    const std::string file = chosenSbmlFile(false);
    if (file.empty()) return;
    SbmlImport imported = importSbmlFile(file);
    if (!imported.ok) {
        showMessage(imported.message);
        return;
    }
    program.importSession(std::move(imported.session));
    setCaption("new");
}
