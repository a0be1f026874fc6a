#pragma once

#include <QImage>

namespace tarvo {

// Size of the `Logo` picture.
inline constexpr int CoteLogo = 400;

// The picture shown under the characteristics page: a mirror seen from the front behind
// its Couder zone mask, with the program's name. Drawn at each call; white background.
QImage DessineLogo();

} // namespace tarvo
