#include "platform/recording/RecordedOp.h"

#include <cstdio>

namespace kiv {
namespace {

std::string Single(float v) {
    char buffer[32];
    std::snprintf(buffer, sizeof buffer, "%.9g", static_cast<double>(v));
    return buffer;
}

std::string Singles(std::initializer_list<float> values) {
    std::string out;
    for (float v : values) {
        out += ' ';
        out += Single(v);
    }
    return out;
}

// The saver window's operations carry no name; the dialog's do.
std::string WithForm(const char* verb, FormId form) {
    return form == FormId::frmKiv ? verb : std::string(verb) + " frmKiv2";
}

const char* FormName(FormId form) {
    return form == FormId::frmKiv ? "frmKiv" : "frmKiv2";
}

}  // namespace

std::string TraceLine(const RecordedOp& op) {
    using K = RecordedOp::Kind;
    const std::string value = std::to_string(op.value);
    switch (op.kind) {
        case K::Load:
            return std::string("load ") + FormName(op.form);
        case K::Unload:
            return std::string("unload ") + FormName(op.form);
        case K::Show:
            return WithForm("show", op.form);
        case K::Hide:
            return WithForm("hide", op.form);
        case K::Refresh:
            return WithForm("refresh", op.form);
        case K::Clear:
            return WithForm("clear", op.form);
        case K::End:
            return "end";
        case K::Fore:
            return "fore " + value;
        case K::Font:
            return "font" + Singles({op.size});
        case K::Line:
            return "line" + Singles({op.x1, op.y1, op.x2, op.y2});
        case K::LineC:
            return "linec" + Singles({op.x1, op.y1, op.x2, op.y2}) + " " + value;
        case K::Circle:
            return "circle" + Singles({op.x1, op.y1, op.size}) + " " + value;
        case K::Print:
            return "print " + op.text + " " + value;
        case K::MessageBox:
            return "msgbox " + op.text;
        case K::ShowCursor:
            return "showcursor " + value;
        case K::Spi:
            return "spi " + value + " " + std::to_string(op.param);
        case K::Yield:
            return "yield " + value;
    }
    return "?";
}

}  // namespace kiv
