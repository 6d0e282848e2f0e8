#include "windows/export/exportfiledialog.h"

#include "support/recordingmessagesink.h"
#include "support/tempdir.h"

#include <gtest/gtest.h>

namespace {

TEST(ExportFileDialogTest, SavesDatFilesAndAsksBeforeOverwriting) {
    ExportFileDialog dialog;
    EXPECT_EQ(dialog.windowTitle(), "Export");
    EXPECT_EQ(dialog.acceptMode(), QFileDialog::AcceptSave);
    EXPECT_EQ(dialog.nameFilters(), QStringList{"ASCII Multiple Column Format (*.dat)"});
    EXPECT_EQ(dialog.defaultSuffix(), "dat");
    EXPECT_FALSE(dialog.testOption(QFileDialog::DontConfirmOverwrite));
}

TEST(ExportFileDialogTest, RefusesANameInAFolderThatDoesNotExist) {
    TempDir folder;
    RecordingMessageSink messages;
    ExportFileDialog dialog;
    dialog.setOption(QFileDialog::DontUseNativeDialog);
    dialog.setDirectory(QString::fromStdString(folder.path()));

    dialog.selectFile(QString::fromStdString(folder.file("missing/k.dat")));
    dialog.accept();
    EXPECT_NE(dialog.result(), QDialog::Accepted);
    ASSERT_EQ(messages.messages.size(), 1u);
    EXPECT_EQ(messages.messages[0], "The folder does not exist: " + folder.path() + "/missing");

    dialog.selectFile(QString::fromStdString(folder.file("k.dat")));
    dialog.accept();
    EXPECT_EQ(dialog.result(), QDialog::Accepted);
    EXPECT_EQ(messages.messages.size(), 1u);
}

} // namespace
