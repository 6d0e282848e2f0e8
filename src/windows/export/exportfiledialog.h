#pragma once

#include <QFileDialog>

#include <string>

// The save dialog of the kinetics export: titled "Export", showing only
// ".dat" files, adding that extension to a bare name, asking before it
// overwrites a file, and accepting only names in an existing folder.
class ExportFileDialog : public QFileDialog {
    Q_OBJECT
public:
    static constexpr const char* title = "Export";
    static constexpr const char* filter = "ASCII Multiple Column Format (*.dat)";
    static constexpr const char* extension = "dat";
    static constexpr const char* missingFolderMessage = "The folder does not exist: ";

    explicit ExportFileDialog(QWidget* parent = nullptr);

    // Runs the dialog modally; the chosen file in the file system's encoding,
    // empty when cancelled.
    static std::string choose(QWidget* parent);

    // A name in a folder that does not exist is refused with a message and
    // the dialog stays open.
    void accept() override;
};
