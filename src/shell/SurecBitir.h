#pragma once
#include <functional>

// Ends the process at once with exit code 0: nothing is saved, no window event runs any more, open
// dialogs, background tasks and connections are not wound down.
// Under a test hook the call returns instead; every caller therefore returns right after it.
void SurecBitir();

// Test hook: replaces the ending (empty: the real one again).
void SurecBitirmeKancasiAyarla(std::function<void()> kanca);
