// Hyperlink labels: text in the link's colours, a hand pointer, a hover
// colour while the pointer is over the link, and a visited colour once opened.
#pragma once

#include <windows.h>

#include "app/window_layout.h"
#include "platform/system_services.h"

namespace ruvelka {

// Makes an owner-drawn, notifying static control behave as a link.
void AttachHyperlink(HWND link);

void DrawHyperlink(const DRAWITEMSTRUCT& item, const HyperlinkColours& colours, HFONT font);

// Opens the address with the shell's "open" verb; when that fails, with the
// command line the system uses to open ".htm" documents. A link that opened
// is painted as visited from then on.
void OpenHyperlink(HWND link, const Text& address, SystemServices& system);

}  // namespace ruvelka
