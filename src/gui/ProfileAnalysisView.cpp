#include "gui/ProfileAnalysisView.h"

#include "analysis/CurveStyle.h"
#include "analysis/RoiConfidence.h"
#include "analysis/StatsText.h"
#include "gui/DisplayText.h"
#include "reports/ProfileSelection.h"
#include "text/TextFiles.h"

#include <QChart>
#include <QChartView>
#include <QFile>
#include <QFileDialog>
#include <QHeaderView>
#include <QLabel>
#include <QLegendMarker>
#include <QLineSeries>
#include <QMessageBox>
#include <QPen>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>
#include <QValueAxis>
#include <functional>

namespace tallowmere::gui {
namespace {

// A curve of one card shows its point.
QLineSeries* curveSeries(int type, const std::vector<double>& curve) {
    auto* series = new QLineSeries;
    series->setName(QString::fromUtf8(analysis::stakedTypeName(type)));
    QPen pen(QColor(analysis::curveColour(type)), 2);
    if (analysis::curveDashed(type))
        pen.setDashPattern({2.5, 1.5}); // short enough to show in the legend's marker
    series->setPen(pen);
    series->setPointsVisible(curve.size() == 1);
    series->setMarkerSize(8);
    for (const auto& [k, value] : analysis::pointsToDraw(curve))
        series->append(static_cast<double>(k + 1), value);
    return series;
}

// Whole cards only, in round steps; a single card stands in the middle.
QValueAxis* cardAxis(std::size_t cards) {
    auto* axis = new QValueAxis;
    axis->setTitleText("Cards");
    axis->setLabelFormat("%d");
    axis->setTickType(QValueAxis::TicksDynamic);
    axis->setTickAnchor(1);
    axis->setTickInterval(static_cast<double>(analysis::cardTickStep(cards)));
    if (cards > 1)
        axis->setRange(1, static_cast<double>(cards));
    else
        axis->setRange(0.5, 1.5);
    return axis;
}

// From the lowest to the highest point of the curves shown, and zero, in
// round steps.
void fitProfitAxis(QValueAxis& axis, const QChart& chart, const analysis::ProfitCurves& curves) {
    analysis::ShownCurves shown{};
    const auto series = chart.series();
    for (qsizetype type = 0; type < series.size(); ++type)
        shown[static_cast<std::size_t>(type)] = series[type]->isVisible();
    const auto [low, high] = analysis::profitRange(curves, shown);
    axis.setRange(low, high > low ? high : low + 1);
    axis.applyNiceNumbers();
    const double step = (axis.max() - axis.min()) / std::max(1, axis.tickCount() - 1);
    axis.setLabelFormat(step >= 1 ? "%.0f" : "%.2f");
}

// A click on a legend entry hides its curve or shows it again; the entry stays,
// dimmed while its curve is hidden.
void toggleFromLegend(QChart& chart, const std::function<void()>& toggled) {
    for (QLegendMarker* marker : chart.legend()->markers())
        QObject::connect(marker, &QLegendMarker::clicked, marker, [marker, toggled] {
            QAbstractSeries* series = marker->series();
            series->setVisible(!series->isVisible());
            marker->setVisible(true);
            QColor label = marker->labelBrush().color();
            label.setAlphaF(series->isVisible() ? 1.0 : 0.4);
            marker->setLabelBrush(label);
            toggled();
        });
}

} // namespace

ProfileAnalysisView::ProfileAnalysisView(QWidget* parent)
    : QTabWidget(parent), chartView_(new QChartView), stats_(new QTableWidget),
      statsState_(new QLabel), statsNote_(new QLabel) {
    setObjectName("ProfileAnalysis");
    chartView_->setObjectName("ProfitCurves");
    chartView_->setRenderHint(QPainter::Antialiasing);
    chartView_->setMinimumSize(300, 200);
    stats_->setObjectName("ProfileStats");
    stats_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    stats_->verticalHeader()->hide();
    addTab(curvesTab(), "Profit Curves");
    addTab(statsTab(), "Confidence");
}

ProfileAnalysisView::~ProfileAnalysisView() {
    if (worker_.joinable())
        worker_.join();
}

QWidget* ProfileAnalysisView::statsTab() {
    auto* tab = new QWidget;
    auto* layout = new QVBoxLayout(tab);
    statsState_->setObjectName("ProfileStatsState");
    layout->addWidget(statsState_);
    statsNote_->setObjectName("ProfileStatsNote");
    statsNote_->setStyleSheet("font-weight: bold");
    layout->addWidget(statsNote_);
    layout->addWidget(stats_);
    auto* meaning = new QLabel("Low to High: the range that holds 95% of the ROIs got by drawing "
                               "the profile's cards again at random, 2000 times; a range that "
                               "straddles zero means the cards do not yet show whether the bet "
                               "wins or loses.");
    meaning->setWordWrap(true);
    layout->addWidget(meaning);
    return tab;
}

QWidget* ProfileAnalysisView::curvesTab() {
    auto* tab = new QWidget;
    auto* layout = new QVBoxLayout(tab);
    layout->addWidget(chartView_);
    auto* save = new QPushButton("Save PNG\u2026");
    save->setToolTip("Save the chart, with its title, as a PNG picture");
    save->setObjectName("SavePng");
    connect(save, &QPushButton::clicked, this, [this] { askAndSavePng(); });
    layout->addWidget(save, 0, Qt::AlignRight);
    return tab;
}

void ProfileAnalysisView::showCards(const ProfileCards& profile) {
    const auto& cards = profile.cards;
    drawCurves(profile);
    const auto note = analysis::fewCardsNote(cards.size());
    statsNote_->setText(QString::fromStdString(note));
    statsNote_->setVisible(!note.empty());
    if (worker_.joinable())
        waiting_ = cards;
    else
        workOutStats(cards);
}

void ProfileAnalysisView::workOutStats(std::vector<analysis::CardFigures> cards) {
    stats_->setRowCount(0);
    statsState_->setText(QString("Working out the intervals of %1 cards\u2026").arg(cards.size()));
    statsState_->show();
    worker_ = std::thread([this, cards = std::move(cards)] {
        auto figures = analysis::roiConfidence(cards);
        QMetaObject::invokeMethod(this, [this, figures = std::move(figures)] {
            worker_.join();
            if (waiting_) {
                workOutStats(std::move(*waiting_)); // a newer profile is on screen
                waiting_.reset();
                return;
            }
            showStats(figures);
        });
    });
}

void ProfileAnalysisView::drawCurves(const ProfileCards& profile) {
    auto* chart = new QChart;
    chart->setTitle(
        shown(analysis::curvesTitle(profileTitle(profile.selector), profile.cards.size())));
    QFont titleFont = chart->titleFont();
    titleFont.setBold(true);
    chart->setTitleFont(titleFont);
    curves_ = analysis::profitCurves(profile.cards);
    QValueAxis* cards = cardAxis(profile.cards.size());
    profitAxis_ = new QValueAxis;
    profitAxis_->setTitleText("Net profit");
    chart->addAxis(cards, Qt::AlignBottom);
    chart->addAxis(profitAxis_, Qt::AlignLeft);
    for (int type = 0; type < analysis::stakedTypeCount; ++type) {
        QLineSeries* series = curveSeries(type, curves_[static_cast<std::size_t>(type)]);
        chart->addSeries(series);
        series->attachAxis(cards);
        series->attachAxis(profitAxis_);
    }
    fitProfitAxis(*profitAxis_, *chart, curves_);
    chart->legend()->setAlignment(Qt::AlignRight); // a row at the bottom cannot hold eleven
    chart->legend()->setMarkerShape(QLegend::MarkerShapeFromSeries);
    toggleFromLegend(*chart, [this, chart] { fitProfitAxis(*profitAxis_, *chart, curves_); });
    QChart* old = chartView_->chart();
    chartView_->setChart(chart);
    delete old;
}

void ProfileAnalysisView::showStats(const std::vector<analysis::RoiConfidence>& figures) {
    statsState_->hide();
    const auto header = analysis::statsHeader();
    stats_->clear();
    stats_->setColumnCount(static_cast<int>(header.size()));
    stats_->setRowCount(analysis::stakedTypeCount);
    for (std::size_t c = 0; c < header.size(); ++c)
        stats_->setHorizontalHeaderItem(static_cast<int>(c),
                                        new QTableWidgetItem(QString::fromStdString(header[c])));
    for (int type = 0; type < analysis::stakedTypeCount; ++type) {
        const auto row = analysis::statsRow(type, figures[static_cast<std::size_t>(type)]);
        for (std::size_t c = 0; c < row.size(); ++c) {
            auto* item = new QTableWidgetItem(QString::fromStdString(row[c]));
            item->setTextAlignment(c ? Qt::AlignRight | Qt::AlignVCenter
                                     : Qt::AlignLeft | Qt::AlignVCenter);
            stats_->setItem(type, static_cast<int>(c), item);
        }
    }
    stats_->resizeColumnsToContents();
}

bool ProfileAnalysisView::savePng(const QString& file) const {
    return chartView_->grab().save(file, "PNG");
}

const QChart* ProfileAnalysisView::chart() const {
    return chartView_->chart();
}

void ProfileAnalysisView::askAndSavePng() {
    const QString file = QFileDialog::getSaveFileName(this, "Save Profit Curves",
                                                      "profit-curves.png", "PNG (*.png)");
    if (file.isEmpty())
        return;
    const std::filesystem::path target = QFile::encodeName(file).toStdString();
    if (text::isNotRegularFile(target)) // never waited on, never replaced
        QMessageBox::warning(this, "Tallowmere TB",
                             QString::fromStdString(text::notRegularFileText(target)));
    else if (!savePng(file))
        QMessageBox::warning(this, "Tallowmere TB", "Cannot write " + file);
}

} // namespace tallowmere::gui
