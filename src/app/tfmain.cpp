#include "app/tfmain.h"

#include "app/applicationtitle.h"

TFmain::TFmain(QWidget* parent) : QMainWindow(parent) {
    setWindowTitle(applicationTitle);
}
