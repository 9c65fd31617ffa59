#include "gui/QtPlatform.h"

#include "app/HiddenFiles.h"
#include "card/DataRoot.h"
#include "gui/DisplayText.h"

#include <QApplication>
#include <QDate>
#include <QDesktopServices>
#include <QFile>
#include <QLocale>
#include <QMessageBox>
#include <QProcess>
#include <QUrl>

namespace tallowmere::gui {
namespace {

QString pathText(const std::filesystem::path& path) {
    return QFile::decodeName(QByteArray::fromStdString(path.string()));
}

QMessageBox::Icon iconOf(MessageIcon icon) {
    switch (icon) {
    case MessageIcon::Information:
        return QMessageBox::Information;
    case MessageIcon::Question:
        return QMessageBox::Question;
    case MessageIcon::Exclamation:
        return QMessageBox::Warning;
    case MessageIcon::Critical:
        return QMessageBox::Critical;
    default:
        return QMessageBox::NoIcon;
    }
}

} // namespace

void QtPlatform::showTextFile(const std::filesystem::path& file) {
    QDesktopServices::openUrl(QUrl::fromLocalFile(pathText(file)));
}

void QtPlatform::printTextFile(const std::filesystem::path& file) {
    showTextFile(file);
}

void QtPlatform::editTextFile(const std::filesystem::path& file, EditedFile kind) {
    if (const auto problem = editors_.open(file, kind, window_))
        showMessage({"Tallowmere TB", *problem, MessageButtons::Ok, MessageIcon::Exclamation});
}

void QtPlatform::openUrl(const std::string& address) {
    QDesktopServices::openUrl(QUrl(QString::fromStdString(address)));
}

MessageAnswer QtPlatform::showMessage(const Message& message) {
    const bool question = message.buttons == MessageButtons::YesNo;
    QMessageBox box(iconOf(message.icon), shown(message.title), shown(message.text),
                    question ? QMessageBox::Yes | QMessageBox::No : QMessageBox::Ok, window_);
    if (question)
        box.setDefaultButton(message.defaultButton == 2 ? QMessageBox::No : QMessageBox::Yes);
    const int answer = box.exec();
    if (!question)
        return MessageAnswer::Ok;
    return answer == QMessageBox::Yes ? MessageAnswer::Yes : MessageAnswer::No;
}

void QtPlatform::beep() {
    QApplication::beep();
}

void QtPlatform::startProgram(const std::filesystem::path& program,
                              const std::vector<std::string>& arguments) {
    QStringList argumentList;
    for (const auto& argument : arguments)
        argumentList << QString::fromStdString(argument);
    dataRootLock_.reset();
    if (!QProcess::startDetached(pathText(program), argumentList) && !dataRoot_.empty())
        dataRootLock_ = tallowmere::holdDataRoot(dataRoot_);
}

bool QtPlatform::holdDataRoot(const std::filesystem::path& root) {
    dataRoot_ = root;
    dataRootLock_ = tallowmere::holdDataRoot(root, std::chrono::seconds(10));
    return dataRootLock_.has_value();
}

void QtPlatform::setFilesHidden(const std::filesystem::path& folder,
                                const std::vector<std::string>& names, bool hidden) {
    setHiddenByMarker(folder, names, hidden);
}

std::string QtPlatform::shortDate(int year, int month, int day) {
    return QLocale::system().toString(QDate(year, month, day), QLocale::ShortFormat).toStdString();
}

} // namespace tallowmere::gui
