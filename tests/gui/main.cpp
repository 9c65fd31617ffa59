#include "gui/DisplayText.h"

#include <QApplication>

int runGridModelTests(int argc, char** argv);
int runWindowTests(int argc, char** argv);

int main(int argc, char** argv) {
    QApplication application(argc, argv);
    tallowmere::gui::useWindowStyle();
    const int gridFailures = runGridModelTests(argc, argv);
    return gridFailures + runWindowTests(argc, argv);
}
