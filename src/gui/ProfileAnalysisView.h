#pragma once

#include "analysis/CardFigures.h"
#include "analysis/ProfitCurves.h"
#include "analysis/RoiConfidence.h"

#include <QTabWidget>
#include <optional>
#include <thread>
#include <vector>

class QChart;
class QChartView;
class QLabel;
class QTableWidget;
class QValueAxis;

namespace tallowmere::gui {

// Beside the profile grid: the profit curves of the staked bet types, titled
// with the profile's name (a click on a legend entry hides or shows its curve,
// the profit axis spanning the curves shown), and the confidence panel. It
// fits a small screen: the chart shrinks to leave the tabs and buttons room.
// The confidence figures of a large profile take a while: they are worked
// out on a thread of their own, the panel saying so meanwhile, so the window
// stays live.
class ProfileAnalysisView : public QTabWidget {
  public:
    explicit ProfileAnalysisView(QWidget* parent = nullptr);
    ~ProfileAnalysisView() override;

    void showCards(const ProfileCards& profile);
    bool savePng(const QString& file) const;
    const QChart* chart() const;
    // Whether the confidence figures are still being worked out.
    bool workingOutStats() const { return worker_.joinable(); }

  private:
    QWidget* curvesTab();
    QWidget* statsTab();
    void drawCurves(const ProfileCards& profile);
    void workOutStats(std::vector<analysis::CardFigures> cards);
    void showStats(const std::vector<analysis::RoiConfidence>& figures);
    void askAndSavePng();

    QChartView* chartView_;
    QTableWidget* stats_;
    QLabel* statsState_;
    QLabel* statsNote_;
    analysis::ProfitCurves curves_;
    QValueAxis* profitAxis_ = nullptr;
    std::thread worker_;
    // The cards of a profile shown while the last one's figures were worked out.
    std::optional<std::vector<analysis::CardFigures>> waiting_;
};

} // namespace tallowmere::gui
