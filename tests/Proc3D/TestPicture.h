// The picture the projection tests look through: the size of the main
// window's graph, so that the worked pixel positions are those a user sees.
#pragma once

#include <cstdint>

namespace Proc3DTest {

inline constexpr int32_t PictureWidth = 505;
inline constexpr int32_t PictureHeight = 404;

}  // namespace Proc3DTest
