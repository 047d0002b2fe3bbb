#pragma once

class QLabel;
class TSQLConnection;

// Fetches the product picture of a stock on the main connection (interface thread, blocking) and
// shows it in `resim`. A size of 0 shows nothing and says nothing; a stream whose length differs
// from the announced size is ignored; a failure of the call or of the JPEG decoding is shown as
// "<error type>: <text>" and the placeholder stays. The connection is closed again in every case.
void UrunResmiGetir(TSQLConnection& bagc, int stokno, QLabel* resim);
