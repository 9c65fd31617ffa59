#include "app/AppCommands.h"
#include "card/DataRoot.h"
#include "model/GridLayouts.h"
#include "model/WindowLayout.h"

#include <system_error>

namespace tallowmere {
namespace {

void makeCardFolders(const std::filesystem::path& root) {
    for (std::string_view name : cardFolderNames) {
        std::error_code error;
        std::filesystem::create_directories(root / name, error);
    }
}

} // namespace

void Form_Load(Form1& form) {
    makeCardFolders(form.DataRoot);
    placeControls(form);
    form.Frame6.top = 9900;
    form.Frame6.left = 1550;
    form.Label18.top = 10100;
    form.menus.MainScreen.visible = false;
    form.menus.Print2.visible = false;
    form.platform.setFilesHidden(DataRoot{form.DataRoot}.trackMasterFolder(), trackMasterFileList(),
                                 false);
    layOutPastPerformanceGrid(form.MSFlexGrid1);
    layOutCardSummaryGrid(form.MSFlexGrid2);
    form.Command1.backColor = lightGrey;
    form.Frame7.top = 8200;
    form.Image2.top = 8500;
    form.Frame1.visible = false;
    form.Frame2.visible = false;
    form.Frame3.visible = false;
    for (int i = 1; i <= 4; ++i) {
        form.setText39(i, "");
        form.setText39Top(i, 8300);
    }
    for (int i = 5; i <= 8; ++i)
        form.setText39Top(i, 9000);
    form.Label12.top = 8300;
    form.Label16.top = 9000;
    form.Window.width = 17400;
}

} // namespace tallowmere
