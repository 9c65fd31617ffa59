#include "gui/ProfileAnalysisView.h"

#include "analysis/CurvesSvg.h"
#include "analysis/ProfitCurves.h"
#include "analysis/RoiConfidence.h"
#include "analysis/StatsText.h"
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
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>
#include <QValueAxis>

namespace tallowmere::gui {
namespace {

QLineSeries* curveSeries(int type, const std::vector<double>& curve) {
    auto* series = new QLineSeries;
    series->setName(QString::fromUtf8(analysis::stakedTypeName(type)));
    series->setColor(QColor(analysis::curveColour(type)));
    for (const auto& [k, value] : analysis::pointsToDraw(curve))
        series->append(static_cast<double>(k + 1), value);
    return series;
}

// From the lowest to the highest point of any curve, and zero, in round steps.
void setProfitRange(QValueAxis& axis, const analysis::ProfitCurves& curves) {
    double low = 0, high = 0;
    for (const auto& curve : curves)
        for (const double point : curve) {
            low = std::min(low, point);
            high = std::max(high, point);
        }
    axis.setRange(low, high > low ? high : low + 1);
    axis.applyNiceNumbers();
}

// A click on a legend entry hides its curve or shows it again; the entry stays,
// dimmed while its curve is hidden.
void toggleFromLegend(QChart& chart) {
    for (QLegendMarker* marker : chart.legend()->markers())
        QObject::connect(marker, &QLegendMarker::clicked, marker, [marker] {
            QAbstractSeries* series = marker->series();
            series->setVisible(!series->isVisible());
            marker->setVisible(true);
            QColor label = marker->labelBrush().color();
            label.setAlphaF(series->isVisible() ? 1.0 : 0.4);
            marker->setLabelBrush(label);
        });
}

} // namespace

ProfileAnalysisView::ProfileAnalysisView(QWidget* parent)
    : QTabWidget(parent), chartView_(new QChartView), stats_(new QTableWidget),
      statsState_(new QLabel) {
    setObjectName("ProfileAnalysis");
    chartView_->setObjectName("ProfitCurves");
    chartView_->setRenderHint(QPainter::Antialiasing);
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
    save->setObjectName("SavePng");
    connect(save, &QPushButton::clicked, this, [this] { askAndSavePng(); });
    layout->addWidget(save, 0, Qt::AlignRight);
    return tab;
}

void ProfileAnalysisView::showCards(const std::vector<analysis::CardFigures>& cards) {
    drawCurves(cards);
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

void ProfileAnalysisView::drawCurves(const std::vector<analysis::CardFigures>& cards) {
    auto* chart = new QChart;
    chart->setTitle("Net profit over the cards, in date order");
    const auto curves = analysis::profitCurves(cards);
    auto* cardAxis = new QValueAxis;
    cardAxis->setTitleText("Cards");
    cardAxis->setLabelFormat("%d");
    cardAxis->setRange(1, std::max<double>(2, static_cast<double>(cards.size())));
    auto* profitAxis = new QValueAxis;
    profitAxis->setTitleText("Net profit");
    chart->addAxis(cardAxis, Qt::AlignBottom);
    chart->addAxis(profitAxis, Qt::AlignLeft);
    for (int type = 0; type < analysis::stakedTypeCount; ++type) {
        QLineSeries* series = curveSeries(type, curves[static_cast<std::size_t>(type)]);
        chart->addSeries(series);
        series->attachAxis(cardAxis);
        series->attachAxis(profitAxis);
    }
    setProfitRange(*profitAxis, curves);
    chart->legend()->setAlignment(Qt::AlignRight);
    toggleFromLegend(*chart);
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
