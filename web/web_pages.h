#pragma once

#include <string_view>

namespace palvo {

// The files of the players' page and of the streaming overlay, compiled into the program: the
// service never opens a file. Each is made once and stays valid for the program's life.
std::string_view PlayerPage();
std::string_view OverlayPage();
std::string_view PlayerScript();
std::string_view OverlayScript();
std::string_view StyleSheet();
// The pages' icon, an SVG drawn by hand: a called ball on the page's ground.
std::string_view Icon();

}  // namespace palvo
