#pragma once

#include "model/Grid.h"

#include <string>
#include <vector>

namespace tallowmere {

// The window's controls as plain values. Positions and sizes are in twips.
struct TextBox {
    std::string text;
    bool visible = true;
    int top = 0;
};

struct Label {
    std::string caption;
    bool visible = true;
    int top = 0;
};

struct Button {
    std::string caption;
    bool visible = true;
    bool enabled = true;
    Rgb backColor = lightGrey;
    int left = 0;
};

struct Frame {
    bool visible = true;
    int top = 0, left = 0, width = 0;
};

struct ImageBox {
    int top = 0;
};

struct ListBox {
    std::vector<std::string> items;
    bool visible = false;
    bool bold = false;
    int height = 0;
};

struct WindowFrame {
    std::string caption;
    int width = 17400;
    int height = 11200;
};

} // namespace tallowmere
