#include "windows/kinetics/tfkinetics.h"

#include "engine/reactor.h"
#include "foundation/eventreceiver.h"
#include "foundation/messagesink.h"
#include "model/vreactor.h"
#include "session/animation.h"
#include "session/kineticsview.h"
#include "session/preferences.h"
#include "session/undorecorder.h"
#include "windows/common/cp1252.h"
#include "windows/common/picturefile.h"
#include "windows/common/windowframe.h"
#include "windows/kinetics/kineticsplotrenderer.h"

#include <QAction>
#include <QActionGroup>
#include <QClipboard>
#include <QCursor>
#include <QFileDialog>
#include <QFileInfo>
#include <QGuiApplication>
#include <QMenu>
#include <QMouseEvent>
#include <QPainter>
#include <QPicture>
#include <QPrintDialog>
#include <QPrinter>

#include <algorithm>

TFkinetics::TFkinetics(Vreactor& reactionSystem, const Reactor& reactor,
                       const Calculation& calculation, const WeightedObservation& observation,
                       KineticsView& view, const Animation& animation,
                       const Preferences& preferences, UndoRecorder& undo, QWidget* parent)
    : QWidget(parent), system_(reactionSystem), reactor_(reactor), calculation_(calculation),
      observation_(observation), view_(view), animation_(animation), preferences_(preferences),
      undo_(undo) {
    setWindowTitle(QString::fromLatin1(caption));
    applyWindowColours(this);
    setAttribute(Qt::WA_OpaquePaintEvent);
    setMinimumSize(defaultClientWidth, defaultClientHeight);
    resize(defaultClientWidth, defaultClientHeight);
    controls_ = KineticsControls(size());
}

bool TFkinetics::plotRedrawAllowed() const {
    return !animation_.isAnimating() || animation_.inStep ||
           (preferencesDialogOpen && preferencesDialogOpen());
}

// A hidden window gets its resize event only when shown; its size counts
// before that.
void TFkinetics::followSize() {
    if (controls_.clientSize == size()) return;
    controls_ = KineticsControls(size());
    plotDirty_ = true;
}

void TFkinetics::refresh() {
    followSize();
    // A closed window draws nothing; it draws the current state when it is
    // shown again.
    if (!isVisible()) {
        plotDirty_ = true;
        return;
    }
    if (plotRedrawAllowed() || plotDirty_) renderPlot();
    update();
}

KineticsPlotRenderer TFkinetics::makeRenderer() const {
    KineticsPlotRenderer renderer(system_, calculation_, observation_);
    renderer.simulationTime = reactor_.simulationTime;
    renderer.colourScheme = preferences_.colorSchemeKinetics;
    renderer.largeLabels = preferences_.kineticsLargeLabels;
    renderer.animation = &animation_;
    renderer.measurements = measurements;
    renderer.reference = referenceCurves;
    renderer.hiddenRates = hiddenRates;
    if (animatedParameterLabel) renderer.parameterLabel = animatedParameterLabel();
    return renderer;
}

void TFkinetics::renderPlot() {
    if (plotBitmap_.size() != controls_.plot.size())
        plotBitmap_ = QImage(controls_.plot.size(), QImage::Format_RGB32);
    legend_ = makeRenderer().renderPlot(plotBitmap_, view_);
    plotDirty_ = false;
}

void TFkinetics::paintPlot(QPaintDevice& device) {
    makeRenderer().renderPlot(device, view_);
}

const QImage& TFkinetics::plotBitmap() {
    followSize();
    if (plotDirty_) renderPlot();
    return plotBitmap_;
}

bool TFkinetics::savePlotImage(const QString& fileName) {
    if (pictureFormatOf(fileName) == PictureFormat::png) return plotBitmap().save(fileName, "PNG");
    followSize();
    return writePicture(
        fileName, controls_.plot.size(), [this](QPaintDevice& device) { paintPlot(device); },
        QString::fromLatin1(caption));
}

void TFkinetics::copyPlot() {
    QGuiApplication::clipboard()->setImage(plotBitmap());
}

void TFkinetics::printPlot(QPrinter& printer) {
    followSize();
    // Recorded as drawing commands and played onto the page scaled to fit, so
    // lines and text come out at the printer's resolution.
    QPicture picture;
    picture.setBoundingRect(QRect(QPoint(0, 0), controls_.plot.size()));
    paintPlot(picture);
    QPainter painter;
    if (!painter.begin(&printer)) {
        showMessage("Failed to print the plot.");
        return;
    }
    const QRectF page = printer.pageLayout().paintRectPixels(printer.resolution());
    const QSizeF plot(controls_.plot.size());
    const double scale = std::min(page.width() / plot.width(), page.height() / plot.height());
    painter.scale(scale, scale);
    painter.drawPicture(0, 0, picture);
}

void TFkinetics::printPlotAsked() {
    QPrinter printer(QPrinter::HighResolution);
    printer.setDocName(QString::fromLatin1(caption));
    if (setUpPrinter) {
        if (!setUpPrinter(printer)) return;
    } else {
        QPrintDialog dialog(&printer, this);
        if (dialog.exec() != QDialog::Accepted) return;
    }
    printPlot(printer);
}

void TFkinetics::paintEvent(QPaintEvent*) {
    followSize();
    if (plotDirty_) renderPlot();
    QImage client(size(), QImage::Format_RGB32);
    QPainter offscreen(&client);
    controls_.paint(offscreen, view_);
    offscreen.drawImage(controls_.plot.topLeft(), plotBitmap_);
    offscreen.end();
    QPainter window(this);
    window.drawImage(0, 0, client);
}

void TFkinetics::resizeEvent(QResizeEvent*) {
    followSize();
    update();
}

void TFkinetics::record(const std::string& label) {
    undo_.pushUndo(label, false);
}

void TFkinetics::mousePressEvent(QMouseEvent* event) {
    if (event->button() != Qt::LeftButton) return;
    followSize();
    const QPoint p = event->position().toPoint();
    switch (controls_.at(p)) {
    case KineticsControls::autoY:
        return toggleAuto(false);
    case KineticsControls::logY:
        return toggleLog(false);
    case KineticsControls::maxY:
        return editBound(false, true);
    case KineticsControls::minY:
        return editBound(false, false);
    case KineticsControls::autoX:
        return toggleAuto(true);
    case KineticsControls::logX:
        return toggleLog(true);
    case KineticsControls::minX:
        return editBound(true, false);
    case KineticsControls::maxX:
        return editBound(true, true);
    case KineticsControls::options:
        return openOptionsMenu();
    case KineticsControls::none:
        break;
    }
    legendClick(p - controls_.plot.topLeft());
}

void TFkinetics::toggleAuto(bool xAxis) {
    bool& autoMode = xAxis ? view_.autoX : view_.autoY;
    autoMode = !autoMode;
    refresh();
    record(xAxis ? "Toggle auto x axis" : "Toggle auto y axis");
}

void TFkinetics::toggleLog(bool xAxis) {
    bool& logarithmic = xAxis ? view_.logX : view_.logY;
    double& minimum = xAxis ? view_.minX : view_.minY;
    bool& minimumWasZero = xAxis ? view_.minXWasZero : view_.minYWasZero;
    logarithmic = !logarithmic;
    // A logarithmic axis needs a positive minimum; leaving it returns to the
    // zero the user had.
    // ln c and 1/c are scales of a linear axis.
    if (logarithmic && !xAxis) view_.yScale = KineticsView::concentration;
    if (logarithmic)
        minimumWasZero = minimum == 0;
    else if (minimumWasZero)
        minimum = 0;
    refresh();
    record(xAxis ? "Toggle log x axis" : "Toggle log y axis");
}

void TFkinetics::keepBoundsUsable() {
    if (view_.minX < 0) view_.minX = 0;
    if (view_.maxX < 0) view_.maxX = 0;
    if (view_.maxY < 0) view_.maxY = 0;
}

void TFkinetics::editBound(bool xAxis, bool maximum) {
    // The range shown becomes the starting value: auto mode would overwrite
    // the bound at every redraw while the dialog is open.
    bool& autoMode = xAxis ? view_.autoX : view_.autoY;
    const bool savedAuto = autoMode;
    autoMode = false;
    refresh();

    double* bound =
        xAxis ? (maximum ? &view_.maxX : &view_.minX) : (maximum ? &view_.maxY : &view_.minY);
    const std::string end = maximum ? "maximum" : "minimum";
    const std::string title = std::string(xAxis ? "X" : "Y") + " axis " + end;
    const int outcome = askBound(
        title, bound,
        [this] {
            keepBoundsUsable();
            refresh();
        },
        -boundLimit, boundLimit, 0, -1, this);
    if (outcome == 0) {
        autoMode = savedAuto;
        refresh();
        return;
    }
    if (!maximum && (xAxis ? view_.logX : view_.logY))
        (xAxis ? view_.minXWasZero : view_.minYWasZero) = false;
    refresh();
    record(std::string("Change ") + (xAxis ? "x" : "y") + " axis " + end);
}

bool TFkinetics::legendClick(QPoint plotPoint) {
    const int n = system_.uniqueComponentCount();
    const int visibility = legend_.visibilityMarkerAt(plotPoint);
    if (view_.reactionRates) {
        if (visibility < 0 || visibility >= static_cast<int>(legend_.rateReactions.size()))
            return false;
        const auto reaction = static_cast<size_t>(legend_.rateReactions[visibility]);
        if (hiddenRates.size() <= reaction) hiddenRates.resize(reaction + 1, false);
        hiddenRates[reaction] = !hiddenRates[reaction];
        refresh();
        return true;
    }
    if (visibility >= 0 && visibility < n) {
        Vcomponent& c = system_.uniqueComponent(visibility);
        c.monitor = !c.monitor;
        refresh();
        record("Change component visibility");
        return true;
    }
    const int xAxis = legend_.xAxisMarkerAt(plotPoint);
    if (xAxis >= 0 && xAxis < n) {
        system_.toggleAsX(xAxis);
        refresh();
        record("Change x axis");
        return true;
    }
    return false;
}

void TFkinetics::openOptionsMenu() {
    QMenu menu(this);
    fillOptionsMenu(menu);
    menu.exec(QCursor::pos());
}

void TFkinetics::addDecadesMenu(QMenu& menu, const QString& title, int tag, int current) {
    QMenu* decades = menu.addMenu(title);
    auto* group = new QActionGroup(decades);
    for (int n = KineticsView::minMagnitude; n <= KineticsView::maxMagnitude; ++n) {
        QAction* item = decades->addAction(QString::number(n));
        item->setCheckable(true);
        item->setChecked(n == current);
        item->setData(n);
        item->setProperty("tag", tag);
        group->addAction(item);
        connect(item, &QAction::triggered, this, [this, item] { decadesChosen(item); });
    }
}

void TFkinetics::fillOptionsMenu(QMenu& menu) {
    menu.clear();
    addDecadesMenu(menu, QStringLiteral("Decades in Auto Log Mode - X Axis"), xAxisTag, view_.magX);
    addDecadesMenu(menu, QStringLiteral("Decades in Auto Log Mode - Y Axis"), yAxisTag, view_.magY);
    menu.addSeparator();

    QMenu* stripes = menu.addMenu(QStringLiteral("Time Stripes"));
    auto* group = new QActionGroup(stripes);
    for (int n : {0, 1, 2, 3, 5, 10, 20, 30, 50}) {
        QAction* item = stripes->addAction(QString::number(n));
        item->setCheckable(true);
        item->setChecked(n == view_.timeStripes);
        group->addAction(item);
        connect(item, &QAction::triggered, this, [this, n] { setTimeStripes(n); });
    }
    menu.addSeparator();

    QAction* detail = menu.addAction(QStringLiteral("Extended Graphic Detail"));
    detail->setCheckable(true);
    detail->setChecked(view_.extendedDetail);
    connect(detail, &QAction::triggered, this, [this] { toggleExtendedDetail(); });
    menu.addSeparator();

    addPlotContentItems(menu);
    menu.addSeparator();

    QAction* save = menu.addAction(QStringLiteral("Save Plot Image..."));
    connect(save, &QAction::triggered, this, [this] { savePlotImageAs(); });
    QAction* copy = menu.addAction(QStringLiteral("Copy Plot"));
    connect(copy, &QAction::triggered, this, [this] { copyPlot(); });
    QAction* print = menu.addAction(QStringLiteral("Print..."));
    connect(print, &QAction::triggered, this, [this] { printPlotAsked(); });
}

// What the plot shows beside the Euler curves, and on which y scale.
void TFkinetics::addPlotContentItems(QMenu& menu) {
    QAction* reference = menu.addAction(QStringLiteral("Reference Solution"));
    reference->setCheckable(true);
    reference->setChecked(view_.referenceSolution);
    connect(reference, &QAction::triggered, this, [this] {
        view_.referenceSolution = !view_.referenceSolution;
        // Computed with the kinetics, so the status box learns the deviation.
        broadcast(parametersChanged);
        record("Toggle reference solution");
    });
    QAction* rates = menu.addAction(QStringLiteral("Reaction Rates"));
    rates->setCheckable(true);
    rates->setChecked(view_.reactionRates);
    connect(rates, &QAction::triggered, this, [this] {
        view_.reactionRates = !view_.reactionRates;
        refresh();
        record("Toggle reaction rates");
    });
    for (const auto& [scale, title] :
         {std::pair{KineticsView::lnConcentration, QStringLiteral("ln c")},
          std::pair{KineticsView::inverseConcentration, QStringLiteral("1/c")}}) {
        QAction* item = menu.addAction(title);
        item->setCheckable(true);
        item->setChecked(view_.yScale == scale);
        connect(item, &QAction::triggered, this, [this, scale = scale] {
            view_.yScale = view_.yScale == scale ? KineticsView::concentration : scale;
            if (view_.yScale != KineticsView::concentration && view_.logY) {
                view_.logY = false;
                if (view_.minYWasZero) view_.minY = 0;
            }
            refresh();
            record("Change y axis scale");
        });
    }
}

void TFkinetics::decadesChosen(const QAction* action) {
    const int n = action->data().toInt();
    (action->property("tag").toInt() == xAxisTag ? view_.magX : view_.magY) = n;
    refresh();
    record("Change log axis magnitudes");
}

void TFkinetics::setTimeStripes(int stripes) {
    view_.timeStripes = stripes;
    refresh();
    record("Change number of time stripes");
}

void TFkinetics::toggleExtendedDetail() {
    view_.extendedDetail = !view_.extendedDetail;
    broadcast(systemChanged);
    record("Toggle extended graphic detail");
}

void TFkinetics::savePlotImageAs() {
    QString fileName = chooseImageFile
                           ? chooseImageFile()
                           : QFileDialog::getSaveFileName(this, QStringLiteral("Save Plot Image"),
                                                          QString(), pictureFileFilter());
    if (fileName.isEmpty()) return;
    if (QFileInfo(fileName).suffix().isEmpty()) fileName += QStringLiteral(".png");
    if (!savePlotImage(fileName)) showMessage("Failed to save plot image: " + toCp1252(fileName));
}
