// tallowmere: the handicapper's window over the window model.
#include "app/FolderOptions.h"
#include "card/DataRoot.h"
#include "gui/DisplayText.h"
#include "gui/MainWindow.h"
#include "gui/QtPlatform.h"

#include <QApplication>
#include <iostream>

int main(int argc, char** argv) {
    QApplication application(argc, argv);
    QApplication::setOrganizationName("Tallowmere");
    QApplication::setApplicationName("Tallowmere TB");
    std::vector<std::string> arguments;
    for (const QString& argument : application.arguments().mid(1))
        arguments.push_back(argument.toLocal8Bit().toStdString());
    tallowmere::FolderOptions folders;
    if (const auto bad = tallowmere::parseFolderOptions(arguments, folders)) {
        std::cerr << "tallowmere: bad option " << *bad << "\n"
                  << "usage: tallowmere [--data-root DIR] [--work-dir DIR]\n";
        return 2;
    }
    tallowmere::gui::useWindowStyle();
    tallowmere::gui::QtPlatform desktop;
    std::error_code error;
    const auto root = std::filesystem::absolute(folders.dataRoot, error).lexically_normal();
    if (!desktop.holdDataRoot(root)) {
        desktop.showMessage({"Tallowmere TB", tallowmere::alreadyWorkingText(root),
                             tallowmere::MessageButtons::Ok, tallowmere::MessageIcon::Critical});
        return 1;
    }
    const auto programFolder = QApplication::applicationDirPath().toLocal8Bit().toStdString();
    tallowmere::gui::MainWindow window(desktop, folders, programFolder);
    desktop.setWindow(&window);
    window.show();
    const int status = application.exec();
    desktop.releaseDataRoot();
    return status;
}
