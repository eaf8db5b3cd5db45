#include "shell/mdlKiv.h"

namespace kiv {

std::string ModeKey(const std::string& argumentText) {
    std::string key = argumentText.substr(0, 2);
    for (char& c : key)
        if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 'a' + 'A');
    return key;
}

void mdlKiv::Main() {
    if (surface_.previousInstance()) surface_.endProcess();

    const std::string key = ModeKey(surface_.commandLine());
    if (key == "/A") {
        surface_.messageBox(kPasswordMessage);
        surface_.endProcess();
    } else if (key == "/C") {
        surface_.load(FormId::frmKiv2);
    } else if (key == "/P") {
        surface_.endProcess();
    } else if (key.empty()) {
        surface_.load(FormId::frmKiv2);
    } else {
        surface_.load(FormId::frmKiv);
    }
}

}  // namespace kiv
