#include "windows/history/tfhistory.h"

#include "session/history_abstract.h"
#include "windows/common/cp1252.h"
#include "windows/common/windowframe.h"

#include <QListWidget>
#include <QScreen>

namespace {

constexpr QRect levelsRect(8, 8, 217, 425);

} // namespace

TFhistory::TFhistory(History_abstract& history, QWidget* parent)
    : QDialog(parent), history_(history) {
    setWindowTitle(QStringLiteral("History"));
    setFixedSize(clientWidth, clientHeight);
    levels = new QListWidget(this);
    levels->setGeometry(levelsRect);
    levels->setSelectionMode(QAbstractItemView::SingleSelection);
    applyWindowColours(this);
    fill();
    // Keyboard moves choose a level as clicks do.
    connect(levels, &QListWidget::currentRowChanged, this, &TFhistory::levelChosen);
}

void TFhistory::fill() {
    filling_ = true;
    levels->clear();
    for (int i = 0; i < history_.count(); ++i)
        levels->addItem(fromCp1252(history_.label(i)));
    levels->setCurrentRow(history_.current());
    filling_ = false;
}

void TFhistory::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    if (const QScreen* screen = this->screen()) {
        QRect frame = frameGeometry();
        frame.moveCenter(screen->availableGeometry().center());
        move(frame.topLeft());
    }
}

void TFhistory::levelChosen(int row) {
    if (filling_ || row < 0 || row == history_.current()) return;
    history_.goTo(row);
}
