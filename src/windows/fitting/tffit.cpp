#include "windows/fitting/tffit.h"

#include "engine/progressrunner.h"
#include "fitting/measurementcommands.h"
#include "foundation/messagesink.h"
#include "foundation/numberformat.h"
#include "session/program.h"
#include "windows/common/cp1252.h"

#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>

#include <cmath>

namespace {

QString number(double value) {
    return std::isnan(value) ? QStringLiteral("n/a") : fromCp1252(formatNumber(value));
}

} // namespace

TFfit::TFfit(Program& program, QWidget* parent) : QDialog(parent), program_(program) {
    setWindowTitle(QString::fromLatin1(caption));
    setModal(true);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(new QLabel(QStringLiteral("Parameters to fit"), this));
    parameterList = new QListWidget(this);
    layout->addWidget(parameterList);

    offered_ = fittableParameters(program.vReactor, program.weightedObservation.active);
    const std::vector<FitParameter> defaults = defaultFitParameters(program.vReactor);
    for (const FitParameter& p : offered_) {
        auto* item = new QListWidgetItem(
            fromCp1252(p.name + " = " + formatNumber(parameterValue(program.vReactor, p))),
            parameterList);
        const bool checked = std::find(defaults.begin(), defaults.end(), p) != defaults.end();
        item->setFlags(item->flags() | Qt::ItemIsUserCheckable);
        item->setCheckState(checked ? Qt::Checked : Qt::Unchecked);
    }

    resultTable = new QTableWidget(0, 5, this);
    resultTable->setHorizontalHeaderLabels(
        {QStringLiteral("Parameter"), QStringLiteral("Start"), QStringLiteral("Fitted"),
         QStringLiteral("Standard error"), QStringLiteral("Relative error")});
    resultTable->verticalHeader()->hide();
    resultTable->setEditTriggers(QAbstractItemView::NoEditTriggers);
    resultTable->horizontalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);
    layout->addWidget(resultTable);
    summary = new QLabel(this);
    summary->setWordWrap(true);
    layout->addWidget(summary);

    auto* buttons = new QHBoxLayout;
    fitButton = new QPushButton(QStringLiteral("Fit"), this);
    acceptButton = new QPushButton(QStringLiteral("Accept"), this);
    cancelButton = new QPushButton(QStringLiteral("Cancel"), this);
    acceptButton->setEnabled(false);
    buttons->addStretch();
    for (QPushButton* b : {fitButton, acceptButton, cancelButton})
        buttons->addWidget(b);
    layout->addLayout(buttons);
    connect(fitButton, &QPushButton::clicked, this, &TFfit::fit);
    connect(acceptButton, &QPushButton::clicked, this, &TFfit::accept);
    connect(cancelButton, &QPushButton::clicked, this, &TFfit::reject);
    resize(520, 460);
}

void TFfit::fit() {
    std::vector<FitParameter> chosen;
    for (int i = 0; i < parameterList->count(); ++i)
        if (parameterList->item(i)->checkState() == Qt::Checked)
            chosen.push_back(offered_[static_cast<size_t>(i)]);
    std::unique_ptr<Fitter> fitter = fitterFor(program_, chosen);
    std::string error;
    if (!fitter->start(error)) {
        showMessage(error);
        return;
    }
    if (!runWithProgress(*fitter, progressTitle, true, program_.progressRunner())) {
        summary->setText(QStringLiteral("Fit cancelled."));
        return;
    }
    fitted_ = chosen;
    result_ = fitter->finish();
    showResult();
}

void TFfit::showResult() {
    const FitResult& r = *result_;
    resultTable->setRowCount(static_cast<int>(fitted_.size()));
    for (size_t i = 0; i < fitted_.size(); ++i) {
        const double relative = r.standardErrors[i] / std::abs(r.values[i]);
        const QString cells[] = {fromCp1252(fitted_[i].name), number(r.startValues[i]),
                                 number(r.values[i]), number(r.standardErrors[i]),
                                 number(relative)};
        for (int c = 0; c < 5; ++c)
            resultTable->setItem(static_cast<int>(i), c, new QTableWidgetItem(cells[c]));
    }
    std::string text = "Sum of squared residuals: " + formatNumber(r.sumOfSquares) +
                       "\nPoints: " + formatInt(r.points) +
                       "\nRMS residual: " + formatNumber(r.rmsResidual);
    if (r.outcome == FitResult::Outcome::converged)
        text += "\nConverged after " + formatInt(r.iterations) + " iterations.";
    for (size_t start = 0; !r.message.empty() && start <= r.message.size();) {
        const size_t end = r.message.find(';', start);
        text += "\n" + r.message.substr(start, end - start);
        if (end == std::string::npos) break;
        start = end + 1;
    }
    summary->setText(fromCp1252(text));
    acceptButton->setEnabled(r.outcome != FitResult::Outcome::refused);
}

void TFfit::accept() {
    if (result_ && result_->outcome != FitResult::Outcome::refused)
        applyFittedValues(program_, fitted_, result_->values);
    QDialog::accept();
}
