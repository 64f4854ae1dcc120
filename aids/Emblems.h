#pragma once

#include <QImage>

// The round 128 x 128 pictures beside the help page and the settings.
namespace Emblems {

QImage Help();
QImage Settings();

} // namespace Emblems
