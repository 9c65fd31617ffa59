#include "gui/DisplayText.h"
#include "support/TempFolder.h"

#include <QApplication>
#include <QSettings>

int runGridModelTests(int argc, char** argv);
int runQtPlatformTests(int argc, char** argv);
int runWindowTests(int argc, char** argv);
int runAnalysisWindowTests(int argc, char** argv);
int runTextEditorTests(int argc, char** argv);
int runViewerTests(int argc, char** argv);
int runLayoutTests(int argc, char** argv);
int runSizeGroupTests(int argc, char** argv);
int runControlTipsTests(int argc, char** argv);

int main(int argc, char** argv) {
    QApplication application(argc, argv);
    tallowmere::gui::useWindowStyle();
    // The window remembers its place in settings of its own, not the user's.
    const tallowmere::testing::TempFolder settings;
    QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope,
                       QString::fromStdString(settings.path().string()));
    QApplication::setOrganizationName("Tallowmere Tests");
    int failures = runGridModelTests(argc, argv);
    failures += runQtPlatformTests(argc, argv);
    failures += runWindowTests(argc, argv);
    failures += runTextEditorTests(argc, argv);
    failures += runAnalysisWindowTests(argc, argv);
    failures += runLayoutTests(argc, argv);
    failures += runSizeGroupTests(argc, argv);
    failures += runControlTipsTests(argc, argv);
    return failures + runViewerTests(argc, argv);
}
