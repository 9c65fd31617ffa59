#include "gui/ReplayDialog.h"

#include "analysis/CsvText.h"
#include "app/AnalysisCommands.h"
#include "app/ReplayRows.h"
#include "card/WorkFolder.h"
#include "gui/DisplayText.h"

#include <QDialogButtonBox>
#include <QFileDialog>
#include <QLabel>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QVBoxLayout>

namespace tallowmere::gui {

ReplayDialog::ReplayDialog(const std::filesystem::path& season,
                           const std::filesystem::path& workFolder, QWidget* parent)
    : QDialog(parent), season_(season), workFolder_(workFolder), progress_(new QProgressBar),
      status_(new QLabel), lines_(new QPlainTextEdit) {
    setObjectName("ReplayDialog");
    setWindowTitle("Replay Cards");
    resize(900, 420);
    lines_->setReadOnly(true);
    lines_->setLineWrapMode(QPlainTextEdit::NoWrap);
    lines_->setFont(QFont("Monospace"));
    auto* buttons = new QDialogButtonBox;
    cancel_ = buttons->addButton(QDialogButtonBox::Cancel);
    archive_ = buttons->addButton("Add to Archive", QDialogButtonBox::ActionRole);
    csv_ = buttons->addButton("Export CSV\u2026", QDialogButtonBox::ActionRole);
    auto* close = buttons->addButton(QDialogButtonBox::Close);
    archive_->setEnabled(false);
    csv_->setEnabled(false);
    connect(cancel_, &QPushButton::clicked, this, [this] { cancel(); });
    connect(close, &QPushButton::clicked, this, &QDialog::accept);
    connect(archive_, &QPushButton::clicked, this,
            [this] { QMessageBox::information(this, "Replay Cards", addToArchive()); });
    connect(csv_, &QPushButton::clicked, this, [this] {
        const auto season = season_.has_filename() ? season_ : season_.parent_path();
        const auto offered = workFolder_ / ("replay " + season.filename().string() + ".csv");
        const QString file = QFileDialog::getSaveFileName(
            this, "Export Replay", QString::fromStdString(offered.string()), "CSV files (*.csv)");
        if (file.isEmpty())
            return;
        if (const auto problem = exportCsv(file))
            QMessageBox::warning(this, "Replay Cards", QString::fromStdString(*problem));
    });
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(new QLabel(QString::fromStdString("Replaying " + season.string())));
    layout->addWidget(progress_);
    layout->addWidget(status_);
    layout->addWidget(lines_);
    layout->addWidget(buttons);
}

ReplayDialog::~ReplayDialog() {
    cancelled_ = true;
    if (worker_.joinable())
        worker_.join();
}

// The cards are worked on a thread of their own, so the window stays live
// and Cancel is heard between two cards.
void ReplayDialog::start() {
    if (worker_.joinable())
        return;
    const auto trackFile = WorkFolder{workFolder_}.trackList();
    worker_ = std::thread([this, trackFile] {
        auto outcomes =
            replaySeason(season_, trackFile, [this](std::size_t done, std::size_t total) {
                QMetaObject::invokeMethod(this, [this, done, total] {
                    showProgress(static_cast<int>(done), static_cast<int>(total));
                });
                return !cancelled_;
            });
        QMetaObject::invokeMethod(
            this, [this, outcomes = std::move(outcomes)]() mutable { showOutcomes(outcomes); });
    });
}

void ReplayDialog::cancel() {
    cancelled_ = true;
    cancel_->setEnabled(false);
    status_->setText("Cancelling\u2026");
}

void ReplayDialog::showProgress(int done, int total) {
    progress_->setRange(0, total);
    progress_->setValue(done);
    status_->setText(QString("%1 of %2 cards").arg(done).arg(total));
}

void ReplayDialog::showOutcomes(std::vector<ReplayOutcome> outcomes) {
    outcomes_ = std::move(outcomes);
    finished_ = true;
    QStringList shownLines;
    for (const auto& outcome : outcomes_)
        shownLines << shown(replayReport(outcome));
    lines_->setPlainText(shownLines.join('\n'));
    status_->setText(QString("%1 cards replayed%2")
                         .arg(outcomes_.size())
                         .arg(cancelled_ ? ", then cancelled" : ""));
    cancel_->setEnabled(false);
    archive_->setEnabled(true);
    csv_->setEnabled(true);
}

QString ReplayDialog::addToArchive() {
    const auto archived = archiveReplayedCards(WorkFolder{workFolder_}, outcomes_);
    if (archived.problem)
        return shown(*archived.problem);
    archive_->setEnabled(false);
    return QString("%1 lines added to the archive.").arg(archived.added);
}

std::optional<std::string> ReplayDialog::exportCsv(const QString& file) const {
    return writeProblem(file.toStdString(), analysis::csvText(replayRows(outcomes_)));
}

} // namespace tallowmere::gui
