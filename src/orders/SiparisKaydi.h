#pragma once

// Plugs the basket page ("Sepet") into the main window's page builders (AnaPencereKancalari).
// Call once before the main window is created.
void SiparisSayfalariniKaydet();
