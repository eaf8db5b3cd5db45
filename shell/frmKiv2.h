#pragma once

#include "shell/Surface.h"

namespace kiv {

// The settings dialog: there is nothing to set, only a preview and two ways out.
class frmKiv2 {
  public:
    explicit frmKiv2(Surface& surface) : surface_(surface) {}

    void Form_Load();
    void cmdPreview_Click();
    void Command1_Click();
    void Command2_Click();
    void Form_Unload(std::int16_t& cancel);

  private:
    Surface& surface_;
};

// The dialog's look, in twips of its client area; platforms lay it out from this table.
struct DialogControl {
    enum class Kind { Button, Label };
    const char* name;
    Kind kind;
    const char* caption;  // "&" marks the access key
    int left, top, width, height;
    int tabIndex;
    ObjectId clickTarget;  // buttons only
};

struct DialogLayout {
    const char* caption;
    int clientWidth, clientHeight;
    const DialogControl* controls;
    int controlCount;
};

const DialogLayout& SettingsDialogLayout();

}  // namespace kiv
