#pragma once

#include "analysis/CardFigures.h"
#include "analysis/RoiConfidence.h"

#include <QTabWidget>
#include <optional>
#include <thread>
#include <vector>

class QChart;
class QChartView;
class QLabel;
class QTableWidget;

namespace tallowmere::gui {

// Beside the profile grid: the profit curves of the staked bet types (a click
// on a legend entry hides or shows its curve) and the confidence panel.
// The confidence figures of a large profile take a while: they are worked
// out on a thread of their own, the panel saying so meanwhile, so the window
// stays live.
class ProfileAnalysisView : public QTabWidget {
  public:
    explicit ProfileAnalysisView(QWidget* parent = nullptr);
    ~ProfileAnalysisView() override;

    void showCards(const std::vector<analysis::CardFigures>& cards);
    bool savePng(const QString& file) const;
    const QChart* chart() const;
    // Whether the confidence figures are still being worked out.
    bool workingOutStats() const { return worker_.joinable(); }

  private:
    QWidget* curvesTab();
    QWidget* statsTab();
    void drawCurves(const std::vector<analysis::CardFigures>& cards);
    void workOutStats(std::vector<analysis::CardFigures> cards);
    void showStats(const std::vector<analysis::RoiConfidence>& figures);
    void askAndSavePng();

    QChartView* chartView_;
    QTableWidget* stats_;
    QLabel* statsState_;
    std::thread worker_;
    // The cards of a profile shown while the last one's figures were worked out.
    std::optional<std::vector<analysis::CardFigures>> waiting_;
};

} // namespace tallowmere::gui
