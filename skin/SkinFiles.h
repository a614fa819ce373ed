#pragma once
// Where the skins live: the INI file of each screen (mode 0..10) inside a skin set folder.
#include <string>

namespace vt {

constexpr int kSkinModes = 11;

// UTF-8 file names, indexed by mode; convert with vt::gbk() for GBK paths.
constexpr const char* kSkinFiles[kSkinModes] = {
    "主界面.ini",   "无忧记忆.ini", "书本选择.ini", "自由浏览.ini", "轻松选择.ini", "手动填空.ini",
    "休闲记忆.ini", "游戏天地.ini", "mp3制作.ini",  "状态统计.ini", "系统管理.ini",
};

// The set folder the main window uses.
constexpr const char* kDefaultSkinSet = "default";

} // namespace vt
