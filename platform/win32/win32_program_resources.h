#pragma once

// Resource numbers of palvo.exe, shared by its resource script (resources/palvo.rc.in) and the
// code that loads them; a plain macro because the resource compiler reads this file too.
#define PALVO_PROGRAM_ICON 1
