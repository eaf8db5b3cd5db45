#include "shell/Program.h"

namespace kiv {

Program::Program(Surface& surface, User32& user32)
    : module_(surface), saver_(surface, user32, module_), dialog_(surface) {
    surface.attach(*this);
}

void Program::Load(FormId form) {
    if (form == FormId::frmKiv)
        saver_.Form_Load();
    else
        dialog_.Form_Load();
}

void Program::Click(ObjectId object) {
    switch (object) {
        case ObjectId::frmKiv:
            saver_.Form_Click();
            break;
        case ObjectId::Command1:
            dialog_.Command1_Click();
            break;
        case ObjectId::Command2:
            dialog_.Command2_Click();
            break;
        case ObjectId::cmdPreview:
            dialog_.cmdPreview_Click();
            break;
        case ObjectId::frmKiv2:
            break;  // the dialog itself has no click handler
    }
}

void Program::KeyDown(FormId form, std::int16_t keyCode, std::int16_t shift) {
    if (form == FormId::frmKiv) saver_.Form_KeyDown(keyCode, shift);
}

void Program::MouseMove(FormId form, std::int16_t button, std::int16_t shift, float x, float y) {
    if (form == FormId::frmKiv) saver_.Form_MouseMove(button, shift, x, y);
}

void Program::Unload(FormId form, std::int16_t& cancel) {
    if (form == FormId::frmKiv)
        saver_.Form_Unload(cancel);
    else
        dialog_.Form_Unload(cancel);
}

}  // namespace kiv
