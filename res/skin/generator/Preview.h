#pragma once
// Renders every screen of a skin set with sample text at the places where the main window writes, so the
// layout can be checked by eye: <out>/<mode>_<name>.png (rest frames) and <mode>_<name>_active.png (hover and
// selected frames).
#include <QString>

namespace vt::skingen {

bool renderPreviews(const QString& skinFolder, const QString& outFolder);

} // namespace vt::skingen
