#pragma once

#include "windows/input/dialogvalueasker.h"

#include <QRect>
#include <QWidget>

class QCheckBox;
class QLabel;
class QListWidget;
class UndoRecorder;
class ValueAsker;
class Vreactor;
class WeightedObservation;

// The weighted observation window: switches the observation on and off and
// to its time derivative, edits the global factor and lists the weight of
// every unique component; a click on a line or on the factor opens the
// value dialog. Every edit is recorded and broadcast as
// weightedObservationChanged, which recomputes the curve. A small window
// that stays on top, centred on the screen when first shown.
class TFwObs : public QWidget {
    Q_OBJECT
public:
    static constexpr const char* caption = "Weighted Observation";
    static constexpr const char* zeroCaption = "Set All To Zero";
    static constexpr const char* oneCaption = "Set All To One";

    TFwObs(Vreactor& system, WeightedObservation& observation, UndoRecorder& undo,
           QWidget* parent = nullptr);

    // Replaces the value input dialog (tests answer in its place).
    void setValueAsker(ValueAsker& asker) { asker_ = &asker; }

    // Sets the controls from the observation and the components; their
    // change signals are ignored meanwhile.
    void fill();

    // The edits of the window, as a click makes them.
    void editWeight(int line);
    void editGlobalFactor();
    void setAllWeights(double weight);

    // The last rendering, as copied to the window.
    const QImage& image() const { return image_; }

    QCheckBox* CBactive;
    QCheckBox* CBdifferential;
    QLabel* LglobalFactor;
    QLabel* Lcomponent;
    QLabel* Lweight;
    QListWidget* LBweights;
    // Set while the window fills its controls.
    bool updating = false;
    QRect zeroRect;
    QRect oneRect;

protected:
    void showEvent(QShowEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;

private:
    void activeToggled(bool on);
    void differentialToggled(bool on);
    // Records the edit, fills the window again and announces the change.
    void edited(const char* undoLabel);
    void render();
    void placeWeightHeading();

    Vreactor& system_;
    WeightedObservation& observation_;
    UndoRecorder& undo_;
    DialogValueAsker dialogAsker_;
    ValueAsker* asker_;
    QImage image_;
    bool placed_ = false;
};
