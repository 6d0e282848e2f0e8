#include "app/qtsessiondialogs.h"

#include "app/tfmainfixture.h"
#include "windows/whenmodal.h"

#include <QFileDialog>
#include <QLineEdit>

#include <filesystem>
#include <string>

namespace {

// Answers the next Save Session dialog with `file`, noting the name it
// proposed first.
void saveAs(QString& proposed, const std::string& file) {
    whenModal<QFileDialog>([&proposed, file](QFileDialog& d) {
        // selectFile() leaves a focused name field as it is.
        QLineEdit* name = d.findChild<QLineEdit*>("fileNameEdit");
        proposed = name->text();
        name->setText(QString::fromStdString(file));
        static_cast<QDialog&>(d).accept();
    });
}

TEST_F(TFmainTest, SaveAsProposesNoNameForANewSessionEveryTime) {
    start();
    const std::string first = dir.file("first.vsn"), second = dir.file("second.vsn");
    QString proposed = "unset";
    buildSystem();
    saveAs(proposed, first);
    choose(window->sessionMenu, "Save As...");
    EXPECT_EQ(proposed, "");

    // A named session proposes its own name.
    saveAs(proposed, second);
    choose(window->sessionMenu, "Save As...");
    EXPECT_EQ(proposed, "first.vsn");

    {
        NoModalGuard guard;
        choose(window->sessionMenu, "New");
    }
    buildSystem();
    proposed = "unset";
    saveAs(proposed, dir.file("third.vsn"));
    choose(window->sessionMenu, "Save As...");
    EXPECT_EQ(proposed, "") << "not the name chosen last time";
}

} // namespace
