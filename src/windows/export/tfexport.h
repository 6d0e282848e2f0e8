#pragma once

#include <QDialog>
#include <QRect>

#include <functional>
#include <string>

class Program;
class QButtonGroup;
class QCheckBox;
class QGroupBox;
class QLabel;
class QListWidget;
class ReactorExport;

// The "Export Reaction Kinetics" dialog: which columns to write, whether to
// write their labels, and the painted "Export..." button that asks for a file
// and writes the last calculation's kinetics to it. The column choice starts
// from the curves the plot shows every time the dialog opens.
class TFexport : public QDialog {
    Q_OBJECT
public:
    static constexpr const char* caption = "Export Reaction Kinetics";
    static constexpr const char* failureMessage = "Failed to export kinetics.";
    static constexpr const char* timeItem = "Time Scale";
    static constexpr const char* observationItem = "weighted observation";
    // The last list item: one column "vN" per reaction.
    static constexpr const char* ratesItem = "reaction rates (v1, v2, ...)";
    static constexpr const char* exportCaption = "Export...";
    static constexpr int clientWidth = 465;
    static constexpr int clientHeight = 225;

    // Returns the file to export to, empty when the user cancelled.
    using FileChooser = std::function<std::string()>;

    // Without a chooser the "Export" save dialog asks for the file.
    TFexport(Program& program, ReactorExport& table, FileChooser chooseFile = {},
             QWidget* parent = nullptr);

    // Fills the controls from the settings; the component flags become the
    // components' visible curves first. Runs whenever the dialog is shown.
    void refill();

    // What a click on "Export..." does: asks for a file and exports to it,
    // computing the kinetics first when the stored ones are out of date.
    // On success the dialog closes; on failure the user is told and it
    // stays open. False when cancelled or failed.
    bool exportKinetics();

    QLabel* Lcomponents;
    QListWidget* CBfunctionsToExport;
    QCheckBox* CBincludeColumnLabels;
    QGroupBox* RGiterationsToExport;
    QButtonGroup* iterationsChoice;
    // Where "Export..." is painted, from the client size.
    const QRect exportRect;

protected:
    void showEvent(QShowEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;

private:
    // Every check mark of the list back into the settings.
    void copyChecks();

    Program& program_;
    ReactorExport& table_;
    FileChooser chooseFile_;
};
