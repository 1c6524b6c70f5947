#pragma once

// The ink lives in imaging/ so that the players' display draws with it too.
#include "imaging/card_ink.h"
