#include "app/WindowPrinting.h"

namespace tallowmere {
namespace {

void line(std::ostream& out, const std::string& name, const std::string& text) {
    out << name << "=" << text << "\n";
}

std::string indexed(const char* name, int index) {
    return std::string(name) + "(" + std::to_string(index) + ")";
}

} // namespace

void printState(const Form1& form, std::ostream& out) {
    line(out, "Label1", form.Label1.caption);
    line(out, "Label2", form.Label2.caption);
    for (int i = 0; i <= 1; ++i)
        line(out, indexed("Label3", i), form.Label3.valueAt(i).caption);
    for (int i = 0; i <= 3; ++i)
        line(out, indexed("Label4", i), form.Label4.valueAt(i).caption);
    line(out, "Label5", form.Label5.caption);
    line(out, "Label6", form.Label6.caption);
    line(out, "Label8", form.Label8.caption);
    line(out, "Label10", form.Label10.caption);
    line(out, "Label13", form.Label13.caption);
    line(out, "Label15", form.Label15.caption);
    line(out, "Label17", form.Label17.caption);
    for (int i = 1; i <= 8; ++i)
        line(out, indexed("Text39", i), form.Text39(i).text);
    for (int i = 0; i <= 9; ++i)
        line(out, indexed("Text57", i), form.Text57.valueAt(i).text);
    line(out, "Command1", form.Command1.caption);
    for (int i = 1; i <= 20; ++i) {
        const Button& scratch = *form.Command3.find(i);
        line(out, indexed("Command3", i), scratch.visible ? scratch.caption : "");
    }
}

void printGrid(const Grid& grid, std::ostream& out) {
    for (int r = 0; r < grid.rows(); ++r) {
        for (int c = 0; c < grid.columns(); ++c) {
            if (c > 0)
                out << '\t';
            out << grid.text(r, c);
        }
        out << '\n';
    }
}

} // namespace tallowmere
