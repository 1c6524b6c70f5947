#pragma once

#include <string_view>

// Every text an operator or a player reads, in Japanese, each once. The core and both platform
// layers take their words from here, so a wording is changed in one place and no internal name
// reaches a person. Texts are grouped by where they appear.
namespace palvo::texts {

}  // namespace palvo::texts
