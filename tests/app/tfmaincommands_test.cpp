#include "app/tfmain.h"

#include "app/tfmainfixture.h"
#include "fitting/measurementcommands.h"
#include "windows/equations/tfequations.h"
#include "windows/export/tfexport.h"
#include "windows/fitting/tffit.h"
#include "windows/whenmodal.h"

#include <QListWidget>
#include <QTest>

#include <filesystem>
#include <string>
#include <vector>

namespace {

// The SBML items: an exported model imported again is the same system; a
// refused one changes nothing and says why.
TEST_F(TFmainTest, SbmlModelsGoOutAndComeBack) {
    start();
    buildSystem();
    program->preferences.warningOnSessionDelete = false;
    const std::string model = dir.path() + "/model.xml";
    std::string chosen = model;
    window->chooseSbmlFile = [&](bool) { return chosen; };
    choose(window->exportMenu, "SBML Model...");
    ASSERT_TRUE(std::filesystem::exists(model));

    const std::string broken = dir.path() + "/broken.xml";
    writeFileBytes(broken, "<sbml>");
    chosen = broken;
    choose(window->sessionMenu, "Import SBML...");
    ASSERT_EQ(messages.messages.size(), 1u);
    EXPECT_EQ(messages.messages[0].rfind("Cannot import SBML: invalid XML", 0), 0u);
    EXPECT_EQ(program->vReactor.components.count(), 2);

    program->vReactor.deleteAll();
    chosen = model;
    choose(window->sessionMenu, "Import SBML...");
    EXPECT_EQ(program->vReactor.components.count(), 2);
    EXPECT_EQ(lastLabel(), "[Import SBML]");
    EXPECT_TRUE(program->session.modified);
    EXPECT_EQ(window->windowTitle().toStdString(), "Velumbra - new");
}

// An accepted fit shows at once in the equations, which hold the values.
TEST_F(TFmainTest, AnAcceptedFitShowsInTheEquations) {
    start();
    buildSystem();
    const std::string data = dir.path() + "/a.txt";
    writeFileBytes(data, "time\tA\n0\t1\n0.5\t0.4\n1\t0.15\n");
    ASSERT_TRUE(loadMeasurements(*program, data));
    window->showEquations();
    QApplication::processEvents();
    const QImage before = window->equationsWindow->image();
    whenModal<TFfit>([](TFfit& dialog) {
        dialog.fit();
        dialog.accept();
    });
    choose(window->dataMenu, "Fit Parameters...");
    EXPECT_EQ(lastLabel(), "Fit parameters");
    EXPECT_NE(program->vReactor.reactions[0].rateConstant, 2);
    EXPECT_NE(window->equationsWindow->image(), before);
}

TEST_F(TFmainTest, ExportOpensWithTheMonitoredComponents) {
    start();
    buildSystem();
    program->vReactor.components[1].monitor = false;
    QStringList exported;
    whenModal<TFexport>([&](TFexport& d) {
        for (int i = 0; i < d.CBfunctionsToExport->count(); ++i)
            exported << d.CBfunctionsToExport->item(i)->text();
        d.reject();
    });
    choose(window->exportMenu, "Export Reaction Kinetics...");
    EXPECT_EQ(exported, (QStringList{"Time Scale", "A", "B", TFexport::ratesItem}));
    EXPECT_EQ(window->exportTable.componentFlags, (std::vector<bool>{true, false}))
        << "the settings live on in the main window";
}

TEST_F(TFmainTest, HelpDocumentsAndTheHomePageGoToTheViewer) {
    start();
    std::vector<QUrl> opened;
    bool viewerStarts = true;
    window->openUrl = [&](const QUrl& url) {
        opened.push_back(url);
        return viewerStarts;
    };
    const std::string quickStart = dir.file("Help/Velumbra - Quick Start.html");
    const std::string guide = dir.file("Help/Velumbra - User's Guide.html");

    choose(window->infoMenu, "Quick Start...");
    EXPECT_TRUE(opened.empty());
    EXPECT_EQ(messages.messages,
              (std::vector<std::string>{"The help file is missing: " + quickStart}));

    std::filesystem::create_directory(dir.file("Help"));
    writeFileBytes(quickStart, "<html></html>");
    writeFileBytes(guide, "<html></html>");
    choose(window->infoMenu, "Quick Start...");
    choose(window->infoMenu, "User's Guide...");
    choose(window->infoMenu, "Home Page...");
    const std::vector<QUrl> expected{QUrl::fromLocalFile(QString::fromStdString(quickStart)),
                                     QUrl::fromLocalFile(QString::fromStdString(guide)),
                                     QUrl("https://velumbra.example.org/")};
    EXPECT_EQ(opened, expected);
    EXPECT_EQ(messages.messages.size(), 1u);

    viewerStarts = false;
    choose(window->infoMenu, "Home Page...");
    EXPECT_EQ(messages.messages.back(),
              "No viewer could be started for https://velumbra.example.org/");
}

} // namespace
