#include "app/control_table.h"

// VELMORA_PLAY_HOST is a build setting (CMake cache variable of the same name).
const WindowRow kMainWindow{"Velmora 音乐下载器  (Brovik 专用版)", 483, 249};

const std::array<ControlRow, 13> kControlTable{{
    {Control::编辑框1, ControlKind::EditBox, 103, 24, 350, 26,
     "http://" VELMORA_PLAY_HOST "/dance/play/276929.html"},
    {Control::标签1, ControlKind::Label, 21, 24, 70, 24, "播放网址"},
    {Control::标签2, ControlKind::Label, 21, 56, 70, 24, "歌曲名称"},
    {Control::标签3, ControlKind::Label, 21, 88, 70, 24, "MP3地址"},
    {Control::编辑框2, ControlKind::EditBox, 103, 56, 280, 26, ""},
    {Control::编辑框3, ControlKind::EditBox, 103, 88, 280, 26, ""},
    {Control::标签4, ControlKind::Label, 21, 120, 70, 24, "M4A地址"},
    {Control::编辑框4, ControlKind::EditBox, 103, 120, 280, 26, ""},
    {Control::按钮1, ControlKind::Button, 296, 160, 152, 40, "一键获取下载地址"},
    {Control::按钮2, ControlKind::Button, 400, 56, 48, 24, "复制"},
    {Control::按钮3, ControlKind::Button, 400, 88, 48, 24, "复制"},
    {Control::按钮4, ControlKind::Button, 400, 120, 48, 24, "复制"},
    {Control::按钮5, ControlKind::Button, 104, 160, 136, 40, "一键清除"},
}};

const FontRow kCaptionFont{"微软雅黑", -16, 400};

const ControlRow& RowOf(Control control) {
  return kControlTable[static_cast<std::size_t>(control)];
}
