#pragma once

#include "analysis/CardFigures.h"

#include <QTabWidget>
#include <vector>

class QChart;
class QChartView;
class QTableWidget;

namespace tallowmere::gui {

// Beside the profile grid: the profit curves of the staked bet types (a click
// on a legend entry hides or shows its curve) and the confidence panel.
class ProfileAnalysisView : public QTabWidget {
  public:
    explicit ProfileAnalysisView(QWidget* parent = nullptr);

    void showCards(const std::vector<analysis::CardFigures>& cards);
    bool savePng(const QString& file) const;
    const QChart* chart() const;

  private:
    QWidget* curvesTab();
    QWidget* statsTab();
    void drawCurves(const std::vector<analysis::CardFigures>& cards);
    void fillStats(const std::vector<analysis::CardFigures>& cards);
    void askAndSavePng();

    QChartView* chartView_;
    QTableWidget* stats_;
};

} // namespace tallowmere::gui
