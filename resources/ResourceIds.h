// Resource numbers shared by the resource script and the program.
#pragma once

#define IDI_ILVORANDE 1
#define IDI_POINTER_LINK 2
#define IDI_POINTER_MAIL 3
