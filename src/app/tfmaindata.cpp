#include "app/tfmain.h"

#include "fitting/measurementcommands.h"
#include "foundation/messagesink.h"
#include "session/program.h"
#include "windows/fitting/tffit.h"

#include <QFileDialog>
#include <QMenu>
#include <QMenuBar>

void TFmain::buildDataMenu() {
    dataMenu = menuBar()->addMenu(QStringLiteral("Data"));
    QAction* import = dataMenu->addAction(QStringLiteral("Import Measurements..."));
    connect(import, &QAction::triggered, this, [this] { importMeasurements(); });
    removeMeasurementsAction = dataMenu->addAction(QStringLiteral("Remove Measurements"));
    connect(removeMeasurementsAction, &QAction::triggered, this, [this] { removeMeasurements(); });
    dataMenu->addSeparator();
    QAction* fit = dataMenu->addAction(QStringLiteral("Fit Parameters..."));
    connect(fit, &QAction::triggered, this, [this] { fitParameters(); });
    connect(dataMenu, &QMenu::aboutToShow, this,
            [this] { removeMeasurementsAction->setEnabled(!program.measurements.empty()); });
}

void TFmain::importMeasurements() {
    const QString file = QFileDialog::getOpenFileName(
        this, QStringLiteral("Import Measurements"), QString(),
        QStringLiteral("Measurement tables (*.dat *.txt *.csv *.tsv);;All files (*)"));
    if (file.isEmpty()) return;
    loadMeasurements(program, QFile::encodeName(file).toStdString());
}

void TFmain::removeMeasurements() {
    ::removeMeasurements(program);
}

void TFmain::fitParameters() {
    if (program.measurements.empty()) {
        showMessage("Import measurements first (Data, Import Measurements...).");
        return;
    }
    TFfit dialog(program, this);
    if (dialog.exec() != QDialog::Accepted || !dialog.fitResult()) return;
    // The fitted values show in the drawing, the equations and the weights.
    broadcast(drawingChanged);
    rebuildEquations(false);
    refreshWeightedObservation();
}
