// tallowmere-cards: the card chooser that New/Recall Race Card starts. It
// copies a chosen card into the data root and starts tallowmere again.
#include "card/DataRoot.h"
#include "chooser/CardCopy.h"
#include "chooser/ChooserArguments.h"

#include <QApplication>
#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QMessageBox>
#include <QProcess>
#include <QPushButton>
#include <QStandardPaths>
#include <iostream>

using namespace tallowmere::chooser;

namespace {

const QString windowTitle = QStringLiteral("Tallowmere TB");

QString shown(const std::string& bytes) {
    return QFile::decodeName(QByteArray::fromStdString(bytes));
}

std::filesystem::path pathOf(const QString& name) {
    return QFile::encodeName(name).toStdString();
}

// tallowmere, from the folder this program was installed in.
bool startMainProgram(const ChooserRequest& request) {
    const QString program = QCoreApplication::applicationDirPath() + QStringLiteral("/tallowmere");
    QStringList arguments;
    for (const auto& argument : restartArguments(request))
        arguments << shown(argument);
    return QProcess::startDetached(program, arguments);
}

std::string notStartedText() {
    return "Tallowmere TB could not be started again: " +
           QCoreApplication::applicationDirPath().toStdString() +
           "/tallowmere is missing or cannot be run.";
}

// The data root, held while the card is taken in; the window that started
// this program lets it go first, within 10 seconds.
std::optional<tallowmere::text::FileLock> holdDataRoot(const ChooserRequest& request) {
    return tallowmere::holdDataRoot(dataRootOf(request), std::chrono::seconds(10));
}

std::string alreadyWorkingText(const ChooserRequest& request) {
    std::error_code error;
    return tallowmere::alreadyWorkingText(
        std::filesystem::absolute(dataRootOf(request), error).lexically_normal());
}

int runWithoutWindow(int argc, char** argv, const ChooserRequest& request) {
    QCoreApplication application(argc, argv);
    auto held = holdDataRoot(request);
    if (!held) {
        std::cerr << "tallowmere-cards: " << alreadyWorkingText(request) << "\n";
        return 1;
    }
    if (const auto problem = copyCardIn(dataRootOf(request), *request.source)) {
        std::cerr << "tallowmere-cards: " << problem->text << "\n";
        return 1;
    }
    held->release(); // tallowmere holds it next
    if (request.restart && !startMainProgram(request)) {
        std::cerr << "tallowmere-cards: " << notStartedText() << "\n";
        return 1;
    }
    return 0;
}

QString startingFolder() {
    const QString downloads = QStandardPaths::writableLocation(QStandardPaths::DownloadLocation);
    return QDir(downloads).exists() ? downloads : QDir::homePath();
}

// The folder or .zip the user picks; nothing when the user cancels.
std::optional<std::filesystem::path> askForSource() {
    QMessageBox question(QMessageBox::Question, windowTitle,
                         QStringLiteral("Which race card should be handicapped?\n\nChoose the "
                                        "folder that holds its TrackMaster tables (RACEDR, THR2DR, "
                                        "THRRDR, THRJDR and THRTDR), or the .zip file it came in."),
                         QMessageBox::Cancel);
    QPushButton* folder = question.addButton(QStringLiteral("Folder..."), QMessageBox::AcceptRole);
    QPushButton* zip = question.addButton(QStringLiteral(".zip File..."), QMessageBox::AcceptRole);
    question.setDefaultButton(zip);
    for (;;) {
        question.exec();
        QString chosen;
        if (question.clickedButton() == folder)
            chosen = QFileDialog::getExistingDirectory(nullptr, QStringLiteral("Race card folder"),
                                                       startingFolder());
        else if (question.clickedButton() == zip)
            chosen = QFileDialog::getOpenFileName(
                nullptr, QStringLiteral("Race card .zip file"), startingFolder(),
                QStringLiteral("Zip archives (*.zip *.ZIP);;All files (*)"));
        else
            return std::nullopt;
        if (!chosen.isEmpty())
            return pathOf(chosen);
    }
}

// Asks until a card is taken in or the user gives up; tallowmere starts again
// either way, on the new card or on the one that was there.
int runWithDialog(int argc, char** argv, const ChooserRequest& request) {
    QApplication application(argc, argv);
    auto held = holdDataRoot(request);
    if (!held) {
        QMessageBox::critical(nullptr, windowTitle, shown(alreadyWorkingText(request)));
        return 1;
    }
    while (const auto source = askForSource()) {
        const auto problem = copyCardIn(dataRootOf(request), *source);
        if (!problem)
            break;
        QMessageBox::warning(nullptr, windowTitle, shown(problem->text));
    }
    held->release(); // tallowmere holds it next
    if (request.restart && !startMainProgram(request)) {
        QMessageBox::critical(nullptr, windowTitle, shown(notStartedText()));
        return 1;
    }
    return 0;
}

} // namespace

int main(int argc, char** argv) {
    const auto parsed = parseChooserArguments(std::vector<std::string>(argv + 1, argv + argc));
    if (const auto* problem = std::get_if<std::string>(&parsed)) {
        std::cerr << "tallowmere-cards: " << *problem << "\n" << chooserUsage;
        return 2;
    }
    const auto& request = std::get<ChooserRequest>(parsed);
    return request.source ? runWithoutWindow(argc, argv, request)
                          : runWithDialog(argc, argv, request);
}
