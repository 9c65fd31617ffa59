#pragma once

#include "app/FolderOptions.h"
#include "card/DataRoot.h"
#include "gui/MainWindow.h"
#include "support/RecordingPlatform.h"
#include "support/SampleCard.h"
#include "support/TempFolder.h"

#include <QAction>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTableView>
#include <QTest>
#include <memory>

namespace tallowmere::testing {

// The window over a fresh data root holding the sample card, its track file
// and its results chart; questions are answered as `platform.answer` says.
struct SampleWindow {
    TempFolder folder;
    RecordingPlatform platform;
    std::unique_ptr<gui::MainWindow> window;

    SampleWindow() {
        copySampleCard(folder.path(), true);
        FolderOptions options;
        options.dataRoot = folder.path();
        window = std::make_unique<gui::MainWindow>(platform, options, "/opt/tallowmere/bin");
        window->show();
    }

    template <typename Widget> Widget* find(const char* name) const {
        return window->findChild<Widget*>(name);
    }
    QPushButton* button(const char* name) const { return find<QPushButton>(name); }
    void click(const char* name) const { QTest::mouseClick(button(name), Qt::LeftButton); }
    QLineEdit* box(const char* name) const { return find<QLineEdit>(name); }
    QString caption(const char* label) const { return find<QLabel>(label)->text(); }
    QAction* item(const char* name) const { return find<QAction>(name); }
    QTableView* grid(const char* name) const { return find<QTableView>(name); }
    QString cell(const char* grid, int row, int column) const {
        const QTableView* view = this->grid(grid);
        return view->model()->index(row, column).data().toString();
    }

    std::filesystem::path recordFile() const {
        return DataRoot{folder.path()}.raceCardsFolder() / "   CT_20261205.pmd";
    }
};

} // namespace tallowmere::testing
