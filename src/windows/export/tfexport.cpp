#include "windows/export/tfexport.h"

#include "foundation/messagesink.h"
#include "session/program.h"
#include "session/reactorexport.h"
#include "windows/common/buttonlook.h"
#include "windows/common/cp1252.h"
#include "windows/common/windowframe.h"
#include "windows/common/windowlook.h"
#include "windows/export/exportfiledialog.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QGroupBox>
#include <QGuiApplication>
#include <QLabel>
#include <QListWidget>
#include <QMouseEvent>
#include <QPainter>
#include <QRadioButton>
#include <QScreen>
#include <QSignalBlocker>
#include <QVBoxLayout>

#include <array>
#include <utility>

namespace {

// The controls left of the button column and the column itself.
constexpr QRect labelRect(16, 16, 209, 14);
constexpr QRect listRect(16, 32, 209, 177);
constexpr QRect labelsBoxRect(240, 32, 208, 17);
constexpr QRect iterationsRect(240, 56, 208, 85);
// "Export..." sits this far from the left and the bottom and is as wide as
// the client width less buttonWidthReserve.
constexpr int buttonLeft = 240;
constexpr int buttonBottomOffset = 40;
constexpr int buttonWidthReserve = 257;
constexpr int buttonHeight = 23;

constexpr std::array<int, 3> iterationSteps{1, 10, 100};

int stepItem(int step) {
    return step == 10 ? 1 : step == 100 ? 2 : 0;
}

void addCheckItem(QListWidget* list, const QString& text, bool checked) {
    auto* item = new QListWidgetItem(text, list);
    item->setFlags(Qt::ItemIsEnabled | Qt::ItemIsUserCheckable);
    item->setCheckState(checked ? Qt::Checked : Qt::Unchecked);
}

bool checked(const QListWidget* list, int row) {
    const QListWidgetItem* item = list->item(row);
    return item && item->checkState() == Qt::Checked;
}

} // namespace

TFexport::TFexport(Program& program, ReactorExport& table, FileChooser chooseFile, QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint),
      exportRect(buttonLeft, clientHeight - buttonBottomOffset, clientWidth - buttonWidthReserve,
                 buttonHeight),
      program_(program), table_(table), chooseFile_(std::move(chooseFile)) {
    setWindowTitle(QString::fromLatin1(caption));
    setFont(uiFont(captionPixels));
    setFixedSize(clientWidth, clientHeight);

    Lcomponents = new QLabel(QStringLiteral("Components to export"), this);
    Lcomponents->setGeometry(labelRect);

    CBfunctionsToExport = new QListWidget(this);
    CBfunctionsToExport->setGeometry(listRect);
    CBfunctionsToExport->setSelectionMode(QAbstractItemView::NoSelection);

    CBincludeColumnLabels = new QCheckBox(QStringLiteral("Include column labels"), this);
    CBincludeColumnLabels->setGeometry(labelsBoxRect);

    RGiterationsToExport = new QGroupBox(QStringLiteral(" Iterations to export "), this);
    RGiterationsToExport->setGeometry(iterationsRect);
    iterationsChoice = new QButtonGroup(this);
    auto* column = new QVBoxLayout(RGiterationsToExport);
    const char* const items[] = {"All iterations", "Every 10th iteration", "Every 100th iteration"};
    for (int i = 0; i < static_cast<int>(iterationSteps.size()); ++i) {
        auto* button = new QRadioButton(QString::fromLatin1(items[i]), RGiterationsToExport);
        column->addWidget(button);
        iterationsChoice->addButton(button, i);
    }
    // The step is kept but never applied to the rows, so it is not offered.
    RGiterationsToExport->hide();

    applyWindowColours(this);

    connect(CBfunctionsToExport, &QListWidget::itemChanged, this, [this] { copyChecks(); });
    connect(CBincludeColumnLabels, &QCheckBox::clicked, this,
            [this](bool on) { table_.includeColumnLabels = on; });
    connect(iterationsChoice, &QButtonGroup::idClicked, this,
            [this](int id) { table_.iterationsStep = iterationSteps.at(id); });

    if (const QScreen* screen = QGuiApplication::primaryScreen())
        move(screen->availableGeometry().center() - rect().center());
}

void TFexport::refill() {
    const QSignalBlocker blocker(CBfunctionsToExport);
    CBfunctionsToExport->clear();
    addCheckItem(CBfunctionsToExport, QString::fromLatin1(timeItem), table_.includeTime);
    const Vreactor& system = program_.vReactor;
    table_.rebuildComponentFlags(system);
    const int flags = static_cast<int>(table_.componentFlags.size());
    for (int i = 0; i < system.uniqueComponentCount(); ++i)
        addCheckItem(CBfunctionsToExport, fromCp1252(system.uniqueComponent(i).name),
                     i < flags && table_.componentFlags[i]);
    if (program_.weightedObservation.active)
        addCheckItem(CBfunctionsToExport, QString::fromLatin1(observationItem),
                     table_.includeWeightedObservation);
    addCheckItem(CBfunctionsToExport, QString::fromLatin1(ratesItem), table_.includeReactionRates);
    CBincludeColumnLabels->setChecked(table_.includeColumnLabels);
    iterationsChoice->button(stepItem(table_.iterationsStep))->setChecked(true);
}

void TFexport::copyChecks() {
    table_.includeTime = checked(CBfunctionsToExport, 0);
    const int components = static_cast<int>(table_.componentFlags.size());
    for (int i = 0; i < components; ++i)
        table_.componentFlags[i] = checked(CBfunctionsToExport, i + 1);
    if (program_.weightedObservation.active)
        table_.includeWeightedObservation = checked(CBfunctionsToExport, components + 1);
    table_.includeReactionRates = checked(CBfunctionsToExport, CBfunctionsToExport->count() - 1);
}

bool TFexport::exportKinetics() {
    const std::string file = chooseFile_ ? chooseFile_() : ExportFileDialog::choose(this);
    if (file.empty()) return false;
    // With auto refresh off the stored results may belong to an earlier
    // state of the system: their values would stand under today's names.
    if (!program_.calculation.resultsCurrent()) program_.calculation.calculate();
    if (program_.weightedObservation.active) program_.weightedObservation.compute();
    if (!table_.exportTo(file, program_.vReactor, program_.calculation,
                         program_.weightedObservation, program_.preferences)) {
        showMessage(failureMessage);
        return false;
    }
    accept();
    return true;
}

void TFexport::showEvent(QShowEvent* event) {
    refill();
    QDialog::showEvent(event);
}

void TFexport::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    paintFrame(painter, width(), height());
    paintButton(painter, exportRect, QString::fromLatin1(exportCaption));
}

void TFexport::mousePressEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton && exportRect.contains(event->position().toPoint()))
        exportKinetics();
}
