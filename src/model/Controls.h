#pragma once

#include "model/Grid.h"

#include <string>
#include <vector>

namespace tallowmere {

// The frame a control sits in; its left and top are then inside that frame.
enum class FrameName { None, Frame1, Frame2, Frame3, Frame4, Frame5, Frame6, Frame7 };

// The window's controls as plain values. Positions and sizes are in twips.
struct TextBox {
    std::string text;
    bool visible = true;
    int top = 0;
    int left = 0, width = 0, height = 0;
    FrameName frame = FrameName::None;
};

struct Label {
    std::string caption;
    bool visible = true;
    int top = 0;
    int left = 0, width = 0, height = 0;
    FrameName frame = FrameName::None;
    bool bold = false;
};

struct Button {
    std::string caption;
    bool visible = true;
    bool enabled = true;
    Rgb backColor = lightGrey;
    int left = 0;
    int top = 0, width = 0, height = 0;
    FrameName frame = FrameName::None;
};

struct Frame {
    bool visible = true;
    int top = 0, left = 0, width = 0;
    int height = 0;
    std::string caption;
};

struct ImageBox {
    int top = 0;
    int left = 0, width = 0, height = 0;
};

struct ListBox {
    std::vector<std::string> items;
    bool visible = false;
    bool bold = false;
    int height = 0;
    int top = 0, left = 0, width = 0;
};

struct WindowFrame {
    std::string caption;
    int width = 17400;
    int height = 11200;
};

} // namespace tallowmere
