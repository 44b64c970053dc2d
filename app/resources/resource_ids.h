// Identifiers of the program's resources.
#pragma once

#define IDI_RUVELKA 1
#define IDR_BANNER 101
