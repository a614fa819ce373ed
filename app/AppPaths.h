#pragma once
// Where the program finds its folders: the learner's base folder (libraries, histories, speech) and the program
// folder (skins, help texts, tips, default data), each overridable from the environment.
#include <QString>

namespace AppPaths {

// Base folder with a trailing '/': VERBATROVE_BASE, else Documents + "/kelpsoft/verbatrove/".
QString baseFolder();
// Program folder with a trailing '/': VERBATROVE_DATA, else the installed share/verbatrove next to the
// executable, else the build tree's share folder, else the source tree's res/.
QString programFolder();
// Folder of the helper programs (verbatrove-speech): next to the executable, or the build tree's cli/.
QString toolPath(const QString& name);

} // namespace AppPaths
