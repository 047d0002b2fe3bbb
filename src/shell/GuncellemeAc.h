#pragma once
#include <functional>

class QWidget;
class TSQLConnection;

// The installer download, opened modally by the login when the server expects another client
// version. The real dialog ends the process itself; should it return, the login goes on.
//
// PLACEHOLDER until the self-update subsystem installs its dialog with GuncellemeAcIsleviAyarla:
// returns at once.
using GuncellemeAcIslevi = std::function<void(QWidget* sahip, TSQLConnection& baglanti, int version)>;
void GuncellemeAcIsleviAyarla(GuncellemeAcIslevi islev);
void GuncellemeAc(QWidget* sahip, TSQLConnection& baglanti, int version);
