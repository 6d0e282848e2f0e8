#pragma once

#include "fitting/fitparameter.h"
#include "fitting/fitresult.h"

#include <QDialog>

#include <optional>
#include <vector>

class Program;
class QLabel;
class QListWidget;
class QPushButton;
class QTableWidget;

// The dialog "Fit Parameters": the fittable parameters with check boxes
// (every rate constant of an active direction checked), "Fit" to run the
// fit with the progress window, then a table of start and fitted values with
// standard errors and a summary. "Accept" applies the fitted values as one
// undoable edit; "Cancel" or closing leaves the session as it was.
class TFfit : public QDialog {
    Q_OBJECT
public:
    static constexpr const char* caption = "Fit Parameters";
    static constexpr const char* progressTitle = "Fitting Parameters";

    explicit TFfit(Program& program, QWidget* parent = nullptr);

    // Fits the checked parameters; the session itself does not change.
    void fit();
    // Applies the last fit's values, when there is one, then closes.
    void accept() override;

    const std::optional<FitResult>& fitResult() const { return result_; }

    QListWidget* parameterList;
    QPushButton* fitButton;
    QPushButton* acceptButton;
    QPushButton* cancelButton;
    QTableWidget* resultTable;
    QLabel* summary;

private:
    void showResult();

    Program& program_;
    std::vector<FitParameter> offered_;
    std::vector<FitParameter> fitted_;
    std::optional<FitResult> result_;
};
