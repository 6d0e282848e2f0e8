#include "windows/export/exportfiledialog.h"

#include "support/recordingmessagesink.h"
#include "support/tempdir.h"
#include "windows/windowtest.h"

TEST(ExportFileDialogTest, SavesDatFilesAsksBeforeOverwritingAndRefusesMissingFolders) {
    TempDir folder;
    RecordingMessageSink messages;
    ExportFileDialog dialog;
    dialog.setOption(QFileDialog::DontUseNativeDialog);
    dialog.setDirectory(QString::fromStdString(folder.path()));
    dialog.selectFile(QString::fromStdString(folder.file("missing/k.dat")));
    dialog.accept();
    EXPECT_NE(dialog.result(), QDialog::Accepted);
    EXPECT_EQ(messages.messages,
              std::vector<std::string>{"The folder does not exist: " + folder.path() + "/missing"});
    dialog.selectFile(QString::fromStdString(folder.file("k.dat")));
    dialog.accept();
    EXPECT_EQ(dialog.result(), QDialog::Accepted);
}
