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

// One key for a file however its path is spelled.
QString viewerKey(const std::filesystem::path& file) {
    std::error_code error;
    return pathText(std::filesystem::absolute(file, error).lexically_normal());
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

QtPlatform::~QtPlatform() {
    for (auto& [path, viewer] : viewers_)
        delete viewer.data();
}

TextViewer* QtPlatform::viewerOf(const std::filesystem::path& file) const {
    const auto found = viewers_.find(viewerKey(file));
    return found == viewers_.end() ? nullptr : found->second.data();
}

TextViewer* QtPlatform::openViewer(const std::filesystem::path& file) {
    std::erase_if(viewers_, [](const auto& entry) { return entry.second.isNull(); });
    const QString key = viewerKey(file);
    TextViewer* viewer = viewers_[key];
    if (!viewer)
        viewer = viewers_[key] = new TextViewer(key, window_);
    if (const auto reason = viewer->reload()) {
        viewers_.erase(key);
        viewer->hide();
        viewer->deleteLater();
        QMessageBox::warning(
            window_, "Tallowmere TB",
            QString("\"%1\" could not be opened: %2.").arg(pathText(file), *reason));
        return nullptr;
    }
    viewer->show();
    viewer->raise();
    viewer->activateWindow();
    return viewer;
}

void QtPlatform::showTextFile(const std::filesystem::path& file) {
    openViewer(file);
}

void QtPlatform::printTextFile(const std::filesystem::path& file) {
    if (TextViewer* viewer = openViewer(file))
        viewer->openPrintPreview();
}

void QtPlatform::editTextFile(const std::filesystem::path& file, EditedFile kind) {
    if (const auto problem = editors_.open(file, kind, window_))
        showMessage({"Tallowmere TB", *problem, MessageButtons::Ok, MessageIcon::Exclamation});
}

void QtPlatform::openUrl(const std::string& address) {
    const QString shownAddress = QString::fromStdString(address);
    if (QDesktopServices::openUrl(QUrl(shownAddress)))
        return;
    QMessageBox box(QMessageBox::Warning, "Tallowmere TB",
                    "No web browser could be opened for this address:\n" + shownAddress,
                    QMessageBox::Ok, window_);
    box.setTextInteractionFlags(Qt::TextSelectableByMouse); // so the address can be copied
    box.exec();
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
