#pragma once

class TSQLConnection;

// Opens the connection, retrying up to 11 times 500 ms apart; after the last failure shows the
// connection message when `mesaj` is on. True when the connection is open.
bool BaglantiKontrol(TSQLConnection& baglanti, bool mesaj);

// Time between two attempts; tests may shorten it.
void BaglantiKontrolBeklemesiAyarla(int ms);
