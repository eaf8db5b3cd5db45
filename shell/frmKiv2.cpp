#include "shell/frmKiv2.h"

#include <iterator>

namespace kiv {
namespace {

using Kind = DialogControl::Kind;

constexpr DialogControl kControls[] = {
    {"Command1", Kind::Button, "OK(&O)", 960, 2880, 1335, 375, 0, ObjectId::Command1},
    {"Command2", Kind::Button, "Cancel", 2820, 2880, 1335, 375, 1, ObjectId::Command2},
    {"Label1", Kind::Label, "設定はありません。", 1560, 1320, 2535, 375, 2, ObjectId::frmKiv2},
    {"Label2", Kind::Label, "Kiv", 840, 120, 2775, 735, 3, ObjectId::frmKiv2},
    {"Label3", Kind::Label, "by the Kiv developers", 2160, 2040, 1815, 495, 4, ObjectId::frmKiv2},
    {"cmdPreview", Kind::Button, "プレビュー(&P)", 4680, 2880, 1335, 375, 5, ObjectId::cmdPreview},
};

constexpr DialogLayout kLayout = {"設定", 6540, 3690, kControls,
                                  static_cast<int>(std::size(kControls))};

}  // namespace

const DialogLayout& SettingsDialogLayout() {
    return kLayout;
}

void frmKiv2::Form_Load() {
    surface_.show(FormId::frmKiv2);
}

// The saver runs inside this handler, and its end ends the program.
void frmKiv2::cmdPreview_Click() {
    surface_.load(FormId::frmKiv);
}

void frmKiv2::Command1_Click() {
    surface_.unload(FormId::frmKiv2);
}

void frmKiv2::Command2_Click() {
    surface_.unload(FormId::frmKiv2);
}

void frmKiv2::Form_Unload(std::int16_t&) {
    surface_.endProcess();
}

}  // namespace kiv
